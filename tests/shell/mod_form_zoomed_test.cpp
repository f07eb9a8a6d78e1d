#include "shell/mod_form_zoomed.h"

#include <gtest/gtest.h>

#include "platform/core/error.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/grid.h"
#include "platform/forms/lists.h"
#include "platform/forms/picture.h"
#include "platform/headless/headless_desktop.h"

using namespace ModFormZoomed;
namespace forms = platform::forms;

namespace {

struct Fenetre : forms::Form {
    Fenetre() : Form(QStringLiteral("Fenetre")) {
        Label1.place(6000, 4500, 3000, 300);
        Text1.place(0, 0, 12000, 9000);
        Text1.FontName = QStringLiteral("Webdings");
        Text1.FontSize = 13.5;
        Image1.place(100, 200, 300, 400);
        CommonDialog1.Left = 50;
        CommonDialog1.Top = 60;
    }
    forms::MenuItem Menu{*this, QStringLiteral("Menu"), QStringLiteral("Menu")};
    forms::Label Label1{*this, QStringLiteral("Label1")};
    forms::TextBox Text1{*this, QStringLiteral("Text1")};
    forms::ListBox List1{*this, QStringLiteral("List1")};
    forms::Grid MSFlexGrid1{*this, QStringLiteral("MSFlexGrid1")};
    forms::Picture Image1{*this, QStringLiteral("Image1")};
    forms::CommonDialog CommonDialog1{*this, QStringLiteral("CommonDialog1")};
};

class Scaling : public ::testing::Test {
protected:
    void SetUp() override {
        ModFormZoomed::reset();
        platform::desktop::setDesktop(&desktop);
    }
    void TearDown() override { platform::desktop::setDesktop(nullptr); }
    platform::headless::Transcript transcript{[](const QString&) {}};
    platform::headless::HeadlessDesktop desktop{transcript};
};

}  // namespace

TEST_F(Scaling, screen_measures_give_the_scale_and_the_font_size) {
    struct Case {
        int pixels;
        int largeur, t, echelle, pourcentage, taille;
    } cases[] = {
        {640, 9600, 225, 27000, 66, 6},     {800, 12000, 200, 24000, 80, 7},
        {1024, 15360, 178, 21360, 102, 9},  {1280, 19200, 162, 19440, 129, 12},
        {1920, 28800, 142, 17040, 199, 18},
    };
    for (const Case& c : cases) {
        desktop.setScreen(c.pixels, c.pixels * 3 / 4);
        MesureEcran();
        EXPECT_EQ(LargeurEcran, c.largeur) << c.pixels;
        EXPECT_EQ(HauteurEcran, c.pixels * 3 / 4 * 15) << c.pixels;
        EXPECT_EQ(Echelle, 120 * c.t) << c.pixels;
        EXPECT_EQ(Pourcentage, c.pourcentage) << c.pixels;
        EXPECT_EQ(TaillePolice, c.taille) << c.pixels;
    }
}

TEST_F(Scaling, a_screen_without_width_raises_an_error) {
    desktop.setScreen(0, 0);
    EXPECT_THROW(MesureEcran(), platform::Error);
}

TEST_F(Scaling, controls_are_placed_for_the_screen_in_bold_at_the_common_size) {
    desktop.setScreen(1024, 768);
    MesureEcran();
    Fenetre fenetre;
    MemoriseControles(fenetre);
    EXPECT_EQ(TabGauche[1], 6000);
    EXPECT_EQ(TabLargeur[1], 3000);
    EXPECT_EQ(TabGauche[0], 0) << "a menu item has no geometry and records zeros";
    RedimControles(fenetre);

    EXPECT_DOUBLE_EQ(fenetre.Label1.Left, 7680);
    EXPECT_DOUBLE_EQ(fenetre.Label1.Width, 3840);
    EXPECT_DOUBLE_EQ(fenetre.Label1.Top, 4500.0 / 9000 * 11520);
    EXPECT_DOUBLE_EQ(fenetre.Text1.Width, 15360) << "the right edge lands on the screen's";
    for (const forms::VisualControl* c : std::initializer_list<const forms::VisualControl*>{
             &fenetre.Label1, &fenetre.Text1, &fenetre.List1, &fenetre.MSFlexGrid1}) {
        EXPECT_TRUE(c->FontBold) << c->Name().toStdString();
        EXPECT_EQ(c->FontSize, 9) << c->Name().toStdString();
    }
    EXPECT_EQ(fenetre.Text1.FontName, QStringLiteral("Webdings")) << "only size and weight change";
    EXPECT_DOUBLE_EQ(fenetre.Image1.Width, 300.0 / 12000 * 15360) << "a picture without font";
    EXPECT_DOUBLE_EQ(fenetre.CommonDialog1.Left, 50.0 / 12000 * 15360);
    EXPECT_EQ(fenetre.Menu.Caption, QStringLiteral("Menu"));
    EXPECT_TRUE(fenetre.Menu.Visible);
}

TEST_F(Scaling, a_window_scaled_after_another_uses_its_own_geometry) {
    desktop.setScreen(800, 600);
    MesureEcran();
    Fenetre grande;
    MemoriseControles(grande);
    struct Petite : forms::Form {
        Petite() : Form(QStringLiteral("Petite")) { Label9.place(1200, 900, 600, 450); }
        forms::Label Label9{*this, QStringLiteral("Label9")};
    } petite;
    MemoriseControles(petite);
    RedimControles(petite);
    EXPECT_DOUBLE_EQ(petite.Label9.Left, 1200);
    EXPECT_DOUBLE_EQ(petite.Label9.Height, 450);
    EXPECT_EQ(TabGauche[1], 6000) << "entries past the smaller window's are kept, not cleared";
}
