// The compaction never loses a base or a recipe: not a user's base named temp, not the base when
// a step fails or the process dies, not another program's write; and the base stays the file it
// was (its permissions, its link).
#include "management/compaction.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "other_program.h"
#include "platform/core/error.h"
#include "platform/data/database.h"
#include "platform/files/faults.h"
#include "platform/files/listing.h"
#include "platform/files/names.h"
#include "platform/headless/headless_desktop.h"
#include "shell/donnees.h"
#include "sqlite_fixture.h"

namespace files = platform::files;
using management_test::OtherProgram;

namespace {

// A base of `kept` recipes out of 300 written: its file is much larger than its content.
void makeBase(const QString& path, int kept) {
    const test_support::FixtureConnection base(path);
    base.exec(test_support::cuisineSchema());
    base.exec(QStringLiteral(
                  "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i < 300) "
                  "INSERT INTO Cuisine SELECT i, 'DES', 'GATEAU ' || i, '', '?', 'a', '?', "
                  "printf('%.3000c', 'x'), printf('%.3000c', 'y') FROM n;"
                  "DELETE FROM Cuisine WHERE Numero > %1;")
                  .arg(kept));
}

long recipesIn(const QString& name) {
    auto db = platform::data::DBEngine::OpenDatabase(name);
    auto rs = db.OpenRecordset(QStringLiteral("Select * from Cuisine"));
    rs.MoveLast();
    const long count = rs.RecordCount();
    db.Close();
    return count;
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<absent>");
}

mode_t modeOf(const QString& path) {
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

class Compaction : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        files::setProgramFolder(folder.path());
        makeBase(path(QStringLiteral("B.MDB")), 10);
        // A base of the user's that bears the name the original compaction used for its copy.
        makeBase(path(QStringLiteral("Temp.mdb")), 2);
        sizeBefore = QFileInfo(path(QStringLiteral("B.MDB"))).size();
        tempBefore = bytesOf(path(QStringLiteral("Temp.mdb")));
        platform::desktop::setDesktop(&desktop);
        Donnees::reset();
        open(QStringLiteral("B.MDB"));
    }
    void TearDown() override {
        files::setFaultHook({});
        platform::ignoreErrors([] { Donnees::Db.Close(); });
        Donnees::reset();
        platform::desktop::setDesktop(nullptr);
    }

    QString path(const QString& name) const { return folder.filePath(name); }
    void open(const QString& name) {
        Donnees::NomBase = name;
        Donnees::Db = platform::data::DBEngine::OpenDatabase(name);
    }
    // Every entry of the program folder, hidden ones included: no working file may be left.
    QStringList entries() const {
        QStringList names = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
        names.sort();
        return names;
    }
    void expectOnlyTheBases() const {
        EXPECT_EQ(entries(), (QStringList{QStringLiteral("B.MDB"), QStringLiteral("Temp.mdb")}));
        EXPECT_EQ(bytesOf(path(QStringLiteral("Temp.mdb"))), tempBefore)
            << "the user's base named temp is untouched";
    }
    QString success() const {
        return QStringLiteral(
            "msgbox \"Recette\" \"Compactage de la Base de Données et Terminée\" OK -> OK");
    }

    QTemporaryDir folder;
    qint64 sizeBefore = 0;
    QByteArray tempBefore;
    QStringList lines;
    platform::headless::Transcript transcript{[this](const QString& l) { lines << l; }};
    platform::headless::HeadlessDesktop desktop{transcript};
};

}  // namespace

TEST_F(Compaction, replaces_the_base_by_its_smaller_copy_and_touches_no_other_file) {
    EXPECT_TRUE(Compacter());

    EXPECT_EQ(lines, QStringList{success()});
    expectOnlyTheBases();
    EXPECT_LT(QFileInfo(path(QStringLiteral("B.MDB"))).size(), sizeBefore / 4);
    ASSERT_TRUE(Donnees::Db.isSet());
    auto rs = Donnees::Db.OpenRecordset(QStringLiteral("Select * from Cuisine"));
    rs.MoveLast();
    EXPECT_EQ(rs.RecordCount(), 10) << "the base is open again, with all its recipes";
}

