// Text files as the windows read and write them: cp1252 bytes, lines ended by CR LF, read line
// by line, field by field or whole, and written by print statements with tab columns.
#pragma once

#include <QString>
#include <initializer_list>
#include <memory>

#include "platform/core/print_item.h"
#include "platform/files/posix_file.h"

namespace platform::files {

enum class OpenMode {
    Input,   // read; a missing file raises "file not found"
    Output,  // create, or replace an existing file when closed
    Append,  // add at the end; a missing file is created
};

// One open text file. Reading works on the content taken at opening. Writing collects the text
// and puts it on disk at close(): an Output file replaces the old one in one rename, an Append
// that fails is cut back to its former length, so a failure never leaves half a write. A folder
// that cannot be written fails at opening, before anything is written.
class TextFile {
public:
    TextFile(const QString& name, OpenMode mode);
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;
    ~TextFile();  // closes; a failure there is dropped, as a destructor may not throw

    bool isOpen() const { return open_; }
    OpenMode mode() const { return mode_; }

    // Input only. At the end, readLine() and readField() raise "input past end".
    bool atEnd() const;
    // Up to the line end: CR LF, or a lone LF or CR.
    QString readLine();
    // One field: fields end at commas and line ends; leading spaces are skipped; a field that
    // begins with a double quote runs to the next one and may hold commas.
    QString readField();
    // The whole content from the current position, line ends included.
    QString readAll();

    // Output and Append only: the texts, each Tab moving to its column, then CR LF.
    void print(std::initializer_list<PrintItem> items);

    void close();

private:
    void requireReading() const;
    void requireWriting() const;
    void skipLineEnd();
    void skipToSeparator();
    void writeTab(long long column);
    void writeText(const QString& text);
    void flushToDisk();

    OpenMode mode_;
    QString path_;
    bool open_ = false;
    // Input
    QString text_;
    qsizetype pos_ = 0;
    // Output and Append
    QString pending_;
    long long column_ = 1;
    std::unique_ptr<StagedFile> staged_;
    Descriptor appendFd_;
    long long appendStart_ = 0;
};

// Closes every open text file (the bare Close statement). All are closed even when one fails;
// the first failure is then raised.
void closeAllFiles();

}  // namespace platform::files
