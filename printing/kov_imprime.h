// The line-wrap window, never shown: the lines put into List1 come out of List2 cut to the width
// of the printed card, measured in the printer's current font. The card print and the recipe text
// file load it, fill List1, call Couper, read List2 and unload it.
#pragma once

#include <QString>

#include "platform/core/numbers.h"
#include "platform/forms/form.h"
#include "platform/forms/lists.h"

class KovImprime : public platform::forms::Form {
public:
    KovImprime();

    platform::forms::ListBox List1{*this, QStringLiteral("List1")};  // the input lines
    platform::forms::ListBox List2{*this, QStringLiteral("List2")};  // the output lines

    void Form_Load() override;
    // Wraps every line of List1 into List2.
    void Couper();
    // Wraps one line into List2: lines of more than 84 characters are cut just after their last
    // space once wider than LargeurUtile - (X + 2200) twips; a word alone too wide is cut after
    // the character that made it too wide.
    void CoupeLigne(QString Txt, const platform::Int16& X, platform::Int16 LargeurUtile);
};
