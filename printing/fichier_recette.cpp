#include "printing/fichier_recette.h"

#include "platform/core/error.h"
#include "platform/core/numbers.h"
#include "platform/core/text.h"
#include "platform/desktop/desktop.h"
#include "platform/files/names.h"
#include "platform/files/text_file.h"
#include "platform/forms/instances.h"
#include "printing/kov_imprime.h"
#include "shell/donnees.h"

namespace Donnees {

using platform::Tab;
using platform::desktop::MsgBox;
namespace files = platform::files;
namespace forms = platform::forms;

void EcritFicheTexte(const FicheTexte& fiche) {
    const QString& T = fiche.Titre;
    // A title holding a folder separator or a character a file name may not hold would write
    // somewhere else than beside the program, or nowhere.
    if (!files::isPlainFileName(T)) {
        MsgBox(QStringLiteral("La recette « %1 » ne peut pas être écrite dans un fichier texte : "
                              "son titre ne peut pas servir de nom de fichier (il ne doit être ni "
                              "vide ni contenir un des caractères \\ / : * ? \" < > |).")
                   .arg(T));
        return;
    }
    // The preparation is wrapped before the file is opened, so that nothing can fail between the
    // first line written and the last.
    KovImprime& imprime = forms::Load<KovImprime>();
    for (const QString& ligne : fiche.Preparation.items()) {
        imprime.List1.AddItem(ligne);
    }
    imprime.Couper();

    // After the wrapping, which uses NbRecettes for its own left position.
    Longueur = T.size();
    NbRecettes = platform::toInt16(45 - Longueur / 2.0);

    const QString nomFichier = T + QStringLiteral(".txt");
    try {
        files::TextFile fichier(nomFichier, files::OpenMode::Append);
        fichier.print({Tab{NbRecettes}, T});
        fichier.print({});
        fichier.print({Tab{10}, QStringLiteral("Temps de Préparation"), Tab{40}, fiche.TempPrepa});
        fichier.print({Tab{10}, QStringLiteral("Temps de Cuisson"), Tab{40}, fiche.TempCuisson});
        fichier.print({Tab{10}, QStringLiteral("Niveau de Difficulté"), Tab{40}, fiche.Difficulte});
        fichier.print({Tab{10}, QStringLiteral("Boisson Conseiller"), Tab{40}, fiche.Vin});
        fichier.print({});
        fichier.print({Tab{25}, QStringLiteral("Ingrediant")});
        fichier.print({});
        for (const QString& ingredient : fiche.Ingredients.items()) {
            fichier.print({Tab{10}, ingredient});
        }
        fichier.print({});
        fichier.print({Tab{25}, QStringLiteral("Preparation")});
        fichier.print({});
        for (Indice = 0; Indice <= imprime.List2.ListCount() - 1; Indice = Indice + 1) {
            Ligne = platform::trimSpaces(imprime.List2.List(Indice));
            fichier.print({Tab{10}, Ligne});
        }
        fichier.print({});
        fichier.print({Tab{40}, QStringLiteral("Bon Appétit")});
        files::closeAllFiles();
    } catch (const platform::Error& e) {
        MsgBox(QStringLiteral("Le fichier « %1 » n'a pas pu être écrit : la recette n'y a pas été "
                              "ajoutée.\n%2")
                   .arg(nomFichier, e.description()));
    }
    forms::Unload(imprime);
}

}  // namespace Donnees
