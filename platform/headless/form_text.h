// A window's visible state as transcript lines: `form NAME`, then one line per visible control
// in collection order.
#pragma once

#include <QStringList>

namespace platform::forms {
class Form;
}

namespace platform::headless {

QStringList formText(const forms::Form& form);

}  // namespace platform::headless
