// The card editor's model: what the transcripts of the scenarios cannot see (the hidden line
// lists, the stored fields, the grid's geometry) and the failures of the disk.
#include "editor/kov_general.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include "fixture.h"
#include "platform/core/error.h"
#include "platform/files/faults.h"
#include "shell/donnees.h"
#include "shell/mod_form_zoomed.h"

namespace {

using editor_test::Fiche;

class KovGeneralTest : public editor_test::EditorTest {
protected:
    // Cards of AGNEAU numbered 4, 9 and 12 among cards of other categories.
    void makeAgneau() {
        std::vector<Fiche> fiches;
        for (int n = 1; n <= 12; ++n) {
            fiches.push_back({n, QStringLiteral("BOE"), QStringLiteral("BOEUF %1").arg(n)});
        }
        fiches[3] = {4, "AGN", "GIGOT", "", "7 H", "a", "Cahors", "gigot\r\nail\r\n", "Dorer.\r\n"};
        fiches[8] = {9,
                     "AGN",
                     "NAVARIN",
                     "",
                     "1 H",
                     "aa",
                     "Saint-Joseph",
                     "épaule\r\nnavets",
                     "Revenir.\r\nMijoter.\r\n"};
        fiches[11] = {12, "AGN", "ÉPAULE", "", "2 H", "aaa", "Bandol", "épaule\r\n", "Rôtir.\r\n"};
        makeBase(fiches);
    }
};

TEST_F(KovGeneralTest, the_line_lists_are_those_of_the_card_shown) {
    makeAgneau();
    KovGeneral& editeur = openEditor(QStringLiteral("AGN"), QStringLiteral("AGNEAU"));
    act([&] { editeur.MSFlexGrid1.clickCell(2, 1); });
    // The last ingredient has no line break: it is shown, but it is no line of the list.
    EXPECT_EQ(editeur.Text5.Text, QStringLiteral("épaule\r\nnavets"));
    EXPECT_EQ(editeur.List1.items(), QStringList{QStringLiteral("épaule")});
    EXPECT_EQ(editeur.List2.items(), (QStringList{"Revenir.", "Mijoter."}));

    act([&] { editeur.Suivant_Click(); });
    EXPECT_EQ(editeur.Label9.Caption, QStringLiteral("Fiche N° 12 N° 3"));
    EXPECT_EQ(editeur.List1.items(), QStringList{QStringLiteral("épaule")});
    EXPECT_EQ(editeur.List2.items(), QStringList{QStringLiteral("Rôtir.")});

    act([&] { editeur.Preced_Click(); });
    act([&] { editeur.Preced_Click(); });
    EXPECT_EQ(editeur.Label9.Caption, QStringLiteral("Fiche N° 4 N° 1"));
    EXPECT_EQ(editeur.List1.items(), (QStringList{"gigot", "ail"}));
    EXPECT_EQ(editeur.List2.items(), QStringList{QStringLiteral("Dorer.")});
}

TEST_F(KovGeneralTest, the_list_follows_the_screen_scale) {
    makeBase({{1, "AGN", "GIGOT"}});
    KovGeneral& editeur = openEditor(QStringLiteral("AGN"), QStringLiteral("AGNEAU"));
    struct Cas {
        int pourcentage;
        double numero, titre, police;
    };
    for (const Cas& cas :
         {Cas{100, 800, 8000, 8.0}, Cas{102, 816, 8160, 8.16}, Cas{133, 1064, 10640, 10.64}}) {
        SCOPED_TRACE(cas.pourcentage);
        ModFormZoomed::Pourcentage = cas.pourcentage;
        act([&] { editeur.Lire(); });
        EXPECT_EQ(editeur.MSFlexGrid1.colWidth(0), cas.numero);
        EXPECT_EQ(editeur.MSFlexGrid1.colWidth(1), cas.titre);
        EXPECT_DOUBLE_EQ(editeur.MSFlexGrid1.FontSize, cas.police);
    }
}

TEST_F(KovGeneralTest, a_new_card_stores_every_field_by_the_rules) {
    makeBase({{1, "AGN", "GIGOT"}, {2, "BOE", "POT-AU-FEU"}});
    KovGeneral& editeur = openEditor(QStringLiteral("MAG"), QStringLiteral("FROMAGE"));
    act([&] { editeur.Creer_Click(); });
    // Pasted text takes no key press: the save itself upper-cases title and times.
    editeur.Text1.paste(QStringLiteral("Fondue savoyarde"));
    editeur.Text2.paste(QStringLiteral("15 mn"));
    editeur.Text3.paste(QStringLiteral(""));
    editeur.Text4.paste(QStringLiteral("ab"));
    editeur.Text5.paste(QStringLiteral("Beaufort\r\nComté\r\nvin blanc"));
    editeur.Text6.paste(QStringLiteral("Frotter le caquelon.\r\n"));
    editeur.Text7.paste(QStringLiteral(""));
    // The picture chosen lives in Image1 until the save writes it.
    putPicture(QStringLiteral("choisie.jpg"), Qt::red);
    editeur.Image1.LoadPicture(path(QStringLiteral("choisie.jpg")));
    act([&] { editeur.Enreg_Click(); });

    const std::vector<Fiche> apres = readBack();
    ASSERT_EQ(apres.size(), 3u);
    EXPECT_EQ(apres[2], (Fiche{3, "MAG", "FONDUE SAVOYARDE", "15 MN", "?", "ab", "?",
                               "Beaufort\r\nComté\r\nvin blanc", "Frotter le caquelon.\r\n"}));
    EXPECT_EQ(pictures(), (QStringList{"Fondue savoyarde.JPG", "PAS.jpg"}));
    const QImage ecrite(path(QStringLiteral("Images/Fondue savoyarde.JPG")));
    EXPECT_GT(ecrite.pixelColor(4, 4).red(), 200);
    EXPECT_TRUE(lines_.filter(QStringLiteral("msgbox")).isEmpty())
        << lines_.join('\n').toStdString();
}

TEST_F(KovGeneralTest, title_and_times_are_upper_cased_key_by_key) {
    makeBase({});
    KovGeneral& editeur = openEditor(QStringLiteral("AGN"), QStringLiteral("AGNEAU"));
    act([&] { editeur.Creer_Click(); });
    struct Cas {
        int tape, attendu;
    };
    for (const Cas& cas : {Cas{'a', 'A'}, Cas{u'é', u'É'}, Cas{u'œ', u'Œ'}, Cas{'7', '7'},
                           Cas{' ', ' '}, Cas{8, 8}, Cas{u'ß', u'ß'}}) {
        using Touche = void (KovGeneral::*)(int&);
        for (Touche handler : {&KovGeneral::Text1_KeyPress, &KovGeneral::Text2_KeyPress,
                               &KovGeneral::Text3_KeyPress}) {
            int code = cas.tape;
            (editeur.*handler)(code);
            EXPECT_EQ(code, cas.attendu) << cas.tape;
        }
    }
    // The other boxes take the keys as typed.
    editeur.Text4.typeKey('a');
    editeur.Text7.typeKey('b');
    EXPECT_EQ(editeur.Text4.Text + editeur.Text7.Text, QStringLiteral("ab"));
}

TEST_F(KovGeneralTest, cards_that_share_a_title_stay_apart) {
    // Two cards of one title, as modifications could once make them.
    makeBase({{1, "DES", "TARTE", "", "1 H", "a", "Cidre", "pommes\r\n", "Une.\r\n"},
              {2, "DES", "TARTE", "", "1 H", "a", "Cidre", "poires\r\n", "Deux.\r\n"},
              {3, "DES", "FLAN"}});
    KovGeneral& editeur = openEditor(QStringLiteral("DES"), QStringLiteral("DESSERT"));
    act([&] { editeur.MSFlexGrid1.clickCell(3, 1); });
    editeur.Text1.paste(QStringLiteral("TARTE"));
    act([&] { editeur.Enregistre_Click(); });
    EXPECT_EQ(lines_.filter(QStringLiteral("existe déjà")).size(), 1) << "taking it is refused";
    EXPECT_EQ(readBack()[2].titre, QStringLiteral("FLAN"));

    act([&] { editeur.Retour_Click(); });
    act([&] { editeur.MSFlexGrid1.clickCell(2, 1); });
    EXPECT_EQ(editeur.Label9.Caption, QStringLiteral("Fiche N° 2 N° 2"));
    EXPECT_EQ(editeur.Text5.Text, QStringLiteral("poires\r\n")) << "the row picked is shown";
    editeur.Text6.paste(QStringLiteral("Deux, longtemps.\r\n"));
    act([&] { editeur.Enregistre_Click(); });
    EXPECT_EQ(lines_.filter(QStringLiteral("existe déjà")).size(), 1) << "keeping it is not";
    const std::vector<Fiche> apres = readBack();
    EXPECT_EQ(apres[0].preparation, QStringLiteral("Une.\r\n"));
    EXPECT_EQ(apres[1].preparation, QStringLiteral("Deux, longtemps.\r\n"));
    EXPECT_EQ(apres[1].ingrediant, QStringLiteral("poires\r\n"));
}

TEST_F(KovGeneralTest, a_title_that_cannot_name_a_file_is_refused_before_anything_is_written) {
    makeBase({{1, "DES", "TARTE"}});
    putPicture(QStringLiteral("Images/TARTE.jpg"), Qt::blue);
    KovGeneral& editeur = openEditor(QStringLiteral("DES"), QStringLiteral("DESSERT"));
    const std::vector<Fiche> avant = readBack();
    const QStringList titres{"..",     ".",      "A/B",   "A\\B", "..\\..\\PAS", "C:TARTE",
                             "TARTE*", "TARTE?", "\"A\"", "<A>",  "A|B",         "A\tB"};
    for (const QString& titre : titres) {
        SCOPED_TRACE(titre.toStdString());
        for (const bool nouvelle : {true, false}) {
            lines_.clear();
            act([&] {
                if (nouvelle) {
                    editeur.Creer_Click();
                } else {
                    editeur.Retour_Click();
                    editeur.MSFlexGrid1.clickCell(1, 1);
                }
            });
            editeur.Text1.paste(titre);
            editeur.Text4.paste(QStringLiteral("a"));
            editeur.Text5.paste(QStringLiteral("x\r\n"));
            editeur.Text6.paste(QStringLiteral("y\r\n"));
            act([&] { nouvelle ? editeur.Enreg_Click() : editeur.Enregistre_Click(); });
            ASSERT_EQ(lines_.size(), 1);
            EXPECT_TRUE(lines_[0].contains(QStringLiteral("changez le nom")))
                << lines_[0].toStdString();
            EXPECT_EQ(readBack(), avant);
            EXPECT_EQ(pictures(), (QStringList{"PAS.jpg", "TARTE.jpg"}));
            EXPECT_TRUE(editeur.Text1.Visible) << "the card stays on screen";
        }
    }
}

TEST_F(KovGeneralTest, a_picture_that_cannot_be_written_leaves_the_card_saved) {
    makeBase({{1, "DES", "TARTE"}});
    KovGeneral& editeur = openEditor(QStringLiteral("DES"), QStringLiteral("DESSERT"));
    act([&] { editeur.MSFlexGrid1.clickCell(1, 1); });
    editeur.Text7.paste(QStringLiteral("Cidre brut"));
    platform::files::setFaultHook([](std::string_view operation, const QString& path) {
        if (operation == "write" && path.contains(QStringLiteral("/Images/"))) {
            throw platform::Error(platform::err::DiskFull, QStringLiteral("disque plein"));
        }
    });
    act([&] { editeur.Enregistre_Click(); });

    EXPECT_EQ(readBack()[0].vin, QStringLiteral("Cidre brut"));
    ASSERT_EQ(lines_.filter(QStringLiteral("msgbox")).size(), 1);
    EXPECT_TRUE(lines_.filter(QStringLiteral("msgbox"))[0].contains(
        QStringLiteral("La fiche est enregistrée, mais son image n'a pas pu être écrite")));
    EXPECT_EQ(pictures(), QStringList{QStringLiteral("PAS.jpg")});
    EXPECT_TRUE(editeur.MSFlexGrid1.Visible) << "back to the list";
}

TEST_F(KovGeneralTest, a_refused_commit_of_a_deletion_keeps_the_card_and_its_picture) {
    makeBase({{1, "DES", "TARTE"}, {2, "DES", "FLAN"}, {3, "AGN", "GIGOT"}});
    putPicture(QStringLiteral("Images/FLAN.jpg"), Qt::blue);
    KovGeneral& editeur = openEditor(QStringLiteral("DES"), QStringLiteral("DESSERT"));
    act([&] { editeur.MSFlexGrid1.clickCell(2, 1); });
    const std::vector<Fiche> avant = readBack();
    platform::files::setFaultHook([](std::string_view operation, const QString&) {
        if (operation == "commit") {
            throw platform::Error(platform::err::DiskFull, QStringLiteral("disque plein"));
        }
    });
    act([&] { editeur.Efface_Click(); });
    platform::files::setFaultHook({});

    EXPECT_EQ(readBack(), avant);
    EXPECT_EQ(pictures(), (QStringList{"FLAN.jpg", "PAS.jpg"}));
    EXPECT_EQ(lines_.filter(QStringLiteral("msgbox")).size(), 1) << "the user is told";
}

TEST_F(KovGeneralTest, a_damaged_picture_file_still_shows_the_card) {
    makeBase({{1, "DES", "TARTE"}});
    QFile abime(path(QStringLiteral("Images/TARTE.jpg")));
    ASSERT_TRUE(abime.open(QIODevice::WriteOnly));
    abime.write("not a picture");
    abime.close();
    KovGeneral& editeur = openEditor(QStringLiteral("DES"), QStringLiteral("DESSERT"));
    act([&] { editeur.MSFlexGrid1.clickCell(1, 1); });
    EXPECT_EQ(editeur.Text1.Text, QStringLiteral("TARTE"));
    EXPECT_TRUE(editeur.Text1.Visible);
    EXPECT_TRUE(editeur.Retour.Visible);
    EXPECT_EQ(editeur.Image1.fileName(), QStringLiteral("Images\\PAS.jpg"));
    EXPECT_TRUE(editeur.AjoutIma.Visible) << "another picture can be added";
    EXPECT_TRUE(lines_.filter(QStringLiteral("msgbox")).isEmpty());
}

}  // namespace
