#include "platform/files/disk_names.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <QStringList>
#include <memory>

#include "platform/files/cp1252.h"

namespace platform::files {

namespace {

bool present(const QByteArray& bytes) {
    struct stat st {};
    return ::lstat(bytes.constData(), &st) == 0;
}

Kind kindOfMode(mode_t mode) {
    if (S_ISREG(mode)) {
        return Kind::File;
    }
    return S_ISDIR(mode) ? Kind::Folder : Kind::Other;
}

struct DirCloser {
    void operator()(DIR* d) const { ::closedir(d); }
};

}  // namespace

QString decodeName(QByteArrayView bytes) {
    const QString utf8 = QString::fromUtf8(bytes);
    // Invalid sequences decode to U+FFFD, which does not encode back to the same bytes.
    if (QByteArrayView(utf8.toUtf8()) == bytes) {
        return utf8;
    }
    return fromCp1252(bytes);
}

QString decodePath(QByteArrayView bytes) {
    QStringList parts;
    for (const QByteArray& part : bytes.toByteArray().split('/')) {
        parts << decodeName(part);
    }
    return parts.join(u'/');
}

QByteArray nativePath(const QString& path) {
    const QByteArray utf8 = path.toUtf8();
    if (!path.startsWith(u'/') || present(utf8)) {
        return utf8;
    }
    QByteArray native;
    bool matching = true;  // the prefix built so far exists on the disk
    for (const QString& component : path.split(u'/', Qt::SkipEmptyParts)) {
        native += '/';
        QByteArray spelled = component.toUtf8();
        if (matching && !present(native + spelled)) {
            const QByteArray cp1252 = toCp1252(component);
            if (cp1252 != spelled && fromCp1252(cp1252) == component && present(native + cp1252)) {
                spelled = cp1252;
            } else {
                matching = false;
            }
        }
        native += spelled;
    }
    return native.isEmpty() ? QByteArray("/") : native;
}

Kind kindOf(const QString& path) {
    struct stat st {};
    if (::stat(nativePath(path).constData(), &st) != 0) {
        return Kind::None;
    }
    return kindOfMode(st.st_mode);
}

bool entryExists(const QString& path) {
    return present(nativePath(path));
}

bool isLink(const QString& path) {
    struct stat st {};
    return ::lstat(nativePath(path).constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

std::vector<FolderEntry> readFolder(const QString& path) {
    std::vector<FolderEntry> entries;
    const std::unique_ptr<DIR, DirCloser> dir(::opendir(nativePath(path).constData()));
    if (!dir) {
        return entries;
    }
    while (const dirent* entry = ::readdir(dir.get())) {
        const QByteArrayView name(entry->d_name);
        if (name == "." || name == "..") {
            continue;
        }
        struct stat st {};
        const bool known = ::fstatat(::dirfd(dir.get()), entry->d_name, &st, 0) == 0;
        entries.push_back({decodeName(name), known ? kindOfMode(st.st_mode) : Kind::None});
    }
    return entries;
}

}  // namespace platform::files
