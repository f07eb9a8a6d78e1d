// The text window shows the category text that the program folder ships for every display name
// of the catalogue, decoded from Windows-1252, over the editor it holds out of use.
#include "printing/kov_texte.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "base/catalogue.h"
#include "editor/kov_general.h"
#include "headless_session.h"
#include "platform/files/names.h"
#include "platform/forms/instances.h"
#include "shell/donnees.h"
#include "shell/kov_depart.h"
#include "shell/mod_form_zoomed.h"
#include "sqlite_fixture.h"

namespace forms = platform::forms;

namespace {

// The text as written in the sources (UTF-8, LF), with the CR LF of the shipped file.
QString texteSource(const QString& nom) {
    QFile source(QStringLiteral(RECETTE_DATA_DIR "/categories/") + nom + QStringLiteral(".txt"));
    EXPECT_TRUE(source.open(QIODevice::ReadOnly)) << nom.toStdString();
    QString texte = QString::fromUtf8(source.readAll());
    texte.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return texte;
}

}  // namespace

TEST(KovTexte, every_category_of_the_catalogue_finds_its_shipped_text) {
    // A copy of the assembled program folder, with a base.
    QTemporaryDir folder;
    const QDir programme(QStringLiteral(RECETTE_PROGRAM_FOLDER));
    for (const QString& nom : programme.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
        ASSERT_TRUE(QFile::copy(programme.filePath(nom), folder.filePath(nom)));
    }
    {
        const test_support::FixtureConnection base(folder.filePath(QStringLiteral("CUISINE.mdb")));
        base.exec(test_support::cuisineSchema());
    }
    platform::files::setProgramFolder(folder.path());
    platform::files::changeWorkingFolder(folder.path());
    const test_support::HeadlessSession session;
    Donnees::reset();
    const auto act = test_support::HeadlessSession::act;
    // The main window holds the session between the categories, as in a real one.
    act([] {
        forms::Load<KovDepart>();
        Donnees::Db = platform::data::DBEngine::OpenDatabase(QStringLiteral("CUISINE.mdb"));
    });

    for (const base::Categorie& categorie : base::Catalogue) {
        const QString nom = categorie.libelle.toString();
        SCOPED_TRACE(nom.toStdString());
        act([&] {
            Donnees::CodeCategorie = categorie.code.toString();
            Donnees::NomCategorie = nom;
            forms::Load<KovGeneral>();
            forms::Load<KovTexte>();
        });
        KovTexte& texte = forms::Instance<KovTexte>();
        EXPECT_FALSE(texte.Text1.Text.isEmpty());
        EXPECT_EQ(texte.Text1.Text, texteSource(nom));
        EXPECT_FALSE(forms::Instance<KovGeneral>().Enabled);
        EXPECT_EQ(texte.Text1.FontSize, ModFormZoomed::TaillePolice);
        EXPECT_EQ(texte.Left, (ModFormZoomed::LargeurEcran - 12000) / 2.0) << "centred";
        EXPECT_EQ(texte.Top, (ModFormZoomed::HauteurEcran - 9000) / 2.0);
        act([&] { texte.Suite_Click(); });
        EXPECT_FALSE(forms::Instances::isLoaded<KovTexte>());
        EXPECT_TRUE(forms::Instance<KovGeneral>().Enabled);
        act([] { forms::Instance<KovGeneral>().Gene_Click(); });
    }

    act([] { Donnees::Db.Close(); });
}
