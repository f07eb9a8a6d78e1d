#include "platform/files/listing.h"

#include "fixture.h"

using namespace platform;
using namespace platform::files;
using files_test::errorOf;

namespace {

TEST(Pattern, wildcards_match_without_regard_to_case) {
    const struct {
        const char16_t* name;
        const char16_t* pattern;
        bool expected;
    } cases[] = {
        {u"Base.MDB", u"*.mdb", true},
        {u"x.mdbx", u"*.mdb", false},
        {u"x.txt", u"*.mdb", false},
        {u"a.b.c", u"*.c", true},
        {u"abc", u"a?c", true},
        {u"ac", u"a?c", false},
        {u"aXbXbc", u"a*b*c", true},
        {u"aXbXb", u"a*b*c", false},
        {u"README", u"*.*", true},
        {u"README", u"*", true},
        {u"notes.txt", u"*.*", true},
        {u"TARTE [1].txt", u"*[1]*", true},
        {u"TARTE 1.txt", u"*[1]*", false},
        {u"été.TXT", u"ÉTÉ.txt", true},
        {u"", u"*", true},
        {u"", u"?", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(matchesPattern(QString::fromUtf16(c.name), QString::fromUtf16(c.pattern)),
                  c.expected)
            << QString::fromUtf16(c.name).toStdString() << " ~ "
            << QString::fromUtf16(c.pattern).toStdString();
    }
}

TEST(Pattern, a_list_is_split_on_semicolons_and_trimmed) {
    EXPECT_EQ(splitPatternList(QStringLiteral("*.mdb ;*.let ;*.kov ;*.txt")),
              (QStringList{QStringLiteral("*.mdb"), QStringLiteral("*.let"),
                           QStringLiteral("*.kov"), QStringLiteral("*.txt")}));
    EXPECT_EQ(splitPatternList(QStringLiteral(" ; ")), QStringList{QStringLiteral("*")});
}

class Listing : public files_test::FolderTest {
protected:
    void SetUp() override {
        FolderTest::SetUp();
        for (const char* name :
             {"Recettes.mdb", "autre.MDB", "Sauve.kov", "A.let", "notes.TXT", "photo.jpg",
              "Base.kov.bak", "README", ".cache.txt", ".Recettes.mdb.x1Y2z3"}) {
            put(QString::fromUtf8(name), "x");
        }
        for (const char* name : {"dossier.txt", "images", "Bases", "zeta"}) {
            QDir().mkpath(path(QString::fromUtf8(name)));
        }
    }
};

TEST_F(Listing, files_of_a_pattern_list_sorted_without_regard_to_case) {
    EXPECT_EQ(listFiles(QStringLiteral("C:\\"), QStringLiteral("*.mdb ;*.let ;*.kov ;*.txt")),
              (QStringList{QStringLiteral(".cache.txt"), QStringLiteral("A.let"),
                           QStringLiteral("autre.MDB"), QStringLiteral("notes.TXT"),
                           QStringLiteral("Recettes.mdb"), QStringLiteral("Sauve.kov")}))
        << "no folder, no .kov.bak, no copy in progress; a name starting with a dot is a file "
           "like any other (a base may be named .MDB)";
    EXPECT_EQ(listFiles(QString(), QStringLiteral("*.*")).size(), 10)
        << "every regular file, README included";
}

TEST_F(Listing, folders_sorted_the_same_way) {
    EXPECT_EQ(listFolders(QStringLiteral("C:")),
              (QStringList{QStringLiteral("Bases"), QStringLiteral("dossier.txt"),
                           QStringLiteral("images"), QStringLiteral("zeta")}));
    EXPECT_EQ(listFolders(QStringLiteral("IMAGES")), QStringList());
}

TEST_F(Listing, a_missing_folder_is_path_not_found) {
    EXPECT_EQ(errorOf([] { listFiles(QStringLiteral("absent")); }).number(), err::PathNotFound);
    EXPECT_EQ(errorOf([] { listFolders(QStringLiteral("README")); }).number(), err::PathNotFound);
}

}  // namespace
