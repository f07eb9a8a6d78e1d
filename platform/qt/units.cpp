#include "platform/qt/units.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace platform::qt {

double logicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
}

int toPixels(double twips) {
    return static_cast<int>(std::lround(twips * logicalDpi() / 1440.0));
}

QRect toPixels(double left, double top, double width, double height) {
    // Edges are rounded rather than sizes, so that controls laid side by side stay touching.
    const int x = toPixels(left);
    const int y = toPixels(top);
    return QRect(x, y, toPixels(left + width) - x, toPixels(top + height) - y);
}

double toTwips(double pixels) {
    return pixels * 1440.0 / logicalDpi();
}

}  // namespace platform::qt
