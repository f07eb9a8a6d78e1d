// A window: its geometry in twips, its visibility, and its controls in declaration order (menu
// items included), reachable as the Controls collection and by name.
#pragma once

#include <QColor>
#include <QString>
#include <functional>
#include <vector>

#include "platform/core/value.h"
#include "platform/forms/property.h"

namespace platform::forms {

class Control;

class Form {
public:
    explicit Form(QString name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const QString& Name() const { return name_; }

    QString Caption;
    double Left = 0;
    double Top = 0;
    double Width = 12000;
    double Height = 9000;
    bool Enabled = true;
    QColor BackColor;  // invalid: the desktop's default
    // Showing or hiding tells the desktop at once, so the transcript keeps the order of events.
    Property<bool> Visible;
    // What closing the window by its frame does (the window's own closing command); empty: the
    // window is unloaded.
    std::function<void()> closeCommand;

    void Show() { Visible = true; }
    void Hide() { Visible = false; }

    const std::vector<Control*>& Controls() const { return controls_; }
    Control* findControl(const QString& name) const;  // without regard to case; null if none

    // The window's own properties by name (Height, Width, Left, Top, Caption, Visible, Enabled).
    platform::Value get(const QString& property) const;
    void set(const QString& property, const platform::Value& value);

    bool isLoaded() const { return loaded_; }

    // The window's Form_Load: runs once, when the default instance is loaded.
    virtual void Form_Load() {}

private:
    friend class Control;
    friend class Instances;
    void registerControl(Control& control) { controls_.push_back(&control); }
    void setVisible(bool visible);

    QString name_;
    bool visible_ = false;
    bool loaded_ = false;
    std::vector<Control*> controls_;
};

}  // namespace platform::forms
