#include <gtest/gtest.h>

#include <QStringList>
#include <set>

#include "base/catalogue.h"
#include "shell/donnees.h"

namespace {

using base::Catalogue;

struct Ligne {
    const char16_t* code;
    const char16_t* libelle;
    const char16_t* menu;
    const char16_t* legende;
    const char16_t* sousMenu;
    const char16_t* legendeSousMenu;
    int position;
};

// The catalogue as the menu lists it, typed again from the description of the categories.
const Ligne Attendu[] = {
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
};

class CatalogueTest : public ::testing::Test {
protected:
    void SetUp() override { Donnees::reset(); }
    void TearDown() override { Donnees::reset(); }
};

TEST_F(CatalogueTest, every_row_is_as_the_menu_lists_it_and_every_lookup_finds_it) {
    ASSERT_EQ(Catalogue.size(), std::size(Attendu));
    for (std::size_t i = 0; i < Catalogue.size(); ++i) {
        const Ligne& a = Attendu[i];
        const base::Categorie& c = Catalogue[i];
        SCOPED_TRACE(QString::fromUtf16(a.code).toStdString());
        EXPECT_EQ(c.code, QStringView(a.code));
        EXPECT_EQ(c.libelle, QStringView(a.libelle));
        EXPECT_EQ(c.menu, QStringView(a.menu));
        EXPECT_EQ(c.legende, QStringView(a.legende));
        EXPECT_EQ(c.sousMenu, QStringView(a.sousMenu));
        EXPECT_EQ(c.legendeSousMenu, QStringView(a.legendeSousMenu));
        EXPECT_EQ(c.position, a.position);

        Donnees::LibCategorie = QStringLiteral("avant");
        base::ChercheLibelle(a.code);
        EXPECT_EQ(Donnees::LibCategorie, QString::fromUtf16(a.libelle));
        EXPECT_TRUE(base::EstLibelle(a.libelle));
        EXPECT_EQ(base::CategorieDuCode(a.code), &c);
    }
}

TEST_F(CatalogueTest, codes_and_names_are_unique) {
    std::set<QString> codes;
    std::set<QString> libelles;
    for (const base::Categorie& c : Catalogue) {
        EXPECT_TRUE(codes.insert(c.code.toString()).second) << c.code.toString().toStdString();
        EXPECT_TRUE(libelles.insert(c.libelle.toString()).second);
    }
}

TEST_F(CatalogueTest, the_full_listing_takes_the_24_listed_codes_by_position) {
    QStringList codes;
    for (const base::Categorie* c : base::OrdreListe()) {
        codes << c->code.toString();
    }
    EXPECT_EQ(codes.join(u' '),
              QStringLiteral("AGN BOE CAN FOI CHA COM COQ CRU DES FON FRO MAG GIB LAP LEG PAI PLA "
                             "POI POR POU SAU VEA VIT NOU"));
}

TEST_F(CatalogueTest, where_a_code_stands_in_the_full_listing) {
    struct Cas {
        const char16_t* code;
        int groupe;  // 1-based place in the listing, 0 for not listed
    };
    const Cas cas[] = {
        {u"CHA", 5}, {u"NOU", 24}, {u"AGN", 1}, {u"MAG", 12},
        {u"VER", 0}, {u"BEU", 0},  {u"AST", 0}, {u"HOR", 0},
    };
    const auto& ordre = base::OrdreListe();
    for (const Cas& c : cas) {
        SCOPED_TRACE(QString::fromUtf16(c.code).toStdString());
        int groupe = 0;
        for (std::size_t i = 0; i < ordre.size(); ++i) {
            if (ordre[i]->code == QStringView(c.code)) {
                groupe = static_cast<int>(i) + 1;
            }
        }
        EXPECT_EQ(groupe, c.groupe);
    }
    EXPECT_EQ(ordre.back()->libelle, u"NOUGAT");
}

TEST_F(CatalogueTest, codes_differing_in_case_or_spaces_match_nothing_and_keep_the_last_name) {
    const char16_t* codes[] = {u"cha", u"Cha",  u" CHA", u"CHA ",
                               u"",    u"CHAU", u"XYZ",  u"ENTREE CHAUDE"};
    for (const char16_t* code : codes) {
        SCOPED_TRACE(QString::fromUtf16(code).toStdString());
        base::ChercheLibelle(u"DES");
        base::ChercheLibelle(code);
        EXPECT_EQ(Donnees::LibCategorie, QStringLiteral("DESSERT"));
        EXPECT_EQ(base::CategorieDuCode(code), nullptr);
    }
}

TEST_F(CatalogueTest, name_recognition_is_exact) {
    struct Cas {
        const char16_t* texte;
        bool libelle;
    };
    const Cas cas[] = {
        {u"DESSERT", true},
        {u"HORS D'OEUVRE", true},
        {u"COQ", true},
        {u"Dessert", false},
        {u"DESSERT ", false},
        {u" DESSERT", false},
        {u"DES", false},
        {u"", false},
        {u"TARTE AUX POMMES", false},
        {u"FOIE GRAS", false},
        {u"LEGUMES", false},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(base::EstLibelle(c.texte), c.libelle)
            << QString::fromUtf16(c.texte).toStdString();
    }
}

TEST_F(CatalogueTest, query_texts) {
    EXPECT_EQ(base::RequeteToutes(), QStringLiteral("Select * from Cuisine"));
    EXPECT_EQ(base::RequeteCategorie(QStringLiteral("MAG")),
              QStringLiteral("Select * from Cuisine WHERE Categorie='MAG'"));
    // A quote cannot end the literal early.
    EXPECT_EQ(base::RequeteCategorie(QStringLiteral("X' OR '1'='1")),
              QStringLiteral("Select * from Cuisine WHERE Categorie='X'' OR ''1''=''1'"));
}

}  // namespace
