#include "test_form.h"

#include <QChar>

namespace platform::qt::testing {

TestForm::TestForm() : forms::Form(QStringLiteral("TestForm")) {
    Caption = QStringLiteral("Fenêtre d'essai");
    Width = 7200;
    Height = 6000;
    mnuCache.Visible = false;

    Label1.place(1500, 300, 3000, 450);
    Label1.Caption = QStringLiteral("Titre de la recette");
    Label1.FontSize = 12;
    Label1.FontBold = true;
    Label1.ForeColor = QColor(0x80, 0, 0);

    Text1.place(1500, 900, 3000, 360);
    // Letters go in upper case and digits are refused, as the title boxes of the windows do.
    Text1.KeyPress = [this](int& key) {
        keys.push_back(key);
        if (key >= '0' && key <= '9') {
            key = 0;
        } else {
            key = QChar(static_cast<char16_t>(key)).toUpper().unicode();
        }
    };

    Text2.place(3000, 1500, 3000, 1200);
    Text2.MultiLine = true;
    Text2.Text = QStringLiteral("Ligne 1\r\nLigne 2");

    mnuOuvrir.Click = [this] { ++opened; };

    List1.place(300, 1500, 2400, 1200);
    List1.AddItem(QStringLiteral("Entrées"));
    List1.AddItem(QStringLiteral("Desserts"));
    List1.Click = [this] { picks << List1.Text(); };

    Grid1.place(300, 3000, 6000, 2000);
    Grid1.Rows = 4;
    Grid1.Cols = 2;
    Grid1.ColWidth(0) = 1500;
    Grid1.ColWidth(1) = 3000;
    const char16_t* texts[4][2] = {{u"N°", u"Titre"},
                                   {u"1", u"Soupe à l'oignon"},
                                   {u"2", u"Tarte Tatin"},
                                   {u"3", u"Pot-au-feu"}};
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 2; ++c) {
            Grid1.Row = r;
            Grid1.Col = c;
            Grid1.Text = QString::fromUtf16(texts[r][c]);
        }
    }
    Grid1.Click = [this] { ++gridClicks; };
}

}  // namespace platform::qt::testing
