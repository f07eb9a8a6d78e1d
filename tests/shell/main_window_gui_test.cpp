// The main window and the delete window on a real X server, driven by clicks and keys as a user
// drives them: windows there are activated and take the focus, which the offscreen platform
// never does. What a transcript cannot show is checked here: the base files the process holds
// open, the focus, and the texts of the buttons on screen.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <filesystem>

#include "management/kov_creer.h"
#include "management/kov_supprime.h"
#include "platform/desktop/session.h"
#include "platform/files/names.h"
#include "platform/forms/instances.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/user_input.h"
#include "qt_print.h"
#include "shell/donnees.h"
#include "shell/kov_depart.h"
#include "sqlite_fixture.h"

namespace {

namespace forms = platform::forms;
namespace input = platform::qt::input;
using platform::qt::FormWindow;

// The Qt desktop, answering every question by a click on its "No" button and keeping the
// questions with the texts of their buttons.
class Bureau : public platform::qt::QtDesktop {
public:
    struct Question {
        QString text;
        QStringList buttons;
    };
    std::vector<Question> questions;

protected:
    int runModal(QDialog& dialog) override {
        QTimer::singleShot(0, &dialog, [this, &dialog] {
            auto& box = static_cast<QMessageBox&>(dialog);
            Question asked{box.text(), {}};
            for (const QAbstractButton* button : box.buttons()) {
                asked.buttons << button->text().remove(u'&');
            }
            questions.push_back(asked);
            QAbstractButton* no = box.button(QMessageBox::No);
            if (no != nullptr && input::reach(*no, no->rect().center()) == input::Reach::ok) {
                input::click(*no, no->rect().center());
            } else {
                box.reject();
            }
        });
        return QtDesktop::runModal(dialog);
    }
};

// The names of the base files this process holds open, as the system sees them.
QStringList openBases() {
    QStringList open;
    for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code error;
        const QString target = QString::fromStdString(read_symlink(fd.path(), error).string());
        if (!error && target.endsWith(QStringLiteral(".mdb"), Qt::CaseInsensitive)) {
            open << QFileInfo(target).fileName();
        }
    }
    return open;
}

class OnScreen : public ::testing::Test {
protected:
    void SetUp() override {
        platform::desktop::resetSession();
        test_support::makeRecipeBase(folder_.filePath(QStringLiteral("CUISINE.mdb")), 12);
        test_support::makeRecipeBase(folder_.filePath(QStringLiteral("FAMILLE.MDB")), 3);
        platform::files::setProgramFolder(folder_.path());
        platform::desktop::setDesktop(&desktop_);
        desktop_.runUserAction([] {
            Donnees::reset();
            forms::Load<KovDepart>();
        });
    }

    void TearDown() override {
        if (!platform::desktop::programHasEnded()) {
            desktop_.runUserAction([] { platform::desktop::End(); });
        }
        platform::desktop::setDesktop(nullptr);
        input::settle();
    }

    // The window of F once it is on screen with the focus, and whatever that set going is over.
    template <class F>
    FormWindow& activeWindow() {
        FormWindow* window = desktop_.windowFor(forms::Instance<F>());
        EXPECT_NE(window, nullptr);
        EXPECT_TRUE(input::waitUntil([window] { return window->isActiveWindow(); }));
        EXPECT_TRUE(input::waitUntil([window] {
            return QApplication::focusWidget() != nullptr &&
                   window->isAncestorOf(QApplication::focusWidget());
        }));
        input::settle();
        return *window;
    }

    // A click on entry `row` of a list on screen.
    static void clickEntry(FormWindow& window, const forms::Control& list, int row) {
        auto* widget = static_cast<QListWidget*>(window.widgetFor(list));
        const QPoint centre = widget->visualItemRect(widget->item(row)).center();
        ASSERT_EQ(input::reach(*widget->viewport(), centre), input::Reach::ok);
        input::click(*widget->viewport(), centre);
        input::settle();
    }

