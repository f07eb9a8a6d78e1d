// A backup or a restore that fails, at any copy or by a killed process, loses nothing of the
// program folder: the user is told which file stopped it, and the base still opens.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <map>

#include "backup/kov_sauvegarde.h"
#include "platform/core/error.h"
#include "platform/data/database.h"
#include "platform/desktop/session.h"
#include "platform/files/faults.h"
#include "platform/files/names.h"
#include "platform/forms/instances.h"
#include "platform/headless/headless_desktop.h"
#include "shell/donnees.h"
#include "shell/kov_depart.h"
#include "sqlite_fixture.h"

namespace files = platform::files;
namespace forms = platform::forms;

namespace {

using Snapshot = std::map<QString, QByteArray>;

// Every file below `folder`, hidden ones included, with its bytes.
Snapshot snapshot(const QString& folder) {
    Snapshot files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        files[QDir(folder).relativeFilePath(path)] = file.readAll();
    }
    return files;
}

void put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void makeBase(const QString& path, int recettes) {
    QDir().mkpath(QFileInfo(path).path());
    const test_support::FixtureConnection base(path);
    base.exec(test_support::cuisineSchema());
    base.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE "
                             "i < %1) INSERT INTO Cuisine SELECT i, 'DES', 'GÂTEAU ' || i, '', "
                             "'?', 'a', '?', 'x', 'y' FROM n;")
                  .arg(recettes));
}

// The number of recipes of a base, or -1 when it does not open as one.
long recipesIn(const QString& path) {
    long count = -1;
    platform::ignoreErrors([&] {
        auto db = platform::data::DBEngine::OpenDatabase(path);
        auto rs = db.OpenRecordset(QStringLiteral("Select * from Cuisine"));
        rs.MoveLast();
        count = rs.RecordCount();
        db.Close();
    });
    return count;
}

// A folder that refuses new files while this lives: its permission bits for a user, its
// immutable flag for root, whom permission bits do not stop.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& path) : path_(QFile::encodeName(path)) {
        if (::geteuid() != 0) {
            made_ = ::chmod(path_.constData(), 0555) == 0;
            return;
        }
        const int fd = ::open(path_.constData(), O_RDONLY | O_DIRECTORY);
        int flags = 0;
        made_ = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 &&
                (flags |= FS_IMMUTABLE_FL, ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0);
        if (fd >= 0) {
            ::close(fd);
        }
    }
    ~ReadOnlyFolder() {
        if (::geteuid() != 0) {
            ::chmod(path_.constData(), 0755);
            return;
        }
        const int fd = ::open(path_.constData(), O_RDONLY | O_DIRECTORY);
        int flags = 0;
        if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags &= ~FS_IMMUTABLE_FL;
            ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
        }
        if (fd >= 0) {
            ::close(fd);
        }
    }
    bool made() const { return made_; }

private:
    QByteArray path_;
    bool made_ = false;
};

// A fault hook that raises `number` at the `nth` (from 1) `operation` whose path ends in
// `suffix`.
files::FaultHook failAt(std::string operation, int nth, int number = platform::err::DiskFull) {
    auto seen = std::make_shared<int>(0);
    return [=](std::string_view op, const QString& path) {
        if (op == operation && ++*seen == nth) {
            throw platform::Error(number,
                                  QStringLiteral("disque plein : ") + files::windowsName(path));
        }
    };
}

// C:\Programme, with two bases, side files, a marker and three pictures; D: the backup drive.
class Sauvegarde : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        programme = root.filePath(QStringLiteral("Programme"));
        cle = root.filePath(QStringLiteral("cle"));
        makeBase(programme + QStringLiteral("/CUISINE.mdb"), 3);
        makeBase(programme + QStringLiteral("/FAMILLE.MDB"), 1);
        makeBase(programme + QStringLiteral("/Base.kov"), 0);
        put(programme + QStringLiteral("/AGNEAU.txt"), "AGNEAU\r\n");
        put(programme + QStringLiteral("/Sauve.kov"),
            "01/12/2024\r\nD:\\\r\nSauvegarde\\Recettes\r\nC:\\Programme\r\n");
        for (const char* picture : {"PAS.jpg", "TARTE.jpg", "SOUPE.jpg"}) {
            put(programme + QStringLiteral("/Images/") + QString::fromUtf8(picture), picture);
        }
        QDir().mkpath(cle + QStringLiteral("/Sauvegarde/Recettes"));
        files::setDrive(u'C', root.path());
        files::setDrive(u'D', cle);
        files::setProgramFolder(programme);
        platform::desktop::setDesktop(&desktop);
        platform::desktop::resetSession();
        Donnees::reset();
    }
    void TearDown() override {
        files::setFaultHook({});
        platform::desktop::resetSession();
        platform::ignoreErrors([] { Donnees::Db.Close(); });
        Donnees::reset();
        platform::desktop::setDesktop(nullptr);
        files::resetDrives();
    }

    // The main window with CUISINE.mdb open, then the backup window over it.
    KovSauvegarde& openWindow() {
        act([] { forms::Load<KovDepart>().File1.pick(QStringLiteral("CUISINE.mdb")); });
        act([] { forms::Instance<KovDepart>().Sauve_Click(); });
        return forms::Instance<KovSauvegarde>();
    }
    void act(const std::function<void()>& handler) { platform::desktop::runEvent(handler); }

    QStringList messages() const { return lines.filter(QStringLiteral("msgbox")); }
    bool baseOpens() const {
        bool opens = false;
        platform::ignoreErrors([&] {
            auto rs = Donnees::Db.OpenRecordset(QStringLiteral("Select * from Cuisine"));
            opens = true;
            rs.Close();
        });
        return opens;
    }

    QTemporaryDir root;
    QString programme;
    QString cle;
    QStringList lines;
    platform::headless::Transcript transcript{[this](const QString& l) { lines << l; }};
    platform::headless::HeadlessDesktop desktop{transcript};
};

