// File operations of the windows on Windows-style names: existence by name or pattern, copy,
// removal, atomic replacement, folder creation, length. Each failure raises a platform::Error
// with the original platform's number and a French message naming the file.
#pragma once

#include <QString>

#include "platform/files/posix_file.h"

namespace platform::files {

// Whether a regular file matches `name`, whose last component may hold * and ?, matched
// without regard to case (the original "Dir(name) <> \"\"").
bool exists(const QString& name);

// The name (without folder) of the first regular file matching `pattern` in the case-blind
// order of the file lists, or an empty text when none matches.
QString firstMatch(const QString& pattern);

// Copies `source` to `destination`, replacing an existing file. The copy is written under a
// temporary name beside the destination and renamed onto it, so a failed or interrupted copy
// leaves the destination as it was. The content is copied inside the kernel where the file
// systems allow it, as cp does. With Flush::Later the copy is renamed before it reaches the
// disk, and the caller ends its series of copies with flushFileSystem. Disk-change hook: "copy"
// with the destination.
void copyFile(const QString& source, const QString& destination, Flush flush = Flush::Now);

// Waits until everything written to the file system that holds `folder` is on the disk (a
// backup before it says it is finished); a write the disk refused is reported here. Hook:
// "flush" with the folder.
void flushFileSystem(const QString& folder);

// Removes one file; a missing file raises "file not found". Hook: "remove".
void removeFile(const QString& name);

// Puts `source` in the place of `destination` in one atomic rename (both in the same folder, as
// a compacted base and the one it replaces); the new file takes the permissions of the one it
// replaces. Hook: "rename" with the destination.
void replaceFile(const QString& source, const QString& destination);

// Gives the file `source` the second name `destination`, which must not exist in any letter case
// ("file already exists"): a hard link, so that the file itself is neither copied nor touched;
// on a file system without links (a FAT memory stick), a full copy. Hook: "link".
void linkFile(const QString& source, const QString& destination);

// Creates one folder. An existing folder raises "path/file access error", as the original
// platform did; a missing parent raises "path not found". Hook: "mkdir".
void makeFolder(const QString& name);

// The length in bytes of a regular file; a missing file raises "file not found".
long long fileLength(const QString& name);

// Whether the file `name` is read-only: marked so (no write permission at all, as a file copied
// from a CD or protected on purpose), or not writable by this user. A missing file is not.
bool isReadOnly(const QString& name);

// A name for a new working file in the folder of `beside` (so that it can be renamed onto it),
// that no file bears yet and that no base can bear: hidden, and without the .mdb extension, so
// no base list shows it. Short, so that it fits wherever `beside` fits. Creates nothing.
QString newWorkingName(const QString& beside);

}  // namespace platform::files
