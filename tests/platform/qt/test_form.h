// A small window with one control of each kind the tests look at, and handlers that record what
// reached them.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/grid.h"
#include "platform/forms/lists.h"

namespace platform::qt::testing {

class TestForm : public forms::Form {
public:
    TestForm();

    forms::MenuItem mnuFichier{*this, QStringLiteral("mnuFichier"), QStringLiteral("&Fichier")};
    forms::MenuItem mnuOuvrir{*this, QStringLiteral("mnuOuvrir"), QStringLiteral("&Ouvrir"),
                              &mnuFichier};
    forms::MenuItem mnuTrait{*this, QStringLiteral("mnuTrait"), QStringLiteral("___"), &mnuFichier};
    forms::MenuItem mnuRecents{*this, QStringLiteral("mnuRecents"), QStringLiteral("&Récents"),
                               &mnuFichier};
    forms::MenuItem mnuRecent1{*this, QStringLiteral("mnuRecent1"), QStringLiteral("Soupe"),
                               &mnuRecents};
    forms::MenuItem mnuCache{*this, QStringLiteral("mnuCache"), QStringLiteral("Caché"),
                             &mnuFichier};
    forms::MenuItem mnuAide{*this, QStringLiteral("mnuAide"), QStringLiteral("&Aide")};
    forms::Label Label1{*this, QStringLiteral("Label1")};
    forms::TextBox Text1{*this, QStringLiteral("Text1")};
    forms::TextBox Text2{*this, QStringLiteral("Text2")};
    forms::ListBox List1{*this, QStringLiteral("List1")};
    forms::Grid Grid1{*this, QStringLiteral("Grid1")};

    std::vector<int> keys;  // every code Text1's KeyPress saw
    int gridClicks = 0;
    int opened = 0;     // clicks on mnuOuvrir
    QStringList picks;  // List1's entry at each of its Clicks
};

}  // namespace platform::qt::testing
