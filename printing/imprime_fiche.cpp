#include "printing/imprime_fiche.h"

#include "editor/kov_general.h"
#include "platform/core/error.h"
#include "platform/core/numbers.h"
#include "platform/core/text.h"
#include "platform/desktop/desktop.h"
#include "platform/forms/instances.h"
#include "platform/forms/lists.h"
#include "platform/forms/picture.h"
#include "platform/printer/printer.h"
#include "printing/kov_imprime.h"
#include "search/kov_recherche.h"
#include "shell/donnees.h"

namespace Donnees {

using platform::Tab;
using platform::printer::printer;
namespace forms = platform::forms;

namespace {

// The picture and the line lists of the window that asks for the card.
struct FenetreSource {
    const forms::Picture& Image1;
    const forms::ListBox& List1;
    const forms::ListBox& List2;
};

// Origine 1: the word search; any other value: the card editor.
FenetreSource ChoisitSource() {
    if (Origine == 1) {
        KovRecherche& recherche = forms::Instance<KovRecherche>();
        return {recherche.Image1, recherche.List1, recherche.List2};
    }
    KovGeneral& editeur = forms::Instance<KovGeneral>();
    return {editeur.Image1, editeur.List1, editeur.List2};
}

}  // namespace

void ImprimeFiche() {
    auto& Printer = printer();
    Printer.FontName = QStringLiteral("Arial");
    Printer.FontSize = 12;
    Printer.Orientation = 1;
    Printer.FontBold = true;
    Printer.ColorMode = 2;
    Printer.ForeColor = QColor(0, 0, 128);  // colour 1 of the classic palette, dark blue

    Printer.Print();
    Printer.Print();
    Longueur = ImpTitre.size();
    NbRecettes = platform::toInt16(90.0 / 2 - Longueur / 2.0);
    Printer.Print({Tab{NbRecettes}, ImpTitre});
    Printer.Print();
    Printer.Print({Tab{10}, QStringLiteral("Temps de Préparation"), Tab{40}, ImpPrepa});
    Printer.Print({Tab{10}, QStringLiteral("Temps de Cuisson"), Tab{40}, ImpCuisson});
    Printer.Print({Tab{10}, QStringLiteral("Niveau de Difficulté"), Tab{40}, ImpDifficulte});
    Printer.Print({Tab{10}, QStringLiteral("Boisson Conseiller"), Tab{40}, ImpVin});
    Printer.Print();
    Printer.Print({Tab{25}, QStringLiteral("Ingrediant")});
    Printer.Print();

    const FenetreSource source = ChoisitSource();
    // The callers always show a picture, the recipe's or the placeholder; a box left empty is
    // not drawn.
    if (!source.Image1.isEmpty()) {
        Printer.PaintPicture(source.Image1.image(), 8000, 900, 3000, 2400);
    }
    for (const QString& ingredient : source.List1.items()) {
        Printer.Print({Tab{10}, ingredient});
    }
    Printer.Print();
    Printer.Print({Tab{25}, QStringLiteral("Preparation")});
    Printer.Print();

    KovImprime& imprime = forms::Load<KovImprime>();
    for (const QString& ligne : source.List2.items()) {
        imprime.List1.AddItem(ligne);
    }
    imprime.Couper();
    // A page holds at most 60 preparation lines, counted from the top of the page: where the
    // paper holds fewer, the printer's own page overflow comes first, and a break counted from
    // the first line would then leave a page of a few lines.
    int premiereDeLaPage = 0;
    for (Indice = 0; Indice <= imprime.List2.ListCount() - 1; Indice = Indice + 1) {
        if (NouvellePage(Indice, premiereDeLaPage)) {
            Printer.NewPage();
            premiereDeLaPage = Indice;
        }
        const int page = Printer.PageNumber();
        Ligne = platform::trimSpaces(imprime.List2.List(Indice));
        Printer.Print({Tab{10}, Ligne});
        if (Printer.PageNumber() != page) {
            premiereDeLaPage = Indice;
        }
    }
    Printer.Print();
    Printer.Print({Tab{40}, QStringLiteral("Bon Appétit")});
    try {
        Printer.EndDoc();
    } catch (const platform::Error& e) {
        platform::desktop::MsgBox(QStringLiteral("La fiche « %1 » n'a pas pu être imprimée.\n%2")
                                      .arg(ImpTitre, e.description()));
    }
    forms::Unload(imprime);
}

bool NouvellePage(int indice, int premiereDeLaPage) {
    const int surLaPage = indice - premiereDeLaPage;
    return surLaPage > 0 && surLaPage % 60 == 0 && indice > 10;
}

}  // namespace Donnees
