#include "platform/qt/visual_sync.h"

#include <QPalette>

#include "platform/qt/units.h"

namespace platform::qt {

QFont controlFont(const forms::VisualControl& control, const QFont& base) {
    QFont font = base;
    font.setFamilies({control.FontName});
    font.setPointSizeF(control.FontSize);
    font.setBold(control.FontBold);
    return font;
}

void syncVisual(QWidget& widget, const forms::VisualControl& control, AppliedColours& colours) {
    const QRect place = toPixels(control.Left, control.Top, control.Width, control.Height);
    if (widget.geometry() != place) {
        widget.setGeometry(place);
    }
    if (widget.isHidden() == control.Visible) {
        widget.setVisible(control.Visible);
    }
    if (widget.testAttribute(Qt::WA_Disabled) == control.Enabled) {
        widget.setEnabled(control.Enabled);
    }
    if (control.hasFont()) {
        const QFont font = controlFont(control, widget.font());
        if (font != widget.font()) {
            widget.setFont(font);
        }
    }
    if (colours.applied && colours.fore == control.ForeColor && colours.back == control.BackColor) {
        return;
    }
    // A palette resolving only the roles the model sets: the others follow the desktop's theme.
    QPalette palette;
    if (control.ForeColor.isValid()) {
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            palette.setColor(role, control.ForeColor);
        }
    }
    if (control.BackColor.isValid()) {
        for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
            palette.setColor(role, control.BackColor);
        }
    }
    widget.setPalette(palette);
    widget.setAutoFillBackground(control.BackColor.isValid());
    colours = {control.ForeColor, control.BackColor, true};
}

}  // namespace platform::qt