TEST_F(Compaction, a_base_named_temp_is_compacted_like_any_other) {
    platform::ignoreErrors([] { Donnees::Db.Close(); });
    open(QStringLiteral("Temp.mdb"));
    EXPECT_TRUE(Compacter());
    EXPECT_EQ(lines, QStringList{success()});
    EXPECT_EQ(entries(), (QStringList{QStringLiteral("B.MDB"), QStringLiteral("Temp.mdb")}));
    platform::ignoreErrors([] { Donnees::Db.Close(); });
    EXPECT_EQ(recipesIn(QStringLiteral("Temp.mdb")), 2);
}

TEST_F(Compaction, a_step_that_fails_leaves_the_base_as_it_was) {
    for (const char* step : {"compact", "rename"}) {
        SCOPED_TRACE(step);
        lines.clear();
        files::setFaultHook([step](std::string_view operation, const QString& path) {
            if (operation == step) {
                throw platform::Error(platform::err::DiskFull,
                                      QStringLiteral("disque plein : ") + path);
            }
        });
        EXPECT_TRUE(Compacter());
        files::setFaultHook({});

        ASSERT_EQ(lines.size(), 1);
        EXPECT_TRUE(lines[0].contains(QStringLiteral("n'a pas pu être compactée")))
            << lines[0].toStdString();
        EXPECT_EQ(QFileInfo(path(QStringLiteral("B.MDB"))).size(), sizeBefore);
        expectOnlyTheBases();
        EXPECT_TRUE(Donnees::Db.isSet()) << "the base is open again";
        platform::ignoreErrors([] { Donnees::Db.Close(); });
        EXPECT_EQ(recipesIn(QStringLiteral("B.MDB")), 10);
    }
}

TEST_F(Compaction, a_process_killed_at_any_step_leaves_a_base_that_opens) {
    for (const char* step : {"compact", "rename"}) {
        SCOPED_TRACE(step);
        platform::ignoreErrors([] { Donnees::Db.Close(); });
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            open(QStringLiteral("B.MDB"));
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
        EXPECT_EQ(bytesOf(path(QStringLiteral("Temp.mdb"))), tempBefore);
        EXPECT_EQ(files::listFiles(QString(), QStringLiteral("*.mdb")),
                  (QStringList{QStringLiteral("B.MDB"), QStringLiteral("Temp.mdb")}))
            << "a copy left by the killed process is no base of the list";
    }
    // The next compaction, beside the leftovers of the killed ones, goes through.
    lines.clear();
    open(QStringLiteral("B.MDB"));
    EXPECT_TRUE(Compacter());
    EXPECT_EQ(lines, QStringList{success()});
    platform::ignoreErrors([] { Donnees::Db.Close(); });
    EXPECT_EQ(recipesIn(QStringLiteral("B.MDB")), 10);
    EXPECT_LT(QFileInfo(path(QStringLiteral("B.MDB"))).size(), sizeBefore / 4);
}

