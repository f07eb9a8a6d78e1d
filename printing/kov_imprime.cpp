#include "printing/kov_imprime.h"

#include "platform/core/error.h"
#include "platform/core/text.h"
#include "platform/printer/printer.h"
#include "shell/donnees.h"

using namespace Donnees;
using platform::Int16;
using platform::printer::printer;

KovImprime::KovImprime() : Form(QStringLiteral("KovImprime")) {}

void KovImprime::Form_Load() {
    platform::ignoreErrors([this] { List1.Clear(); });
    platform::ignoreErrors([this] { List2.Clear(); });
    List1.Visible = false;
    List2.Visible = false;
}

void KovImprime::Couper() {
    NbRecettes = 300;
    for (NumLigne = 0; NumLigne <= List1.ListCount() - 1; NumLigne = NumLigne + 1) {
        Ligne = List1.List(NumLigne);
        CoupeLigne(Ligne, NbRecettes, 12000);
    }
    List2.Visible = true;
}

void KovImprime::CoupeLigne(QString Txt, const Int16& X, Int16 LargeurUtile) {
    QString copie = platform::trimTrailingSpaces(Txt);
    Ligne.clear();
    const Int16 Limite = LargeurUtile - (X + 2200);
    if (copie.size() < 85) {
        List2.AddItem(copie);
        return;
    }
    const platform::Int32 fin = copie.size();
    for (Car = 1; Car <= fin; Car = Car + 1) {
        Ligne += copie[Car - 1];
        Largeur = platform::toInt16(printer().TextWidth(Ligne));
        if (Largeur > Limite) {
            // The line is full: back to just after its last space, whose following characters
            // are read again for the next line. A line without space keeps the character that
            // made it too wide.
            Coupe = Ligne.size();
            while (!Ligne.endsWith(u' ') && Ligne.contains(u' ')) {
                Car = Car - 1;
                Coupe = Coupe - 1;
                Ligne = Ligne.left(Coupe);
            }
            List2.AddItem(Ligne);
            Ligne.clear();
        }
    }
    if (!Ligne.isEmpty()) {
        List2.AddItem(Ligne);
    }
}
