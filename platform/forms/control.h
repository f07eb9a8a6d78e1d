// The base of every control: its name, its window, its visibility, and its properties reachable
// by name at run time (the window-scaling code visits any control that way).
#pragma once

#include <QColor>
#include <QString>
#include <functional>
#include <vector>

#include "platform/core/value.h"

namespace platform::forms {

class Form;

enum class ControlKind {
    Label,
    TextBox,
    ListBox,
    FileListBox,
    DriveListBox,
    DirListBox,
    Picture,
    Frame,
    CommandButton,
    MenuItem,
    Grid,
    ProgressBar,
    CommonDialog,
};

class Control {
public:
    Control(Form& form, QString name, ControlKind kind);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const QString& Name() const { return name_; }
    ControlKind kind() const { return kind_; }
    Form& form() const { return form_; }

    bool Visible = true;
    bool Enabled = true;
    std::function<void()> Click;  // a click, a pick in a list, a chosen menu command

    // Properties by name, matched without regard to case ("Height", "FontSize", "Font.Bold").
    // A name the control lacks raises "object doesn't support this property" (438).
    platform::Value get(const QString& property) const;
    void set(const QString& property, const platform::Value& value);

    // Asks the desktop to put the keyboard focus here.
    void SetFocus();

protected:
    void addProperty(QString name, std::function<platform::Value()> get,
                     std::function<void(const platform::Value&)> set);
    void bind(QString name, bool& field);
    void bind(QString name, double& field);
    void bind(QString name, int& field);
    void bind(QString name, QString& field);

private:
    struct NamedProperty {
        QString name;
        std::function<platform::Value()> get;
        std::function<void(const platform::Value&)> set;
    };
    const NamedProperty& find(const QString& property) const;

    Form& form_;
    QString name_;
    ControlKind kind_;
    std::vector<NamedProperty> properties_;
};

// A control placed on the window: geometry in twips, and a font unless the kind has none.
class VisualControl : public Control {
public:
    enum class HasFont { no, yes };
    VisualControl(Form& form, QString name, ControlKind kind, HasFont font);

    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    QString FontName = QStringLiteral("MS Sans Serif");
    double FontSize = 8.25;
    bool FontBold = false;
    QColor ForeColor;  // invalid: the desktop's default
    QColor BackColor;

    bool hasFont() const { return hasFont_; }

    // Design geometry in one call, as the window's layout gives it.
    void place(double left, double top, double width, double height);

private:
    bool hasFont_;
};

}  // namespace platform::forms
