// After a failed compaction the main window says so once, and shows what is really open: the
// base again when it could be reopened, else the base list.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "other_program.h"
#include "platform/desktop/session.h"
#include "platform/files/names.h"
#include "platform/forms/instances.h"
#include "platform/headless/headless_desktop.h"
#include "shell/donnees.h"
#include "shell/kov_depart.h"
#include "sqlite_fixture.h"

using management_test::OtherProgram;

namespace {

class CompactionWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        for (const char* name : {"B.MDB", "AUTRE.MDB"}) {
            const test_support::FixtureConnection base(folder.filePath(QString::fromUtf8(name)));
            base.exec(test_support::cuisineSchema());
            base.exec(QStringLiteral("INSERT INTO Cuisine (Numero, Titre) VALUES (1, 'TARTE')"));
        }
        platform::files::setProgramFolder(folder.path());
        platform::desktop::setDesktop(&desktop);
        platform::desktop::resetSession();
        Donnees::reset();
    }
    void openTheBase() {
        fenetre = &platform::forms::Load<KovDepart>();
        ASSERT_TRUE(fenetre->File1.pick(QStringLiteral("B.MDB")));
        lines.clear();
    }
    void TearDown() override {
        platform::desktop::resetSession();
        Donnees::reset();
        platform::desktop::setDesktop(nullptr);
    }

    QTemporaryDir folder;
    QStringList lines;
    platform::headless::Transcript transcript{[this](const QString& l) { lines << l; }};
    platform::headless::HeadlessDesktop desktop{transcript};
    KovDepart* fenetre = nullptr;
};

TEST_F(CompactionWindow, a_base_locked_by_another_program_is_left_open_as_before) {
    OtherProgram writer(folder.filePath(QStringLiteral("B.MDB")), [](OtherProgram& self) {
        self.ready();
        self.waitForGo();
        self.exec("BEGIN IMMEDIATE; INSERT INTO Cuisine (Numero, Titre) VALUES (2, 'FLAN')");
        self.ready();
        self.waitForGo();  // past the compaction's patience
        return self.exec("COMMIT");
    });
    openTheBase();
    writer.go();
    writer.waitUntilReady();

    platform::desktop::runEvent(fenetre->Base.Click);
    writer.go();

    ASSERT_EQ(lines.size(), 1) << lines.join(u'\n').toStdString();
    EXPECT_TRUE(lines[0].contains(QStringLiteral("n'a pas pu être compactée ; elle reste telle")));
    EXPECT_TRUE(lines[0].contains(QStringLiteral("utilisée par un autre programme")));
    EXPECT_FALSE(lines[0].contains(QStringLiteral("locked")));
    EXPECT_EQ(writer.exitCode(), SQLITE_OK);
    EXPECT_TRUE(fenetre->Label1.Visible);
    EXPECT_FALSE(fenetre->File1.Visible);
    auto rs = Donnees::Db.OpenRecordset(QStringLiteral("Select * from Cuisine"));
    rs.MoveLast();
    EXPECT_EQ(rs.RecordCount(), 2) << "the base shown is open, with the other program's card";
}

TEST_F(CompactionWindow, a_base_whose_file_is_gone_brings_back_the_base_list) {
    openTheBase();
    ASSERT_TRUE(QFile::remove(folder.filePath(QStringLiteral("B.MDB"))));

    platform::desktop::runEvent(fenetre->Base.Click);

    ASSERT_EQ(lines.size(), 1) << lines.join(u'\n').toStdString();
    EXPECT_TRUE(lines[0].contains(QStringLiteral("La base B.MDB ne peut plus être ouverte")))
        << lines[0].toStdString();
    EXPECT_FALSE(fenetre->Label1.Visible);
    EXPECT_FALSE(fenetre->Base.Visible);
    EXPECT_TRUE(fenetre->File1.Visible);
    EXPECT_EQ(fenetre->File1.items(), QStringList{QStringLiteral("AUTRE.MDB")});
}

}  // namespace
