#include "platform/headless/headless_driver.h"

#include "platform/desktop/session.h"
#include "platform/forms/controls.h"
#include "platform/forms/grid.h"
#include "platform/forms/instances.h"
#include "platform/forms/lists.h"

namespace platform::headless {

using namespace platform::forms;

bool stillLoaded(const Form* form) {
    for (const Form* loaded : Instances::loaded()) {
        if (loaded == form) {
            return true;
        }
    }
    return false;
}

namespace {

void event(const std::function<void()>& handler) {
    if (desktop::programHasEnded()) {
        throw ScriptFailure{QStringLiteral("le programme est terminé")};
    }
    desktop::runEvent(handler);
}

void runClick(Control& control) {
    event([&control] {
        if (control.Click) {
            control.Click();
        }
    });
}

}  // namespace

void HeadlessDriver::start(const std::function<void()>& start) {
    event(start);
}

void HeadlessDriver::openMenu(MenuItem& submenu) {
    runClick(submenu);
}

void HeadlessDriver::chooseMenu(MenuItem& item) {
    runClick(item);
}

void HeadlessDriver::click(Control& control) {
    runClick(control);
}

void HeadlessDriver::pick(ListControl& list, const QString& entry) {
    if (list.kind() == ControlKind::DriveListBox) {
        auto& drives = static_cast<DriveListBox&>(list);
        event([&drives, entry] { drives.setDrive(entry); });
    } else {
        event([&list, entry] { list.pick(entry); });
    }
}

void HeadlessDriver::clickCell(Grid& grid, int row, int col) {
    event([&grid, row, col] { grid.clickCell(row, col); });
}

void HeadlessDriver::typeKeys(TextBox& box, const std::vector<int>& codes) {
    const Form* form = &box.form();
    const QString name = box.Name();
    for (const int code : codes) {
        if (!stillLoaded(form)) {
            throw ScriptFailure{QStringLiteral("la fenêtre de %1 n'est plus chargée").arg(name)};
        }
        event([&box, code] { box.typeKey(code); });
    }
}

void HeadlessDriver::paste(TextBox& box, const QString& text) {
    event([&box, text] { box.paste(text); });
}

}  // namespace platform::headless
