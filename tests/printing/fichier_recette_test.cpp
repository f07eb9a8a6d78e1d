// The recipe text file, byte for byte: Windows-1252, CR LF, the columns of the printed card, the
// title centred, the preparation wrapped; appended card after card; refused or failing cleanly.
#include "printing/fichier_recette.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "headless_session.h"
#include "platform/core/error.h"
#include "platform/core/text.h"
#include "platform/files/faults.h"
#include "platform/files/names.h"
#include "platform/forms/form.h"
#include "platform/forms/instances.h"
#include "platform/printer/printer.h"
#include "printing/kov_imprime.h"
#include "qt_print.h"
#include "shell/donnees.h"

namespace {

namespace files = platform::files;
namespace forms = platform::forms;
using platform::spaces;

// The window that asks: its two line lists.
class Appelante : public forms::Form {
public:
    Appelante() : Form(QStringLiteral("Appelante")) {}
    forms::ListBox List1{*this, QStringLiteral("List1")};
    forms::ListBox List2{*this, QStringLiteral("List2")};
};

QByteArray lignes(const QStringList& texte) {
    QByteArray octets;
    for (const QString& ligne : texte) {
        octets += ligne.toLatin1() + "\r\n";  // the test's texts are Latin-1, the same bytes
    }
    return octets;
}

class FichierRecette : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dossier.isValid());
        Donnees::reset();
        files::setProgramFolder(dossier.path());
        files::changeWorkingFolder(dossier.path());
        auto& imprimante = platform::printer::printer();
        imprimante.FontName = QStringLiteral("Arial");
        imprimante.FontSize = 12;
        imprimante.FontBold = true;
    }
    void TearDown() override {
        files::setFaultHook({});
        forms::Instances::reset();
    }

    void ecrit(const QString& titre, const QStringList& ingredients = {},
               const QStringList& preparation = {}) {
        appelante.List1.Clear();
        appelante.List2.Clear();
        for (const QString& i : ingredients) {
            appelante.List1.AddItem(i);
        }
        for (const QString& p : preparation) {
            appelante.List2.AddItem(p);
        }
        Donnees::EcritFicheTexte({titre, QStringLiteral("20 MN"), QStringLiteral("1 H"),
                                  QStringLiteral("aa"), QStringLiteral("Cidre"), appelante.List1,
                                  appelante.List2});
    }

    QByteArray contenu(const QString& nom) const {
        QFile fichier(dossier.filePath(nom));
        return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
    }

    QTemporaryDir dossier;
    test_support::HeadlessSession session;
    Appelante appelante;
};

TEST_F(FichierRecette, the_title_starts_at_column_45_less_half_its_length) {
    struct Cas {
        QString titre;
        int espaces;
    };
    const Cas cas[] = {
        {QStringLiteral("TARTE"), 41},       // 45 - 2.5 = 42.5, to the even 42
        {QStringLiteral("POT AU FEU"), 39},  // 40
        {QStringLiteral("FLAN"), 42},        // 43
        {QString(87, u'A'), 1},              // 1.5, to the even 2
        {QString(88, u'B'), 0},              // 1
        {QString(100, u'C'), 0},             // -5 counts as 1
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.titre.toStdString());
        ecrit(c.titre);
        EXPECT_TRUE(contenu(c.titre + QStringLiteral(".txt"))
                        .startsWith(lignes({spaces(c.espaces) + c.titre, QString()})));
    }
}

TEST_F(FichierRecette, a_card_holds_every_line_in_its_column) {
    ecrit(QStringLiteral("TARTE"), {QStringLiteral("a"), QStringLiteral("b")},
          {QStringLiteral("  Cuire.  "), QString()});
    const QByteArray attendu = lignes({
        spaces(41) + QStringLiteral("TARTE"),
        QString(),
        spaces(9) + QStringLiteral("Temps de Préparation") + spaces(10) + QStringLiteral("20 MN"),
        spaces(9) + QStringLiteral("Temps de Cuisson") + spaces(14) + QStringLiteral("1 H"),
        spaces(9) + QStringLiteral("Niveau de Difficulté") + spaces(10) + QStringLiteral("aa"),
        spaces(9) + QStringLiteral("Boisson Conseiller") + spaces(12) + QStringLiteral("Cidre"),
        QString(),
        spaces(24) + QStringLiteral("Ingrediant"),
        QString(),
        spaces(9) + QStringLiteral("a"),
        spaces(9) + QStringLiteral("b"),
        QString(),
        spaces(24) + QStringLiteral("Preparation"),
        QString(),
        spaces(9) + QStringLiteral("Cuire."),  // trimmed
        spaces(9),                             // an empty line still goes to column 10
        QString(),
        spaces(39) + QStringLiteral("Bon Appétit"),
    });
    EXPECT_EQ(contenu(QStringLiteral("TARTE.txt")), attendu);
    EXPECT_TRUE(attendu.contains("Pr\xE9paration"));  // é is the single byte 0xE9
    EXPECT_FALSE(forms::Instances::isLoaded<KovImprime>());
}

