#include "platform/files/operations.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>

#include "platform/core/error.h"
#include "platform/files/disk_names.h"
#include "platform/files/faults.h"
#include "platform/files/listing.h"
#include "platform/files/names.h"
#include "platform/files/posix_file.h"

namespace platform::files {

namespace {

struct FolderAndLast {
    QString folder;  // Windows-style, may be empty (the working folder) or "D:"
    QString last;
};

FolderAndLast splitLast(const QString& name) {
    const qsizetype slash = std::max(name.lastIndexOf(u'\\'), name.lastIndexOf(u'/'));
    if (slash >= 0) {
        return {name.left(slash + 1), name.mid(slash + 1)};
    }
    if (name.size() >= 2 && name[1] == u':') {
        return {name.left(2), name.mid(2)};
    }
    return {QString(), name};
}

bool hasWildcards(const QString& text) {
    return text.contains(u'*') || text.contains(u'?');
}

QString existingFile(const QString& name) {
    const QString path = resolve(name);
    if (kindOf(path) != Kind::File) {
        raise(err::FileNotFound, displayName(path));
    }
    return path;
}

void refuseFolder(const QString& path) {
    if (kindOf(path) == Kind::Folder) {
        raise(err::PathFileAccess,
              QStringLiteral("%1 est un dossier, pas un fichier").arg(displayName(path)));
    }
}

QByteArray encoded(const QString& path) {
    return nativePath(path);
}

// Copies through a buffer of our own: between file systems that copy_file_range refuses.
void copyThroughBuffer(int in, StagedFile& out, const QString& from) {
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n == 0) {
            return;
        }
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            raiseSystemError(errno, Action::Read, from);
        }
        out.write(QByteArrayView(buffer, n));
    }
}

// The whole content of `in` into `out`: a clone of its blocks where the file system shares
// them, else a copy inside the kernel, else through a buffer. A failure after the first bytes
// (a full disk) is raised; the staged file is then dropped by the caller.
void copyContent(int in, StagedFile& out, const QString& from, const QString& to) {
    if (::ioctl(out.fd(), FICLONE, in) == 0) {
        return;
    }
    bool copied = false;
    for (;;) {
        const ssize_t n =
            ::copy_file_range(in, nullptr, out.fd(), nullptr, std::size_t{1} << 30, 0);
        if (n == 0) {
            return;
        }
        if (n > 0) {
            copied = true;
            continue;
        }
        if (errno == EINTR) {
            continue;
        }
        const bool unsupported = errno == EXDEV || errno == ENOSYS || errno == EOPNOTSUPP ||
                                 errno == EINVAL || errno == EBADF;
        if (unsupported && !copied) {
            copyThroughBuffer(in, out, from);
            return;
        }
        raiseSystemError(errno, Action::Copy, to);
    }
}

}  // namespace

bool exists(const QString& name) {
    if (name.isEmpty()) {
        return false;
    }
    if (hasWildcards(splitLast(name).last)) {
        return !firstMatch(name).isEmpty();
    }
    return kindOf(resolve(name)) == Kind::File;
}

QString firstMatch(const QString& pattern) {
    const auto [folder, last] = splitLast(pattern);
    if (last.isEmpty() || kindOf(resolve(folder)) != Kind::Folder) {
        return {};
    }
    // One pattern, not a list: a ';' here is part of a name.
    for (const QString& name : listFiles(folder, QStringLiteral("*"))) {
        if (matchesPattern(name, last)) {
            return name;
        }
    }
    return {};
}

void copyFile(const QString& source, const QString& destination, Flush flush) {
    const QString from = existingFile(source);
    const QString to = resolve(destination);
    refuseFolder(to);
    beforeDiskChange("copy", to);
    const Descriptor in = openFile(from, O_RDONLY, Action::Read);
    struct stat st {};
    if (::fstat(in.get(), &st) != 0) {
        raiseSystemError(errno, Action::Read, from);
    }
    StagedFile out(to, Action::Copy);
    out.setMode(st.st_mode & 07777);
    copyContent(in.get(), out, from, to);
    out.commit(flush);
}

