#include "platform/files/names.h"

#include "fixture.h"

using namespace platform;
using namespace platform::files;
using files_test::errorOf;

namespace {

class Names : public files_test::FolderTest {};

TEST_F(Names, components_take_the_spelling_that_exists_and_the_rest_as_written) {
    put(QStringLiteral("images/Soupe.JPG"), "x");
    put(QStringLiteral("Sauvegarde/Recettes/Base.mdb"), "x");
    setDrive(u'D', path(QStringLiteral("Sauvegarde")));
    const struct {
        const char16_t* name;
        const char16_t* expected;  // relative to the program folder
    } cases[] = {
        {u"Images\\SOUPE.jpg", u"images/Soupe.JPG"},
        {u"images/soupe.jpg", u"images/Soupe.JPG"},
        {u"IMAGES\\Nouvelle.jpg", u"images/Nouvelle.jpg"},
        {u"Neuf\\Sous\\A.txt", u"Neuf/Sous/A.txt"},
        {u"C:\\SAUVEGARDE\\recettes\\BASE.MDB", u"Sauvegarde/Recettes/Base.mdb"},
        {u"d:\\Recettes\\base.mdb", u"Sauvegarde/Recettes/Base.mdb"},
        {u"D:\\", u"Sauvegarde"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(resolve(QString::fromUtf16(c.name)),
                  QDir::cleanPath(path(QString::fromUtf16(c.expected))))
            << QString::fromUtf16(c.name).toStdString();
    }
}

TEST_F(Names, windows_name_of_a_path_on_a_drive) {
    EXPECT_EQ(windowsName(path(QStringLiteral("Images/Soupe.JPG"))),
              QStringLiteral("C:\\Images\\Soupe.JPG"));
    EXPECT_EQ(windowsName(dir_.path()), QStringLiteral("C:\\"));
}

TEST_F(Names, a_drive_mapped_onto_the_root_holds_every_path) {
    resetDrives();
    setDrive(u'Z', QStringLiteral("/"));
    EXPECT_EQ(windowsName(QStringLiteral("/usr/share")), QStringLiteral("Z:\\usr\\share"));
    EXPECT_EQ(windowsName(QStringLiteral("/")), QStringLiteral("Z:\\"));
    changeWorkingFolder(QStringLiteral("/usr"));
    EXPECT_EQ(resolve(QStringLiteral("Z:share")), QStringLiteral("/usr/share"))
        << "the working folder is on Z:, so Z:name is relative to it";
}

TEST_F(Names, an_unmapped_drive_is_unavailable) {
    resetDrives();
    setDrive(u'C', dir_.path());
    const Error e = errorOf([] { resolve(QStringLiteral("Q:\\x.txt")); });
    EXPECT_EQ(e.number(), 68);
    EXPECT_TRUE(e.description().contains(QStringLiteral("Q:"))) << e.what();
}

TEST(PlainFileName, refuses_what_would_leave_the_folder_or_break_a_windows_name) {
    const char16_t* refused[] = {u"",     u".",       u"..",  u"a/b", u"a\\b",   u"C:x",   u"a*",
                                 u"que?", u"\"dit\"", u"<b>", u"a|b", u"tab\tx", u"nl\nx", u"\x1F"};
    for (const char16_t* name : refused) {
        const QString text = QString::fromUtf16(name);
        EXPECT_FALSE(isPlainFileName(text)) << text.toStdString();
        const Error e = errorOf([&] { checkPlainFileName(text); });
        EXPECT_EQ(e.number(), err::BadFileName) << text.toStdString();
        EXPECT_TRUE(e.description().contains(QStringLiteral("nom de fichier"))) << e.what();
    }
    for (const char16_t* name : {u"TARTE AUX POMMES", u"Crème brûlée", u"l'été, à 2 € (vrai)"}) {
        EXPECT_NO_THROW(checkPlainFileName(QString::fromUtf16(name)));
    }
}

TEST(ListedName, a_listed_name_that_reads_as_a_path_is_refused) {
    for (const char16_t* name : {u"C:VICTIME.mdb", u"c:\\x.mdb", u"..\\VOISIN.mdb", u"a\\b.mdb",
                                 u"a/b.mdb", u".", u".."}) {
        const QString text = QString::fromUtf16(name);
        const Error e = errorOf([&] { checkListedName(text); });
        EXPECT_EQ(e.number(), err::BadFileName) << text.toStdString();
        EXPECT_TRUE(e.description().contains(text)) << e.what();
    }
    for (const char16_t* name :
         {u"CUISINE.MDB", u".MDB", u"1:2.mdb", u"A*B?.mdb", u"Noël: été.mdb", u"CRÈME.mdb"}) {
        EXPECT_NO_THROW(checkListedName(QString::fromUtf16(name)))
            << QString::fromUtf16(name).toStdString();
    }
}

TEST_F(Names, a_name_longer_than_the_disk_accepts_is_refused_in_french) {
    const QString fits = QString(251, u'A') + QStringLiteral(".MDB");
    EXPECT_NO_THROW(checkNameLength(fits));
    EXPECT_NO_THROW(checkNameLength(QStringLiteral("Neuf\\") + fits))
        << "the folder may not exist yet";
    for (const QString& name : {QString(252, u'A') + QStringLiteral(".MDB"),
                                QString(126, u'É') + QStringLiteral(".MDB")}) {
        const Error e = errorOf([&] { checkNameLength(name); });
        EXPECT_EQ(e.number(), err::BadFileName);
        EXPECT_TRUE(e.description().contains(QStringLiteral("256 octets pour 255"))) << e.what();
    }
}

TEST_F(Names, display_names_are_the_drive_form_or_the_name_in_the_program_folder) {
    EXPECT_EQ(displayName(path(QStringLiteral("Images/Soupe.JPG"))),
              QStringLiteral("C:\\Images\\Soupe.JPG"));
    resetDrives();
    setDrive(u'C', path(QStringLiteral("ailleurs")));
    EXPECT_EQ(displayName(path(QStringLiteral("Images/Soupe.JPG"))),
              QStringLiteral("Images\\Soupe.JPG"));
    EXPECT_EQ(displayName(QStringLiteral("/nulle/part/A.MDB")),
              QStringLiteral("/nulle/part/A.MDB"));
}

TEST_F(Names, a_link_names_the_file_it_points_at) {
    put(QStringLiteral("Bases/REEL.MDB"), "x");
    ASSERT_TRUE(
        QFile::link(path(QStringLiteral("Bases/REEL.MDB")), path(QStringLiteral("LIEN.MDB"))));
    ASSERT_TRUE(QFile::link(path(QStringLiteral("absent.MDB")), path(QStringLiteral("MORT.MDB"))));
    put(QStringLiteral("SIMPLE.MDB"), "x");
    EXPECT_EQ(linkTarget(QStringLiteral("lien.mdb")), QStringLiteral("C:\\Bases\\REEL.MDB"));
    EXPECT_EQ(linkTarget(QStringLiteral("SIMPLE.MDB")), QStringLiteral("SIMPLE.MDB"));
    EXPECT_EQ(linkTarget(QStringLiteral("MORT.MDB")), QStringLiteral("MORT.MDB"));
}

}  // namespace
