#include "platform/desktop/shortcut.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include "platform/core/error.h"
#include "platform/files/faults.h"
#include "platform/files/names.h"
#include "tests/platform/files/fixture.h"

using namespace platform::desktop;

namespace {

// A drive C: of its own holding the targets and the entries written.
class Shortcuts : public files_test::FolderTest {
protected:
    void putProgram(const QString& relative, const QByteArray& bytes) const {
        put(relative, bytes);
        QFile::setPermissions(path(relative), QFile::permissions(path(relative)) | QFile::ExeOwner);
    }

    // The value of `key` in the entry, its string escapes undone.
    QString value(const QString& entry, const QString& key) const {
        QFile file(path(entry));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << entry.toStdString();
        for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
            if (line.startsWith(key + u'=')) {
                QString text;
                const QString raw = line.mid(key.size() + 1);
                for (qsizetype i = 0; i < raw.size(); ++i) {
                    if (raw[i] == u'\\' && i + 1 < raw.size()) {
                        const QChar next = raw[++i];
                        text += next == u's'   ? QStringLiteral(" ")
                                : next == u'n' ? QStringLiteral("\n")
                                : next == u't' ? QStringLiteral("\t")
                                : next == u'r' ? QStringLiteral("\r")
                                               : QString(next);
                    } else {
                        text += raw[i];
                    }
                }
                return text;
            }
        }
        return QStringLiteral("<no %1>").arg(key);
    }

    // The arguments of an Exec value, as a launcher splits them: quotes group, a backslash in
    // quotes escapes the next character, %% is one %.
    static QStringList execArguments(const QString& exec) {
        QStringList arguments;
        QString argument;
        bool inQuotes = false;
        bool inArgument = false;
        for (qsizetype i = 0; i < exec.size(); ++i) {
            const QChar c = exec[i];
            if (inQuotes && c == u'\\' && i + 1 < exec.size()) {
                argument += exec[++i];
            } else if (c == u'"') {
                inQuotes = !inQuotes;
                inArgument = true;
            } else if (c == u'%' && i + 1 < exec.size() && exec[i + 1] == u'%') {
                argument += exec[++i];
                inArgument = true;
            } else if (c == u' ' && !inQuotes) {
                if (inArgument) {
                    arguments << argument;
                }
                argument.clear();
                inArgument = false;
            } else {
                argument += c;
                inArgument = true;
            }
        }
        if (inArgument) {
            arguments << argument;
        }
        return arguments;
    }

    // desktop-file-validate's verdict: empty when the entry is valid, else what it says.
    QString validationErrors(const QString& entry) const {
        QProcess validate;
        validate.start(QStringLiteral("desktop-file-validate"), {path(entry)});
        EXPECT_TRUE(validate.waitForFinished()) << "desktop-file-validate (desktop-file-utils)";
        const QString said =
            QString::fromUtf8(validate.readAllStandardOutput() + validate.readAllStandardError());
        return validate.exitCode() == 0 ? QString() : said;
    }
};

TEST_F(Shortcuts, an_entry_starts_its_program_whatever_characters_the_path_holds) {
    const QStringList folders = {
        QStringLiteral("Orvale/Recette"),
        QStringLiteral("Mes programmes/Crème brûlée"),
        QStringLiteral("a \"b\" $HOME `c` 100% l'e"),
        QStringLiteral(" espace devant"),
    };
    int n = 0;
    for (const QString& folder : folders) {
        SCOPED_TRACE(folder.toStdString());
        // The program leaves a mark beside itself: starting it is what the entry must do.
        putProgram(folder + QStringLiteral("/Recette"),
                   "#!/bin/sh\ntouch \"$(dirname \"$0\")/lance\"\n");
        const QString entry = QStringLiteral("Raccourci%1.desktop").arg(++n);
        Shortcut raccourci = CreateShortcut(QStringLiteral("C:\\") + entry);
        raccourci.TargetPath = QStringLiteral("C:\\") + QString(folder).replace(u'/', u'\\') +
                               QStringLiteral("\\Recette");
        raccourci.Save();

        EXPECT_EQ(validationErrors(entry), QString());
        EXPECT_EQ(value(entry, QStringLiteral("Name")), QStringLiteral("Raccourci%1").arg(n));
        const QString exec = value(entry, QStringLiteral("Exec"));
        EXPECT_EQ(execArguments(exec), QStringList{path(folder + QStringLiteral("/Recette"))});
        EXPECT_EQ(value(entry, QStringLiteral("Path")), QDir::cleanPath(path(folder)));
        // Inside double quotes the Exec rules are the shell's, once %% is undone.
        QString command = exec;
        command.replace(QStringLiteral("%%"), QStringLiteral("%"));
        EXPECT_EQ(QProcess::execute(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command}), 0);
        EXPECT_TRUE(QFileInfo::exists(path(folder + QStringLiteral("/lance"))));
    }
}

