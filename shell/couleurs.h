// The colours of the green windows: the main window, the create-a-base window and the list of
// all recipes.
#pragma once

#include <QColor>

namespace Couleurs {
inline const QColor VertClair(128, 255, 128);  // background of the window, its labels and list
inline const QColor Bleu(0, 0, 255);           // their text
}  // namespace Couleurs
