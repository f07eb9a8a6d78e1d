// The scripts' commands on the real windows, under an X server: one script using every command
// on a window with every kind of control plays on the headless desktop and on the Qt desktop,
// and both print the same transcript.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/desktop/desktop.h"
#include "platform/forms/controls.h"
#include "platform/forms/grid.h"
#include "platform/forms/instances.h"
#include "platform/forms/lists.h"
#include "platform/headless/script_player.h"
#include "platform/qt/widget_driver.h"
#include "qt_print.h"

namespace platform::qt::testing {
namespace {

namespace desktop = platform::desktop;

// A window of every kind of control, each handler writing what reached it where `show` reads it.
class Essai : public forms::Form {
public:
    Essai() : Form(QStringLiteral("Essai")) {
        Caption = QStringLiteral("Essai");
        Width = 11000;
        Height = 8000;
        Label1.place(300, 200, 4000, 300);
        Label2.place(4500, 200, 4000, 300);
        Command1.place(300, 700, 1500, 400);
        Command1.Caption = QStringLiteral("Demander");
        Command2.place(2000, 700, 1500, 400);
        Command2.Caption = QStringLiteral("Ouvrir");
        Cache.place(3700, 700, 1500, 400);
        Cache.Visible = false;
        Text1.place(300, 1300, 4000, 350);
        Text2.place(4500, 1300, 4000, 900);
        Text2.MultiLine = true;
        List1.place(300, 2400, 2500, 1500);
        for (int i = 1; i <= 40; ++i) {
            List1.AddItem(QStringLiteral("Entrée %1").arg(i));
        }
        Drive1.place(3000, 2400, 2500, 350);
        Dir1.place(3000, 2900, 2500, 1000);
        Grid1.place(300, 4200, 8000, 2000);
        Grid1.Rows = 60;
        Grid1.Cols = 2;
        for (int r = 0; r < 60; ++r) {
            Grid1.Row = r;
            Grid1.Col = 1;
            Grid1.Text = QStringLiteral("Recette %1").arg(r);
        }
        CommonDialog1.Filter = QStringLiteral("Images|*.jpg");

        mnuSoupe.Click = [this] { Label1.Caption = QStringLiteral("Soupe choisie"); };
        mnuRecents.Click = [this] { Label2.Caption = QStringLiteral("Récents ouverts"); };
        Label1.Click = [this] { Label1.Caption += QStringLiteral(" !"); };
        Command1.Click = [this] {
            const bool oui = desktop::MsgBox(QStringLiteral("Continuer ?"), desktop::Buttons::YesNo,
                                             QStringLiteral("Question")) == desktop::vbYes;
            Label1.Caption = oui ? QStringLiteral("Oui") : QStringLiteral("Non");
        };
        Command2.Click = [this] {
            CommonDialog1.FileName.clear();
            CommonDialog1.ShowOpen();
            Label2.Caption = QFileInfo(CommonDialog1.FileName).fileName();
        };
        Text1.KeyPress = [](int& key) {
            key = QChar(static_cast<char16_t>(key)).toUpper().unicode();
        };
        List1.Click = [this] { Label2.Caption = List1.Text(); };
        Drive1.Change = [this] { Label2.Caption = Drive1.drive().left(2); };
        Grid1.Click = [this] { Label2.Caption = Grid1.Text; };
    }

