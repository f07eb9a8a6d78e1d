#include <gtest/gtest.h>

#include "error_number.h"

#include "platform/core/error.h"
#include "platform/desktop/session.h"
#include "platform/forms/controls.h"
#include "platform/forms/grid.h"
#include "platform/forms/instances.h"
#include "platform/forms/lists.h"

using namespace platform::forms;

namespace {

using test_support::errorNumber;

struct Fiche : Form {
    Fiche() : Form(QStringLiteral("Fiche")) { ++created; }
    ~Fiche() override { ++destroyed; }
    void Form_Load() override { ++loads; }
    Label Label1{*this, QStringLiteral("Label1")};
    TextBox Text1{*this, QStringLiteral("Text1")};
    MenuItem Menu{*this, QStringLiteral("Menu"), QStringLiteral("Menu")};
    MenuItem Retour{*this, QStringLiteral("Retour"), QStringLiteral("Retour"), &Menu};
    Grid MSFlexGrid1{*this, QStringLiteral("MSFlexGrid1")};
    static inline int created = 0, destroyed = 0, loads = 0;
};

}  // namespace

TEST(Forms, properties_by_name_and_the_error_of_a_missing_one) {
    Fiche f;
    f.Label1.set(QStringLiteral("left"), 6000.0);
    EXPECT_EQ(f.Label1.Left, 6000) << "names match without regard to case";
    f.Label1.set(QStringLiteral("Font.Bold"), true);
    EXPECT_TRUE(f.Label1.FontBold);
    EXPECT_EQ(errorNumber([&] { f.Retour.get(QStringLiteral("Height")); }), 438)
        << "a menu item has no size";
    EXPECT_EQ(errorNumber([&] { f.Label1.set(QStringLiteral("Picture"), 1); }), 438);
    EXPECT_EQ(f.Controls().size(), 5u) << "menu items are in the collection, in declaration order";
    EXPECT_EQ(f.Controls()[3], &f.Retour);
    EXPECT_EQ(f.findControl(QStringLiteral("text1")), &f.Text1);
}

TEST(Forms, key_presses_go_through_the_handler_before_the_box) {
    Fiche f;
    f.Text1.MaxLength = 3;
    f.Text1.KeyPress = [](int& key) {
        if (key == 'x') {
            key = 0;  // swallowed
        } else if (key >= 'a' && key <= 'z') {
            key -= 32;
        }
    };
    for (const QChar c : QStringLiteral("axbcd")) {
        f.Text1.typeKey(c.unicode());
    }
    EXPECT_EQ(f.Text1.Text, QStringLiteral("ABC")) << "x swallowed, d past the maximum length";
    f.Text1.typeKey(8);
    EXPECT_EQ(f.Text1.Text, QStringLiteral("AB"));
    f.Text1.MultiLine = true;
    f.Text1.MaxLength = 0;
    f.Text1.typeKey(13);
    EXPECT_EQ(f.Text1.Text, QStringLiteral("AB\r\n")) << "Enter in a multi-line box is CR LF";
}

TEST(Forms, the_grid_keeps_a_current_cell_within_its_rows_and_columns) {
    Fiche f;
    Grid& g = f.MSFlexGrid1;
    g.Rows = 3;
    g.Cols = 2;
    g.Row = 2;
    g.Col = 1;
    g.Text = QStringLiteral("TARTE");
    g.CellAlignment = flexAlignCenterCenter;
    EXPECT_EQ(g.cellText(2, 1), QStringLiteral("TARTE"));
    g.Rows = g.Rows + 1;
    EXPECT_EQ(g.cellText(2, 1), QStringLiteral("TARTE")) << "growing keeps the cells";
    EXPECT_EQ(errorNumber([&] { g.Row = 4; }), platform::err::InvalidRow);
    g.Row = 0;
    g.Rows = 1;
    EXPECT_EQ(g.rowCount(), 1) << "only the heading row is left";
    g.Rows = 3;
    EXPECT_EQ(g.cellText(2, 1), QString()) << "rows added again start empty";
    EXPECT_EQ(g.cellAlignment(2, 1), flexAlignLeftCenter);
    g.ColWidth(1) = 7730;
    EXPECT_EQ(g.colWidth(1), 7730);
}

TEST(Forms, a_default_instance_unloaded_by_its_own_handler_lives_until_the_event_ends) {
    platform::desktop::resetSession();
    Fiche::created = Fiche::destroyed = Fiche::loads = 0;
    Load<Fiche>();
    Load<Fiche>();
    EXPECT_EQ(Fiche::loads, 1) << "loading a loaded window does nothing more";
    struct Autre : Form {
        Autre() : Form(QStringLiteral("Autre")) {}
    };
    Load<Autre>();  // keeps the program running after Fiche goes
    platform::desktop::runEvent([] {
        Fiche& f = Instance<Fiche>();
        Unload(f);
        f.Label1.Caption = QStringLiteral("encore là");  // the handler goes on
        EXPECT_EQ(Fiche::destroyed, 0);
        EXPECT_FALSE(Instances::isLoaded<Fiche>());
    });
    EXPECT_EQ(Fiche::destroyed, 1);
    Instance<Fiche>();
    EXPECT_EQ(Fiche::created, 2) << "a later reference creates the window afresh";
    EXPECT_EQ(Fiche::loads, 2);
    platform::desktop::resetSession();
}
