// The compaction interrupted at each of its steps never leaves the user without their base.
#include "management/compaction.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/core/error.h"
#include "platform/data/database.h"
#include "platform/files/faults.h"
#include "platform/files/names.h"
#include "platform/headless/headless_desktop.h"
#include "shell/donnees.h"
#include "sqlite_fixture.h"

namespace files = platform::files;

namespace {

// A base of 300 recipes of which 290 were deleted: its file is much larger than its content.
void makeBase(const QString& path) {
    const test_support::FixtureConnection base(path);
    base.exec(test_support::cuisineSchema());
    base.exec(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i < 300) "
        "INSERT INTO Cuisine SELECT i, 'DES', 'GATEAU ' || i, '', '?', 'a', '?', "
        "printf('%.3000c', 'x'), printf('%.3000c', 'y') FROM n;"
        "DELETE FROM Cuisine WHERE Numero > 10;"));
}

long recipesIn(const QString& name) {
    auto db = platform::data::DBEngine::OpenDatabase(name);
    auto rs = db.OpenRecordset(QStringLiteral("Select * from Cuisine"));
    rs.MoveLast();
    const long count = rs.RecordCount();
    db.Close();
    return count;
}

class Compaction : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        files::setProgramFolder(folder.path());
        makeBase(folder.filePath(QStringLiteral("B.MDB")));
        sizeBefore = QFileInfo(folder.filePath(QStringLiteral("B.MDB"))).size();
        platform::desktop::setDesktop(&desktop);
        Donnees::reset();
        Donnees::NomBase = QStringLiteral("B.MDB");
        Donnees::Db = platform::data::DBEngine::OpenDatabase(Donnees::NomBase);
    }
    void TearDown() override {
        files::setFaultHook({});
        platform::ignoreErrors([] { Donnees::Db.Close(); });
        Donnees::reset();
        platform::desktop::setDesktop(nullptr);
    }
    bool tempExists() const {
        return QFileInfo::exists(folder.filePath(QStringLiteral("temp.MDB")));
    }

    QTemporaryDir folder;
    qint64 sizeBefore = 0;
    QStringList lines;
    platform::headless::Transcript transcript{[this](const QString& l) { lines << l; }};
    platform::headless::HeadlessDesktop desktop{transcript};
};

}  // namespace

TEST_F(Compaction, replaces_the_base_by_its_smaller_copy_and_reopens_it) {
    QFile stale(folder.filePath(QStringLiteral("temp.MDB")));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("left by an interrupted compaction");
    stale.close();

    Compacter();

    EXPECT_EQ(lines, QStringList{QStringLiteral(
                         "msgbox \"Recette\" \"Compactage de la Base de Données et Terminée\" OK "
                         "-> OK")});
    EXPECT_FALSE(tempExists());
    EXPECT_LT(QFileInfo(folder.filePath(QStringLiteral("B.MDB"))).size(), sizeBefore / 4);
    EXPECT_TRUE(Donnees::Db.isSet());
    auto rs = Donnees::Db.OpenRecordset(QStringLiteral("Select * from Cuisine"));
    rs.MoveLast();
    EXPECT_EQ(rs.RecordCount(), 10) << "the base is open again, with all its recipes";
}

TEST_F(Compaction, a_step_that_fails_leaves_the_base_as_it_was) {
    for (const char* step : {"remove", "compact", "rename"}) {
        SCOPED_TRACE(step);
        QFile stale(folder.filePath(QStringLiteral("temp.MDB")));
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.close();
        lines.clear();
        files::setFaultHook([step](std::string_view operation, const QString& path) {
            if (operation == step) {
                throw platform::Error(platform::err::DiskFull,
                                      QStringLiteral("disque plein : ") + path);
            }
        });
        Compacter();
        files::setFaultHook({});

        ASSERT_EQ(lines.size(), 1);
        EXPECT_TRUE(lines[0].contains(QStringLiteral("n'a pas pu être compactée")))
            << lines[0].toStdString();
        EXPECT_EQ(QFileInfo(folder.filePath(QStringLiteral("B.MDB"))).size(), sizeBefore);
        EXPECT_EQ(recipesIn(QStringLiteral("B.MDB")), 10);
        EXPECT_TRUE(Donnees::Db.isSet()) << "the base is open again";
        platform::ignoreErrors([] { Donnees::Db.Close(); });
    }
}

TEST_F(Compaction, a_process_killed_at_any_step_leaves_a_base_that_opens) {
    for (const char* step : {"remove", "compact", "rename"}) {
        SCOPED_TRACE(step);
        QFile stale(folder.filePath(QStringLiteral("temp.MDB")));
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.close();
        platform::ignoreErrors([] { Donnees::Db.Close(); });
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            Donnees::Db = platform::data::DBEngine::OpenDatabase(Donnees::NomBase);
            files::setFaultHook([step](std::string_view operation, const QString&) {
                if (operation == step) {
                    _exit(9);
                }
            });
            Compacter();
            _exit(0);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 9) << "the process died at that step";
        EXPECT_EQ(recipesIn(QStringLiteral("B.MDB")), 10);
    }
    // The next compaction, with the leftovers of the killed ones, goes through.
    lines.clear();
    Donnees::Db = platform::data::DBEngine::OpenDatabase(Donnees::NomBase);
    Compacter();
    EXPECT_FALSE(tempExists());
    EXPECT_EQ(recipesIn(QStringLiteral("B.MDB")), 10);
}
