#include "platform/files/faults.h"

namespace platform::files {

namespace {
FaultHook& hook() {
    static FaultHook value;
    return value;
}
}  // namespace

void setFaultHook(FaultHook h) {
    hook() = std::move(h);
}

void beforeDiskChange(std::string_view operation, const QString& path) {
    if (hook()) {
        hook()(operation, path);
    }
}

}  // namespace platform::files
