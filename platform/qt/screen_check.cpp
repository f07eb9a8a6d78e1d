#include "platform/qt/screen_check.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <cmath>

#include "platform/forms/controls.h"
#include "platform/forms/lists.h"
#include "platform/qt/symbol_font.h"

namespace platform::qt {

using namespace platform::forms;

namespace {

QStringList listed(const QListWidget& list) {
    QStringList items;
    for (int i = 0; i < list.count(); ++i) {
        items << list.item(i)->text();
    }
    return items;
}

QStringList listed(const QComboBox& combo) {
    QStringList items;
    for (int i = 0; i < combo.count(); ++i) {
        items << combo.itemText(i);
    }
    return items;
}

// Whether the content of a shown control's widget is the model's; kinds whose widget shows
// nothing checkable as text (pictures, grids) agree.
bool sameContent(const Control& control, const QWidget& widget) {
    switch (control.kind()) {
        case ControlKind::Label:
            return static_cast<const QLabel&>(widget).text() ==
                   static_cast<const Label&>(control).Caption;
        case ControlKind::CommandButton:
            return static_cast<const QPushButton&>(widget).text() ==
                   static_cast<const CommandButton&>(control).Caption;
        case ControlKind::Frame:
            return static_cast<const QGroupBox&>(widget).title() ==
                   static_cast<const Frame&>(control).Caption;
        case ControlKind::TextBox: {
            const auto& box = static_cast<const TextBox&>(control);
            if (const auto* line = qobject_cast<const QLineEdit*>(&widget)) {
                return line->text() ==
                       (showsPictograms(box.FontName) ? toPictograms(box.Text) : box.Text);
            }
            QString text = static_cast<const QPlainTextEdit&>(widget).toPlainText();
            return text.replace(u'\n', QStringLiteral("\r\n")) == box.Text;
        }
        case ControlKind::ListBox:
        case ControlKind::FileListBox:
        case ControlKind::DirListBox:
            return listed(static_cast<const QListWidget&>(widget)) ==
                   static_cast<const ListControl&>(control).items();
        case ControlKind::DriveListBox:
            return listed(static_cast<const QComboBox&>(widget)) ==
                   static_cast<const ListControl&>(control).items();
        case ControlKind::ProgressBar:
            return static_cast<const QProgressBar&>(widget).value() ==
                   std::lround(static_cast<const ProgressBar&>(control).value());
        default:
            return true;
    }
}

}  // namespace

QStringList screenDifferences(const FormWindow& window) {
    const Form* form = window.form();
    if (form == nullptr) {
        return {QStringLiteral("la fenêtre")};
    }
    if (window.isVisible() != static_cast<bool>(form->Visible) ||
        window.isEnabled() != form->Enabled || window.windowTitle() != form->Caption) {
        return {form->Name()};
    }
    QStringList differences;
    for (const Control* control : form->Controls()) {
        if (control->kind() == ControlKind::MenuItem) {
            const auto& item = static_cast<const MenuItem&>(*control);
            const QAction* action = window.actionFor(item);
            if (action != nullptr && (action->isVisible() != item.Visible ||
                                      (!item.isSeparator() && action->text() != item.Caption))) {
                differences << item.Name();
            }
            continue;
        }
        const QWidget* widget = window.widgetFor(*control);
        if (widget == nullptr) {
            continue;
        }
        if (widget->isVisibleTo(&window) != control->Visible ||
            (control->Visible && !sameContent(*control, *widget))) {
            differences << control->Name();
        }
    }
    return differences;
}

}  // namespace platform::qt
