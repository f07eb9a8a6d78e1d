#include "platform/data/jet_table.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDataStream>
#include <QFile>
#include <QtEndian>
#include <cerrno>
#include <cstdio>

#include "platform/core/error.h"
#include "platform/data/jet_reader.h"
#include "platform/files/names.h"

namespace platform::data {

namespace {

// Page 0 of a Jet file: a 4-byte magic, the format name, then the version byte (0 for Jet 3, 1
// for Jet 4; later versions are Access 2007 files).
constexpr char kMagic[] = "\x00\x01\x00\x00Standard Jet DB";
constexpr qsizetype kMagicSize = sizeof kMagic - 1;
constexpr qsizetype kVersionOffset = 0x14;

// A helper that sends nothing for this long is taken to be stuck in a damaged file.
constexpr int kSilenceLimitMs = 30000;

// What the helper sends, each message framed by its length (quint32) and read with QDataStream.
enum Message : quint8 {
    Opened = 'O',  // the table and its columns were found
    Row = 'R',     // quint32 count, then per value a Kind and its content
    End = 'E',     // every row was sent
    Failed = 'X',  // qint32 error number, QString description
};
enum Kind : quint8 { Null = 0, Integer = 1, Text = 2 };

QByteArray readHeader(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.read(kVersionOffset + 1);
}

// The helper's side: messages gathered and written to the pipe in large blocks.
class Sender {
public:
    explicit Sender(int fd) : fd_(fd) {}

    void send(const QByteArray& message) {
        char length[sizeof(quint32)];
        qToBigEndian(quint32(message.size()), length);
        buffer_.append(length, sizeof length).append(message);
        if (buffer_.size() >= 1 << 16) {
            flush();
        }
    }
    void send(Message kind) { send(QByteArray(1, char(kind))); }
    void flush() {
        const char* data = buffer_.constData();
        qsizetype left = buffer_.size();
        while (left > 0) {
            const ssize_t n = ::write(fd_, data, left);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                _exit(1);  // the program stopped reading
            }
            data += n;
            left -= n;
        }
        buffer_.clear();
    }

private:
    int fd_;             // write end of the pipe
    QByteArray buffer_;  // framed messages not yet written
};

QByteArray rowMessage(const std::vector<Value>& row) {
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out << quint8(Row) << quint32(row.size());
    for (const Value& value : row) {
        if (value.isNull()) {
            out << quint8(Null);
        } else if (value.isText()) {
            out << quint8(Text) << value.toText();
        } else {
            out << quint8(Integer) << qint64(value.toLongLong());
        }
    }
    return message;
}

QByteArray errorMessage(const Error& e) {
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out << quint8(Failed) << qint32(e.number()) << e.description();
    return message;
}

// Runs in the helper process: reads the table and sends it, then ends the process without
// running anything of the program it was forked from.
[[noreturn]] void serve(int fd, const QString& path, const QString& name, const QString& table,
                        const QStringList& columns) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);  // never outlive the program
    Sender out(fd);
    try {
        JetReader reader(path, name, table, columns);
        out.send(Opened);
        std::vector<Value> row;
        while (reader.next(row)) {
            out.send(rowMessage(row));
        }
        out.send(End);
    } catch (const Error& e) {
        out.send(errorMessage(e));
    }
    out.flush();
    _exit(0);
}

}  // namespace

bool isJetFile(const QString& path) {
    return readHeader(path).startsWith(QByteArray(kMagic, kMagicSize));
}

