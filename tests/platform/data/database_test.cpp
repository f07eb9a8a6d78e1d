// Opening bases, refusing files that are not sound bases, and compaction.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include "fixture.h"
#include "platform/data/database.h"
#include "platform/files/faults.h"
#include "platform/files/names.h"

using namespace platform;
using namespace platform::data;
using fixture::errorNumber;

namespace {

class DatabaseTest : public ::testing::Test {
protected:
    void TearDown() override { files::setFaultHook({}); }
    fixture::Folder folder;
};

QByteArray randomBytes(int size) {
    QByteArray bytes(size, '\0');
    QRandomGenerator generator(42);
    for (char& b : bytes) {
        b = static_cast<char>(generator.bounded(256));
    }
    return bytes;
}

TEST_F(DatabaseTest, opens_a_base_by_a_windows_style_name_in_other_letter_case) {
    fixture::makeNumberedBase(folder.path("Cuisine.mdb"), 3);
    files::changeWorkingFolder(folder.path(""));
    Database db = DBEngine::OpenDatabase("CUISINE.MDB");
    Recordset rs = db.OpenRecordset("Select * from Cuisine");
    rs.MoveLast();
    EXPECT_EQ(rs.RecordCount(), 3);
    db.Close();
    files::changeWorkingFolder(files::programFolder());
}

TEST_F(DatabaseTest, files_that_are_not_sound_bases_give_a_clear_error_and_stay_untouched) {
    const QString sound = folder.path("sound.mdb");
    fixture::makeNumberedBase(sound, 200);
    const QByteArray base = fixture::fileBytes(sound);
    QByteArray otherHeader = base;
    otherHeader.replace(0, 16, "NotSQLite form\0\0");
    QFile::copy("/work/shared/fixtures/jet/cuisine-jet4.mdb", folder.path("jet.mdb"));
    QFile(folder.path("jet.mdb")).setPermissions(QFile::ReadOwner | QFile::WriteOwner);

    const struct {
        const char* file;    // name in the folder
        QByteArray content;  // written first, unless empty and the file exists already
        int number;          // error expected
    } cases[] = {
        {"absent.mdb", {}, err::DatabaseNotFound},
        {"empty.mdb", QByteArray(), err::UnrecognizedDatabase},
        {"random.mdb", randomBytes(8192), err::UnrecognizedDatabase},
        {"text.mdb", "Numero;Titre\r\n1;TARTE\r\n", err::UnrecognizedDatabase},
        {"header-only.mdb", base.left(60), err::DatabaseDamaged},
        {"truncated.mdb", base.left(base.size() / 2), err::DatabaseDamaged},
        {"one-page.mdb", base.left(4096), err::DatabaseDamaged},
        {"foreign.mdb", otherHeader, err::UnrecognizedDatabase},
        {"jet.mdb", {}, err::UnrecognizedDatabase},
    };
    for (const auto& c : cases) {
        const QString path = folder.path(c.file);
        if (QByteArray(c.file) == "empty.mdb" || !c.content.isEmpty()) {
            fixture::writeBytes(path, c.content);
        }
        const QByteArray before = QFile::exists(path) ? fixture::fileBytes(path) : QByteArray();
        try {
            DBEngine::OpenDatabase(path);
            ADD_FAILURE() << c.file << ": opened";
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), c.number) << c.file << ": " << e.what();
            EXPECT_TRUE(e.description().contains(c.file)) << e.what();
        }
        EXPECT_EQ(QFile::exists(path), QByteArray(c.file) != "absent.mdb") << c.file;
        if (QFile::exists(path)) {
            EXPECT_EQ(fixture::fileBytes(path), before) << c.file;
        }
        EXPECT_FALSE(QFile::exists(path + "-journal")) << c.file;
    }
}

TEST_F(DatabaseTest, a_damaged_page_met_later_is_a_platform_error) {
    const QString path = folder.path("damaged.mdb");
    fixture::makeNumberedBase(path, 2000);
    QByteArray bytes = fixture::fileBytes(path);
    // Page 1 (the schema) stays sound; the table's pages after it are overwritten.
    bytes.replace(4096, bytes.size() - 4096, randomBytes(bytes.size() - 4096));
    fixture::writeBytes(path, bytes);
    const int number = errorNumber([&] {
        Database db = DBEngine::OpenDatabase(path);
        Recordset rs = db.OpenRecordset("Select * from Cuisine");
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            rs.Fields("Preparation").Value();
        }
    });
    EXPECT_EQ(number, err::DatabaseDamaged);
}

TEST_F(DatabaseTest, a_base_without_table_cuisine_is_refused_on_opening_the_set) {
    const QString path = folder.path("autre.mdb");
    fixture::exec(path, "CREATE TABLE Recettes (Nom TEXT)");
    Database db = DBEngine::OpenDatabase(path);
    try {
        db.OpenRecordset("Select * from Cuisine");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), err::TableNotFound);
        EXPECT_TRUE(e.description().contains("Cuisine"));
    }
}

TEST_F(DatabaseTest, compaction_writes_a_smaller_copy_with_the_same_rows_in_order) {
    const QString source = folder.path("base.mdb");
    const QString copy = folder.path("temp.MDB");
    fixture::makeNumberedBase(source, 3000);
    fixture::exec(source, "DELETE FROM Cuisine WHERE Numero % 3 <> 0");
    QStringList touched;
    files::setFaultHook([&](std::string_view op, const QString& path) {
        touched << QString::fromUtf8(op.data(), op.size()) + " " + path;
    });
    DBEngine::CompactDatabase(source, copy);
    EXPECT_EQ(touched, QStringList{"compact " + copy});
    EXPECT_LT(QFileInfo(copy).size(), QFileInfo(source).size());
    EXPECT_EQ(fixture::readBack(copy), fixture::readBack(source));
    EXPECT_EQ(fixture::readBack(copy).size(), 1000u);
    EXPECT_FALSE(QFile::exists(copy + "-wal"));
}

TEST_F(DatabaseTest, compaction_refuses_an_existing_destination_and_a_missing_source) {
    const QString source = folder.path("base.mdb");
    const QString existing = folder.path("temp.MDB");
    fixture::makeNumberedBase(source, 5);
    fixture::writeBytes(existing, "keep me");
    EXPECT_EQ(errorNumber([&] { DBEngine::CompactDatabase(source, existing); }),
              err::DatabaseExists);
    EXPECT_EQ(fixture::fileBytes(existing), "keep me");
    EXPECT_EQ(errorNumber([&] { DBEngine::CompactDatabase(source, source); }), err::DatabaseExists);
    EXPECT_EQ(errorNumber([&] {
                  DBEngine::CompactDatabase(folder.path("none.mdb"), folder.path("new.mdb"));
              }),
              err::DatabaseNotFound);
    EXPECT_FALSE(QFile::exists(folder.path("new.mdb")));
}

TEST_F(DatabaseTest, a_refused_compaction_leaves_no_destination) {
    const QString source = folder.path("base.mdb");
    const QString copy = folder.path("temp.MDB");
    fixture::makeNumberedBase(source, 5);
    files::setFaultHook([](std::string_view, const QString&) { platform::raise(err::DiskFull); });
    EXPECT_EQ(errorNumber([&] { DBEngine::CompactDatabase(source, copy); }), err::DiskFull);
    EXPECT_FALSE(QFile::exists(copy));
    EXPECT_EQ(fixture::readBack(source).size(), 5u);
}

}  // namespace
