#include <gtest/gtest.h>

#include <QRawFont>

#include "platform/printer/font.h"

namespace platform::printer {
namespace {

const FontSpec arialBold12{QStringLiteral("Arial"), 12, true};
const QString liberationSansBold =
    QStringLiteral("/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf");

TEST(PrinterFont, ArialResolvesToLiberationFamilies) {
    EXPECT_EQ(resolvedFamily(arialBold12), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(rawFont(arialBold12).styleName(), QStringLiteral("Bold"));
    EXPECT_EQ(rawFont({QStringLiteral("arial"), 12, false}).styleName(), QStringLiteral("Regular"));
    EXPECT_EQ(resolvedFamily({QStringLiteral("Times New Roman"), 10, false}),
              QStringLiteral("Liberation Serif"));
    EXPECT_EQ(resolvedFamily({QStringLiteral("Courier New"), 10, false}),
              QStringLiteral("Liberation Mono"));
}

// The font engine's own unkerned design advances, read from the file at 240 pixels (12 points at
// one pixel per twip), kept to 1/64 pixel by the engine.
double engineWidth(const QString& text, QRawFont::LayoutFlags flags) {
    const QRawFont raw(liberationSansBold, 240, QFont::PreferNoHinting);
    const QList<quint32> glyphs = raw.glyphIndexesForString(text);
    double width = 0;
    for (const QPointF& advance :
         raw.advancesForGlyphIndexes(glyphs, flags | QRawFont::UseDesignMetrics)) {
        width += advance.x();
    }
    return width;
}

TEST(PrinterFont, WidthIsTheSumOfUnkernedGlyphAdvances) {
    for (const QString& text :
         {QStringLiteral("Bon Appétit"), QStringLiteral("AVATAR"),
          QStringLiteral("Temps de Préparation"), QStringLiteral("WAVE To")}) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_NEAR(textWidth(arialBold12, text), engineWidth(text, QRawFont::SeparateAdvances),
                    text.size() / 64.0);
    }
    // The kerned width really differs, so the comparison above would see kerning.
    EXPECT_GT(std::abs(engineWidth(QStringLiteral("AVATAR"), QRawFont::KernedAdvances) -
                       textWidth(arialBold12, QStringLiteral("AVATAR"))),
              1.0);
}

TEST(PrinterFont, WidthsKnownForArialBold) {
    // Advances of Arial Bold in units of 2048 per em, shared by its metric-compatible clone.
    struct Case {
        QString text;
        int units;
    };
    for (const Case& c : {Case{QStringLiteral(" "), 569}, Case{QStringLiteral("a"), 1139},
                          Case{QStringLiteral("A"), 1479}, Case{QStringLiteral("m"), 1821},
                          Case{QStringLiteral("W"), 1933}, Case{QStringLiteral("é"), 1139}}) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_DOUBLE_EQ(textWidth(arialBold12, c.text), c.units * 240.0 / 2048.0);
    }
}

TEST(PrinterFont, WidthIsAdditiveAndScalesWithSize) {
    struct Pair {
        QString left, right;
    };
    for (const Pair& p : {Pair{QStringLiteral("a"), QStringLiteral("b")},
                          Pair{QStringLiteral("A"), QStringLiteral("V")},
                          Pair{QStringLiteral("T"), QStringLiteral("o")},
                          Pair{QStringLiteral("f"), QStringLiteral("i")},
                          Pair{QStringLiteral("Bon "), QStringLiteral("Appétit")}}) {
        SCOPED_TRACE((p.left + p.right).toStdString());
        EXPECT_EQ(textWidth(arialBold12, p.left + p.right),
                  textWidth(arialBold12, p.left) + textWidth(arialBold12, p.right));
    }
    const QString text = QStringLiteral("Ingrediant");
    EXPECT_DOUBLE_EQ(textWidth({QStringLiteral("Arial"), 24, true}, text),
                     2 * textWidth(arialBold12, text));
    EXPECT_DOUBLE_EQ(textWidth({QStringLiteral("Arial"), 9, true}, text),
                     0.75 * textWidth(arialBold12, text));
    EXPECT_LT(textWidth({QStringLiteral("Arial"), 12, false}, text), textWidth(arialBold12, text));
    EXPECT_EQ(textWidth(arialBold12, QString()), 0.0);
}

TEST(PrinterFont, ColumnWidthAndLineHeightMatchArial) {
    // Arial declares an average width of 904 units; Liberation's own table says 1187 (1248 in
    // bold), which would push every Tab column a quarter further right.
    const FontSpec arial12{QStringLiteral("Arial"), 12, false};
    EXPECT_DOUBLE_EQ(averageCharWidth(arial12), 904 * 240.0 / 2048.0);
    EXPECT_GT(averageCharWidth(arialBold12), averageCharWidth(arial12));
    EXPECT_LT(averageCharWidth(arialBold12), 1000 * 240.0 / 2048.0);
    // Ascent 1854, descent 434, line gap 67.
    EXPECT_DOUBLE_EQ(lineHeight(arialBold12), (1854 + 434 + 67) * 240.0 / 2048.0);
    EXPECT_DOUBLE_EQ(ascent(arialBold12), 1854 * 240.0 / 2048.0);
}

}  // namespace
}  // namespace platform::printer