    // The command `item` of the menu `menu`, or of the menu bar itself, clicked as a user does.
    static void choose(FormWindow& window, forms::MenuItem* menu, forms::MenuItem& item) {
        QMenuBar& bar = *window.menuBar();
        QWidget* holder = &bar;
        if (menu != nullptr) {
            QMenu* popup = window.actionFor(*menu)->menu();
            input::click(bar, bar.actionGeometry(window.actionFor(*menu)).center());
            ASSERT_TRUE(input::waitUntil([popup] { return popup->isVisible(); }));
            holder = popup;
        }
        QAction* action = window.actionFor(item);
        const QPoint at = menu != nullptr
                              ? static_cast<QMenu*>(holder)->actionGeometry(action).center()
                              : bar.actionGeometry(action).center();
        input::click(*holder, at);
        input::settle();
    }

    static bool showsText(const FormWindow& window, const QString& text) {
        for (const QLabel* label : window.findChildren<QLabel*>()) {
            if (label->isVisible() && label->text() == text) {
                return true;
            }
        }
        return false;
    }

    QTemporaryDir folder_;
    Bureau desktop_;
};

TEST_F(OnScreen, no_base_is_open_until_the_user_clicks_one) {
    KovDepart& depart = forms::Instance<KovDepart>();
    FormWindow& window = activeWindow<KovDepart>();
    EXPECT_EQ(QApplication::focusWidget(), window.widgetFor(depart.File1)) << "the list has it";
    EXPECT_EQ(openBases(), QStringList{}) << "shown and focused, the list opened nothing";

    clickEntry(window, depart.File1, 1);
    EXPECT_EQ(openBases(), QStringList{"FAMILLE.MDB"});
    EXPECT_TRUE(showsText(window, QStringLiteral("Nombre de Recettes  3")));

    // Back to the list: a click on the base that is open reopens it.
    choose(window, &depart.Menu, depart.Change);
    ASSERT_TRUE(window.widgetFor(depart.File1)->isVisible());
    clickEntry(window, depart.File1, 1);
    EXPECT_FALSE(window.widgetFor(depart.File1)->isVisible()) << "the open-base state again";
    EXPECT_TRUE(showsText(window, QStringLiteral("Nombre de Recettes  3")));

    // Through the create window and back: again nothing is open until a click.
    choose(window, &depart.Menu, depart.Creer);
    FormWindow& creer = activeWindow<KovCreer>();
    EXPECT_EQ(openBases(), QStringList{});
    choose(creer, nullptr, forms::Instance<KovCreer>().Retour);
    KovDepart& encore = forms::Instance<KovDepart>();
    FormWindow& retour = activeWindow<KovDepart>();
    EXPECT_EQ(openBases(), QStringList{});
    clickEntry(retour, encore.File1, 0);
    EXPECT_EQ(openBases(), QStringList{"CUISINE.mdb"});
    EXPECT_TRUE(showsText(retour, QStringLiteral("Nombre de Recettes  12")));
}

TEST_F(OnScreen, the_delete_window_asks_only_when_an_entry_is_clicked_and_in_french) {
    KovDepart& depart = forms::Instance<KovDepart>();
    choose(activeWindow<KovDepart>(), &depart.Menu, depart.Supprimer);
    KovSupprime& supprime = forms::Instance<KovSupprime>();
    FormWindow& window = activeWindow<KovSupprime>();
    EXPECT_TRUE(desktop_.questions.empty()) << "shown and focused, it asked nothing";

    // Enter and Escape on the focused list delete nothing and ask nothing.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        input::key(*QApplication::focusWidget(), key);
        input::settle();
    }
    EXPECT_TRUE(desktop_.questions.empty());

    // Each click on an entry asks, in French; "Non" deletes nothing.
    clickEntry(window, supprime.File1, 0);
    clickEntry(window, supprime.File1, 0);
    ASSERT_EQ(desktop_.questions.size(), 2u) << "the same entry clicked again asks again";
    EXPECT_EQ(desktop_.questions[0].text, QStringLiteral("VOULEZ-VOUS SUPPRIMER CUISINE.mdb"));
    QStringList buttons = desktop_.questions[0].buttons;
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{"Non", "Oui"}));
    EXPECT_TRUE(QFile::exists(folder_.filePath(QStringLiteral("CUISINE.mdb"))));
    EXPECT_TRUE(QFile::exists(folder_.filePath(QStringLiteral("FAMILLE.MDB"))));
}

}  // namespace
