// Errors of the platform: one exception type carrying a number and a French message.
#pragma once

#include <QString>
#include <stdexcept>

namespace platform {

// The error numbers the windows may meet, numbered as the original platform numbered them so that
// a handler that tests a number keeps its meaning.
namespace err {
constexpr int InvalidCall = 5;
constexpr int Overflow = 6;
constexpr int SubscriptOutOfRange = 9;
constexpr int DivisionByZero = 11;
constexpr int TypeMismatch = 13;
constexpr int BadFileName = 52;
constexpr int FileNotFound = 53;
constexpr int BadFileMode = 54;
constexpr int FileAlreadyOpen = 55;
constexpr int DeviceIoError = 57;
constexpr int FileAlreadyExists = 58;
constexpr int DiskFull = 61;
constexpr int InputPastEnd = 62;
constexpr int DeviceUnavailable = 68;
constexpr int PermissionDenied = 70;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
constexpr int ObjectNotSet = 91;
constexpr int InvalidUseOfNull = 94;
constexpr int InvalidPropertyValue = 380;
constexpr int NoSuchProperty = 438;
constexpr int InvalidPicture = 481;
constexpr int PrinterError = 482;
constexpr int UpdateWithoutEdit = 3020;
constexpr int NoCurrentRecord = 3021;
constexpr int DatabaseNotFound = 3024;
constexpr int DatabaseDamaged = 3049;
constexpr int TableNotFound = 3078;
constexpr int RecordDeleted = 3167;
constexpr int DatabaseExists = 3204;
constexpr int FieldNotFound = 3265;
constexpr int UnrecognizedDatabase = 3343;
constexpr int InvalidRow = 30009;
constexpr int InvalidCol = 30010;
}  // namespace err

class Error : public std::runtime_error {
public:
    Error(int number, QString description);

    int number() const { return number_; }
    const QString& description() const { return description_; }

private:
    int number_;
    QString description_;
};

// The standard French text of an error number ("Dépassement de capacité" for 6).
QString standardDescription(int number);

// Raises error `number` with its standard text, followed by `detail` (a file name, a property)
// when one is given.
[[noreturn]] void raise(int number, const QString& detail = {});

// Runs `statement`, dropping a platform error it raises: the effect of one statement of a stretch
// that runs with errors ignored. Returns whether the statement ran without error.
template <class F>
bool ignoreErrors(F&& statement) {
    try {
        statement();
        return true;
    } catch (const Error&) {
        return false;
    }
}

// Ends the program at once (thrown by End, caught by the event dispatcher).
struct EndProgram {};

}  // namespace platform