TEST_F(Sauvegarde, a_read_only_backup_folder_stops_the_backup_and_changes_nothing) {
    ReadOnlyFolder readOnly(cle + QStringLiteral("/Sauvegarde/Recettes"));
    if (!readOnly.made()) {
        GTEST_SKIP() << "this system cannot make a folder read-only for this user";
    }
    const Snapshot before = snapshot(programme);
    KovSauvegarde& fenetre = openWindow();
    act([&] { fenetre.Sauve_Click(); });

    ASSERT_EQ(messages().size(), 1) << lines.join(u'\n').toStdString();
    EXPECT_TRUE(messages()[0].contains(
        QStringLiteral("s'est arrêtée sur le fichier C:\\\\Programme\\\\AGNEAU.txt")))
        << messages()[0].toStdString();
    EXPECT_TRUE(messages()[0].contains(QStringLiteral("Permission refusée")));
    EXPECT_EQ(fenetre.Text1.Text, QStringLiteral("D:\\Sauvegarde\\Recettes"));
    EXPECT_TRUE(fenetre.Sauve.Visible && fenetre.Restor.Visible && fenetre.Qite.Visible)
        << "the window is ready for another choice";
    EXPECT_EQ(snapshot(programme), before) << "the marker got its lines back";
    EXPECT_TRUE(baseOpens());
}

TEST_F(Sauvegarde, a_backup_failing_half_way_says_where_and_loses_nothing) {
    const struct {
        const char* operation;
        int nth;
        const char* message;
    } cases[] = {
        {"copy", 3, "s'est arrêtée sur le fichier C:\\\\Programme\\\\CUISINE.mdb"},
        {"copy", 7, "s'est arrêtée sur le fichier C:\\\\Programme\\\\Images\\\\SOUPE.jpg"},
        {"flush", 1, "n'a pas pu se terminer"},
        {"write", 1, "n'a pas pu se terminer"},  // the marker itself
    };
    const Snapshot before = snapshot(programme);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.operation) + " " + std::to_string(c.nth));
        lines.clear();
        KovSauvegarde& fenetre = openWindow();
        files::setFaultHook(failAt(c.operation, c.nth));
        act([&] { fenetre.Sauve_Click(); });
        files::setFaultHook({});

        ASSERT_EQ(messages().size(), 1) << lines.join(u'\n').toStdString();
        EXPECT_TRUE(messages()[0].contains(QString::fromUtf8(c.message)))
            << messages()[0].toStdString();
        EXPECT_TRUE(messages()[0].contains(QStringLiteral("disque plein")));
        EXPECT_NE(fenetre.Text1.Text, QStringLiteral("C'EST FINI"));
        EXPECT_FALSE(fenetre.Frame1.Visible);
        EXPECT_EQ(snapshot(programme), before);
        EXPECT_TRUE(baseOpens());
        act([&] { fenetre.Qite_Click(); });
    }
    // Nothing was left behind that the next backup would trip on.
    lines.clear();
    KovSauvegarde& fenetre = openWindow();
    act([&] { fenetre.Sauve_Click(); });
    EXPECT_EQ(messages(), QStringList());
    EXPECT_EQ(fenetre.Text1.Text, QStringLiteral("C'EST FINI"));
    const Snapshot copy = snapshot(cle + QStringLiteral("/Sauvegarde/Recettes"));
    EXPECT_EQ(copy.size(), before.size()) << "every file once, no temporary one";
    EXPECT_EQ(copy.at(QStringLiteral("Images/TARTE.jpg")), "TARTE.jpg");
}

