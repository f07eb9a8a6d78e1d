// Twips of the models to pixels of the screen.
#pragma once

#include <QRect>

namespace platform::qt {

// The primary screen's logical dots per inch (96 when there is no screen).
double logicalDpi();

// A length in twips as whole pixels of the primary screen.
int toPixels(double twips);
QRect toPixels(double left, double top, double width, double height);

// A length in pixels as twips.
double toTwips(double pixels);

}  // namespace platform::qt
