// The printed card on a recording printer (lines, columns, font, colour, picture, page breaks, the
// window it takes its picture and lists from) and once as a real PDF read back with poppler.
#include "printing/imprime_fiche.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "editor/kov_general.h"
#include "headless_session.h"
#include "platform/data/database.h"
#include "platform/files/names.h"
#include "platform/forms/instances.h"
#include "platform/printer/pdf_sink.h"
#include "platform/printer/printer.h"
#include "platform/printer/recording_sink.h"
#include "printing/kov_imprime.h"
#include "qt_print.h"
#include "search/kov_recherche.h"
#include "shell/donnees.h"
#include "sqlite_fixture.h"

namespace {

namespace forms = platform::forms;
namespace printer = platform::printer;
using printer::Document;

// Keeps every document printed.
class Garde : public printer::PrinterSink {
public:
    explicit Garde(std::vector<Document>& documents) : documents_(documents) {}
    void print(const Document& document) override { documents_.push_back(document); }

private:
    std::vector<Document>& documents_;
};

QImage photo() {
    QImage image(300, 240, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 40));
    return image;
}

class ImprimeFiche : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dossier.isValid());
        Donnees::reset();
        platform::files::setProgramFolder(dossier.path());
        printer::printer().setSink(std::make_unique<Garde>(documents));
        Donnees::ImpTitre = QStringLiteral("TARTE AUX POMMES");
        Donnees::ImpPrepa = QStringLiteral("30 MN");
        Donnees::ImpCuisson = QStringLiteral("35 MN");
        Donnees::ImpDifficulte = QStringLiteral("aa");
        Donnees::ImpVin = QStringLiteral("Cidre brut");
        Donnees::Origine = 1;
    }
    void TearDown() override {
        forms::Instances::reset();
        printer::printer().setSink(nullptr);
    }

    // The search window as the source of the card.
    KovRecherche& recherche(const QStringList& ingredients, const QStringList& preparation) {
        KovRecherche& fenetre = forms::Load<KovRecherche>();
        fenetre.Image1.setImage(photo(), QStringLiteral("Images\\TARTE AUX POMMES.jpg"));
        for (const QString& i : ingredients) {
            fenetre.List1.AddItem(i);
        }
        for (const QString& p : preparation) {
            fenetre.List2.AddItem(p);
        }
        return fenetre;
    }

    QStringList imprime() {
        Donnees::ImprimeFiche();
        EXPECT_FALSE(forms::Instances::isLoaded<KovImprime>());
        return documents.empty() ? QStringList() : printer::transcript(documents.back());
    }

    // The texts of the printed lines, page by page.
    std::vector<QStringList> pages() const {
        std::vector<QStringList> textes;
        for (const printer::Page& page : documents.back().pages) {
            textes.emplace_back();
            for (const printer::PageItem& item : page.items) {
                if (const auto* ligne = std::get_if<printer::PrintedLine>(&item)) {
                    textes.back() << ligne->runs.back().text;
                }
            }
        }
        return textes;
    }

    QTemporaryDir dossier;
    test_support::HeadlessSession session;
    std::vector<Document> documents;
};

TEST_F(ImprimeFiche, prints_every_line_in_its_column_with_the_picture_at_the_top_right) {
    recherche({QStringLiteral("6 pommes"), QStringLiteral("1 pâte brisée")},
              {QStringLiteral("  Étaler la pâte.  "), QStringLiteral("Cuire 35 minutes.")});
    EXPECT_EQ(imprime(), (QStringList{
                             "document",
                             "page 1",
                             "  line 3: @37 \"TARTE AUX POMMES\"",
                             "  line 5: @10 \"Temps de Préparation\" @40 \"30 MN\"",
                             "  line 6: @10 \"Temps de Cuisson\" @40 \"35 MN\"",
                             "  line 7: @10 \"Niveau de Difficulté\" @40 \"aa\"",
                             "  line 8: @10 \"Boisson Conseiller\" @40 \"Cidre brut\"",
                             "  line 10: @25 \"Ingrediant\"",
                             "  picture 8000 900 3000 2400",
                             "  line 12: @10 \"6 pommes\"",
                             "  line 13: @10 \"1 pâte brisée\"",
                             "  line 15: @25 \"Preparation\"",
                             "  line 17: @10 \"Étaler la pâte.\"",
                             "  line 18: @10 \"Cuire 35 minutes.\"",
                             "  line 20: @40 \"Bon Appétit\"",
                             "end document",
                         }));
    const Document& document = documents.back();
    EXPECT_FALSE(document.landscape);
    EXPECT_FALSE(document.monochrome);
    for (const printer::PageItem& item : document.pages.front().items) {
        if (const auto* ligne = std::get_if<printer::PrintedLine>(&item)) {
            for (const printer::TextRun& run : ligne->runs) {
                EXPECT_EQ(run.font, (printer::FontSpec{QStringLiteral("Arial"), 12, true}));
                EXPECT_EQ(run.color, QColor(0, 0, 128));
            }
        }
    }
}

