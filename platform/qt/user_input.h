// Input as a user gives it, on the real widgets: clicks at a point of a widget, keys to the
// widget that has the focus, and the waits in between while the window system shows windows
// and hands them the focus. Used by the scripted sessions on the Qt desktop and by the tests
// that drive the windows under an X server.
#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

namespace platform::qt::input {

// Lets the application handle what is pending: queued actions, deferred deletions, the window
// system's events.
void settle();

// Lets events run until `done` holds or `ms` milliseconds have passed; whether it held.
bool waitUntil(const std::function<bool()>& done, int ms = 5000);

// Whether a point of a widget can take the user's click, and if not, why.
enum class Reach {
    ok,
    windowUnusable,  // its window hidden, disabled, or behind a modal window
    hidden,          // the widget hidden or disabled, or the point outside it
    covered,         // another window lies over the point
};

// Brings `widget`'s window up and active, as a user's click on it would, and tells whether the
// point `pos` of `widget` can take a click there.
Reach reach(QWidget& widget, QPoint pos);

// A point of `widget` that can take a click (its centre when nothing lies over it), or none.
std::optional<QPoint> clickablePoint(QWidget& widget);

void click(QWidget& widget, QPoint pos);
void doubleClick(QWidget& widget, QPoint pos);

// A key pressed and released on `widget`: Qt's key, the text it types, the modifiers held.
void key(QWidget& widget, int key, const QString& text = {},
         Qt::KeyboardModifiers modifiers = Qt::NoModifier);

}  // namespace platform::qt::input