TEST_F(Compaction, keeps_the_permissions_of_the_base_and_refuses_a_read_only_one) {
    const struct {
        mode_t mode;
        bool compacted;
    } cases[] = {{0600, true}, {0640, true}, {0444, false}, {0400, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        platform::ignoreErrors([] { Donnees::Db.Close(); });
        makeBase(path(QStringLiteral("P.MDB")), 3);
        ASSERT_EQ(::chmod(QFile::encodeName(path(QStringLiteral("P.MDB"))).constData(), c.mode), 0);
        const QByteArray before = bytesOf(path(QStringLiteral("P.MDB")));
        open(QStringLiteral("P.MDB"));
        lines.clear();

        EXPECT_TRUE(Compacter());

        ASSERT_EQ(lines.size(), 1);
        EXPECT_EQ(modeOf(path(QStringLiteral("P.MDB"))), c.mode);
        if (c.compacted) {
            EXPECT_EQ(lines[0], success());
            EXPECT_LT(QFileInfo(path(QStringLiteral("P.MDB"))).size(), before.size());
        } else {
            EXPECT_TRUE(lines[0].contains(QStringLiteral("lecture seule")))
                << lines[0].toStdString();
            EXPECT_EQ(bytesOf(path(QStringLiteral("P.MDB"))), before);
        }
        platform::ignoreErrors([] { Donnees::Db.Close(); });
        EXPECT_EQ(recipesIn(QStringLiteral("P.MDB")), 3);
        QFile::remove(path(QStringLiteral("P.MDB")));
        expectOnlyTheBases();
    }
}

TEST_F(Compaction, a_linked_base_is_compacted_where_it_lies_and_stays_linked) {
    QTemporaryDir elsewhere;
    const QString real = elsewhere.filePath(QStringLiteral("REEL.MDB"));
    makeBase(real, 4);
    const qint64 realBefore = QFileInfo(real).size();
    platform::ignoreErrors([] { Donnees::Db.Close(); });
    ASSERT_TRUE(QFile::link(real, path(QStringLiteral("LIEN.MDB"))));
    open(QStringLiteral("LIEN.MDB"));

    EXPECT_TRUE(Compacter());

    EXPECT_EQ(lines, QStringList{success()});
    EXPECT_EQ(QFileInfo(path(QStringLiteral("LIEN.MDB"))).symLinkTarget(), real);
    EXPECT_LT(QFileInfo(real).size(), realBefore / 4) << "the linked file itself is compacted";
    EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("REEL.MDB")});
    platform::ignoreErrors([] { Donnees::Db.Close(); });
    EXPECT_EQ(recipesIn(QStringLiteral("LIEN.MDB")), 4);
}

TEST_F(Compaction, another_programs_write_committed_during_the_compaction_is_kept) {
    platform::ignoreErrors([] { Donnees::Db.Close(); });
    // It holds a write transaction when the compaction starts, and commits a moment later.
    OtherProgram writer(path(QStringLiteral("B.MDB")), [](OtherProgram& self) {
        self.exec("BEGIN IMMEDIATE; INSERT INTO Cuisine (Numero, Titre) VALUES (11, 'TARTE')");
        self.ready();
        ::usleep(300 * 1000);
        return self.exec("COMMIT");
    });
    open(QStringLiteral("B.MDB"));

    EXPECT_TRUE(Compacter());

    EXPECT_EQ(writer.exitCode(), SQLITE_OK) << "its commit succeeded";
    EXPECT_EQ(lines, QStringList{success()});
    platform::ignoreErrors([] { Donnees::Db.Close(); });
    EXPECT_EQ(recipesIn(QStringLiteral("B.MDB")), 11) << "and the compacted base holds it";
}

TEST_F(Compaction, a_program_that_had_the_base_open_is_refused_its_later_write_never_loses_it) {
    platform::ignoreErrors([] { Donnees::Db.Close(); });
    OtherProgram idle(path(QStringLiteral("B.MDB")), [](OtherProgram& self) {
        self.exec("SELECT count(*) FROM Cuisine");
        self.ready();
        self.waitForGo();
        const int rc = self.exec("INSERT INTO Cuisine (Numero, Titre) VALUES (11, 'TARTE')");
        return rc == SQLITE_OK ? 0 : rc == SQLITE_READONLY_DBMOVED ? 1 : 2;
    });
    open(QStringLiteral("B.MDB"));

    EXPECT_TRUE(Compacter());
    idle.go();

    EXPECT_EQ(idle.exitCode(), 1)
        << "its write goes to no orphaned copy: SQLite refuses it, and it knows";
    platform::ignoreErrors([] { Donnees::Db.Close(); });
    EXPECT_EQ(recipesIn(QStringLiteral("B.MDB")), 10);
}