TEST_F(FichierRecette, each_export_appends_one_more_card) {
    QFile notes(dossier.filePath(QStringLiteral("TARTE.txt")));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("Notes\r\n");
    notes.close();
    ecrit(QStringLiteral("TARTE"), {QStringLiteral("a")});
    const QByteArray une = contenu(QStringLiteral("TARTE.txt")).mid(7);
    ecrit(QStringLiteral("TARTE"), {QStringLiteral("a")});
    EXPECT_EQ(contenu(QStringLiteral("TARTE.txt")), "Notes\r\n" + une + une);
}

TEST_F(FichierRecette, the_preparation_is_wrapped_and_each_line_trimmed_at_column_10) {
    const QString longue = QStringLiteral(
        "Beurrer un moule, y verser la pâte et la laisser reposer une heure au frais avant de la "
        "cuire trente minutes à four chaud.");
    ecrit(QStringLiteral("FLAN"), {}, {longue});
    const QString texte = QString::fromLatin1(contenu(QStringLiteral("FLAN.txt")));
    QStringList ecrites = texte.split(QStringLiteral("\r\n"));
    ecrites = ecrites.mid(ecrites.indexOf(spaces(24) + QStringLiteral("Preparation")) + 2);
    ecrites = ecrites.mid(0, ecrites.indexOf(QString()));
    ASSERT_EQ(ecrites.size(), 2);
    QStringList morceaux;
    for (const QString& ligne : ecrites) {
        EXPECT_TRUE(ligne.startsWith(spaces(9)) && ligne[9] != u' ') << ligne.toStdString();
        EXPECT_FALSE(ligne.endsWith(u' '));
        morceaux << ligne.mid(9);
    }
    EXPECT_EQ(morceaux.join(u' '), longue);
}

TEST_F(FichierRecette, a_title_that_cannot_name_a_file_writes_nothing_and_says_so) {
    for (const QString& titre : {QString(), QStringLiteral("SAUCE 1/2 SEL"),
                                 QStringLiteral("..\\FLAN"), QStringLiteral("FLAN : RAPIDE")}) {
        SCOPED_TRACE(titre.toStdString());
        session.lines.clear();
        ecrit(titre);
        ASSERT_EQ(session.lines.size(), 1);
        EXPECT_TRUE(
            session.lines[0].startsWith(QStringLiteral("msgbox \"Recette\" \"La recette « ")));
        EXPECT_TRUE(
            session.lines[0].contains(QStringLiteral("ne peut pas servir de nom de fichier")));
    }
    EXPECT_EQ(
        QDir(dossier.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList());
}

TEST_F(FichierRecette, a_file_that_cannot_be_written_keeps_what_it_held_and_says_so) {
    ecrit(QStringLiteral("TARTE"));
    const QByteArray avant = contenu(QStringLiteral("TARTE.txt"));
    files::setFaultHook([](std::string_view operation, const QString&) {
        if (operation == "write") {
            throw platform::Error(platform::err::PathFileAccess, QStringLiteral("disque plein"));
        }
    });
    session.lines.clear();
    ecrit(QStringLiteral("TARTE"));
    EXPECT_EQ(contenu(QStringLiteral("TARTE.txt")), avant);
    EXPECT_EQ(session.lines.filter(QStringLiteral("msgbox")),
              QStringList{QStringLiteral(
                  "msgbox \"Recette\" \"Le fichier « TARTE.txt » n'a pas pu être écrit : "
                  "la recette n'y a pas été ajoutée.\\ndisque plein\" OK -> OK")});
    EXPECT_FALSE(forms::Instances::isLoaded<KovImprime>());
}

}  // namespace
