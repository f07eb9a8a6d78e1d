// Low-level file access on POSIX calls, so that every failure keeps its exact cause (a full
// disk, a read-only folder) for the platform error; Qt's file classes lose errno.
#pragma once

#include <sys/types.h>
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include "platform/files/system_error.h"

namespace platform::files {

// An open file descriptor, closed when it goes out of scope.
class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(Descriptor&& other) noexcept : fd_(other.release()) {}
    Descriptor& operator=(Descriptor&& other) noexcept;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor();

    int get() const { return fd_; }
    bool isOpen() const { return fd_ >= 0; }
    int release();
    void reset();

private:
    int fd_ = -1;
};

// Opens `posixPath` with open(2) flags; raises the matching error on failure.
Descriptor openFile(const QString& posixPath, int flags, Action action, mode_t mode = 0666);

// The whole content of a regular file.
QByteArray readWholeFile(const QString& posixPath);

// Writes every byte, retrying short writes; raises on failure.
void writeAll(int fd, QByteArrayView bytes, Action action, const QString& posixPath);

// When a staged file's content must be on the disk.
enum class Flush {
    Now,    // before its name points at it: after a crash the target is the old or the new file
    Later,  // the caller flushes the whole file system once (flushFileSystem), after many files
};

// A file written under a temporary name in the target's folder and renamed onto the target by
// commit(), so that the target is either untouched or complete, never half written. Dropped
// without commit, the temporary file is removed.
class StagedFile {
public:
    StagedFile(const QString& targetPath, Action action);
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;
    ~StagedFile();

    void write(QByteArrayView bytes);
    void setMode(mode_t mode) { mode_ = mode; }
    void commit(Flush flush = Flush::Now);
    bool isOpen() const { return fd_.isOpen(); }
    int fd() const { return fd_.get(); }

private:
    QString target_;
    QByteArray temp_;  // the temporary file's path as the disk spells it; empty once committed
    Action action_;
    mode_t mode_;
    Descriptor fd_;
};

}  // namespace platform::files
