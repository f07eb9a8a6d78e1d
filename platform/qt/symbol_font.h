// The symbol font of the difficulty box: the letters typed stand for pictograms. Where that font
// is not installed, the box shows each letter as a pictogram of our own table instead, and the
// model keeps the letters.
#pragma once

#include <QString>

namespace platform::qt {

// Whether a box in font `family` shows pictograms from our table (the family is the symbol font
// and the desktop does not have it).
bool showsPictograms(const QString& family);

// Letters to pictograms and back; characters outside the table pass unchanged both ways.
QString toPictograms(const QString& letters);
QString fromPictograms(const QString& shown);

}  // namespace platform::qt
