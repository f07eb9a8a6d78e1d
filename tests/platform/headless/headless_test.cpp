#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/desktop/desktop.h"
#include "platform/files/names.h"
#include "platform/forms/controls.h"
#include "platform/forms/grid.h"
#include "platform/forms/instances.h"
#include "platform/forms/lists.h"
#include "platform/forms/picture.h"
#include "platform/headless/form_text.h"
#include "platform/headless/script_player.h"
#include "platform/headless/transcript.h"

using namespace platform::headless;
namespace forms = platform::forms;

TEST(ScriptWords, quotes_escapes_and_comments) {
    struct Case {
        const char* line;
        QStringList words;
    } cases[] = {
        {"menu KovDepart.Quitter", {"menu", "KovDepart.Quitter"}},
        {"type F.Text1 \"tarte aux pommes\"", {"type", "F.Text1", "tarte aux pommes"}},
        {"set F.Text5 \"a\\nb\"", {"set", "F.Text5", "a\r\nb"}},
        {"set F.T \"dit \\\"oui\\\" \\\\ fin\"", {"set", "F.T", "dit \"oui\" \\ fin"}},
        {"set F.T \"\"", {"set", "F.T", ""}},
        {"show F   # a comment", {"show", "F"}},
        {"set F.T \"# not a comment\"", {"set", "F.T", "# not a comment"}},
        {"   # only a comment", {}},
    };
    for (const Case& c : cases) {
        bool ok = false;
        EXPECT_EQ(scriptWords(QString::fromUtf8(c.line), &ok), c.words) << c.line;
        EXPECT_TRUE(ok) << c.line;
    }
    bool ok = true;
    scriptWords(QStringLiteral("set F.T \"open"), &ok);
    EXPECT_FALSE(ok) << "an unclosed quote is refused";
}

TEST(Transcript, texts_stay_on_one_line) {
    EXPECT_EQ(quoted(QStringLiteral("a\r\nb\nc \"d\" \\")),
              QStringLiteral("\"a\\nb\\nc \\\"d\\\" \\\\\""));
}

TEST(Transcript, paths_in_the_program_folder_are_shown_relative_to_it) {
    platform::files::setProgramFolder(QStringLiteral("/tmp/recette"));
    const struct {
        const char* path;
        const char* shown;
    } cases[] = {
        {"/tmp/recette/Lisez-Moi.chm", "Lisez-Moi.chm"},
        {"/tmp/recette\\Images\\TARTE.jpg", "Images\\TARTE.jpg"},
        {"Images\\PAS.jpg", "Images\\PAS.jpg"},
        {"/tmp/recettes/x.jpg", "/tmp/recettes/x.jpg"},
        {"/tmp/recette", "/tmp/recette"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shownPath(QString::fromUtf8(c.path)), QString::fromUtf8(c.shown)) << c.path;
    }
}

namespace {
struct Fenetre : forms::Form {
    Fenetre() : Form(QStringLiteral("Fenetre")) {
        Label1.Caption = QStringLiteral("Nombre de Recettes  3");
        Label2.Visible = false;
        Sub.Visible = false;
        MSFlexGrid1.Rows = 2;
        MSFlexGrid1.Row = 1;
        MSFlexGrid1.Col = 1;
        MSFlexGrid1.Text = QStringLiteral("TARTE");
        ProgressBar1.Max = 4;
        ProgressBar1.setValue(2);
    }
    forms::Label Label1{*this, QStringLiteral("Label1")};
    forms::Label Label2{*this, QStringLiteral("Label2")};
    forms::MenuItem Menu{*this, QStringLiteral("Menu"), QStringLiteral("Menu")};
    forms::MenuItem Sub{*this, QStringLiteral("Sub"), QStringLiteral("Sous-menu"), &Menu};
    forms::MenuItem Item{*this, QStringLiteral("Item"), QStringLiteral("Commande"), &Sub};
    forms::Grid MSFlexGrid1{*this, QStringLiteral("MSFlexGrid1")};
    forms::Picture Image1{*this, QStringLiteral("Image1")};
    forms::ProgressBar ProgressBar1{*this, QStringLiteral("ProgressBar1")};
};
}  // namespace

TEST(FormText, visible_controls_in_collection_order) {
    Fenetre f;
    f.Show();
    EXPECT_EQ(formText(f), (QStringList{
                               "form Fenetre",
                               "Fenetre.Label1 = \"Nombre de Recettes  3\"",
                               "Fenetre.Menu = menu \"Menu\"",
                               "Fenetre.MSFlexGrid1[0] = \"\" | \"\"",
                               "Fenetre.MSFlexGrid1[1] = \"\" | \"TARTE\"",
                               "Fenetre.Image1 = picture none",
                               "Fenetre.ProgressBar1 = 2/4",
                           }))
        << "a hidden label, and an item inside a hidden submenu, are not shown";
    f.Hide();
    EXPECT_EQ(formText(f), QStringList{"form Fenetre hidden"});
}

