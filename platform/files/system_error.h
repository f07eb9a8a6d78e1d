// Turns a failed system call into the platform error a window expects, with a French message
// that names the file as the user knows it (displayName).
#pragma once

#include <QString>

namespace platform::files {

// What was being done when the call failed; it picks the wording and, for a missing entry,
// whether the file or its folder is what is missing.
enum class Action { Read, Write, Copy, Remove, Rename, MakeFolder };

// Raises the error matching `errnum` (an errno value) for `posixPath`.
[[noreturn]] void raiseSystemError(int errnum, Action action, const QString& posixPath);

// A short French phrase for the cause `errnum` ("plus de place sur le disque"), for messages
// that name the file themselves (the database engine's).
QString systemCause(int errnum);

}  // namespace platform::files
