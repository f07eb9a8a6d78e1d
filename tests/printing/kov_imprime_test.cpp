// The wrapping of preparation lines against the real metrics of "Arial" 12 bold as this platform
// resolves it (Liberation Sans Bold): the 84-character rule, cuts after the last space, a word
// alone too wide, and the printer's current font deciding the cut.
#include "printing/kov_imprime.h"

#include <gtest/gtest.h>

#include "headless_session.h"
#include "platform/core/numbers.h"
#include "platform/core/text.h"
#include "platform/forms/instances.h"
#include "platform/printer/printer.h"
#include "qt_print.h"
#include "shell/donnees.h"

namespace {

using platform::printer::printer;
namespace forms = platform::forms;

constexpr int limite = 9500;  // 12000 - (300 + 2200)

// The width as the wrapping measures it: to the nearest twip, in the printer's current font.
long long largeur(const QString& texte) {
    return platform::toInt16(printer().TextWidth(texte));
}

// The first word of `ligne` with the space after it (all of it when it holds no space).
QString premierMot(const QString& ligne) {
    const qsizetype espace = ligne.indexOf(u' ');
    return espace < 0 ? ligne : ligne.left(espace + 1);
}

class Coupure : public ::testing::Test {
protected:
    void SetUp() override {
        Donnees::reset();
        printer().FontName = QStringLiteral("Arial");
        printer().FontSize = 12;
        printer().FontBold = true;
    }

    // The lines out of KovImprime for `entrees`, loaded and unloaded as the callers do.
    QStringList coupe(const QStringList& entrees) {
        KovImprime& imprime = forms::Load<KovImprime>();
        for (const QString& entree : entrees) {
            imprime.List1.AddItem(entree);
        }
        imprime.Couper();
        const QStringList sorties = imprime.List2.items();
        forms::Unload(imprime);
        return sorties;
    }

    test_support::HeadlessSession session;
};

TEST_F(Coupure, lines_of_at_most_84_characters_after_their_trailing_spaces_pass_whole) {
    const QString large84(84, u'W');  // about 19000 twips: never measured
    ASSERT_GT(largeur(large84), limite);
    const QString etroite85(85, u'i');  // about 5700 twips
    ASSERT_LT(largeur(etroite85), limite);
    struct Cas {
        const char* quoi;
        QString entree;
        QString sortie;
    };
    const Cas cas[] = {
        {"empty", QString(), QString()},
        {"84 wide characters", large84, large84},
        {"85 narrow characters", etroite85, etroite85},
        {"85 narrow characters and trailing spaces", etroite85 + QStringLiteral("   "), etroite85},
        {"86 characters of which 3 trailing spaces", QString(83, u'W') + QStringLiteral("   "),
         QString(83, u'W')},
        {"leading spaces stay", QStringLiteral("   Saler.  "), QStringLiteral("   Saler.")},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        EXPECT_EQ(coupe({c.entree}), QStringList{c.sortie});
    }
}

TEST_F(Coupure, a_long_line_of_words_is_cut_after_the_last_space_that_fits) {
    const QString entree = QStringLiteral(
        "Faire revenir les oignons émincés dans le beurre chaud, ajouter les lardons, puis la "
        "viande coupée en gros cubes ; mouiller avec le vin rouge, porter à ébullition, écumer "
        "soigneusement et laisser mijoter à couvert pendant deux heures et demie en remuant de "
        "temps en temps, jusqu'à ce que la sauce nappe la cuillère.");
    const QStringList sorties = coupe({entree});
    ASSERT_GE(sorties.size(), 3);
    EXPECT_EQ(sorties.join(QString()), entree);  // nothing dropped, nothing added
    for (qsizetype i = 0; i + 1 < sorties.size(); ++i) {
        SCOPED_TRACE(sorties[i].toStdString());
        EXPECT_TRUE(sorties[i].endsWith(u' '));
        EXPECT_LE(largeur(platform::trimTrailingSpaces(sorties[i])), limite);
        // The word that starts the next line is the one that did not fit.
        EXPECT_GT(largeur(sorties[i] + premierMot(sorties[i + 1])), limite);
    }
    EXPECT_LE(largeur(sorties.back()), limite);
}

TEST_F(Coupure, a_space_that_passes_the_limit_ends_its_line) {
    // Words that fill the line up to less than a space's width from the limit: a space is as
    // wide as an i in this font.
    QString pleine = QStringLiteral("Le ");
    while (largeur(pleine + u'i') <= limite) {
        pleine += u'i';
    }
    ASSERT_GT(largeur(pleine + u' '), limite);
    const QStringList sorties = coupe({pleine + QStringLiteral(" suite et fin.")});
    EXPECT_EQ(sorties, (QStringList{pleine + u' ', QStringLiteral("suite et fin.")}));
}

TEST_F(Coupure, a_word_wider_than_the_limit_is_split_after_the_character_that_passed_it) {
    const QString mot(100, u'x');  // about 13000 twips
    const QString entree = QStringLiteral("Battre ") + mot + QStringLiteral(" longtemps.");
    const QStringList sorties = coupe({entree});
    ASSERT_EQ(sorties.size(), 3);
    EXPECT_EQ(sorties[0], QStringLiteral("Battre "));  // up to the space before the long word
    // No hyphen: the characters of the word follow each other across the lines.
    EXPECT_EQ(sorties.join(QString()), entree);
    EXPECT_GT(largeur(sorties[1]), limite);
    EXPECT_LE(largeur(sorties[1].chopped(1)), limite);
    EXPECT_FALSE(sorties[1].contains(u' '));
}

TEST_F(Coupure, three_input_lines_give_their_output_lines_in_order) {
    const QString premiere = QString(40, u'a') + u' ' + QString(40, u'b') + u' ' +
                             QString(40, u'c') + u' ' + QString(40, u'd');
    const QString deuxieme = QStringLiteral("Servir chaud.");
    const QString troisieme = QString(60, u'e') + u' ' + QString(60, u'f');
    const QStringList seules[] = {coupe({premiere}), coupe({deuxieme}), coupe({troisieme})};
    ASSERT_GT(seules[0].size(), 1);
    ASSERT_EQ(seules[1].size(), 1);
    ASSERT_GT(seules[2].size(), 1);
    EXPECT_EQ(coupe({premiere, deuxieme, troisieme}), seules[0] + seules[1] + seules[2]);
}

TEST_F(Coupure, the_width_is_measured_in_the_printers_current_font) {
    const QString entree = QString(200, u'o');
    const QStringList gras = coupe({entree});
    printer().FontBold = false;
    const QStringList maigre = coupe({entree});
    printer().FontSize = 10;
    const QStringList petit = coupe({entree});
    // The same letters are wider in bold, and narrower in a smaller size.
    EXPECT_LT(gras.front().size(), maigre.front().size());
    EXPECT_LT(maigre.front().size(), petit.front().size());
}

TEST_F(Coupure, each_load_starts_with_empty_lists) {
    coupe({QStringLiteral("Saler.")});
    EXPECT_EQ(coupe({QStringLiteral("Poivrer.")}), QStringList{QStringLiteral("Poivrer.")});
}

}  // namespace
