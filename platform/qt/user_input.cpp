#include "platform/qt/user_input.h"

#include <QApplication>
#include <QTest>

namespace platform::qt::input {

void settle() {
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents();
        // Outside of an event loop, deferred deletions wait for an explicit call.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

bool waitUntil(const std::function<bool()>& done, int ms) {
    return QTest::qWaitFor(done, ms);
}

namespace {

// The window a user clicks on to use `window`: a popup menu takes no activation of its own.
void bringUp(QWidget& window) {
    if (window.windowType() == Qt::Popup) {
        return;
    }
    // A window that never comes up is found out by what lies at the point clicked.
    (void)QTest::qWaitForWindowExposed(&window, 5000);
    if (!window.isActiveWindow()) {
        window.raise();
        window.activateWindow();
        (void)QTest::qWaitForWindowActive(&window, 5000);
    }
}

}  // namespace

Reach reach(QWidget& widget, QPoint pos) {
    QWidget& window = *widget.window();
    const QWidget* modal = QApplication::activeModalWidget();
    if (!window.isVisible() || !window.isEnabled() || (modal != nullptr && modal != &window)) {
        return Reach::windowUnusable;
    }
    if (!widget.isVisible() || !widget.isEnabled() || !widget.rect().contains(pos)) {
        return Reach::hidden;
    }
    bringUp(window);
    const QWidget* at = QApplication::widgetAt(widget.mapToGlobal(pos));
    if (at != &widget && !widget.isAncestorOf(at)) {
        return Reach::covered;
    }
    return Reach::ok;
}

std::optional<QPoint> clickablePoint(QWidget& widget) {
    // The centre first; else the first point of a grid over the widget that nothing covers (a
    // frame under the controls placed on it shows only between them).
    const QRect area = widget.rect();
    if (reach(widget, area.center()) == Reach::ok) {
        return area.center();
    }
    constexpr int steps = 8;
    for (int y = 1; y < steps; ++y) {
        for (int x = 1; x < steps; ++x) {
            const QPoint p(area.left() + area.width() * x / steps,
                           area.top() + area.height() * y / steps);
            if (reach(widget, p) == Reach::ok) {
                return p;
            }
        }
    }
    return std::nullopt;
}

void click(QWidget& widget, QPoint pos) {
    QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, pos);
}

void doubleClick(QWidget& widget, QPoint pos) {
    // What a mouse sends: a click, then the second press as a double click, and its release
    // (Qt Test's double click alone is the second press only).
    QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, pos);
    QTest::mouseDClick(&widget, Qt::LeftButton, Qt::NoModifier, pos);
    QTest::mouseRelease(&widget, Qt::LeftButton, Qt::NoModifier, pos);
}

void key(QWidget& widget, int key, const QString& text, Qt::KeyboardModifiers modifiers) {
    QTest::sendKeyEvent(QTest::Click, &widget, static_cast<Qt::Key>(key), text, modifiers);
}

}  // namespace platform::qt::input
