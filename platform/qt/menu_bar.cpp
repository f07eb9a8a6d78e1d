#include "platform/qt/menu_bar.h"

#include <map>
#include <set>

namespace platform::qt {

using forms::MenuItem;

void MenuBarView::build(QMenuBar& bar, forms::Form& form, const ActionRunner& run) {
    std::vector<MenuItem*> items;
    std::set<const MenuItem*> parents;
    for (forms::Control* control : form.Controls()) {
        if (control->kind() == forms::ControlKind::MenuItem) {
            auto* item = static_cast<MenuItem*>(control);
            items.push_back(item);
            if (item->parent() != nullptr) {
                parents.insert(item->parent());
            }
        }
    }
    // Items are declared after the submenu they lie in, so each finds its menu made already.
    std::map<const MenuItem*, QMenu*> menus;
    for (MenuItem* item : items) {
        const auto container = menus.find(item->parent());
        QMenu* inMenu = container != menus.end() ? container->second : nullptr;
        QAction* action = nullptr;
        if (item->isSeparator()) {
            action = inMenu != nullptr ? inMenu->addSeparator() : bar.addSeparator();
        } else if (parents.count(item) != 0) {
            QMenu* menu =
                inMenu != nullptr ? inMenu->addMenu(item->Caption) : bar.addMenu(item->Caption);
            menus[item] = menu;
            action = menu->menuAction();
            // Opening a menu is its click: the windows update their commands there.
            QObject::connect(menu, &QMenu::aboutToShow, menu, [item, run] {
                run([item] {
                    if (item->Click) {
                        item->Click();
                    }
                });
            });
        } else {
            action =
                inMenu != nullptr ? inMenu->addAction(item->Caption) : bar.addAction(item->Caption);
            QObject::connect(action, &QAction::triggered, action, [item, run] {
                run([item] {
                    if (item->Click) {
                        item->Click();
                    }
                });
            });
        }
        entries_.push_back({item, action});
    }
}

void MenuBarView::sync() {
    for (const Entry& e : entries_) {
        if (!e.item->isSeparator() && e.action->text() != e.item->Caption) {
            e.action->setText(e.item->Caption);
        }
        if (e.action->isVisible() != e.item->Visible) {
            e.action->setVisible(e.item->Visible);
        }
        if (e.action->isEnabled() != e.item->Enabled) {
            e.action->setEnabled(e.item->Enabled);
        }
        if (e.item->Checked && !e.action->isCheckable()) {
            e.action->setCheckable(true);  // once checked, an item keeps room for its mark
        }
        if (e.action->isCheckable() && e.action->isChecked() != e.item->Checked) {
            e.action->setChecked(e.item->Checked);
        }
    }
}

QAction* MenuBarView::actionFor(const MenuItem& item) const {
    for (const Entry& e : entries_) {
        if (e.item == &item) {
            return e.action;
        }
    }
    return nullptr;
}

}  // namespace platform::qt
