#include "platform/forms/form.h"

#include "platform/core/error.h"
#include "platform/forms/control.h"
#include "platform/forms/host.h"

namespace platform::forms {

namespace {
FormHost& silentHost() {
    static FormHost silent;
    return silent;
}
FormHost* currentHost = &silentHost();
}  // namespace

FormHost& formHost() {
    return *currentHost;
}

void setFormHost(FormHost* host) {
    currentHost = host != nullptr ? host : &silentHost();
}

Form::Form(QString name)
    : Visible([this] { return visible_; }, [this](const bool& v) { setVisible(v); }),
      name_(std::move(name)) {}

Form::~Form() = default;

void Form::setVisible(bool visible) {
    if (visible == visible_) {
        return;
    }
    visible_ = visible;
    if (!loaded_) {
        return;
    }
    if (visible) {
        formHost().formShown(*this);
    } else {
        formHost().formHidden(*this);
    }
}

Control* Form::findControl(const QString& name) const {
    for (Control* c : controls_) {
        if (c->Name().compare(name, Qt::CaseInsensitive) == 0) {
            return c;
        }
    }
    return nullptr;
}

platform::Value Form::get(const QString& property) const {
    const auto is = [&](const char16_t* n) {
        return property.compare(QStringView(n), Qt::CaseInsensitive) == 0;
    };
    if (is(u"Height"))
        return Height;
    if (is(u"Width"))
        return Width;
    if (is(u"Left"))
        return Left;
    if (is(u"Top"))
        return Top;
    if (is(u"Caption"))
        return Caption;
    if (is(u"Visible"))
        return visible_;
    if (is(u"Enabled"))
        return Enabled;
    raise(err::NoSuchProperty, name_ + u'.' + property);
}

void Form::set(const QString& property, const platform::Value& value) {
    const auto is = [&](const char16_t* n) {
        return property.compare(QStringView(n), Qt::CaseInsensitive) == 0;
    };
    if (is(u"Height")) {
        Height = value.toDouble();
    } else if (is(u"Width")) {
        Width = value.toDouble();
    } else if (is(u"Left")) {
        Left = value.toDouble();
    } else if (is(u"Top")) {
        Top = value.toDouble();
    } else if (is(u"Caption")) {
        Caption = value.toText();
    } else if (is(u"Visible")) {
        Visible = value.toBool();
    } else if (is(u"Enabled")) {
        Enabled = value.toBool();
    } else {
        raise(err::NoSuchProperty, name_ + u'.' + property);
    }
}

}  // namespace platform::forms
