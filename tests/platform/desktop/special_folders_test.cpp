#include "platform/desktop/special_folders.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/files/names.h"

using namespace platform::desktop;

namespace {

// A home folder of its own, with XDG_DATA_HOME as each test sets it; both given back after.
class SpecialFolders : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
        savedHome_ = qgetenv("HOME");
        savedDataHome_ = qgetenv("XDG_DATA_HOME");
        hadDataHome_ = qEnvironmentVariableIsSet("XDG_DATA_HOME");
        qputenv("HOME", QFile::encodeName(home_.path()));
        qunsetenv("XDG_DATA_HOME");
        platform::files::setDrive(u'C', home_.path());
    }
    void TearDown() override {
        qputenv("HOME", savedHome_);
        if (hadDataHome_) {
            qputenv("XDG_DATA_HOME", savedDataHome_);
        } else {
            qunsetenv("XDG_DATA_HOME");
        }
        platform::files::resetDrives();
    }

    QTemporaryDir home_;
    QByteArray savedHome_;
    QByteArray savedDataHome_;
    bool hadDataHome_ = false;
};

TEST_F(SpecialFolders, the_programs_folder_is_the_applications_folder_of_the_xdg_data_home) {
    struct Case {
        const char* dataHome;  // nullptr: unset
        const char* expected;  // Windows-style, C: being the home folder
    };
    const Case cases[] = {
        {nullptr, "C:\\.local\\share\\applications"},
        {"donnees", "C:\\.local\\share\\applications"},  // a relative value is ignored
        {"ABSOLUTE", "C:\\Mes donnees\\applications"},
    };
    for (const Case& c : cases) {
        if (c.dataHome == nullptr) {
            qunsetenv("XDG_DATA_HOME");
        } else if (QByteArray(c.dataHome) == "ABSOLUTE") {
            qputenv("XDG_DATA_HOME",
                    QFile::encodeName(home_.filePath(QStringLiteral("Mes donnees"))));
        } else {
            qputenv("XDG_DATA_HOME", c.dataHome);
        }
        EXPECT_EQ(specialFolder(CSIDL_PROGRAMS), QString::fromUtf8(c.expected))
            << (c.dataHome ? c.dataHome : "unset");
    }
}

TEST_F(SpecialFolders, a_missing_applications_folder_is_created_private_to_the_user) {
    const QString dataHome = home_.filePath(QStringLiteral("neuf/share"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome));
    ASSERT_FALSE(QFileInfo::exists(dataHome));

    EXPECT_EQ(specialFolder(CSIDL_PROGRAMS), QStringLiteral("C:\\neuf\\share\\applications"));
    for (const QString& created : {home_.filePath(QStringLiteral("neuf")), dataHome,
                                   dataHome + QStringLiteral("/applications")}) {
        const QFileInfo info(created);
        EXPECT_TRUE(info.isDir()) << created.toStdString();
        EXPECT_EQ(info.permissions() & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions())
            << created.toStdString();
    }
}

TEST_F(SpecialFolders, a_folder_that_cannot_exist_or_an_unknown_number_gives_an_empty_text) {
    QFile file(home_.filePath(QStringLiteral("fichier")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    qputenv("XDG_DATA_HOME", QFile::encodeName(file.fileName()));  // a file, not a folder
    EXPECT_EQ(specialFolder(CSIDL_PROGRAMS), QString());

    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(specialFolder(5), QString());
}

TEST_F(SpecialFolders, a_folder_no_drive_holds_is_named_by_its_posix_path) {
    QTemporaryDir elsewhere;
    qputenv("XDG_DATA_HOME", QFile::encodeName(elsewhere.path()));
    EXPECT_EQ(specialFolder(CSIDL_PROGRAMS),
              QDir::cleanPath(elsewhere.path()) + QStringLiteral("/applications"));
}

}  // namespace