void flushFileSystem(const QString& folder) {
    const QString path = resolve(folder);
    beforeDiskChange("flush", path);
    const Descriptor dir = openFile(path, O_RDONLY | O_DIRECTORY, Action::Write);
    if (::syncfs(dir.get()) != 0) {
        raiseSystemError(errno, Action::Write, path);
    }
}

void removeFile(const QString& name) {
    const QString path = existingFile(name);
    beforeDiskChange("remove", path);
    if (::unlink(encoded(path).constData()) != 0) {
        raiseSystemError(errno, Action::Remove, path);
    }
    noteRemovedEntry(path);
}

void replaceFile(const QString& source, const QString& destination) {
    const QString from = existingFile(source);
    const QString to = resolve(destination);
    refuseFolder(to);
    beforeDiskChange("rename", to);
    const Descriptor fd = openFile(from, O_RDONLY, Action::Read);
    // The file put in place keeps the permissions of the one it replaces (a private base stays
    // private), and its content is on disk before the name points at it.
    struct stat replaced {};
    if (::stat(encoded(to).constData(), &replaced) == 0 &&
        ::fchmod(fd.get(), replaced.st_mode & 07777) != 0) {
        raiseSystemError(errno, Action::Rename, to);
    }
    if (::fsync(fd.get()) != 0) {
        raiseSystemError(errno, Action::Rename, to);
    }
    if (::rename(encoded(from).constData(), encoded(to).constData()) != 0) {
        raiseSystemError(errno, Action::Rename, to);
    }
    noteRemovedEntry(from);
    noteNewEntry(to);
}

void linkFile(const QString& source, const QString& destination) {
    const QString from = existingFile(source);
    if (exists(destination)) {
        raise(err::FileAlreadyExists, displayName(resolve(destination)));
    }
    const QString to = resolve(destination);
    beforeDiskChange("link", to);
    if (::link(encoded(from).constData(), encoded(to).constData()) == 0) {
        noteNewEntry(to);
        return;
    }
    const int cause = errno;
    if (cause != EPERM && cause != EOPNOTSUPP && cause != EMLINK) {
        raiseSystemError(cause, Action::Copy, to);
    }
    copyFile(source, destination);
}

void makeFolder(const QString& name) {
    const QString path = resolve(name);
    const QString parent = QFileInfo(path).path();
    if (entryExists(path)) {
        raise(err::PathFileAccess, QStringLiteral("%1 existe déjà").arg(displayName(path)));
    }
    if (kindOf(parent) != Kind::Folder) {
        raise(err::PathNotFound,
              QStringLiteral("le dossier %1 n'existe pas").arg(displayName(parent)));
    }
    beforeDiskChange("mkdir", path);
    if (::mkdir(encoded(path).constData(), 0777) != 0) {
        raiseSystemError(errno, Action::MakeFolder, path);
    }
    noteNewEntry(path);
}

long long fileLength(const QString& name) {
    struct stat st {};
    if (::stat(encoded(existingFile(name)).constData(), &st) != 0) {
        raiseSystemError(errno, Action::Read, resolve(name));
    }
    return st.st_size;
}

bool isReadOnly(const QString& name) {
    const QByteArray path = encoded(resolve(name));
    struct stat st {};
    if (::stat(path.constData(), &st) != 0) {
        return false;
    }
    // The permission bits too: the super-user may write anything, yet a file marked read-only is
    // meant to stay as it is.
    return (st.st_mode & 0222) == 0 || ::access(path.constData(), W_OK) != 0;
}

QString newWorkingName(const QString& beside) {
    const QString folder = splitLast(beside).folder;
    const QString posixFolder = resolve(folder.isEmpty() ? QStringLiteral(".") : folder);
    static const QString letters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
    for (;;) {
        QString name = QStringLiteral(".recette-");
        for (int i = 0; i < 8; ++i) {
            name += letters[QRandomGenerator::global()->bounded(int(letters.size()))];
        }
        if (!entryExists(posixFolder + u'/' + name)) {
            return folder + name;
        }
    }
}

}  // namespace platform::files
