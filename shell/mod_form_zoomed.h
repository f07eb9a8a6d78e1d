// Window scaling: every window is laid out on a 12000 x 9000 twip frame and stretched, with its
// controls, to the screen when it opens, every control taking one common font size in bold.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/core/numbers.h"

namespace platform::forms {
class Control;
class Form;
}  // namespace platform::forms

namespace ModFormZoomed {

using platform::Int16;
using platform::Int32;

inline Int32 HauteurEcran;  // screen height in twips
inline Int32 LargeurEcran;  // screen width in twips
inline Int32 Echelle;       // intermediate value of MesureEcran
inline Int32 Pourcentage;   // screen scale in percent (102 on a screen 1024 pixels wide)
inline Int32 TaillePolice;  // font size of every scaled control, in points
inline Int16 NumControle;   // index of the control being visited
inline platform::forms::Control* Controle = nullptr;  // the control being visited
// Design Top, Left, Height and Width of the control of the same index (Y1, X1, Y2, X2 for a
// control with end points).
inline std::vector<std::int32_t> TabHaut, TabGauche, TabHauteur, TabLargeur;

// Measures the screen and derives the scale and the font size.
void MesureEcran();
// Records the design geometry of the window's controls.
void MemoriseControles(platform::forms::Form& fenetre);
// Places and restyles the window's controls for the screen.
void RedimControles(platform::forms::Form& fenetre);

// The first step of every scaled window's Form_Load: the 12000 x 9000 twip design frame at the
// top left corner of the screen.
void CadreDeConception(platform::forms::Form& fenetre);
// The steps that follow (after MesureEcran in the main window): MemoriseControles, the window
// stretched to the screen less 600 twips in height and `marge` twips in width, RedimControles.
void AgranditFenetre(platform::forms::Form& fenetre, Int32 marge);

// Back to the values at start.
void reset();

}  // namespace ModFormZoomed
