#include "platform/files/posix_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>

#include "platform/files/disk_names.h"
#include "platform/files/names.h"

namespace platform::files {

namespace {

QByteArray encoded(const QString& path) {
    return nativePath(path);
}

mode_t defaultMode(const QString& target) {
    struct stat st {};
    if (::stat(encoded(target).constData(), &st) == 0) {
        return st.st_mode & 07777;  // a replaced file keeps its permissions
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept {
    if (this != &other) {
        reset();
        fd_ = other.release();
    }
    return *this;
}

Descriptor::~Descriptor() {
    reset();
}

int Descriptor::release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

void Descriptor::reset() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

Descriptor openFile(const QString& posixPath, int flags, Action action, mode_t mode) {
    const int fd = ::open(encoded(posixPath).constData(), flags | O_CLOEXEC, mode);
    if (fd < 0) {
        raiseSystemError(errno, action, posixPath);
    }
    return Descriptor(fd);
}

QByteArray readWholeFile(const QString& posixPath) {
    const Descriptor fd = openFile(posixPath, O_RDONLY, Action::Read);
    QByteArray content;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n == 0) {
            return content;
        }
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            raiseSystemError(errno, Action::Read, posixPath);
        }
        content.append(buffer, n);
    }
}

void writeAll(int fd, QByteArrayView bytes, Action action, const QString& posixPath) {
    const char* data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            raiseSystemError(errno, action, posixPath);
        }
        data += n;
        left -= n;
    }
}

StagedFile::StagedFile(const QString& targetPath, Action action)
    : target_(targetPath), action_(action), mode_(defaultMode(targetPath)) {
    // Hidden, so that file lists never show a copy in progress; short and of a fixed length, so
    // that any name the disk accepts can be written.
    QByteArray pattern = encoded(QFileInfo(targetPath).path()) + "/.recette-XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        raiseSystemError(errno, action, targetPath);
    }
    temp_ = pattern;
    fd_ = Descriptor(fd);
}

StagedFile::~StagedFile() {
    if (!temp_.isEmpty()) {
        fd_.reset();
        ::unlink(temp_.constData());
    }
}

void StagedFile::write(QByteArrayView bytes) {
    writeAll(fd_.get(), bytes, action_, target_);
}

void StagedFile::commit(Flush flush) {
    // fsync before the rename: after a crash the target is the old file or the whole new one.
    if (::fchmod(fd_.get(), mode_) != 0 || (flush == Flush::Now && ::fsync(fd_.get()) != 0)) {
        raiseSystemError(errno, action_, target_);
    }
    if (::close(fd_.release()) != 0) {
        raiseSystemError(errno, action_, target_);
    }
    if (::rename(temp_.constData(), encoded(target_).constData()) != 0) {
        raiseSystemError(errno, action_, target_);
    }
    noteNewEntry(target_);
    temp_.clear();
}

}  // namespace platform::files
