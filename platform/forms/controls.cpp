#include "platform/forms/controls.h"

#include "platform/core/error.h"
#include "platform/forms/host.h"

namespace platform::forms {

Label::Label(Form& form, QString name)
    : VisualControl(form, std::move(name), ControlKind::Label, HasFont::yes) {
    bind(QStringLiteral("Caption"), Caption);
    bind(QStringLiteral("Alignment"), Alignment);
}

TextBox::TextBox(Form& form, QString name)
    : VisualControl(form, std::move(name), ControlKind::TextBox, HasFont::yes) {
    bind(QStringLiteral("Text"), Text);
    bind(QStringLiteral("MaxLength"), MaxLength);
}

bool TextBox::typeKey(int keyAscii) {
    if (KeyPress) {
        KeyPress(keyAscii);
    }
    if (keyAscii == 0) {
        return false;
    }
    const QString before = Text;
    if (keyAscii == 8) {
        Text.chop(1);
    } else if (keyAscii == 13) {
        if (MultiLine) {
            Text += QStringLiteral("\r\n");
        }
    } else if (MaxLength == 0 || Text.size() < MaxLength) {
        Text += QChar(keyAscii);
    }
    const bool changed = Text != before;
    if (changed && Change) {
        Change();
    }
    return changed;
}

void TextBox::paste(const QString& text) {
    const QString before = Text;
    Text = MaxLength > 0 ? text.left(MaxLength) : text;
    if (Text != before && Change) {
        Change();
    }
}

Frame::Frame(Form& form, QString name)
    : VisualControl(form, std::move(name), ControlKind::Frame, HasFont::yes) {
    bind(QStringLiteral("Caption"), Caption);
}

CommandButton::CommandButton(Form& form, QString name)
    : VisualControl(form, std::move(name), ControlKind::CommandButton, HasFont::yes) {
    bind(QStringLiteral("Caption"), Caption);
}

MenuItem::MenuItem(Form& form, QString name, QString caption, MenuItem* parent)
    : Control(form, std::move(name), ControlKind::MenuItem),
      Caption(std::move(caption)),
      parent_(parent) {
    bind(QStringLiteral("Caption"), Caption);
    bind(QStringLiteral("Checked"), Checked);
}

bool MenuItem::isShown() const {
    for (const MenuItem* item = this; item != nullptr; item = item->parent_) {
        if (!item->Visible) {
            return false;
        }
    }
    return true;
}

bool MenuItem::isSeparator() const {
    return !Caption.isEmpty() && Caption.count(u'_') == Caption.size();
}

ProgressBar::ProgressBar(Form& form, QString name)
    : VisualControl(form, std::move(name), ControlKind::ProgressBar, HasFont::no) {
    bind(QStringLiteral("Min"), Min);
    bind(QStringLiteral("Max"), Max);
    addProperty(
        QStringLiteral("Value"), [this] { return platform::Value(value_); },
        [this](const platform::Value& v) { setValue(v.toDouble()); });
}

void ProgressBar::setValue(double v) {
    if (v < Min || v > Max) {
        raise(err::InvalidPropertyValue, Name() + QStringLiteral(".Value"));
    }
    value_ = v;
}

CommonDialog::CommonDialog(Form& form, QString name)
    : VisualControl(form, std::move(name), ControlKind::CommonDialog, HasFont::no) {
    Visible = false;
    bind(QStringLiteral("Filter"), Filter);
    bind(QStringLiteral("FileName"), FileName);
    bind(QStringLiteral("DialogTitle"), DialogTitle);
    bind(QStringLiteral("InitDir"), InitDir);
}

bool CommonDialog::ShowOpen() {
    return formHost().showOpenDialog(*this);
}

}  // namespace platform::forms
