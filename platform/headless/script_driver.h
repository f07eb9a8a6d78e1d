// How a script's commands reach the windows. The player checks each command against the models
// first (the window usable, the control visible, the entry listed) and then hands it to a driver:
// the headless one runs the control's event on its model; the Qt one makes on the widgets the
// input events a user would make, and fails the line when the screen does not allow them.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace platform::desktop {
class Desktop;
}
namespace platform::forms {
class Control;
class Form;
class Grid;
class ListControl;
class MenuItem;
class TextBox;
}  // namespace platform::forms

namespace platform::headless {

class HeadlessDesktop;
class Transcript;

// A line of the script that cannot be played; the message says why.
struct ScriptFailure {
    QString message;
};

class ScriptDriver {
public:
    virtual ~ScriptDriver() = default;

    // The desktop the windows run on while the script plays.
    virtual desktop::Desktop& desktop() = 0;
    // The desktop that holds the script's answers and screen and prints the desktop's lines of
    // the transcript (the desktop itself when headless).
    virtual HeadlessDesktop& scriptDesktop() = 0;

    virtual void start(const std::function<void()>& start) = 0;
    // A submenu opened on the way to a command (its Click runs), then the command chosen; a
    // submenu chosen as a command is opened and closed again.
    virtual void openMenu(forms::MenuItem& submenu) = 0;
    virtual void chooseMenu(forms::MenuItem& item) = 0;
    // Closes what openMenu left open when the way to the command turned out closed.
    virtual void closeMenus() {}
    virtual void click(forms::Control& control) = 0;
    // A click on `entry`, the list's own text of one of its entries (in a folder list, the
    // double click that opens it; in a drive list, the choice of that drive).
    virtual void pick(forms::ListControl& list, const QString& entry) = 0;
    virtual void clickCell(forms::Grid& grid, int row, int col) = 0;
    // Keys as KeyPress codes (13 Enter, 8 Backspace), typed at the end of the box's text.
    virtual void typeKeys(forms::TextBox& box, const std::vector<int>& codes) = 0;
    // The whole text replaced, as a paste over a selection would (no key presses).
    virtual void paste(forms::TextBox& box, const QString& text) = 0;

    // `show FORM` has printed the window; `number` counts the script's shows from 1.
    virtual void shown(const forms::Form& /*form*/, int /*number*/) {}
    // The line is played: what it set going is over.
    virtual void lineDone() {}
};

// Makes the driver of a script from the transcript it prints into.
using DriverFactory = std::function<std::unique_ptr<ScriptDriver>(Transcript&)>;

// Whether `form` is still loaded: an event may unload the window whose control the script uses.
bool stillLoaded(const forms::Form* form);

}  // namespace platform::headless
