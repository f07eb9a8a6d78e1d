// The simple control kinds: label, text box, frame, button, menu item, progress bar, file-open
// dialog. Lists, the grid and the picture have files of their own.
#pragma once

#include <QString>
#include <functional>

#include "platform/forms/control.h"

namespace platform::forms {

enum Alignment { LeftJustify = 0, RightJustify = 1, Center = 2 };

class Label : public VisualControl {
public:
    Label(Form& form, QString name);
    QString Caption;
    int Alignment = LeftJustify;
};

class TextBox : public VisualControl {
public:
    TextBox(Form& form, QString name);
    QString Text;
    int MaxLength = 0;       // 0: no limit
    bool MultiLine = false;  // lines separated by CR LF
    bool ScrollBars = false;
    // A key typed into the box, before the box takes it: the handler may replace the code, and
    // 0 swallows the key (13 is Enter, 8 Backspace).
    std::function<void(int& KeyAscii)> KeyPress;
    std::function<void()> Change;  // the text was changed by the user

    // A key as the desktop delivers it: through KeyPress, then into the text (respecting
    // MaxLength). Returns whether the text changed.
    bool typeKey(int keyAscii);
    // Replaces the whole text as a paste over a selection would, without key presses.
    void paste(const QString& text);
};

class Frame : public VisualControl {
public:
    Frame(Form& form, QString name);
    QString Caption;
};

class CommandButton : public VisualControl {
public:
    CommandButton(Form& form, QString name);
    QString Caption;
};

// A menu command or submenu; `parent` is the submenu it lies in, or none for a menu of the bar.
// It has no place, no size and no font.
class MenuItem : public Control {
public:
    MenuItem(Form& form, QString name, QString caption, MenuItem* parent = nullptr);
    QString Caption;
    bool Checked = false;
    MenuItem* parent() const { return parent_; }
    // Shown on screen: itself and every submenu above it visible.
    bool isShown() const;
    // A row of underscores: a separator drawn as a line.
    bool isSeparator() const;

private:
    MenuItem* parent_;
};

class ProgressBar : public VisualControl {
public:
    ProgressBar(Form& form, QString name);
    double Min = 0;
    double Max = 100;
    // Setting a value outside Min..Max raises "invalid property value".
    double value() const { return value_; }
    void setValue(double v);

private:
    double value_ = 0;
};

class CommonDialog : public VisualControl {
public:
    CommonDialog(Form& form, QString name);
    QString Filter;  // "description|pattern|description|pattern"
    QString FileName;
    QString DialogTitle;
    QString InitDir;
    // Shows the file-open dialog; a cancel leaves FileName as it was. Returns whether a file was
    // chosen, so that a window can tell a cancel from a choice of the same file again.
    bool ShowOpen();
};

}  // namespace platform::forms
