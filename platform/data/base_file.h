// Checks of a base file made before and after SQLite opens it, so that an empty file, a foreign
// format or a truncated copy is refused with a clear message instead of being created afresh or
// read half-way. They read the 100-byte header only: no full integrity check.
#pragma once

#include <QString>

namespace platform::data {

// Refuses a file that cannot be an SQLite base: missing (3024), empty, another format such as a
// Microsoft Access file, or not an SQLite header (3343). `path` is the POSIX path, `name` the
// name as the caller wrote it.
void checkBaseHeader(const QString& path, const QString& name);

// Refuses (3049) a base shorter than the size its header announces, or whose header is not
// consistent. Run after SQLite has opened the file, since a hot journal left by a crash may
// legitimately leave the file short until it is played back.
void checkBaseLength(const QString& path, const QString& name);

}  // namespace platform::data
