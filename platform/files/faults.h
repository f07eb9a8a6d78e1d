// The one seam through which every change to the disk passes, so that tests can make a step fail
// (a full disk, a refused copy) or end the process there (a crash) and check what is left.
#pragma once

#include <QString>
#include <functional>
#include <string_view>

namespace platform::files {

// Called with the operation ("copy", "remove", "rename", "mkdir", "write", "compact", "commit",
// "flush") and the POSIX path it is about to change. A hook may throw platform::Error or end the
// process.
using FaultHook = std::function<void(std::string_view operation, const QString& path)>;

void setFaultHook(FaultHook hook);  // an empty hook removes it

// Every platform operation that changes the disk calls this first.
void beforeDiskChange(std::string_view operation, const QString& path);

}  // namespace platform::files
