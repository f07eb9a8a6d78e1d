#include "shell/kov_depart.h"

#include <algorithm>

#include "backup/kov_sauvegarde.h"
#include "base/catalogue.h"
#include "browser/kov_rubrique.h"
#include "editor/kov_general.h"
#include "management/compaction.h"
#include "management/conversion.h"
#include "management/kov_creer.h"
#include "management/kov_supprime.h"
#include "platform/core/error.h"
#include "platform/desktop/desktop.h"
#include "platform/files/names.h"
#include "platform/files/operations.h"
#include "platform/forms/instances.h"
#include "printing/kov_texte.h"
#include "search/kov_recherche.h"
#include "shell/couleurs.h"
#include "shell/decoration.h"
#include "shell/donnees.h"
#include "shell/mod_form_zoomed.h"

using namespace Donnees;
using namespace ModFormZoomed;
using platform::ignoreErrors;
using platform::desktop::MsgBox;
using platform::forms::Control;
namespace forms = platform::forms;

namespace {
// The maker's web page, opened by "Site Orvale".
const QString adresseDuSite = QStringLiteral("https://www.orvale.fr");
}  // namespace

KovDepart::KovDepart() : Form(QStringLiteral("KovDepart")) {
    Caption = QStringLiteral("Recette");
    BackColor = Couleurs::VertClair;
    File1.place(3983, 2430, 3915, 3450);
    File1.setPattern(QStringLiteral("*.mdb"));
    Image1.place(3983, 2393, 3915, 3765);
    Image1.setImage(decoration(), QStringLiteral("Recette"));
    Label1.place(4373, 638, 3135, 255);
    Label2.place(4373, 7658, 3135, 255);
    for (forms::VisualControl* c :
         std::initializer_list<forms::VisualControl*>{&File1, &Label1, &Label2}) {
        c->BackColor = Couleurs::VertClair;
        c->ForeColor = Couleurs::Bleu;
    }
    Label1.Alignment = forms::Center;
    Label2.Alignment = forms::Center;

    // The 25 category commands: each item of the catalogue's menu column opens its category.
    for (const base::Categorie& categorie : base::Catalogue) {
        if (categorie.menu.isEmpty()) {
            continue;
        }
        Control* item = findControl(categorie.menu.toString());
        const QString code = categorie.code.toString();
        const QString nom = categorie.libelle.toString();
        item->Click = [this, code, nom] { Categorie_Click(code, nom); };
    }
    Cherche.Click = [this] { Cherche_Click(); };
    Sup.Click = [this] { Sup_Click(); };
    Sauve.Click = [this] { Sauve_Click(); };
    Base.Click = [this] { Base_Click(); };
    Change.Click = [this] { Change_Click(); };
    Creer.Click = [this] { Creer_Click(); };
    Supprimer.Click = [this] { Supprimer_Click(); };
    Lisez.Click = [this] { Lisez_Click(); };
    Site.Click = [this] { Site_Click(); };
    Quitter.Click = [this] { Quitter_Click(); };
    File1.Click = [this] { File1_Click(); };
    // Closing the main window by its frame is "Quitter": the window is never left hidden.
    closeCommand = [this] { Quitter_Click(); };
}

std::vector<KovDepart::Item*> KovDepart::dependantDeLaBase() {
    return {&Entree,  &Legumes, &Culinaire, &Poissons, &Viandes, &Vollaille, &Viande,
            &Verrine, &Pain,    &Plat,      &Froma,    &nougat,  &Desser,    &vide3,
            &Cherche, &Sup,     &Vide1,     &Sauve,    &Base,    &Change};
}

void KovDepart::Form_Load() {
    CadreDeConception(*this);
    MesureEcran();
    AgranditFenetre(*this, 100);
    Lire();
}

void KovDepart::Lire() {
    Label1.Visible = false;
    Label2.Visible = false;
    Image1.Visible = false;
    File1.Visible = true;
    File1.Refresh();
    for (Item* item : dependantDeLaBase()) {
        item->Visible = false;
    }
    if (!platform::files::exists(QStringLiteral("*.mdb"))) {
        forms::Load<KovCreer>();
        forms::Unload(*this);
        return;
    }
    Show();
}

