// How a widget hands a user action to the desktop: the action runs as one event of the session
// (errors shown, unloaded windows discarded afterwards), then every window is synced.
#pragma once

#include <functional>

namespace platform::qt {

using UserAction = std::function<void()>;
using ActionRunner = std::function<void(const UserAction&)>;

}  // namespace platform::qt
