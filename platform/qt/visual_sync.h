// What every placed control shares on screen: geometry, visibility, enabling, font and colours.
#pragma once

#include <QColor>
#include <QWidget>

#include "platform/forms/control.h"

namespace platform::qt {

// Remembers the colours last applied, so that a sync leaves an unchanged palette alone.
struct AppliedColours {
    QColor fore;
    QColor back;
    bool applied = false;
};

// Brings `widget` in line with `control`; each property is set only when it differs, since
// setting geometry or fonts relays out the widget.
void syncVisual(QWidget& widget, const forms::VisualControl& control, AppliedColours& colours);

// The font a control asks for.
QFont controlFont(const forms::VisualControl& control, const QFont& base);

}  // namespace platform::qt
