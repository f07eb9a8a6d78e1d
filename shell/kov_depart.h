// The main window: the list of the bases of the working folder, then, once a base is open, its
// name, its number of recipes and the menu of every function.
#pragma once

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/lists.h"
#include "platform/forms/picture.h"

class KovDepart : public platform::forms::Form {
public:
    KovDepart();

    platform::forms::FileListBox File1{*this, QStringLiteral("File1")};
    platform::forms::Picture Image1{*this, QStringLiteral("Image1")};
    platform::forms::Label Label1{*this, QStringLiteral("Label1")};
    platform::forms::Label Label2{*this, QStringLiteral("Label2")};

    using Item = platform::forms::MenuItem;
    Item Menu{*this, QStringLiteral("Menu"), QStringLiteral("Menu")};
    Item Entree{*this, QStringLiteral("Entree"), QStringLiteral("Entree"), &Menu};
    Item Chaude{*this, QStringLiteral("Chaude"), QStringLiteral("Chaude"), &Entree};
    Item Froide{*this, QStringLiteral("Froide"), QStringLiteral("Froide"), &Entree};
    Item Legumes{*this, QStringLiteral("Legumes"), QStringLiteral("Legumes"), &Menu};
    Item Culinaire{*this, QStringLiteral("Culinaire"), QStringLiteral("Base Culinaire"), &Menu};
    Item FondSauce{*this, QStringLiteral("FondSauce"), QStringLiteral("Fond de Sauce"), &Culinaire};
    Item Sauce{*this, QStringLiteral("Sauce"), QStringLiteral("Sauce"), &Culinaire};
    Item Compose{*this, QStringLiteral("Compose"), QStringLiteral("Composé"), &Culinaire};
    Item Poissons{*this, QStringLiteral("Poissons"), QStringLiteral("Poissons"), &Menu};
    Item Poisson{*this, QStringLiteral("Poisson"), QStringLiteral("Poisson"), &Poissons};
    Item Crustace{*this, QStringLiteral("Crustace"), QStringLiteral("Crustacé"), &Poissons};
    Item Viandes{*this, QStringLiteral("Viandes"), QStringLiteral("Viande"), &Menu};
    Item Agneau{*this, QStringLiteral("Agneau"), QStringLiteral("Agneau"), &Viandes};
    Item Boeuf{*this, QStringLiteral("Boeuf"), QStringLiteral("Boeuf"), &Viandes};
    Item Gibier{*this, QStringLiteral("Gibier"), QStringLiteral("Gibier"), &Viandes};
    Item Porc{*this, QStringLiteral("Porc"), QStringLiteral("Porc"), &Viandes};
    Item Veau{*this, QStringLiteral("Veau"), QStringLiteral("Veau"), &Viandes};
    Item Vollaille{*this, QStringLiteral("Vollaille"), QStringLiteral("Volaille"), &Menu};
    Item Lapin{*this, QStringLiteral("Lapin"), QStringLiteral("Lapin"), &Vollaille};
    Item Canard{*this, QStringLiteral("Canard"), QStringLiteral("Canard"), &Vollaille};
    Item Coq{*this, QStringLiteral("Coq"), QStringLiteral("Coq"), &Vollaille};
    Item Poulet{*this, QStringLiteral("Poulet"), QStringLiteral("Poulet"), &Vollaille};
    Item Foisgras{*this, QStringLiteral("Foisgras"), QStringLiteral("Fois Gras"), &Vollaille};
    Item Viande{*this, QStringLiteral("Viande"), QStringLiteral("Terrine"), &Menu};
    Item Verrine{*this, QStringLiteral("Verrine"), QStringLiteral("Verrine"), &Menu};
    Item Pain{*this, QStringLiteral("Pain"), QStringLiteral("Pain"), &Menu};
    Item Plat{*this, QStringLiteral("Plat"), QStringLiteral("Plat Complet"), &Menu};
    Item Froma{*this, QStringLiteral("Froma"), QStringLiteral("Fromage"), &Menu};
    Item nougat{*this, QStringLiteral("nougat"), QStringLiteral("Nougat"), &Menu};
    Item Desser{*this, QStringLiteral("Desser"), QStringLiteral("Dessert"), &Menu};
    Item vide3{*this, QStringLiteral("vide3"), QString(30, u'_'), &Menu};
    Item Cherche{*this, QStringLiteral("Cherche"), QStringLiteral("Chercher une Recette"), &Menu};
    Item Sup{*this, QStringLiteral("Sup"), QStringLiteral("Liste des Recettes"), &Menu};
    Item Vide1{*this, QStringLiteral("Vide1"), QString(30, u'_'), &Menu};
    Item Sauve{*this, QStringLiteral("Sauve"), QStringLiteral("Sauvegarde"), &Menu};
    Item Base{*this, QStringLiteral("Base"), QStringLiteral("Compresse Base"), &Menu};
    Item Change{*this, QStringLiteral("Change"), QStringLiteral("Changer de base"), &Menu};
    Item Creer{*this, QStringLiteral("Creer"), QStringLiteral("Créer une base"), &Menu};
    Item Supprimer{*this, QStringLiteral("Supprimer"), QStringLiteral("Supprimer une Base"), &Menu};
    Item vide2{*this, QStringLiteral("vide2"), QString(30, u'_'), &Menu};
    Item Lisez{*this, QStringLiteral("Lisez"), QStringLiteral("Lisez Moi"), &Menu};
    Item Site{*this, QStringLiteral("Site"), QStringLiteral("Site Orvale"), &Menu};
    Item vide4{*this, QStringLiteral("vide4"), QString(30, u'_'), &Menu};
    Item Quitter{*this, QStringLiteral("Quitter"), QStringLiteral("Quitter"), &Menu};

    void Form_Load() override;
    void Lire();
    void File1_Click();
    void Cherche_Click();
    void Sup_Click();
    void Sauve_Click();
    void Lisez_Click();
    void Site_Click();
    void Quitter_Click();
    void Base_Click();
    void Change_Click();
    void Creer_Click();
    void Supprimer_Click();
    // The recipes of the open base counted into NbRecettes and shown in Label2 (Rs is open on
    // its table).
    void CompteLesRecettes();

private:
    // The items hidden in the base-list state and shown once a base is open.
    std::vector<Item*> dependantDeLaBase();
    // A base of the Windows version, clicked in File1: the user is asked, and on Yes it is
    // converted. Returns whether it can now be opened as any base; otherwise the user was told
    // why, or said No, and nothing changed.
    bool AncienneBaseConvertie();
    // The command of a category item of the menu.
    void Categorie_Click(const QString& code, const QString& nom);
};
