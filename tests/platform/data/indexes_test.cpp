// A base made before the template had its indexes gets them when it is opened, in one
// transaction that changes nothing else; a base that cannot take them opens as it was and reads
// the same.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>

#include "fixture.h"
#include "platform/data/database.h"
#include "platform/data/indexes.h"
#include "platform/files/faults.h"
#include "sqlite_fixture.h"

using namespace platform;
using namespace platform::data;

namespace {

const QStringList kTemplateIndexes = {"Cuisine_Titre", "Cuisine_Categorie"};

class IndexesTest : public ::testing::Test {
protected:
    void SetUp() override {
        setBaseIndexes(test_support::cuisineSchema());
        fixture::makeBase(file, {{1, "AGN", "GIGOT"}, {2, "DES", "TARTE"}, {3, "AGN", "ÉPAULE"}});
        fixture::dropIndexes(file);
    }
    void TearDown() override {
        files::setFaultHook({});
        setBaseIndexes({});
    }

    // The titles of one category, read through the engine.
    QStringList agneau() {
        Database db = DBEngine::OpenDatabase(file);
        Recordset rs = db.OpenRecordset("Select * from Cuisine WHERE Categorie='AGN'");
        QStringList titles;
        for (; !rs.Eof(); rs.MoveNext()) {
            titles << rs.Fields("Titre").Value().toText();
        }
        db.Close();
        return titles;
    }

    fixture::Folder folder;
    QString file = folder.path("ANCIENNE.mdb");
};

// The table's definition and rows, which the indexes must leave as they are.
QStringList content(const QString& file) {
    test_support::FixtureConnection db(file);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db.handle(), "SELECT sql FROM sqlite_schema WHERE type = 'table'", -1, &s,
                       nullptr);
    QStringList result;
    while (sqlite3_step(s) == SQLITE_ROW) {
        result << test_support::columnText(s, 0);
    }
    sqlite3_finalize(s);
    for (const fixture::Recipe& r : fixture::readBack(file)) {
        result << QStringLiteral("%1 %2 %3").arg(r.numero).arg(r.categorie, r.titre);
    }
    return result;
}

TEST_F(IndexesTest, a_base_without_them_gets_them_on_opening_in_one_commit_and_nothing_else) {
    const QStringList before = content(file);
    int commits = 0;
    files::setFaultHook([&](std::string_view op, const QString&) { commits += op == "commit"; });
    EXPECT_EQ(agneau(), QStringList({"GIGOT", "ÉPAULE"}));
    EXPECT_EQ(commits, 1);
    EXPECT_EQ(fixture::indexNames(file), kTemplateIndexes);
    EXPECT_EQ(content(file), before);

    // Once there, opening writes nothing.
    const QByteArray bytes = fixture::fileBytes(file);
    EXPECT_EQ(agneau(), QStringList({"GIGOT", "ÉPAULE"}));
    EXPECT_EQ(commits, 1);
    EXPECT_EQ(fixture::fileBytes(file), bytes);
}

TEST_F(IndexesTest, a_base_that_cannot_take_them_opens_as_it_was) {
    const struct {
        const char* why;
        std::function<void(const QString&)> prepare;
    } cases[] = {
        {"the disk refuses the commit",
         [](const QString&) {
             files::setFaultHook([](std::string_view op, const QString&) {
                 if (op == "commit") {
                     platform::raise(err::DiskFull);
                 }
             });
         }},
        {"a column of the index is missing",
         [](const QString& path) {
             fixture::exec(path, "ALTER TABLE Cuisine RENAME COLUMN Numero TO Num");
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        QFile::remove(file);
        SetUp();
        c.prepare(file);
        const QByteArray bytes = fixture::fileBytes(file);
        EXPECT_EQ(agneau(), QStringList({"GIGOT", "ÉPAULE"}));
        files::setFaultHook({});
        EXPECT_EQ(fixture::fileBytes(file), bytes);
        EXPECT_FALSE(QFile::exists(file + "-journal"));
        EXPECT_TRUE(fixture::indexNames(file).isEmpty());
    }
}

TEST_F(IndexesTest, a_base_that_cannot_be_written_opens_without_them_and_reads_the_same) {
    const QByteArray bytes = fixture::fileBytes(file);
    ASSERT_EQ(chmod(QFile::encodeName(file).constData(), 0444), 0);
    ASSERT_EQ(chmod(QFile::encodeName(folder.path("")).constData(), 0755), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The super-user writes any file: the reading is done as nobody.
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
            _exit(3);
        }
        try {
            _exit(agneau() == QStringList({"GIGOT", "ÉPAULE"}) ? 0 : 1);
        } catch (...) {
            _exit(2);
        }
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(fixture::fileBytes(file), bytes);
    EXPECT_TRUE(fixture::indexNames(file).isEmpty());
}

TEST_F(IndexesTest, a_process_killed_while_adding_them_leaves_the_base_as_it_was) {
    const QByteArray bytes = fixture::fileBytes(file);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        files::setFaultHook([](std::string_view op, const QString&) {
            if (op == "commit") {
                _exit(0);  // the indexes are made, not committed
            }
        });
        try {
            DBEngine::OpenDatabase(file);
        } catch (...) {
        }
        _exit(2);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0) << "the child did not reach the commit";
    // Whatever the child wrote, its journal undoes when the base is next read.
    setBaseIndexes({});
    EXPECT_EQ(agneau(), QStringList({"GIGOT", "ÉPAULE"}));
    EXPECT_EQ(fixture::fileBytes(file), bytes);
    EXPECT_TRUE(fixture::indexNames(file).isEmpty());
    // And the next opening adds them.
    setBaseIndexes(test_support::cuisineSchema());
    EXPECT_EQ(agneau(), QStringList({"GIGOT", "ÉPAULE"}));
    EXPECT_EQ(fixture::indexNames(file), kTemplateIndexes);
}

TEST_F(IndexesTest, compaction_keeps_them) {
    agneau();
    const QString copy = folder.path("COPIE.mdb");
    DBEngine::CompactDatabase(file, copy);
    EXPECT_EQ(fixture::indexNames(copy), kTemplateIndexes);
}

}  // namespace