TEST_F(Shortcuts, a_document_or_a_folder_is_opened_by_the_desktop) {
    put(QStringLiteral("Orvale/Recette/Lisez-Moi.html"), "<html></html>");
    for (const QString& target :
         {QStringLiteral("Orvale\\Recette\\Lisez-Moi.html"), QStringLiteral("Orvale\\Recette")}) {
        SCOPED_TRACE(target.toStdString());
        Shortcut raccourci = CreateShortcut(QStringLiteral("C:\\Lisez-Moi.desktop"));
        raccourci.TargetPath = QStringLiteral("C:\\") + target;
        raccourci.Save();
        EXPECT_EQ(validationErrors(QStringLiteral("Lisez-Moi.desktop")), QString());
        EXPECT_EQ(execArguments(value(QStringLiteral("Lisez-Moi.desktop"), QStringLiteral("Exec"))),
                  (QStringList{QStringLiteral("xdg-open"),
                               platform::files::resolve(QStringLiteral("C:\\") + target)}));
    }
}

TEST_F(Shortcuts, saving_again_replaces_the_entry) {
    putProgram(QStringLiteral("un"), "1");
    putProgram(QStringLiteral("deux"), "2");
    Shortcut raccourci = CreateShortcut(QStringLiteral("C:\\Recette.desktop"));
    raccourci.TargetPath = QStringLiteral("C:\\un");
    raccourci.Save();
    raccourci.TargetPath = QStringLiteral("C:\\deux");
    raccourci.Save();
    EXPECT_EQ(execArguments(value(QStringLiteral("Recette.desktop"), QStringLiteral("Exec"))),
              QStringList{path(QStringLiteral("deux"))});
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden).size(), 3)
        << "no temporary file left";
}

TEST_F(Shortcuts, what_cannot_be_a_valid_entry_is_refused_and_nothing_is_written) {
    putProgram(QStringLiteral("Recette"), "#!/bin/sh\n");
    struct Case {
        const char* entry;
        const char* target;
        int error;
    };
    const Case cases[] = {
        {"C:\\Recette.desktop", "C:\\Absent", platform::err::FileNotFound},
        {"C:\\Recette.lnk", "C:\\Recette", platform::err::BadFileName},
        {"C:\\.desktop", "C:\\Recette", platform::err::BadFileName},
        {"C:\\Dossier absent\\Recette.desktop", "C:\\Recette", platform::err::PathNotFound},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        Shortcut raccourci = CreateShortcut(QString::fromUtf8(c.entry));
        raccourci.TargetPath = QString::fromUtf8(c.target);
        try {
            raccourci.Save();
            ADD_FAILURE() << "saved";
        } catch (const platform::Error& e) {
            EXPECT_EQ(e.number(), c.error) << e.description().toStdString();
        }
    }
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("Recette")});
}

TEST_F(Shortcuts, a_failing_disk_leaves_the_former_entry_whole) {
    putProgram(QStringLiteral("Recette"), "#!/bin/sh\n");
    put(QStringLiteral("Recette.desktop"), "ancienne");
    platform::files::setFaultHook([](std::string_view operation, const QString&) {
        if (operation == "write") {
            throw platform::Error(platform::err::DiskFull, QStringLiteral("Disque plein"));
        }
    });
    Shortcut raccourci = CreateShortcut(QStringLiteral("C:\\Recette.desktop"));
    raccourci.TargetPath = QStringLiteral("C:\\Recette");
    EXPECT_THROW(raccourci.Save(), platform::Error);
    QFile file(path(QStringLiteral("Recette.desktop")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("ancienne"));
}

}  // namespace
