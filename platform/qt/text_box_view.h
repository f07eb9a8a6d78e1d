// The view of a text box: a line edit, or a plain text edit for a multi-line box. Every key with
// text goes through the box's KeyPress handler before the widget sees it.
#pragma once

#include <memory>

#include "platform/forms/controls.h"
#include "platform/qt/control_widgets.h"

namespace platform::qt {

std::unique_ptr<ControlView> createTextBoxView(forms::TextBox& box, QWidget* parent,
                                               const ActionRunner& run);

}  // namespace platform::qt