void KovDepart::File1_Click() {
    const QString basePrecedente = NomBase;
    NomBase = File1.FileName();
    Label1.Caption = NomBase.left(NomBase.size() - 4);
    platform::data::Database base;
    try {
        // Before anything reads or converts it: a listed name that reads as a path would reach
        // a file of another folder.
        platform::files::checkListedName(NomBase);
        if (EstAncienneBase(NomBase) && !AncienneBaseConvertie()) {
            NomBase = basePrecedente;
            Lire();
            return;
        }
        base = platform::data::DBEngine::OpenDatabase(NomBase);
        Requete = QStringLiteral("Select * from Cuisine");
        Rs = base.OpenRecordset(Requete);
    } catch (const platform::Error& e) {
        // A damaged file, or one that is no recipe base: the user is told, and the window stays
        // in its base-list state with the base that was open before, if any.
        ignoreErrors([&] { base.Close(); });
        NomBase = basePrecedente;
        MsgBox(QStringLiteral("La base %1 ne peut pas être ouverte.\n%2")
                   .arg(File1.FileName(), e.description()));
        Lire();
        return;
    }
    Db = base;  // the previous base is released without an explicit close
    CompteLesRecettes();
    File1.Visible = false;
    for (Item* item : dependantDeLaBase()) {
        item->Visible = true;
    }
    Label1.Visible = true;
    Label2.Visible = true;
    Image1.Visible = true;
}

bool KovDepart::AncienneBaseConvertie() {
    try {
        VerifierAncienneBase(NomBase);
    } catch (const platform::Error& e) {
        MsgBox(QStringLiteral("La base %1 ne peut pas être ouverte.\n%2")
                   .arg(NomBase, e.description()));
        return false;
    }
    const QString original = NomDeLOriginal(NomBase);
    const int reponse =
        MsgBox(QStringLiteral(
                   "La base %1 a été faite par la version précédente du programme, pour "
                   "Windows. Pour l'ouvrir, elle va être convertie au format de cette version ; "
                   "le fichier d'origine est gardé tel quel sous le nom %2.\nConvertir la base ?")
                   .arg(NomBase, original),
               platform::desktop::Buttons::YesNo);
    if (reponse != platform::desktop::vbYes) {
        return false;
    }
    try {
        ConvertirAncienneBase(NomBase, original);
    } catch (const platform::Error& e) {
        MsgBox(QStringLiteral("La base %1 n'a pas pu être convertie ; elle reste telle qu'elle "
                              "était.\n%2")
                   .arg(NomBase, e.description()));
        return false;
    }
    return true;
}

void KovDepart::CompteLesRecettes() {
    ignoreErrors([] { Rs.MoveLast(); });
    long nombre = 0;  // an empty base fails MoveLast and counts 0
    ignoreErrors([&] { nombre = Rs.RecordCount(); });
    // The label shows the true count; the 16-bit counter of the other windows holds at most
    // 32767, and the windows that number cards refuse to go past it.
    NbRecettes = static_cast<Int16>(std::min(nombre, 32767L));
    Label2.Caption = QStringLiteral("Nombre de Recettes  ") + QString::number(nombre);
}

void KovDepart::Categorie_Click(const QString& code, const QString& nom) {
    CodeCategorie = code;
    NomCategorie = nom;
    forms::Load<KovGeneral>();
    forms::Load<KovTexte>();
    Visible = false;
}

void KovDepart::Cherche_Click() {
    forms::Load<KovRecherche>();
    Visible = false;
}

void KovDepart::Sup_Click() {
    Visible = false;
    forms::Load<KovRubrique>();
}

void KovDepart::Sauve_Click() {
    forms::Load<KovSauvegarde>();
    Visible = false;
}

void KovDepart::Lisez_Click() {
    // The help file of the working folder, in the desktop's viewer.
    Nom = platform::files::resolve(QStringLiteral("Lisez-Moi.chm"));
    if (!platform::files::exists(QStringLiteral("Lisez-Moi.chm"))) {
        Nom = platform::files::resolve(QStringLiteral("Lisez-Moi.html"));
    }
    if (!platform::files::exists(Nom) || !platform::desktop::desktop().openHelp(Nom)) {
        MsgBox(QStringLiteral("Le fichier d'aide Lisez-Moi ne peut pas être ouvert."));
    }
}

void KovDepart::Site_Click() {
    Indice = platform::desktop::desktop().openWebPage(adresseDuSite) ? 1 : 0;
}

void KovDepart::Quitter_Click() {
    ignoreErrors([] { Db.Close(); });
    platform::desktop::End();
}

void KovDepart::Base_Click() {
    if (!Compacter()) {
        Lire();  // the base could not be opened again: nothing is left open to show
    }
}

void KovDepart::Change_Click() {
    Lire();
}

void KovDepart::Creer_Click() {
    ignoreErrors([] { Db.Close(); });
    forms::Load<KovCreer>();
    forms::Unload(*this);
}

void KovDepart::Supprimer_Click() {
    ignoreErrors([] { Db.Close(); });
    forms::Load<KovSupprime>();
    forms::Unload(*this);
}