JetTable::JetTable(const QString& name, const QString& table, const QStringList& columns)
    : name_(name) {
    const QString path = files::resolve(name);
    const QByteArray header = readHeader(path);
    if (!header.startsWith(QByteArray(kMagic, kMagicSize)) || header.size() <= kVersionOffset) {
        throw Error(err::UnrecognizedDatabase,
                    QStringLiteral("Ce fichier n'est pas une base Access : « %1 »").arg(name));
    }
    const char version = header[kVersionOffset];
    if (version != 0 && version != 1) {
        throw Error(err::UnrecognizedDatabase,
                    QStringLiteral("Cette base Access est d'une version plus récente que celles "
                                   "de l'ancien programme (Access 97 à 2003) : « %1 »")
                        .arg(name));
    }

    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        throw Error(
            err::DeviceIoError,
            QStringLiteral("La lecture de la base Access n'a pas pu commencer : « %1 »").arg(name));
    }
    // What stdio holds unwritten would be written twice, once by each process; and the
    // library's own printouts must not reach the program's output, where a transcript may go.
    std::fflush(nullptr);
    helper_ = ::fork();
    if (helper_ == 0) {
        ::close(fds[0]);
        ::dup2(STDERR_FILENO, STDOUT_FILENO);
        serve(fds[1], path, name, table, columns);
    }
    ::close(fds[1]);
    pipe_ = fds[0];
    if (helper_ < 0) {
        ::close(pipe_);
        throw Error(
            err::DeviceIoError,
            QStringLiteral("La lecture de la base Access n'a pas pu commencer : « %1 »").arg(name));
    }
    try {
        QByteArray message;
        receive(message);
        if (message.at(0) != Opened) {
            damaged(QStringLiteral("réponse inattendue du lecteur"), name_);
        }
    } catch (const Error&) {
        stopHelper();  // no destructor runs for a constructor that throws
        throw;
    }
}

JetTable::~JetTable() {
    stopHelper();
}

bool JetTable::next(std::vector<Value>& row) {
    if (done_) {
        return false;
    }
    QByteArray message;
    receive(message);
    QDataStream in(message);
    quint8 kind = 0;
    in >> kind;
    if (kind == End) {
        done_ = true;
        stopHelper();
        return false;
    }
    if (kind != Row) {
        damaged(QStringLiteral("réponse inattendue du lecteur"), name_);
    }
    quint32 count = 0;
    in >> count;
    row.clear();
    for (quint32 i = 0; i < count; ++i) {
        quint8 valueKind = Null;
        in >> valueKind;
        if (valueKind == Text) {
            QString text;
            in >> text;
            row.emplace_back(text);
        } else if (valueKind == Integer) {
            qint64 number = 0;
            in >> number;
            row.emplace_back(static_cast<long long>(number));
        } else {
            row.emplace_back();
        }
    }
    return true;
}

void JetTable::receive(QByteArray& message) {
    for (;;) {
        if (received_.size() >= qsizetype(sizeof(quint32))) {
            const auto length = qFromBigEndian<quint32>(received_.constData());
            if (received_.size() >= qsizetype(sizeof length + length)) {
                message = received_.mid(sizeof length, length);
                received_.remove(0, sizeof length + length);
                break;
            }
        }
        if (pipe_ < 0) {
            damaged(QStringLiteral("lecture déjà interrompue"), name_);
        }
        pollfd ready{pipe_, POLLIN, 0};
        const int polled = ::poll(&ready, 1, kSilenceLimitMs);
        if (polled < 0 && errno == EINTR) {
            continue;
        }
        if (polled == 0) {
            stopHelper();
            damaged(QStringLiteral("lecture bloquée"), name_);
        }
        char buffer[1 << 16];
        const ssize_t n = ::read(pipe_, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            // The helper ended without a word: the library met something it could not survive.
            stopHelper();
            damaged(QStringLiteral("lecture interrompue"), name_);
        }
        received_.append(buffer, n);
    }
    if (message.isEmpty()) {
        damaged(QStringLiteral("réponse vide du lecteur"), name_);
    }
    if (message.at(0) == Failed) {
        QDataStream in(message);
        quint8 kind = 0;
        qint32 number = 0;
        QString description;
        in >> kind >> number >> description;
        stopHelper();
        throw Error(number, description);
    }
}

void JetTable::stopHelper() {
    if (pipe_ >= 0) {
        ::close(pipe_);
        pipe_ = -1;
    }
    if (helper_ > 0) {
        ::kill(helper_, SIGKILL);  // already gone when it has sent everything
        while (::waitpid(helper_, nullptr, 0) < 0 && errno == EINTR) {
        }
        helper_ = -1;
    }
}

}  // namespace platform::data
