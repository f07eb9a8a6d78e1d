// SQLite's results reach the user as French messages that name the base, with the right number.
#include "platform/data/errors.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>

#include <QFile>

#include "fixture.h"
#include "platform/data/database.h"

using namespace platform;
using namespace platform::data;

namespace {

Error errorOf(int rc) {
    try {
        raiseSqlite(rc, nullptr, QStringLiteral("CUISINE.MDB"));
    } catch (const Error& e) {
        return e;
    }
    return Error(0, {});
}

TEST(SqliteErrors, each_result_a_user_can_meet_has_its_french_message) {
    const struct {
        int rc;
        int number;
        const char* says;
    } cases[] = {
        {SQLITE_CORRUPT, err::DatabaseDamaged, "endommagée"},
        {SQLITE_NOTADB, err::UnrecognizedDatabase, "pas une base de recettes"},
        {SQLITE_FULL, err::DiskFull, "Le disque est plein"},
        {SQLITE_READONLY, err::PermissionDenied, "lecture seule"},
        {SQLITE_READONLY_DBMOVED, err::PermissionDenied, "remplacée"},
        {SQLITE_BUSY, err::PermissionDenied, "utilisée par un autre programme"},
        {SQLITE_LOCKED, err::PermissionDenied, "utilisée par un autre programme"},
        {SQLITE_CANTOPEN, err::PathFileAccess, "ne peut pas être ouverte"},
        {SQLITE_IOERR_WRITE, err::DeviceIoError, "lecture ou d'écriture"},
        {SQLITE_TOOBIG, err::InvalidCall, "trop long"},
    };
    for (const auto& c : cases) {
        const Error e = errorOf(c.rc);
        EXPECT_EQ(e.number(), c.number) << c.rc;
        EXPECT_TRUE(e.description().contains(QString::fromUtf8(c.says))) << e.what();
        EXPECT_TRUE(e.description().contains(QStringLiteral("« CUISINE.MDB »"))) << e.what();
        EXPECT_FALSE(e.description().contains(QString::fromUtf8(sqlite3_errstr(c.rc))))
            << "no English: " << e.what();
    }
    EXPECT_TRUE(errorOf(SQLITE_ERROR).description().contains(sqlite3_errstr(SQLITE_ERROR)))
        << "a query the program got wrong keeps SQLite's words, for whoever reads the report";
}

class CompactedCopy : public ::testing::Test {
protected:
    fixture::Folder folder;
};

TEST_F(CompactedCopy, a_damaged_card_that_sqlite_reports_as_a_full_disk_is_damage) {
    const QString base = folder.path(QStringLiteral("ENDOMMAGEE.mdb"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(DAMAGED_BASE), base));
    try {
        DBEngine::CompactDatabase(base, folder.path(QStringLiteral("copie")));
        ADD_FAILURE() << "compacted";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), err::DatabaseDamaged) << e.what();
        EXPECT_FALSE(e.description().contains(QStringLiteral("plein"))) << e.what();
    }
    EXPECT_FALSE(QFile::exists(folder.path(QStringLiteral("copie"))));
}

TEST_F(CompactedCopy, a_compacted_copy_is_never_more_open_than_its_base) {
    const QString base = folder.path(QStringLiteral("PRIVEE.mdb"));
    fixture::makeNumberedBase(base, 3);
    ASSERT_TRUE(QFile::setPermissions(base, QFile::ReadOwner | QFile::WriteOwner));
    DBEngine::CompactDatabase(base, folder.path(QStringLiteral("copie")));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(folder.path(QStringLiteral("copie"))).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0077, 0u);
    EXPECT_EQ(fixture::readBack(folder.path(QStringLiteral("copie"))).size(), 3u);
}

TEST(WriteLockTest, keeps_other_writers_out_and_lets_readers_in_until_released) {
    fixture::Folder folder;
    const QString base = folder.path(QStringLiteral("B.MDB"));
    fixture::makeNumberedBase(base, 2);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(base).constData(), &other), SQLITE_OK);
    {
        const WriteLock lock(base);
        EXPECT_EQ(sqlite3_exec(other, "SELECT count(*) FROM Cuisine", nullptr, nullptr, nullptr),
                  SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_BUSY);
    }
    EXPECT_EQ(
        sqlite3_exec(other, "BEGIN IMMEDIATE; INSERT INTO Cuisine (Numero) VALUES (3); COMMIT",
                     nullptr, nullptr, nullptr),
        SQLITE_OK);
    sqlite3_close(other);
    EXPECT_EQ(fixture::readBack(base).size(), 3u);
}

}  // namespace