    forms::MenuItem mnuFichier{*this, QStringLiteral("mnuFichier"), QStringLiteral("&Fichier")};
    forms::MenuItem mnuRecents{*this, QStringLiteral("mnuRecents"), QStringLiteral("Récents"),
                               &mnuFichier};
    forms::MenuItem mnuSoupe{*this, QStringLiteral("mnuSoupe"), QStringLiteral("Soupe"),
                             &mnuRecents};
    forms::Label Label1{*this, QStringLiteral("Label1")};
    forms::Label Label2{*this, QStringLiteral("Label2")};
    forms::CommandButton Command1{*this, QStringLiteral("Command1")};
    forms::CommandButton Command2{*this, QStringLiteral("Command2")};
    forms::CommandButton Cache{*this, QStringLiteral("Cache")};
    forms::TextBox Text1{*this, QStringLiteral("Text1")};
    forms::TextBox Text2{*this, QStringLiteral("Text2")};
    forms::ListBox List1{*this, QStringLiteral("List1")};
    forms::DriveListBox Drive1{*this, QStringLiteral("Drive1")};
    forms::DirListBox Dir1{*this, QStringLiteral("Dir1")};
    forms::Grid Grid1{*this, QStringLiteral("Grid1")};
    forms::CommonDialog CommonDialog1{*this, QStringLiteral("CommonDialog1")};
};

struct Played {
    headless::ScriptResult result;
    QStringList transcript;
};

// Plays `script` in a fresh folder holding a picture and two folders, on the headless desktop or
// on the Qt desktop (screenshots in `shots`).
Played play(const QString& script, bool onScreen, const QString& shots = {}) {
    QTemporaryDir folder;
    QFile(folder.filePath(QStringLiteral("photo.jpg"))).open(QIODevice::WriteOnly);
    for (const char* sub : {"Desserts", "Entrées", "disque"}) {
        QDir(folder.path()).mkdir(QString::fromUtf8(sub));
    }
    QFile file(folder.filePath(QStringLiteral("essai.script")));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(script.toUtf8());
    file.close();
    Played run;
    headless::DriverFactory driver;
    if (onScreen) {
        driver = [shots](headless::Transcript& transcript) {
            return std::make_unique<WidgetDriver>(transcript, QStringLiteral("essai"), shots);
        };
    }
    const QString root = folder.path();
    run.result = headless::playScript(
        file.fileName(),
        [root] {
            // The folder list starts in the program folder, whatever path it runs in.
            forms::Load<Essai>().Dir1.setPath(root);
            forms::Instance<Essai>().Show();
        },
        [&run, root](const QString& line) {
            run.transcript << QString(line).replace(root, QStringLiteral("DOSSIER"));
        },
        driver);
    return run;
}

TEST(WidgetDriver, every_command_plays_on_screen_as_it_plays_headless) {
    const QString script = QStringLiteral(
        "drive D disque\n"
        "start\n"
        "menu Essai.mnuSoupe\n"
        "click Essai.Label1\n"
        "answer No\n"
        "click Essai.Command1\n"
        "show Essai\n"
        "answer Yes\n"
        "click Essai.Command1\n"
        "choose photo.jpg\n"
        "click Essai.Command2\n"
        "show Essai\n"
        "choose cancel\n"
        "click Essai.Command2\n"
        "type Essai.Text1 \"tarte é\\n\"\n"
        "key Essai.Text1 Backspace\n"
        "set Essai.Text2 \"ligne 1\\nligne 2\"\n"
        "type Essai.Text2 \"\\nfin\"\n"
        "pick Essai.List1 \"entrée 35\"\n"
        "show Essai\n"
        "pick Essai.Drive1 \"D:\"\n"
        "pick Essai.Dir1 \"Desserts\"\n"
        "cell Essai.Grid1 50 1\n"
        "set Essai.Text1 \"\"\n"
        "show Essai\n");
    const QString shots = QDir::tempPath() + QStringLiteral("/widget_driver_shots");
    QDir(shots).removeRecursively();
    const Played headless = play(script, false);
    const Played onScreen = play(script, true, shots);
    ASSERT_TRUE(headless.result.ok) << headless.result.message.toStdString();
    EXPECT_TRUE(onScreen.result.ok) << onScreen.result.message.toStdString();
    EXPECT_EQ(onScreen.transcript, headless.transcript);
    // What each command did, as the last show reads it.
    for (const char* line :
         {"msgbox \"Question\" \"Continuer ?\" YesNo -> No", "Essai.Label1 = \"Non\"",
          "dialog \"Images|*.jpg\" -> \"photo.jpg\"", "Essai.Label2 = \"photo.jpg\"",
          "Essai.Text2 = \"ligne 1\\nligne 2\\nfin\"", "Essai.Label2 = \"Entrée 35\"",
          "Essai.Label2 = \"Recette 50\"", "Essai.Text1 = \"\""}) {
        EXPECT_TRUE(headless.transcript.contains(QString::fromUtf8(line))) << line;
    }
    EXPECT_TRUE(QFileInfo::exists(shots + QStringLiteral("/essai-4-Essai.png")));
}

TEST(WidgetDriver, what_no_user_can_do_fails_the_same_line_on_both_desktops) {
    for (const char* script :
         {"start\nclick Essai.Cache\n", "start\npick Essai.List1 \"Entrée 99\"\n",
          "start\nanswer OK\nclick Essai.Command1\n",
          "start\nchoose absente.jpg\nclick Essai.Command2\n"}) {
        const Played headless = play(QString::fromUtf8(script), false);
        const Played onScreen = play(QString::fromUtf8(script), true);
        EXPECT_FALSE(headless.result.ok) << script;
        EXPECT_EQ(onScreen.result.failedLine, headless.result.failedLine) << script;
        EXPECT_EQ(onScreen.result.message, headless.result.message) << script;
        EXPECT_EQ(onScreen.transcript, headless.transcript) << script;
    }
}

}  // namespace
}  // namespace platform::qt::testing
