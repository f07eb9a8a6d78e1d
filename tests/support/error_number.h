// The number of the platform error a statement raises, 0 when it raises none.
#pragma once

#include <functional>

#include "platform/core/error.h"

namespace test_support {

inline int errorNumber(const std::function<void()>& statement) {
    try {
        statement();
    } catch (const platform::Error& e) {
        return e.number();
    }
    return 0;
}

}  // namespace test_support
