// The driver of a script on the Qt desktop: each command is carried out as the input events a
// user makes on the widgets on screen (under an X server, where windows take the focus as on a
// desktop): the menu opened from the menu bar and its command clicked, a click on the list entry
// or the grid cell (scrolled into view first), keys typed into the box that has the focus. A
// command that no user could carry out on the screen fails its line, as on the headless desktop.
#pragma once

#include <QString>

#include "platform/headless/script_driver.h"
#include "platform/qt/scripted_desktop.h"

class QWidget;

namespace platform::qt {

class WidgetDriver : public headless::ScriptDriver {
public:
    // Each `show` saves a picture of the window as SCREENSHOTS/SCENARIO-N-FORM.png, unless
    // `screenshots` is empty.
    WidgetDriver(headless::Transcript& transcript, QString scenario, QString screenshots);

    desktop::Desktop& desktop() override { return desktop_; }
    headless::HeadlessDesktop& scriptDesktop() override { return desktop_.script(); }

    void start(const std::function<void()>& start) override;
    void openMenu(forms::MenuItem& submenu) override;
    void chooseMenu(forms::MenuItem& item) override;
    void closeMenus() override;
    void click(forms::Control& control) override;
    void pick(forms::ListControl& list, const QString& entry) override;
    void clickCell(forms::Grid& grid, int row, int col) override;
    void typeKeys(forms::TextBox& box, const std::vector<int>& codes) override;
    void paste(forms::TextBox& box, const QString& text) override;
    void shown(const forms::Form& form, int number) override;
    void lineDone() override;

private:
    FormWindow& windowOf(const forms::Control& control);
    QWidget& widgetOf(const forms::Control& control);
    // Clicks `widget` (the control's widget or a part of it) at `pos`, or fails the line saying
    // why no user could.
    void clickAt(const forms::Control& control, QWidget& widget, QPoint pos, bool twice = false);
    void pickDrive(forms::ListControl& drives, const QString& entry);
    // Gives the box the focus as a user does, by a click in it, and returns the widget.
    QWidget& focus(forms::TextBox& box);
    // Clicks the action of `item` where it shows: in the menu bar, or in its open submenu.
    void clickAction(forms::MenuItem& item);
    // Waits for the windows shown to be on screen and one of them active.
    void waitForWindows();

    ScriptedDesktop desktop_;
    QString scenario_;
    QString screenshots_;
};

}  // namespace platform::qt