TEST_F(ImprimeFiche, the_title_starts_at_column_45_less_half_its_length) {
    struct Cas {
        int longueur;
        int colonne;
    };
    for (const Cas c : {Cas{10, 40}, Cas{7, 42}, Cas{5, 42}, Cas{89, 1}, Cas{90, 1}, Cas{100, 1}}) {
        SCOPED_TRACE(c.longueur);
        recherche({}, {});
        Donnees::ImpTitre = QString(c.longueur, u'T');
        EXPECT_EQ(imprime().at(2),
                  QStringLiteral("  line 3: @%1 \"%2\"").arg(c.colonne).arg(Donnees::ImpTitre));
    }
}

TEST(NouvellePage, every_60_preparation_lines_from_the_top_of_the_page_never_the_first_eleven) {
    struct Cas {
        int indice;
        int premiereDeLaPage;
        bool nouvelle;
    };
    for (const Cas c :
         {// Pages that hold the lines: 60, 120 ... counted from the first preparation line.
          Cas{0, 0, false}, Cas{10, 0, false}, Cas{59, 0, false}, Cas{60, 0, true},
          Cas{61, 60, false}, Cas{120, 60, true}, Cas{180, 120, true},
          // A page the printer started itself at line 44 counts from there.
          Cas{60, 44, false}, Cas{103, 44, false}, Cas{104, 44, true},
          // The first eleven lines never start a page, whatever the page.
          Cas{10, -50, false}, Cas{11, -49, true}}) {
        SCOPED_TRACE(testing::Message() << c.indice << " " << c.premiereDeLaPage);
        EXPECT_EQ(Donnees::NouvellePage(c.indice, c.premiereDeLaPage), c.nouvelle);
    }
}

TEST_F(ImprimeFiche, long_preparations_fill_every_page_and_lose_nothing) {
    // A4 in Arial 12 holds 58 lines: the printer's own overflow comes before 60 preparation
    // lines, so line 61 of a 61-line preparation is on page 2 and no page is left half empty.
    for (const int nombre : {61, 121}) {
        SCOPED_TRACE(nombre);
        QStringList etapes;
        for (int i = 1; i <= nombre; ++i) {
            etapes << QStringLiteral("Étape %1.").arg(i);
        }
        forms::Instances::reset();  // the lists of the previous round go with the window
        recherche({}, etapes);
        imprime();
        const std::vector<QStringList> textes = pages();
        // The first step follows its heading.
        EXPECT_EQ(textes[0].indexOf(QStringLiteral("Étape 1.")),
                  textes[0].indexOf(QStringLiteral("Preparation")) + 1);
        if (nombre == 61) {
            ASSERT_EQ(textes.size(), 2u);
            EXPECT_TRUE(textes[1].contains(QStringLiteral("Étape 61.")));
        } else {
            EXPECT_EQ(textes.size(), 3u);
        }
        // Every page but the last runs to the bottom of the paper.
        for (std::size_t p = 0; p + 1 < documents.back().pages.size(); ++p) {
            const auto& items = documents.back().pages[p].items;
            const auto* derniere = std::get_if<printer::PrintedLine>(&items.back());
            ASSERT_NE(derniere, nullptr);
            EXPECT_GE(derniere->number, 58);
        }
        // Nothing is lost: every step once, in order.
        QStringList toutes;
        for (const QStringList& page : textes) {
            toutes << page;
        }
        EXPECT_EQ(toutes.filter(QStringLiteral("Étape ")), etapes);
    }
}

TEST_F(ImprimeFiche, the_preparation_is_wrapped_and_trimmed_the_ingredients_are_not) {
    const QString longue = QString(60, u'a') + u' ' + QString(60, u'b');
    recherche({longue}, {longue});
    imprime();
    const QStringList lignes = pages().front();
    EXPECT_EQ(lignes.filter(longue).size(), 1);  // the ingredient, whole
    const qsizetype apres = lignes.indexOf(QStringLiteral("Preparation")) + 1;
    EXPECT_EQ(lignes.mid(apres, 2), (QStringList{QString(60, u'a'), QString(60, u'b')}));
}

