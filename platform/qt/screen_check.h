// Whether a window on screen shows what its form holds, for the scripted sessions: a window is
// done only when the screen and the model agree.
#pragma once

#include <QStringList>

#include "platform/qt/form_window.h"

namespace platform::qt {

// The names of what differs between `window` and its form (the window itself, or a control:
// shown or hidden, its text, its entries); empty when they agree.
QStringList screenDifferences(const FormWindow& window);

}  // namespace platform::qt