TEST(ScriptPlayer, stops_at_the_first_line_that_cannot_be_played) {
    QTemporaryDir dir;
    QFile script(dir.filePath(QStringLiteral("s.script")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("# a window with one menu command\nstart\nmenu Fenetre.Item\nshow Fenetre\n");
    script.close();
    QStringList lines;
    const ScriptResult result = playScript(
        script.fileName(), [] { forms::Load<Fenetre>().Show(); },
        [&](const QString& line) { lines << line; });
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failedLine, 3) << "the command lies in a hidden submenu";
    EXPECT_EQ(lines, (QStringList{"> start", "shown Fenetre", "> menu Fenetre.Item"}));
}

TEST(ScriptPlayer, an_answer_no_question_used_fails_the_script) {
    QTemporaryDir dir;
    QFile script(dir.filePath(QStringLiteral("s.script")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("answer Yes\nstart\n");
    script.close();
    const ScriptResult result = playScript(
        script.fileName(), [] { forms::Load<Fenetre>().Show(); }, [](const QString&) {});
    EXPECT_FALSE(result.ok) << "the script expected a question that never came";
}

TEST(ScriptPlayer, the_session_has_the_xdg_data_home_of_its_script_and_gives_it_back) {
    QTemporaryDir dir;
    QFile script(dir.filePath(QStringLiteral("s.script")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("xdg-data-home home/share\nstart\n");
    script.close();
    qputenv("XDG_DATA_HOME", "/avant");
    QString during;
    const ScriptResult result = playScript(
        script.fileName(),
        [&] {
            during = qEnvironmentVariable("XDG_DATA_HOME");
            forms::Load<Fenetre>().Show();
        },
        [](const QString&) {});
    EXPECT_TRUE(result.ok) << result.message.toStdString();
    EXPECT_EQ(during, dir.filePath(QStringLiteral("home/share")));
    EXPECT_EQ(qEnvironmentVariable("XDG_DATA_HOME"), QStringLiteral("/avant"));
    qunsetenv("XDG_DATA_HOME");
}

namespace {

// A window whose commands record what ran, ask a question and open the file dialog.
struct Questions : forms::Form {
    Questions() : Form(QStringLiteral("Questions")) {
        Ask.Click = [] { platform::desktop::MsgBox(QStringLiteral("Fini")); };
        Open.Click = [this] { CommonDialog1.ShowOpen(); };
        CommonDialog1.Filter = QStringLiteral("Images|*.jpg");
        List1.AddItem(QStringLiteral("Soupe"));
    }
    forms::MenuItem Menu{*this, QStringLiteral("Menu"), QStringLiteral("Menu")};
    forms::MenuItem Sub{*this, QStringLiteral("Sub"), QStringLiteral("Sous-menu"), &Menu};
    forms::MenuItem Item{*this, QStringLiteral("Item"), QStringLiteral("Commande"), &Sub};
    forms::CommandButton Ask{*this, QStringLiteral("Ask")};
    forms::CommandButton Open{*this, QStringLiteral("Open")};
    forms::CommonDialog CommonDialog1{*this, QStringLiteral("CommonDialog1")};
    forms::ListBox List1{*this, QStringLiteral("List1")};
    forms::DriveListBox Drive1{*this, QStringLiteral("Drive1")};
};

struct Played {
    ScriptResult result;
    QStringList lines;
    QStringList ran;  // what the window's menus ran
};

Played play(const QString& text) {
    QTemporaryDir dir;
    QFile(dir.filePath(QStringLiteral("photo.jpg"))).open(QIODevice::WriteOnly);
    QFile script(dir.filePath(QStringLiteral("s.script")));
    EXPECT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(text.toUtf8());
    script.close();
    Played played;
    played.result = playScript(
        script.fileName(),
        [&played] {
            auto& w = forms::Load<Questions>();
            w.Show();
            w.Menu.Click = [&played] { played.ran << QStringLiteral("Menu"); };
            w.Sub.Click = [&played] { played.ran << QStringLiteral("Sub"); };
            w.Item.Click = [&played] { played.ran << QStringLiteral("Item"); };
        },
        [&played](const QString& line) { played.lines << line; });
    return played;
}

}  // namespace

TEST(ScriptPlayer, a_command_in_a_submenu_opens_every_menu_above_it_first) {
    const Played played = play(QStringLiteral("start\nmenu Questions.Item\n"));
    EXPECT_TRUE(played.result.ok) << played.result.message.toStdString();
    EXPECT_EQ(played.ran, (QStringList{"Menu", "Sub", "Item"})) << "as a user opens them";
}

TEST(ScriptPlayer, what_no_user_could_do_fails_the_line_that_asks_it) {
    struct Case {
        const char* script;
        int line;
        const char* message;
        const char* printed;  // a line of the transcript, or none
    } cases[] = {
        {"start\nanswer Yes\nclick Questions.Ask\n", 3, "pas de bouton Yes",
         "msgbox \"Recette\" \"Fini\" OK -> OK"},
        {"start\nchoose absent.jpg\nclick Questions.Open\n", 3, "pas de fichier",
         "dialog \"Images|*.jpg\" -> cancel"},
        {"start\nclick Questions.List1\n", 2, "(pick)", nullptr},
        {"start\npick Questions.Drive1 \"Q:\"\n", 2, "n'a pas d'entrée", nullptr},
        {"start\npick Questions.List1 \"Tarte\"\n", 2, "n'a pas d'entrée", nullptr},
    };
    for (const Case& c : cases) {
        const Played played = play(QString::fromUtf8(c.script));
        EXPECT_FALSE(played.result.ok) << c.script;
        EXPECT_EQ(played.result.failedLine, c.line) << c.script;
        EXPECT_TRUE(played.result.message.contains(QString::fromUtf8(c.message)))
            << c.script << played.result.message.toStdString();
        if (c.printed != nullptr) {
            EXPECT_TRUE(played.lines.contains(QString::fromUtf8(c.printed))) << c.script;
        }
    }
}

TEST(ScriptPlayer, a_chosen_file_is_shown_relative_to_the_program_folder) {
    const Played played = play(QStringLiteral("start\nchoose photo.jpg\nclick Questions.Open\n"));
    EXPECT_TRUE(played.result.ok) << played.result.message.toStdString();
    EXPECT_TRUE(played.lines.contains(QStringLiteral("dialog \"Images|*.jpg\" -> \"photo.jpg\"")));
}

namespace {
// A window whose command is a long loop that lets the window repaint at each step.
struct Longue : forms::Form {
    Longue() : Form(QStringLiteral("Longue")) {
        Go.Click = [this] {
            ProgressBar1.Max = 2;
            for (int i = 0; i < 2; ++i) {
                ProgressBar1.setValue(i);
                platform::desktop::DoEvents();
            }
        };
    }
    forms::ProgressBar ProgressBar1{*this, QStringLiteral("ProgressBar1")};
    forms::MenuItem Go{*this, QStringLiteral("Go"), QStringLiteral("Go")};
};
}  // namespace

TEST(ScriptPlayer, watches_repaints_and_lists_files_and_lines_of_any_folder) {
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("sub")));
    for (const char* name : {"notes.txt", "sub/a.txt", "sub/b.jpg"}) {
        QFile file(dir.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("premi\xe8re\r\nseconde\r\n");
    }
    QFile script(dir.filePath(QStringLiteral("s.script")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(
        "start\nmenu Longue.Go\nwatch Longue\nmenu Longue.Go\nfiles \"*.txt\"\n"
        "files \"C:\\\\sub\\\\*.*\"\nlines \"sub\\\\a.txt\"\nlines \"absent.txt\"\n");
    script.close();
    QStringList lines;
    const ScriptResult result = playScript(
        script.fileName(),
        [&] {
            platform::files::setDrive(u'C', dir.path());
            forms::Load<Longue>().Show();
        },
        [&](const QString& line) { lines << line; });
    platform::files::resetDrives();
    EXPECT_TRUE(result.ok) << result.message.toStdString();
    EXPECT_EQ(lines, (QStringList{
                         "> start",
                         "shown Longue",
                         "> menu Longue.Go",
                         "> watch Longue",
                         "> menu Longue.Go",
                         "repaint Longue",
                         "  form Longue",
                         "  Longue.ProgressBar1 = 0/2",
                         "  Longue.Go = menu \"Go\"",
                         "repaint Longue",
                         "  form Longue",
                         "  Longue.ProgressBar1 = 1/2",
                         "  Longue.Go = menu \"Go\"",
                         "> files \"*.txt\"",
                         "files \"*.txt\" = [\"notes.txt\"]",
                         "> files \"C:\\\\sub\\\\*.*\"",
                         "files \"C:\\\\sub\\\\*.*\" = [\"a.txt\", \"b.jpg\"]",
                         "> lines \"sub\\\\a.txt\"",
                         "lines \"sub\\\\a.txt\" = [\"première\", \"seconde\"]",
                         "> lines \"absent.txt\"",
                         "lines \"absent.txt\" = <absent>",
                     }))
        << "repaints are printed only once watched; names and lines of any folder";
}
