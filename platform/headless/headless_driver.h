// The driver of the headless desktop: each command runs the control's event on its model, as
// one user action of the session.
#pragma once

#include "platform/headless/headless_desktop.h"
#include "platform/headless/script_driver.h"

namespace platform::headless {

class HeadlessDriver : public ScriptDriver {
public:
    explicit HeadlessDriver(Transcript& transcript) : desktop_(transcript) {}

    desktop::Desktop& desktop() override { return desktop_; }
    HeadlessDesktop& scriptDesktop() override { return desktop_; }

    void start(const std::function<void()>& start) override;
    void openMenu(forms::MenuItem& submenu) override;
    void chooseMenu(forms::MenuItem& item) override;
    void click(forms::Control& control) override;
    void pick(forms::ListControl& list, const QString& entry) override;
    void clickCell(forms::Grid& grid, int row, int col) override;
    void typeKeys(forms::TextBox& box, const std::vector<int>& codes) override;
    void paste(forms::TextBox& box, const QString& text) override;

private:
    HeadlessDesktop desktop_;
};

}  // namespace platform::headless
