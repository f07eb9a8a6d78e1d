// Printer fonts: the family a window asks for, resolved to a real font file, and its metrics in
// twips, taken from the font's own tables so that every machine measures the same widths.
#pragma once

#include <QRawFont>
#include <QString>

namespace platform::printer {

// A font as the windows set it on the printer.
struct FontSpec {
    QString name = QStringLiteral("Arial");
    double size = 12;  // points
    bool bold = false;

    bool operator==(const FontSpec&) const = default;
};

// Width of `text` in twips: the sum of its glyphs' advance widths, without kerning or hinting.
double textWidth(const FontSpec& font, const QString& text);

// The width of one print column in twips: the font's average character width, weighted by the
// frequency of lower-case letters and space as the classic font tables define it.
double averageCharWidth(const FontSpec& font);

// Distance from one printed line to the next (ascent + descent + line gap), and the ascent alone,
// in twips.
double lineHeight(const FontSpec& font);
double ascent(const FontSpec& font);

// The real font at a pixel size of one twip per pixel, unhinted, for drawing glyph runs.
QRawFont rawFont(const FontSpec& font);

// The glyphs of `text` in that font (one per character, no shaping) and their advances in twips.
QList<quint32> glyphIndexes(const FontSpec& font, const QString& text);
QList<double> glyphAdvances(const FontSpec& font, const QList<quint32>& glyphs);

// The family name of the font actually used ("Liberation Sans" for "Arial").
QString resolvedFamily(const FontSpec& font);

}  // namespace platform::printer
