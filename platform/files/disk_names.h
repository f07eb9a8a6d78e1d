// Names as the disk holds them: bytes, not text. A name that is valid UTF-8 reads as UTF-8; one
// that is not (a Latin-1 name from an old backup, or from a zip made on Windows) reads as
// Windows-1252, the code page of the system the bases come from, and is found again by its real
// bytes. Every path that reaches a system call or SQLite passes through nativePath, and every
// folder is read through readFolder: Qt's file classes skip such names and cannot open them.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

namespace platform::files {

// The text of one name read from the disk.
QString decodeName(QByteArrayView bytes);

// The text of a path read from the disk (realpath, mkstemp), each component decoded on its own.
QString decodePath(QByteArrayView bytes);

// The bytes of the absolute POSIX path `path` as the disk spells it: each component in UTF-8,
// or in cp1252 where only that spelling exists.
QByteArray nativePath(const QString& path);

enum class Kind { None, File, Folder, Other };

// What `path` is, symbolic links followed: a regular file, a folder, something else, or nothing.
Kind kindOf(const QString& path);

// Whether anything bears the name `path`, a dangling link included.
bool entryExists(const QString& path);

// Whether `path` is a symbolic link.
bool isLink(const QString& path);

struct FolderEntry {
    QString name;  // decoded as decodeName does
    Kind kind;     // links followed
};

// The entries of the folder `path`, "." and ".." left out, in the order the disk gives them.
// A folder that cannot be read gives none.
std::vector<FolderEntry> readFolder(const QString& path);

}  // namespace platform::files
