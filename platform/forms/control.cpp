#include "platform/forms/control.h"

#include "platform/core/error.h"
#include "platform/forms/form.h"
#include "platform/forms/host.h"

namespace platform::forms {

Control::Control(Form& form, QString name, ControlKind kind)
    : form_(form), name_(std::move(name)), kind_(kind) {
    bind(QStringLiteral("Visible"), Visible);
    bind(QStringLiteral("Enabled"), Enabled);
    addProperty(
        QStringLiteral("Name"), [this] { return platform::Value(name_); },
        [](const platform::Value&) { raise(err::InvalidPropertyValue, QStringLiteral("Name")); });
    form_.registerControl(*this);
}

Control::~Control() = default;

platform::Value Control::get(const QString& property) const {
    return find(property).get();
}

void Control::set(const QString& property, const platform::Value& value) {
    find(property).set(value);
}

void Control::SetFocus() {
    formHost().focusRequested(*this);
}

const Control::NamedProperty& Control::find(const QString& property) const {
    for (const NamedProperty& p : properties_) {
        if (p.name.compare(property, Qt::CaseInsensitive) == 0) {
            return p;
        }
    }
    raise(err::NoSuchProperty, name_ + u'.' + property);
}

void Control::addProperty(QString name, std::function<platform::Value()> get,
                          std::function<void(const platform::Value&)> set) {
    properties_.push_back({std::move(name), std::move(get), std::move(set)});
}

void Control::bind(QString name, bool& field) {
    addProperty(
        std::move(name), [&field] { return platform::Value(field); },
        [&field](const platform::Value& v) { field = v.toBool(); });
}

void Control::bind(QString name, double& field) {
    addProperty(
        std::move(name), [&field] { return platform::Value(field); },
        [&field](const platform::Value& v) { field = v.toDouble(); });
}

void Control::bind(QString name, int& field) {
    addProperty(
        std::move(name), [&field] { return platform::Value(field); },
        [&field](const platform::Value& v) { field = static_cast<int>(v.toLongLong()); });
}

void Control::bind(QString name, QString& field) {
    addProperty(
        std::move(name), [&field] { return platform::Value(field); },
        [&field](const platform::Value& v) { field = v.toText(); });
}

VisualControl::VisualControl(Form& form, QString name, ControlKind kind, HasFont font)
    : Control(form, std::move(name), kind), hasFont_(font == HasFont::yes) {
    bind(QStringLiteral("Left"), Left);
    bind(QStringLiteral("Top"), Top);
    if (kind != ControlKind::CommonDialog) {
        // A component that is not drawn has a place but no size.
        bind(QStringLiteral("Width"), Width);
        bind(QStringLiteral("Height"), Height);
    }
    if (hasFont_) {
        bind(QStringLiteral("FontName"), FontName);
        bind(QStringLiteral("FontSize"), FontSize);
        bind(QStringLiteral("FontBold"), FontBold);
        bind(QStringLiteral("Font.Name"), FontName);
        bind(QStringLiteral("Font.Size"), FontSize);
        bind(QStringLiteral("Font.Bold"), FontBold);
    }
}

void VisualControl::place(double left, double top, double width, double height) {
    Left = left;
    Top = top;
    Width = width;
    Height = height;
}

}  // namespace platform::forms
