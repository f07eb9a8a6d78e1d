// All writes of one recordset are one transaction: committed on Close, undone by a crash, by an
// escaped error, or by a refused commit.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>

#include "fixture.h"
#include "platform/data/database.h"
#include "platform/files/faults.h"

using namespace platform;
using namespace platform::data;
using fixture::errorNumber;

namespace {

constexpr int kFull = 32767;

class TransactionTest : public ::testing::Test {
protected:
    void TearDown() override { files::setFaultHook({}); }

    // Deletes the record numbered `numero` and renumbers the rest 1..N, as the editor does.
    static void deleteAndRenumber(Recordset& rs, long long numero) {
        rs.MoveLast();
        long last = rs.RecordCount() - 1;
        rs.MoveFirst();
        for (long i = 0; i <= last; ++i) {
            if (rs.Fields("Numero").Value().toLongLong() == numero) {
                rs.Delete();
                break;
            }
            rs.MoveNext();
        }
        rs.MoveLast();
        last = rs.RecordCount() - 1;
        rs.MoveFirst();
        for (long i = 0; i <= last; ++i) {
            rs.Edit();
            rs("Numero") = static_cast<long long>(i + 1);
            rs.Update();
            rs.MoveNext();
        }
    }

    fixture::Folder folder;
    QString file = folder.path("CUISINE.mdb");
};

TEST_F(TransactionTest, deletion_and_renumbering_of_a_full_base_commit_once_on_close) {
    fixture::makeNumberedBase(file, kFull);
    int commits = 0;
    files::setFaultHook([&](std::string_view op, const QString& path) {
        if (op == "commit" && path == file) {
            ++commits;
        }
    });
    Database db = DBEngine::OpenDatabase(file);
    Recordset rs = db.OpenRecordset("Select * from Cuisine");
    deleteAndRenumber(rs, 3);
    EXPECT_EQ(commits, 0);
    rs.Close();
    EXPECT_EQ(commits, 1);
    db.Close();

    const auto after = fixture::readBack(file);
    ASSERT_EQ(after.size(), size_t(kFull - 1));
    for (size_t i = 0; i < after.size(); ++i) {
        ASSERT_EQ(after[i].numero, static_cast<long long>(i + 1)) << i;
    }
    EXPECT_EQ(after[1].titre, "RECETTE 2");
    EXPECT_EQ(after[2].titre, "RECETTE 4");
    EXPECT_EQ(after.back().titre, QStringLiteral("RECETTE %1").arg(kFull));
}

TEST_F(TransactionTest, a_process_killed_before_close_leaves_the_base_exactly_as_it_was) {
    fixture::makeNumberedBase(file, kFull);
    const QByteArray before = fixture::fileBytes(file);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        try {
            Database db = DBEngine::OpenDatabase(file);
            Recordset rs = db.OpenRecordset("Select * from Cuisine");
            deleteAndRenumber(rs, 3);
            _exit(0);  // dies with the recordset open: no Close, no destructors
        } catch (...) {
            _exit(2);
        }
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0) << "the child could not write";
    // The child's writes had reached the file itself; only its journal can undo them.
    ASSERT_TRUE(QFile::exists(file + "-journal"));
    EXPECT_FALSE(fixture::fileBytes(file) == before);

    // Opening plays back the journal the child left.
    Database db = DBEngine::OpenDatabase(file);
    Recordset rs = db.OpenRecordset("Select * from Cuisine");
    rs.MoveLast();
    EXPECT_EQ(rs.RecordCount(), kFull);
    rs.Close();
    db.Close();
    EXPECT_FALSE(QFile::exists(file + "-journal"));
    EXPECT_TRUE(fixture::fileBytes(file) == before);
}

TEST_F(TransactionTest, an_escaped_error_rolls_back_the_open_recordsets) {
    fixture::makeNumberedBase(file, 6);
    Database db = DBEngine::OpenDatabase(file);
    Recordset rs = db.OpenRecordset("Select * from Cuisine");
    deleteAndRenumber(rs, 3);
    rs.AddNew();
    rs("Titre") = "NOUVELLE";
    rs.Update();
    rollbackOpenRecordsets();
    EXPECT_EQ(errorNumber([&] { rs.MoveFirst(); }), err::ObjectNotSet);
    rs.Close();  // the window's own Close afterwards is harmless
    db.Close();
    const auto rows = fixture::readBack(file);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[2].titre, "RECETTE 3");
    EXPECT_EQ(rows[5].numero, 6);
}

TEST_F(TransactionTest, a_refused_commit_keeps_nothing_once_rolled_back) {
    fixture::makeNumberedBase(file, 6);
    files::setFaultHook([](std::string_view op, const QString&) {
        if (op == "commit") {
            platform::raise(err::DiskFull);
        }
    });
    Database db = DBEngine::OpenDatabase(file);
    Recordset rs = db.OpenRecordset("Select * from Cuisine");
    deleteAndRenumber(rs, 1);
    EXPECT_EQ(errorNumber([&] { rs.Close(); }), err::DiskFull);
    rollbackOpenRecordsets();
    files::setFaultHook({});
    db.Close();
    EXPECT_EQ(fixture::readBack(file).size(), 6u);
    EXPECT_EQ(fixture::readBack(file)[0].titre, "RECETTE 1");
}

TEST_F(TransactionTest, closing_the_base_commits_and_a_refused_commit_there_loses_nothing_old) {
    fixture::makeNumberedBase(file, 6);
    {
        Database db = DBEngine::OpenDatabase(file);
        Recordset rs = db.OpenRecordset("Select * from Cuisine");
        rs.Delete();
        db.Close();  // the recordset is still open: its writes are committed with the base
    }
    EXPECT_EQ(fixture::readBack(file).size(), 5u);

    files::setFaultHook([](std::string_view op, const QString&) {
        if (op == "commit") {
            platform::raise(err::DiskFull);
        }
    });
    Database db = DBEngine::OpenDatabase(file);
    Recordset rs = db.OpenRecordset("Select * from Cuisine");
    rs.Delete();
    EXPECT_EQ(errorNumber([&] { db.Close(); }), err::DiskFull);
    EXPECT_EQ(fixture::readBack(file).size(), 5u);
    EXPECT_FALSE(QFile::exists(file + "-journal"));
}

TEST_F(TransactionTest, reads_without_writes_never_commit) {
    fixture::makeNumberedBase(file, 3);
    int commits = 0;
    files::setFaultHook([&](std::string_view op, const QString&) { commits += op == "commit"; });
    Database db = DBEngine::OpenDatabase(file);
    Recordset rs = db.OpenRecordset("Select * from Cuisine");
    rs.MoveLast();
    rs.Fields("Titre").Value();
    rs.Close();
    db.Close();
    EXPECT_EQ(commits, 0);
}

}  // namespace

namespace {

TEST_F(TransactionTest, a_writer_commits_while_another_set_of_the_base_is_open) {
    fixture::makeNumberedBase(file, 4);
    Database db = DBEngine::OpenDatabase(file);
    Recordset reader = db.OpenRecordset("Select * from Cuisine");
    Recordset writer = db.OpenRecordset("Select * from Cuisine WHERE Numero = 2");
    writer.Delete();
    writer.Close();
    EXPECT_EQ(fixture::readBack(file).size(), 3u);  // committed for other connections too
    reader.MoveNext();
    EXPECT_EQ(errorNumber([&] { reader.Fields("Titre").Value(); }), err::RecordDeleted);
    reader.MoveNext();
    EXPECT_EQ(reader.Fields("Titre").Value().toText(), "RECETTE 3");
    db.Close();
}

}  // namespace
