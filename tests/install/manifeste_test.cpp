#include "install/manifeste.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/core/error.h"
#include "platform/files/names.h"

using namespace Manifeste;

namespace {

// The 60-column file entry and the 80-column shortcut entry of the layout that reads right.
QString fichier(const QString& source, const QString& destination) {
    return source.leftJustified(20) + destination.rightJustified(40);
}
QString raccourci(const QString& nom, const QString& cible) {
    return nom.leftJustified(40) + cible.rightJustified(40);
}

TEST(Manifeste, the_manifest_is_read_field_by_field) {
    QTemporaryDir dir;
    platform::files::setProgramFolder(dir.path());
    QFile file(dir.filePath(QStringLiteral("Lire.pie")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "Mkdir Orvale\\Recette\r\n"
        "   Base.kov\r\n"                   // leading spaces skipped
        "\"Recette, le livre\",Orvale\r\n"  // a quoted field holds a comma
        "a,b\r\n"                           // an unquoted comma splits
        "\r\n"                              // an empty line is an empty field
        "CR\xC8ME.jpg\n"                    // Windows-1252, a lone LF
        "[ICONE]");                         // no line end at the very end
    file.close();
    EXPECT_EQ(LireLesChamps(QStringLiteral("Lire.pie")),
              (QStringList{QStringLiteral("Mkdir Orvale\\Recette"), QStringLiteral("Base.kov"),
                           QStringLiteral("Recette, le livre"), QStringLiteral("Orvale"),
                           QStringLiteral("a"), QStringLiteral("b"), QString(),
                           QStringLiteral("CRÈME.jpg"), QStringLiteral("[ICONE]")}));
    EXPECT_EQ(PremierChamp(QStringLiteral("Lire.pie")), QStringLiteral("Mkdir Orvale\\Recette"));

    try {
        LireLesChamps(QStringLiteral("Absent.pie"));
        ADD_FAILURE() << "a missing manifest was read";
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.number(), platform::err::FileNotFound);
    }
    EXPECT_EQ(PremierChamp(QStringLiteral("Absent.dll")), QString());
}

TEST(Manifeste, entries_are_the_marker_a_folder_or_a_file_told_apart_in_that_order) {
    struct Case {
        QString entree;
        Genre genre;
        QString premier;  // the folder path, or the file's source
        QString second;   // the file's destination
    };
    const Case cases[] = {
        {QStringLiteral("[ICONE]"), Genre::Marqueur, {}, {}},
        {QStringLiteral("[icone]"), Genre::Fichier, QStringLiteral("[icone]"),
         QStringLiteral("[icone]")},
        {QStringLiteral("[ICONE] "), Genre::Fichier, QStringLiteral("[ICONE]"),
         QStringLiteral("[ICONE]")},
        {QStringLiteral("Mkdir Orvale\\Recette"),
         Genre::Dossier,
         QStringLiteral("Orvale\\Recette"),
         {}},
        {QStringLiteral("Mkdir    Orvale\\Images  "),
         Genre::Dossier,
         QStringLiteral("Orvale\\Images"),
         {}},
        {QStringLiteral("MkdirOrvale"), Genre::Dossier, QStringLiteral("Orvale"), {}},
        {QStringLiteral("mkdir Orvale"), Genre::Fichier, QStringLiteral("mkdir Orvale"),
         QStringLiteral("mkdir Orvale")},
        {fichier(QStringLiteral("Recette.exe"), QStringLiteral("Orvale\\Recette\\Recette.exe")),
         Genre::Fichier, QStringLiteral("Recette.exe"),
         QStringLiteral("Orvale\\Recette\\Recette.exe")},
        // A source of 20 characters and a destination of 40: no space between them.
        {QStringLiteral("ABCDEFGHIJKLMNOP.txt") +
             QStringLiteral("Orvale\\Recette\\").leftJustified(36, u'x') + QStringLiteral(".txt"),
         Genre::Fichier, QStringLiteral("ABCDEFGHIJKLMNOP.txt"),
         QStringLiteral("Orvale\\Recette\\").leftJustified(36, u'x') + QStringLiteral(".txt")},
        // Out of the columns: the 20 and 40 characters overlap, and both read wrong.
        {QStringLiteral("Recette.exe Orvale\\Recette.exe"), Genre::Fichier,
         QStringLiteral("Recette.exe Orvale\\R"),
         QStringLiteral("Recette.exe Orvale\\Recette.exe")},
        // No source in the first 20 columns: the entry is skipped.
        {QString(20, u' ') + QStringLiteral("Orvale\\Recette\\Base.kov").rightJustified(40),
         Genre::Fichier, QString(), QStringLiteral("Orvale\\Recette\\Base.kov")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entree.toStdString());
        EXPECT_EQ(GenreDeLEntree(c.entree), c.genre);
        if (c.genre == Genre::Dossier) {
            EXPECT_EQ(CheminDuDossier(c.entree), c.premier);
        } else if (c.genre == Genre::Fichier) {
            EXPECT_EQ(SourceDuFichier(c.entree), c.premier);
            EXPECT_EQ(DestinationDuFichier(c.entree), c.second);
        }
    }
}

TEST(Manifeste, every_entry_after_the_first_marker_is_a_shortcut_entry) {
    const QString recette =
        raccourci(QStringLiteral("Recette"), QStringLiteral("Orvale\\Recette\\Recette"));
    EXPECT_EQ(NomDuRaccourci(recette), QStringLiteral("Recette"));
    EXPECT_EQ(CibleDuRaccourci(recette), QStringLiteral("Orvale\\Recette\\Recette"));

    const QStringList copies{QStringLiteral("Mkdir Orvale\\Recette"),
                             fichier(QStringLiteral("Recette"), QStringLiteral("Orvale\\Recette"))};
    EXPECT_EQ(EntreesDeRaccourci(copies), QStringList()) << "no marker, no shortcut";
    EXPECT_EQ(EntreesDeRaccourci(copies + QStringList{Marqueur}), QStringList());
    const QStringList apres{recette, QStringLiteral("Mkdir Orvale\\Autre"), Marqueur,
                            fichier(QStringLiteral("Base.kov"), QStringLiteral("Orvale\\B"))};
    EXPECT_EQ(EntreesDeRaccourci(copies + QStringList{Marqueur} + apres), apres);
}

TEST(Manifeste, only_paths_inside_the_orvale_folder_are_written) {
    const struct {
        const char* chemin;
        bool dedans;
    } cases[] = {
        {"Orvale", true},
        {"Orvale\\Recette\\Images\\CRÈME BRÛLÉE.jpg", true},
        {"orvale/Recette/Base.kov", true},
        {"Orvale\\..\\Recette", false},
        {"..\\Orvale\\Recette", false},
        {"Orvale\\Recette\\..\\..\\x", false},
        {"\\Orvale\\Recette", false},
        {"/etc/passwd", false},
        {"D:\\Orvale\\Recette", false},
        {"Orvale\\D:x", false},
        {"Orvale\\\\Recette", false},
        {"Orvale\\Recette\\", false},
        {"Orvale\\*.mdb", false},
        {"Autre\\Recette", false},
        {"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DansOrvale(QString::fromUtf8(c.chemin)), c.dedans) << c.chemin;
    }
}

// Our own manifest, as the distribution folder holds it: the columns of the layout, a source
// beside the installer for every file, a shortcut only to a file installed, and Tamrok.dll
// naming a folder that is created.
TEST(Manifeste, the_manifest_of_the_distribution_reads_as_intended) {
    const QString distribution = QStringLiteral(DISTRIBUTION_DIR);
    platform::files::setProgramFolder(distribution);
    const QStringList entrees = LireLesChamps(QStringLiteral("Lire.pie"));
    ASSERT_TRUE(entrees.contains(Marqueur));
    QStringList dossiers;
    QStringList destinations;
    for (const QString& entree : entrees.mid(0, entrees.indexOf(Marqueur))) {
        SCOPED_TRACE(entree.toStdString());
        if (GenreDeLEntree(entree) == Genre::Dossier) {
            EXPECT_TRUE(DansOrvale(CheminDuDossier(entree)));
            dossiers << CheminDuDossier(entree);
            continue;
        }
        EXPECT_EQ(entree.size(), 60);
        EXPECT_TRUE(QFileInfo(distribution + u'/' + SourceDuFichier(entree)).isFile());
        EXPECT_TRUE(DansOrvale(DestinationDuFichier(entree)));
        destinations << DestinationDuFichier(entree);
    }
    const QStringList raccourcis = EntreesDeRaccourci(entrees);
    ASSERT_FALSE(raccourcis.isEmpty());
    EXPECT_EQ(NomDuRaccourci(raccourcis.first()), QStringLiteral("Recette")) << "the group";
    for (const QString& entree : raccourcis) {
        SCOPED_TRACE(entree.toStdString());
        EXPECT_EQ(entree.size(), 80);
        EXPECT_TRUE(destinations.contains(CibleDuRaccourci(entree)));
    }
    const QString programme = PremierChamp(QStringLiteral("Tamrok.dll"));
    EXPECT_TRUE(dossiers.contains(QStringLiteral("Orvale\\") + programme))
        << programme.toStdString();
    EXPECT_TRUE(destinations.contains(QStringLiteral("Orvale\\%1\\Recette").arg(programme)));
}

}  // namespace
