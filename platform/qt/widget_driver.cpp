#include "platform/qt/widget_driver.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTableView>
#include <QTest>

#include "platform/forms/controls.h"
#include "platform/forms/grid.h"
#include "platform/forms/lists.h"
#include "platform/qt/key_codes.h"
#include "platform/qt/screen_check.h"
#include "platform/qt/user_input.h"

namespace platform::qt {

using namespace platform::forms;
using headless::ScriptFailure;

namespace {

QString pathOf(const Control& control) {
    return control.form().Name() + u'.' + control.Name();
}

[[noreturn]] void fail(const QString& message) {
    throw ScriptFailure{message};
}

}  // namespace

WidgetDriver::WidgetDriver(headless::Transcript& transcript, QString scenario, QString screenshots)
    : desktop_(transcript), scenario_(std::move(scenario)), screenshots_(std::move(screenshots)) {
    if (!screenshots_.isEmpty()) {
        QDir().mkpath(screenshots_);
    }
}

void WidgetDriver::start(const std::function<void()>& start) {
    desktop_.runUserAction(start);
}

FormWindow& WidgetDriver::windowOf(const Control& control) {
    FormWindow* window = desktop_.windowFor(control.form());
    if (window == nullptr) {
        fail(QStringLiteral("la fenêtre de %1 n'est pas à l'écran").arg(pathOf(control)));
    }
    return *window;
}

QWidget& WidgetDriver::widgetOf(const Control& control) {
    QWidget* widget = windowOf(control).widgetFor(control);
    if (widget == nullptr) {
        fail(QStringLiteral("%1 n'a pas de place à l'écran").arg(pathOf(control)));
    }
    return *widget;
}

void WidgetDriver::clickAt(const Control& control, QWidget& widget, QPoint pos, bool twice) {
    switch (input::reach(widget, pos)) {
        case input::Reach::ok:
            break;
        case input::Reach::windowUnusable:
            fail(QStringLiteral("la fenêtre de %1 n'est pas utilisable").arg(pathOf(control)));
        case input::Reach::hidden:
            fail(QStringLiteral("%1 n'est pas visible").arg(pathOf(control)));
        case input::Reach::covered:
            fail(QStringLiteral("%1 est caché par une autre fenêtre").arg(pathOf(control)));
    }
    if (twice) {
        input::doubleClick(widget, pos);
    } else {
        input::click(widget, pos);
    }
}

void WidgetDriver::clickAction(MenuItem& item) {
    FormWindow& window = windowOf(item);
    QAction* action = window.actionFor(item);
    QWidget* holder = window.menuBar();
    if (item.parent() != nullptr) {
        QAction* parent = window.actionFor(*item.parent());
        holder = parent != nullptr ? parent->menu() : nullptr;
    }
    if (action == nullptr || holder == nullptr || !action->isVisible() || !action->isEnabled()) {
        fail(QStringLiteral("le menu %1 n'est pas visible").arg(pathOf(item)));
    }
    const QRect place = holder == window.menuBar()
                            ? window.menuBar()->actionGeometry(action)
                            : static_cast<QMenu*>(holder)->actionGeometry(action);
    clickAt(item, *holder, place.center());
}

void WidgetDriver::openMenu(MenuItem& submenu) {
    FormWindow& window = windowOf(submenu);
    QAction* action = window.actionFor(submenu);
    QMenu* menu = action != nullptr ? action->menu() : nullptr;
    if (menu == nullptr) {
        fail(QStringLiteral("%1 n'est pas un menu").arg(pathOf(submenu)));
    }
    if (menu->isVisible()) {
        return;
    }
    // Opening it runs its Click, which may ask a question: answered while the click goes on.
    clickAction(submenu);
    if (!input::waitUntil([menu] { return menu->isVisible(); })) {
        closeMenus();
        fail(QStringLiteral("le menu %1 ne s'ouvre pas").arg(pathOf(submenu)));
    }
}

void WidgetDriver::chooseMenu(MenuItem& item) {
    QAction* action = windowOf(item).actionFor(item);
    if (action != nullptr && action->menu() != nullptr) {
        openMenu(item);  // a submenu as a command: opened (its Click runs), then closed
        closeMenus();
        return;
    }
    clickAction(item);
}

void WidgetDriver::closeMenus() {
    while (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
    input::settle();
}

void WidgetDriver::click(Control& control) {
    QWidget& widget = widgetOf(control);
    const std::optional<QPoint> point = input::clickablePoint(widget);
    // With no clickable point, clicking the centre says why.
    clickAt(control, widget, point.value_or(widget.rect().center()));
}

void WidgetDriver::pick(ListControl& list, const QString& entry) {
    if (list.kind() == ControlKind::DriveListBox) {
        pickDrive(list, entry);
        return;
    }
    auto* widget = qobject_cast<QListWidget*>(&widgetOf(list));
    const QList<QListWidgetItem*> found =
        widget != nullptr ? widget->findItems(entry, Qt::MatchExactly) : QList<QListWidgetItem*>{};
    if (found.isEmpty()) {
        fail(QStringLiteral("%1 n'a pas d'entrée %2").arg(pathOf(list), headless::quoted(entry)));
    }
    // As a user scrolls to an entry before clicking it.
    widget->scrollToItem(found.first());
    const QPoint centre = widget->visualItemRect(found.first()).center();
    clickAt(list, *widget->viewport(), centre, list.kind() == ControlKind::DirListBox);
}

void WidgetDriver::pickDrive(ListControl& drives, const QString& entry) {
    auto* combo = qobject_cast<QComboBox*>(&widgetOf(drives));
    const int index = combo != nullptr ? combo->findText(entry, Qt::MatchExactly) : -1;
    if (index < 0) {
        fail(QStringLiteral("%1 n'a pas d'entrée %2").arg(pathOf(drives), headless::quoted(entry)));
    }
    clickAt(drives, *combo, combo->rect().center());
    QAbstractItemView* view = combo->view();
    if (!input::waitUntil([view] { return view->isVisible(); })) {
        fail(QStringLiteral("la liste de %1 ne s'ouvre pas").arg(pathOf(drives)));
    }
    // The list just opened ignores a release within a double click's time: the release of the
    // press that opened it.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    const QModelIndex item = combo->model()->index(index, combo->modelColumn());
    view->scrollTo(item);
    clickAt(drives, *view->viewport(), view->visualRect(item).center());
    input::waitUntil([view] { return !view->isVisible(); }, 2000);
}

void WidgetDriver::clickCell(Grid& grid, int row, int col) {
    auto* table = qobject_cast<QTableView*>(&widgetOf(grid));
    if (table == nullptr || row >= table->model()->rowCount() ||
        col >= table->model()->columnCount()) {
        fail(QStringLiteral("pas de cellule %1 %2 dans %3").arg(row).arg(col).arg(pathOf(grid)));
    }
    const QModelIndex cell = table->model()->index(row, col);
    table->scrollTo(cell);
    clickAt(grid, *table->viewport(), table->visualRect(cell).center());
}

QWidget& WidgetDriver::focus(TextBox& box) {
    QWidget& widget = widgetOf(box);
    if (QApplication::focusWidget() != &widget) {
        auto* area = qobject_cast<QPlainTextEdit*>(&widget);
        QWidget& surface = area != nullptr ? *area->viewport() : widget;
        const std::optional<QPoint> point = input::clickablePoint(surface);
        clickAt(box, surface, point.value_or(surface.rect().center()));
        if (!input::waitUntil([&widget] { return QApplication::focusWidget() == &widget; })) {
            fail(QStringLiteral("%1 ne prend pas le focus").arg(pathOf(box)));
        }
    }
    return widget;
}

void WidgetDriver::typeKeys(TextBox& box, const std::vector<int>& codes) {
    const Form* form = &box.form();
    const QString path = pathOf(box);
    QPointer<QWidget> widget = &focus(box);
    // At the end of the text, as the command types.
    if (auto* line = qobject_cast<QLineEdit*>(widget.data())) {
        if (line->hasSelectedText() || line->cursorPosition() != line->text().size()) {
            input::key(*line, Qt::Key_End);
        }
    } else if (auto* area = qobject_cast<QPlainTextEdit*>(widget.data())) {
        if (area->textCursor().hasSelection() || !area->textCursor().atEnd()) {
            input::key(*area, Qt::Key_End, {}, Qt::ControlModifier);
        }
    }
    for (const int code : codes) {
        // A key may unload the window, or move the focus on; the next key would go elsewhere.
        if (!headless::stillLoaded(form)) {
            fail(QStringLiteral("la fenêtre de %1 n'est plus chargée").arg(path));
        }
        if (widget.isNull() || QApplication::focusWidget() != widget) {
            fail(QStringLiteral("le focus a quitté %1").arg(path));
        }
        const QKeyEvent typed = keyEventFor(code);
        input::key(*widget, typed.key(), typed.text());
        input::settle();
    }
}

void WidgetDriver::paste(TextBox& box, const QString& text) {
    QWidget& widget = focus(box);
    input::key(widget, Qt::Key_A, {}, Qt::ControlModifier);
    if (text.isEmpty()) {
        input::key(widget, Qt::Key_Delete);  // the selection goes, as a paste of nothing
        return;
    }
    QString lines = text;
    QGuiApplication::clipboard()->setText(
        lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    input::key(widget, Qt::Key_V, {}, Qt::ControlModifier);
}

void WidgetDriver::shown(const Form& form, int number) {
    FormWindow* window = desktop_.windowFor(form);
    if (window == nullptr) {
        fail(QStringLiteral("la fenêtre %1 n'est pas à l'écran").arg(form.Name()));
    }
    const QStringList differences = screenDifferences(*window);
    if (!differences.isEmpty()) {
        fail(QStringLiteral("l'écran ne montre pas %1 comme le modèle : %2")
                 .arg(form.Name(), differences.join(QStringLiteral(", "))));
    }
    if (!screenshots_.isEmpty() && window->isVisible()) {
        const QString file = QStringLiteral("%1/%2-%3-%4.png")
                                 .arg(screenshots_, scenario_)
                                 .arg(number)
                                 .arg(form.Name());
        window->grab().save(file);
    }
}

void WidgetDriver::waitForWindows() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (dynamic_cast<FormWindow*>(widget) != nullptr && widget->isVisible()) {
            (void)QTest::qWaitForWindowExposed(widget, 5000);  // checked when it is used
        }
    }
    if (QWidget* raised = desktop_.takeRaised(); raised != nullptr && raised->isVisible()) {
        input::waitUntil([raised] { return raised->isActiveWindow(); }, 5000);
    }
}

void WidgetDriver::lineDone() {
    input::settle();
    // The window system shows the windows and hands them the focus a moment later: whatever
    // that sets going (nothing, if the windows are sound) belongs to this line.
    waitForWindows();
    input::settle();
}

}  // namespace platform::qt
