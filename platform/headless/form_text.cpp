#include "platform/headless/form_text.h"

#include "platform/forms/control.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/grid.h"
#include "platform/forms/lists.h"
#include "platform/forms/picture.h"
#include "platform/headless/transcript.h"

namespace platform::headless {

using namespace platform::forms;

namespace {

QString listText(const QStringList& items) {
    QStringList parts;
    for (const QString& item : items) {
        parts << quoted(item);
    }
    return u'[' + parts.join(QStringLiteral(", ")) + u']';
}

QString number(double value) {
    return QString::number(value, 'g', 12);
}

// The lines of one visible control (a grid gives one per row).
QStringList controlText(const Control& control) {
    const QString head = control.form().Name() + u'.' + control.Name();
    switch (control.kind()) {
        case ControlKind::Label:
            return {head + QStringLiteral(" = ") +
                    quoted(static_cast<const Label&>(control).Caption)};
        case ControlKind::TextBox:
            return {head + QStringLiteral(" = ") +
                    quoted(static_cast<const TextBox&>(control).Text)};
        case ControlKind::Frame:
            return {head + QStringLiteral(" = ") +
                    quoted(static_cast<const Frame&>(control).Caption)};
        case ControlKind::CommandButton:
            return {head + QStringLiteral(" = ") +
                    quoted(static_cast<const CommandButton&>(control).Caption)};
        case ControlKind::MenuItem: {
            const auto& item = static_cast<const MenuItem&>(control);
            if (!item.isShown()) {
                return {};
            }
            return {head + QStringLiteral(" = menu ") + quoted(item.Caption)};
        }
        case ControlKind::ListBox:
        case ControlKind::FileListBox:
        case ControlKind::DriveListBox:
            return {head + QStringLiteral(" = ") +
                    listText(static_cast<const ListControl&>(control).items())};
        case ControlKind::DirListBox: {
            const auto& dir = static_cast<const DirListBox&>(control);
            return {head + QStringLiteral(" = ") + quoted(dir.path()) + u' ' +
                    listText(dir.items())};
        }
        case ControlKind::Picture: {
            const auto& picture = static_cast<const Picture&>(control);
            if (picture.isEmpty()) {
                return {head + QStringLiteral(" = picture none")};
            }
            return {head + QStringLiteral(" = picture ") + quoted(shownPath(picture.fileName()))};
        }
        case ControlKind::ProgressBar: {
            const auto& bar = static_cast<const ProgressBar&>(control);
            return {head + QStringLiteral(" = ") + number(bar.value()) + u'/' + number(bar.Max)};
        }
        case ControlKind::Grid: {
            const auto& grid = static_cast<const Grid&>(control);
            QStringList rows;
            for (int r = 0; r < grid.rowCount(); ++r) {
                QStringList cells;
                for (int c = 0; c < grid.colCount(); ++c) {
                    cells << quoted(grid.cellText(r, c));
                }
                rows << head + QStringLiteral("[%1] = ").arg(r) + cells.join(QStringLiteral(" | "));
            }
            return rows;
        }
        case ControlKind::CommonDialog:
            return {};
    }
    return {};
}

}  // namespace

QStringList formText(const Form& form) {
    QString head = QStringLiteral("form ") + form.Name();
    if (!form.Visible) {
        return {head + QStringLiteral(" hidden")};
    }
    if (!form.Enabled) {
        head += QStringLiteral(" disabled");
    }
    QStringList lines{head};
    for (const Control* control : form.Controls()) {
        if (control->Visible) {
            lines << controlText(*control);
        }
    }
    return lines;
}

}  // namespace platform::headless