// The backup folder holds newer versions of the two bases and the text.
class Restauration : public Sauvegarde {
protected:
    void SetUp() override {
        Sauvegarde::SetUp();
        const QString b = cle + QStringLiteral("/Sauvegarde/Recettes");
        makeBase(b + QStringLiteral("/CUISINE.mdb"), 7);
        makeBase(b + QStringLiteral("/FAMILLE.MDB"), 5);
        put(b + QStringLiteral("/AGNEAU.txt"), "AGNEAU restauré\r\n");
    }
};

TEST_F(Restauration, a_restore_failing_half_way_keeps_every_file_whole_and_the_base_opens) {
    KovSauvegarde& fenetre = openWindow();
    files::setFaultHook(failAt("copy", 2));  // AGNEAU.txt restored, CUISINE.mdb refused
    act([&] { fenetre.Restor_Click(); });
    files::setFaultHook({});

    ASSERT_EQ(messages().size(), 1) << lines.join(u'\n').toStdString();
    EXPECT_TRUE(messages()[0].contains(
        QStringLiteral("s'est arrêtée sur le fichier D:\\\\Sauvegarde\\\\Recettes\\\\CUISINE.mdb")))
        << messages()[0].toStdString();
    const Snapshot after = snapshot(programme);
    EXPECT_EQ(after.at(QStringLiteral("AGNEAU.txt")), "AGNEAU restauré\r\n");
    EXPECT_EQ(recipesIn(programme + QStringLiteral("/CUISINE.mdb")), 3);
    EXPECT_EQ(recipesIn(programme + QStringLiteral("/FAMILLE.MDB")), 1);
    EXPECT_EQ(after.size(), 8u) << "no temporary file left";
    EXPECT_TRUE(baseOpens());
    EXPECT_FALSE(forms::Instances::isLoaded<KovSauvegarde>());
    EXPECT_TRUE(forms::Instance<KovDepart>().Visible);
}

TEST_F(Restauration, a_restore_killed_at_any_copy_leaves_bases_that_open) {
    for (int nth = 1; nth <= 3; ++nth) {
        SCOPED_TRACE(nth);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            KovSauvegarde& fenetre = openWindow();
            files::setFaultHook([nth, seen = 0](std::string_view op, const QString&) mutable {
                if (op == "copy" && ++seen == nth) {
                    _exit(9);
                }
            });
            fenetre.Restor_Click();
            _exit(0);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 9) << "the process died at that copy";
        const long cuisine = recipesIn(programme + QStringLiteral("/CUISINE.mdb"));
        const long famille = recipesIn(programme + QStringLiteral("/FAMILLE.MDB"));
        EXPECT_TRUE(cuisine == 3 || cuisine == 7) << cuisine;
        EXPECT_TRUE(famille == 1 || famille == 5) << famille;
    }
}

TEST_F(Restauration, a_restore_refuses_a_backup_folder_without_base_and_changes_nothing) {
    QFile::remove(cle + QStringLiteral("/Sauvegarde/Recettes/CUISINE.mdb"));
    QFile::remove(cle + QStringLiteral("/Sauvegarde/Recettes/FAMILLE.MDB"));
    const Snapshot before = snapshot(programme);
    KovSauvegarde& fenetre = openWindow();
    act([&] { fenetre.Restor_Click(); });
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages()[0].contains(QStringLiteral("ne contient aucune base")));
    EXPECT_EQ(snapshot(programme), before);
    EXPECT_TRUE(fenetre.Restor.Visible) << "the window stays for another choice";
    EXPECT_TRUE(baseOpens()) << "the base was never closed";
}

TEST_F(Restauration, backup_and_restore_with_no_base_open_end_without_error) {
    act([] { forms::Load<KovSauvegarde>(); });
    KovSauvegarde& fenetre = forms::Instance<KovSauvegarde>();
    act([&] { fenetre.Sauve_Click(); });
    EXPECT_EQ(fenetre.Text1.Text, QStringLiteral("C'EST FINI"));
    act([&] { fenetre.Qite_Click(); });
    act([] { forms::Load<KovSauvegarde>().Restor_Click(); });
    EXPECT_EQ(messages(), QStringList()) << lines.join(u'\n').toStdString();
    EXPECT_FALSE(Donnees::Db.isSet());
    EXPECT_EQ(recipesIn(programme + QStringLiteral("/CUISINE.mdb")), 3)
        << "the backup just made was restored";
    EXPECT_TRUE(forms::Instance<KovDepart>().Visible);
}

}  // namespace