TEST_F(ImprimeFiche, origine_1_takes_the_searchs_picture_and_lists_any_other_the_editors) {
    // Both windows loaded, each with a picture of its own size and lists of its own.
    KovRecherche& cherche = recherche({QStringLiteral("sel de la recherche")},
                                      {QStringLiteral("Saler, dit la recherche.")});
    const QString base = dossier.filePath(QStringLiteral("CUISINE.mdb"));
    test_support::FixtureConnection(base).exec(test_support::cuisineSchema());
    Donnees::Db = platform::data::DBEngine::OpenDatabase(base);
    KovGeneral& edite = forms::Load<KovGeneral>();
    edite.Image1.setImage(photo().scaled(60, 48), QStringLiteral("Images\\GIGOT.jpg"));
    edite.List1.AddItem(QStringLiteral("sel de l'éditeur"));
    edite.List2.AddItem(QStringLiteral("Saler, dit l'éditeur."));
    struct Cas {
        int origine;
        const forms::Picture* image;
        QString ingredient;
    };
    for (const Cas& c : {Cas{1, &cherche.Image1, QStringLiteral("sel de la recherche")},
                         Cas{2, &edite.Image1, QStringLiteral("sel de l'éditeur")},
                         Cas{0, &edite.Image1, QStringLiteral("sel de l'éditeur")},
                         Cas{3, &edite.Image1, QStringLiteral("sel de l'éditeur")}}) {
        SCOPED_TRACE(c.origine);
        Donnees::Origine = c.origine;
        const QStringList lignes = imprime();
        EXPECT_TRUE(lignes.contains(QStringLiteral("  line 12: @10 \"%1\"").arg(c.ingredient)));
        EXPECT_EQ(lignes.filter(QStringLiteral("dit ")).size(), 1);
        const std::vector<printer::PageItem>& items = documents.back().pages[0].items;
        const auto dessin = std::find_if(items.begin(), items.end(), [](const auto& item) {
            return std::holds_alternative<printer::PrintedPicture>(item);
        });
        ASSERT_NE(dessin, items.end());
        EXPECT_EQ(std::get<printer::PrintedPicture>(*dessin).image.size(), c.image->image().size());
    }
    Donnees::Db.Close();
}

TEST_F(ImprimeFiche, an_empty_picture_box_draws_nothing) {
    recherche({QStringLiteral("sel")}, {QStringLiteral("Saler.")}).Image1.Clear();
    const QStringList lignes = imprime();
    EXPECT_TRUE(lignes.filter(QStringLiteral("picture")).isEmpty());
    EXPECT_TRUE(lignes.contains(QStringLiteral("  line 12: @10 \"sel\"")));
}

TEST_F(ImprimeFiche, a_card_that_cannot_be_printed_says_why) {
    recherche({}, {});
    printer::printer().setSink(
        std::make_unique<printer::PdfSink>(dossier.filePath(QStringLiteral("absent/Impression"))));
    imprime();
    const QStringList messages = session.lines.filter(QStringLiteral("msgbox"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral(
        "msgbox \"Recette\" \"La fiche « TARTE AUX POMMES » n'a pas pu être imprimée.\\nErreur "
        "d'impression : impossible d'écrire le fichier PDF")))
        << messages[0].toStdString();
    // The next card prints whole, nothing of the failed one with it.
    printer::printer().setSink(std::make_unique<Garde>(documents));
    EXPECT_EQ(imprime().filter(QStringLiteral("TARTE AUX POMMES")).size(), 1);
}

// poppler's reading of a PDF file: its text, or its list of pictures.
QString poppler(const QString& programme, const QStringList& arguments) {
    QProcess outil;
    outil.start(programme, arguments);
    if (!outil.waitForFinished(30000) || outil.exitCode() != 0) {
        ADD_FAILURE() << programme.toStdString()
                      << " failed: " << outil.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(outil.readAllStandardOutput());
}

TEST_F(ImprimeFiche, a_real_pdf_holds_the_cards_text_and_its_picture) {
    recherche({QStringLiteral("6 pommes")}, {QStringLiteral("Cuire 35 minutes.")});
    const QString stem = dossier.filePath(QStringLiteral("Impression"));
    printer::printer().setSink(std::make_unique<printer::PdfSink>(stem));
    Donnees::ImprimeFiche();
    const QString pdf = stem + QStringLiteral("-1.pdf");
    ASSERT_TRUE(QFile::exists(pdf));

    const QString texte = poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    for (const char* attendu : {"TARTE AUX POMMES", "Temps de Préparation", "Temps de Cuisson",
                                "Niveau de Difficulté", "Boisson Conseiller", "Cidre brut",
                                "Ingrediant", "6 pommes", "Preparation", "Bon Appétit"}) {
        EXPECT_TRUE(texte.contains(QString::fromUtf8(attendu))) << attendu << "\n"
                                                                << texte.toStdString();
    }
    // One picture, drawn on the first page.
    const QStringList images =
        poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split(u'\n');
    ASSERT_GE(images.size(), 3) << images.join(u'\n').toStdString();
    EXPECT_TRUE(images[2].simplified().startsWith(QStringLiteral("1 0 image 300 240")))
        << images[2].toStdString();

    // The first page as a picture, for a developer to look at (the README shows one).
    poppler(QStringLiteral("pdftoppm"),
            {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
             QStringLiteral("-singlefile"), pdf, QStringLiteral(RENDU_DIR "/fiche")});
}

}  // namespace
