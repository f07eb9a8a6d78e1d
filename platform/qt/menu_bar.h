// A window's menu bar, built from its menu items: an item with children is a submenu, a caption
// of underscores a separator; captions, visibility, enabling and check marks follow the model.
#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <vector>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/qt/user_action.h"

namespace platform::qt {

class MenuBarView {
public:
    // Fills `bar` with the menu items of `form`; choosing a command runs its Click through `run`.
    void build(QMenuBar& bar, forms::Form& form, const ActionRunner& run);
    void sync();
    bool empty() const { return entries_.empty(); }
    // The action of `item` (a submenu's own action for a submenu); null when none.
    QAction* actionFor(const forms::MenuItem& item) const;

private:
    struct Entry {
        forms::MenuItem* item;
        QAction* action;  // owned by the menu or bar it lies in
    };
    std::vector<Entry> entries_;
};

}  // namespace platform::qt
