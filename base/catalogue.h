// The catalogue of the 28 culinary categories: the one table that ties the code stored in a
// recipe's Categorie field to its display name, its menu command and its place in the full
// listing. Every window reads it from here.
#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <cstddef>

namespace base {

struct Categorie {
    QStringView code;             // stored in Categorie and used in queries
    QStringView libelle;          // display name, also the name of the category's text file
    QStringView menu;             // control name of the menu item; empty when there is none
    QStringView legende;          // caption of the menu item
    QStringView sousMenu;         // control name of the submenu holding the item; empty at top
    QStringView legendeSousMenu;  // caption of that submenu
    int position;                 // place in the full listing, from 1; 0 when not listed
};

// In the order of the main window's menu; the last three rows have no menu command.
inline constexpr std::array<Categorie, 28> Catalogue{{
    {u"CHA", u"ENTREE CHAUDE", u"Chaude", u"Chaude", u"Entree", u"Entree", 5},
    {u"FRO", u"ENTREE FROIDE", u"Froide", u"Froide", u"Entree", u"Entree", 11},
    {u"LEG", u"LEGUME", u"Legumes", u"Legumes", u"", u"", 15},
    {u"FON", u"FOND DE SAUCE", u"FondSauce", u"Fond de Sauce", u"Culinaire", u"Base Culinaire", 10},
    {u"SAU", u"SAUCE", u"Sauce", u"Sauce", u"Culinaire", u"Base Culinaire", 21},
    {u"COM", u"COMPOSE", u"Compose", u"Composé", u"Culinaire", u"Base Culinaire", 6},
    {u"POI", u"POISSON", u"Poisson", u"Poisson", u"Poissons", u"Poissons", 18},
    {u"CRU", u"CRUSTACE", u"Crustace", u"Crustacé", u"Poissons", u"Poissons", 8},
    {u"AGN", u"AGNEAU", u"Agneau", u"Agneau", u"Viandes", u"Viande", 1},
    {u"BOE", u"BOEUF", u"Boeuf", u"Boeuf", u"Viandes", u"Viande", 2},
    {u"GIB", u"GIBIER", u"Gibier", u"Gibier", u"Viandes", u"Viande", 13},
    {u"POR", u"PORC", u"Porc", u"Porc", u"Viandes", u"Viande", 19},
    {u"VEA", u"VEAU", u"Veau", u"Veau", u"Viandes", u"Viande", 22},
    {u"LAP", u"LAPIN", u"Lapin", u"Lapin", u"Vollaille", u"Volaille", 14},
    {u"CAN", u"CANARD", u"Canard", u"Canard", u"Vollaille", u"Volaille", 3},
    {u"COQ", u"COQ", u"Coq", u"Coq", u"Vollaille", u"Volaille", 7},
    {u"POU", u"POULET", u"Poulet", u"Poulet", u"Vollaille", u"Volaille", 20},
    {u"FOI", u"FOIS GRAS", u"Foisgras", u"Fois Gras", u"Vollaille", u"Volaille", 4},
    {u"VIT", u"TERRINE DE VIANDE", u"Viande", u"Terrine", u"", u"", 23},
    {u"VER", u"VERRINE", u"Verrine", u"Verrine", u"", u"", 0},
    {u"PAI", u"PAIN", u"Pain", u"Pain", u"", u"", 16},
    {u"PLA", u"PLAT COMPLET", u"Plat", u"Plat Complet", u"", u"", 17},
    {u"MAG", u"FROMAGE", u"Froma", u"Fromage", u"", u"", 12},
    {u"NOU", u"NOUGAT", u"nougat", u"Nougat", u"", u"", 24},
    {u"DES", u"DESSERT", u"Desser", u"Dessert", u"", u"", 9},
    {u"BEU", u"BEURRE", u"", u"", u"", u"", 0},
    {u"AST", u"ASTUCE", u"", u"", u"", u"", 0},
    {u"HOR", u"HORS D'OEUVRE", u"", u"", u"", u"", 0},
}};

// The number of rows with a place in the full listing.
inline constexpr std::size_t NbGroupes = 24;

// The rows of the full listing, by increasing position.
const std::array<const Categorie*, NbGroupes>& OrdreListe();

// The row whose code equals `code` exactly (case and spaces count), or none.
const Categorie* CategorieDuCode(QStringView code);

// Code lookup: sets Donnees::LibCategorie to the display name of the row of `code`. A code that
// is in no row leaves LibCategorie as it was, so a window shows the name found last.
void ChercheLibelle(QStringView code);

// Name recognition: whether `texte` equals one of the 28 display names exactly.
bool EstLibelle(QStringView texte);

// The SQL texts of the whole table and of one category.
QString RequeteToutes();
QString RequeteCategorie(const QString& code);

}  // namespace base
