// What only real widgets can show: where the controls land in pixels, the menu bar's shape, keys
// routed through a KeyPress handler, clicks reaching the models, and a rendered screenshot.
#include <QtTest/qtestspontaneevent.h>
#include <gtest/gtest.h>
#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSet>
#include <QTableView>
#include <QTest>
#include <cmath>
#include <memory>

#include "platform/desktop/session.h"
#include "platform/forms/instances.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/symbol_font.h"
#include "platform/qt/units.h"
#include "qt_print.h"
#include "test_form.h"

namespace platform::qt::testing {
namespace {

class QtDesktopTest : public ::testing::Test {
protected:
    void SetUp() override {
        desktop::resetSession();
        desktop_ = std::make_unique<QtDesktop>();
        desktop::setDesktop(desktop_.get());
        desktop_->runUserAction([] { forms::Instance<TestForm>().Show(); });
        form_ = &forms::Instance<TestForm>();
        window_ = desktop_->windowFor(*form_);
        ASSERT_NE(window_, nullptr);
    }

    void TearDown() override {
        desktop::setDesktop(nullptr);
        desktop_.reset();
        desktop::resetSession();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <class W>
    W* widget(const forms::Control& control) const {
        auto* w = dynamic_cast<W*>(window_->widgetFor(control));
        EXPECT_NE(w, nullptr) << control.Name().toStdString();
        return w;
    }

    // The window system's close of the frame, as the user's click on its close box sends it.
    void closeByFrame() const {
        QCloseEvent close;
        QSpontaneKeyEvent::setSpontaneous(&close);
        qApp->notify(window_, &close);  // sendEvent would mark it as coming from code
    }

    static int pixels(double twips) {
        return static_cast<int>(std::lround(twips * logicalDpi() / 1440.0));
    }

    std::unique_ptr<QtDesktop> desktop_;
    TestForm* form_ = nullptr;
    FormWindow* window_ = nullptr;
};

TEST_F(QtDesktopTest, controls_are_placed_in_pixels_from_their_twips_with_their_font) {
    const auto* label = widget<QLabel>(form_->Label1);
    ASSERT_NE(label, nullptr);
    const forms::Label& model = form_->Label1;
    EXPECT_EQ(label->geometry(), QRect(pixels(model.Left), pixels(model.Top), pixels(model.Width),
                                       pixels(model.Height)));
    EXPECT_EQ(label->text(), model.Caption);
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), model.FontSize);
    EXPECT_TRUE(label->font().bold());
    EXPECT_EQ(label->palette().color(QPalette::WindowText), model.ForeColor);
    EXPECT_EQ(window_->windowTitle(), form_->Caption);
    EXPECT_TRUE(window_->isVisible());
}

TEST_F(QtDesktopTest, the_menu_bar_nests_submenus_and_draws_separators) {
    const QList<QAction*> bar = window_->menuBar()->actions();
    ASSERT_EQ(bar.size(), 2);
    EXPECT_EQ(bar[0]->text(), form_->mnuFichier.Caption);
    EXPECT_EQ(bar[1]->text(), form_->mnuAide.Caption);
    EXPECT_EQ(bar[1]->menu(), nullptr);
    ASSERT_NE(bar[0]->menu(), nullptr);

    const QList<QAction*> fichier = bar[0]->menu()->actions();
    ASSERT_EQ(fichier.size(), 4);
    EXPECT_EQ(fichier[0]->text(), form_->mnuOuvrir.Caption);
    EXPECT_TRUE(fichier[1]->isSeparator());
    ASSERT_NE(fichier[2]->menu(), nullptr);
    ASSERT_EQ(fichier[2]->menu()->actions().size(), 1);
    EXPECT_EQ(fichier[2]->menu()->actions()[0]->text(), form_->mnuRecent1.Caption);
    EXPECT_FALSE(fichier[3]->isVisible());
    fichier[0]->trigger();
    EXPECT_EQ(form_->opened, 1);

    desktop_->runUserAction([this] { form_->mnuCache.Visible = true; });
    EXPECT_TRUE(fichier[3]->isVisible());
}

TEST_F(QtDesktopTest, typed_keys_go_through_the_handler_that_upper_cases_them) {
    auto* edit = widget<QLineEdit>(form_->Text1);
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, QStringLiteral("soupe "));
    // QTest spells ASCII keys only: an accented letter goes as a key event of its own.
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_Eacute, QStringLiteral("é"), Qt::NoModifier);
    EXPECT_EQ(edit->text(), QStringLiteral("SOUPE É"));
    EXPECT_EQ(form_->Text1.Text, QStringLiteral("SOUPE É"));
}

TEST_F(QtDesktopTest, a_key_set_to_zero_never_reaches_the_box) {
    auto* edit = widget<QLineEdit>(form_->Text1);
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, QStringLiteral("a1b"));
    EXPECT_EQ(form_->keys, (std::vector<int>{'a', '1', 'b'}));
    EXPECT_EQ(edit->text(), QStringLiteral("AB"));
    EXPECT_EQ(form_->Text1.Text, QStringLiteral("AB"));
}

TEST_F(QtDesktopTest, enter_and_backspace_reach_the_handler_of_a_single_line_box) {
    auto* edit = widget<QLineEdit>(form_->Text1);
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, QStringLiteral("ab"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(form_->keys, (std::vector<int>{'a', 'b', 8, 13}));
    EXPECT_EQ(form_->Text1.Text, QStringLiteral("A"));
}

TEST_F(QtDesktopTest, a_multi_line_box_shows_cr_lf_as_line_breaks_and_writes_them_back) {
    auto* area = widget<QPlainTextEdit>(form_->Text2);
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->toPlainText(), QStringLiteral("Ligne 1\nLigne 2"));
    area->moveCursor(QTextCursor::End);
    QTest::keyClick(area, Qt::Key_Return);
    QTest::keyClicks(area, QStringLiteral("x"));
    EXPECT_EQ(form_->Text2.Text, QStringLiteral("Ligne 1\r\nLigne 2\r\nx"));
}

TEST(SymbolFont, letters_and_pictograms_map_both_ways) {
    const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const QString shown = toPictograms(letters);
    EXPECT_EQ(QSet<QChar>(shown.begin(), shown.end()).size(), letters.size()) << "one each";
    EXPECT_EQ(fromPictograms(shown), letters);
    EXPECT_EQ(toPictograms(QStringLiteral("a 1 é")).mid(1), QStringLiteral(" 1 é"))
        << "what is not a letter passes unchanged";
}

TEST_F(QtDesktopTest, a_box_in_the_missing_symbol_font_shows_pictograms_and_keeps_letters) {
    if (!showsPictograms(QStringLiteral("Webdings"))) {
        GTEST_SKIP() << "the symbol font is installed here";
    }
    desktop_->runUserAction([this] {
        form_->Text1.FontName = QStringLiteral("Webdings");
        form_->Text1.Text = QStringLiteral("ab");
    });
    auto* line = widget<QLineEdit>(form_->Text1);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text(), toPictograms(QStringLiteral("ab")));
    line->end(false);
    QTest::keyClicks(line, QStringLiteral("c"));
    EXPECT_EQ(form_->Text1.Text, QStringLiteral("abC")) << "typed through the upper-casing handler";
    EXPECT_EQ(line->text(), toPictograms(QStringLiteral("abC")));
}

TEST_F(QtDesktopTest, a_click_on_a_grid_cell_makes_it_current_in_the_model) {
    auto* table = widget<QTableView>(form_->Grid1);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->columnWidth(1), pixels(form_->Grid1.colWidth(1)));
    const QModelIndex cell = table->model()->index(2, 1);
    EXPECT_EQ(cell.data().toString(), form_->Grid1.cellText(2, 1));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(cell).center());
    EXPECT_EQ(form_->Grid1.Row(), 2);
    EXPECT_EQ(form_->Grid1.Col(), 1);
    EXPECT_EQ(form_->gridClicks, 1);
}

TEST_F(QtDesktopTest, a_list_runs_its_click_for_each_click_and_cursor_key_of_the_user_only) {
    auto* list = widget<QListWidget>(form_->List1);
    ASSERT_NE(list, nullptr);
    // Filling the list, syncing it and giving it the focus all move a list's cursor: none of that
    // is a pick.
    desktop_->runUserAction([this] { form_->List1.AddItem(QStringLiteral("Poissons")); });
    ASSERT_EQ(list->count(), form_->List1.ListCount());
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(list, &focusIn);
    QCoreApplication::processEvents();
    EXPECT_EQ(form_->picks, QStringList{});
    EXPECT_EQ(list->currentRow(), -1) << "the focus placed no cursor of its own";

    // Each click runs Click, a second one on the current entry too; so does a key that moves.
    const QRect second = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QCoreApplication::processEvents();  // the pick runs from the event loop
    EXPECT_EQ(form_->List1.ListIndex, 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QCoreApplication::processEvents();
    QTest::keyClick(list, Qt::Key_Down);
    QCoreApplication::processEvents();
    EXPECT_EQ(form_->picks, (QStringList{"Desserts", "Desserts", "Poissons"}));
    EXPECT_EQ(form_->List1.ListIndex, 2);

    // Keys that move nothing pick nothing.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Down}) {
        QTest::keyClick(list, key);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(form_->picks.size(), 3) << "Enter, Escape, and Down on the last entry";
}

TEST_F(QtDesktopTest, closing_the_frame_runs_the_close_command_and_keeps_the_window) {
    int closes = 0;
    form_->closeCommand = [&closes] { ++closes; };
    closeByFrame();
    EXPECT_EQ(closes, 1);
    window_->close();
    EXPECT_EQ(closes, 1) << "a close from code is not the user's";
    EXPECT_TRUE(window_->isVisible());
    EXPECT_TRUE(forms::Instances::isLoaded<TestForm>());
}

TEST_F(QtDesktopTest, closing_the_frame_of_a_form_without_close_command_unloads_it) {
    closeByFrame();
    EXPECT_FALSE(forms::Instances::isLoaded<TestForm>());
    EXPECT_EQ(desktop_->windowFor(*form_), nullptr);
}

TEST_F(QtDesktopTest, the_window_renders_to_a_screenshot) {
    const QPixmap shot = window_->grab();
    EXPECT_EQ(shot.size(), window_->size());
    EXPECT_TRUE(shot.save(QStringLiteral(QT_TESTS_OUTPUT_DIR "/test_form.png")));
}

}  // namespace
}  // namespace platform::qt::testing
