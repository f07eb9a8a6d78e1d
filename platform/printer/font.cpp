#include "platform/printer/font.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QtEndian>
#include <array>
#include <cmath>
#include <memory>
#include <vector>

#include "platform/core/error.h"

namespace platform::printer {

namespace {

// The Windows core fonts the windows name, mapped onto their metric-compatible Liberation fonts.
// Resolved by file rather than through fontconfig so that the match never depends on which other
// fonts a machine happens to have.
struct Liberation {
    QString stem;    // file name stem, "LiberationSans"
    QString family;  // family name, "Liberation Sans"
};

Liberation liberationFor(const QString& family) {
    const QString key = family.trimmed().toLower();
    if (key == u"arial" || key == u"helvetica" || key == u"liberation sans") {
        return {QStringLiteral("LiberationSans"), QStringLiteral("Liberation Sans")};
    }
    if (key == u"times new roman" || key == u"times" || key == u"liberation serif") {
        return {QStringLiteral("LiberationSerif"), QStringLiteral("Liberation Serif")};
    }
    if (key == u"courier new" || key == u"courier" || key == u"liberation mono") {
        return {QStringLiteral("LiberationMono"), QStringLiteral("Liberation Mono")};
    }
    return {};
}

QString liberationFile(const QString& stem, bool bold) {
    static const std::array<const char*, 2> folders = {
        "/usr/share/fonts/truetype/liberation2",
        "/usr/share/fonts/truetype/liberation",
    };
    const QString name =
        stem + (bold ? QStringLiteral("-Bold.ttf") : QStringLiteral("-Regular.ttf"));
    for (const char* folder : folders) {
        const QString path = QString::fromLatin1(folder) + u'/' + name;
        if (QFile::exists(path)) {
            return path;
        }
    }
    return {};
}

// Frequencies per thousand of space and 'a'..'z' used by the classic average-width rule; the
// Liberation fonts store an all-glyph average instead, which would widen every Tab column.
constexpr std::array<int, 27> letterWeights = {166, 64, 14, 27, 35, 100, 20, 14, 42,
                                               63,  3,  6,  35, 20, 56,  56, 17, 4,
                                               49,  56, 71, 31, 10, 18,  3,  18, 2};

quint16 readU16(const QByteArray& table, int offset) {
    return qFromBigEndian<quint16>(table.constData() + offset);
}
qint16 readS16(const QByteArray& table, int offset) {
    return qFromBigEndian<qint16>(table.constData() + offset);
}

// One font file with its metrics in font units, read once.
class FontFace {
public:
    FontFace(QRawFont raw, QRawFont drawing) : raw_(std::move(raw)), drawing_(std::move(drawing)) {
        unitsPerEm_ = raw_.unitsPerEm();
        readHorizontalMetrics();
        averageUnits_ = weightedAverage();
    }

    const QRawFont& raw() const { return raw_; }
    const QRawFont& drawing() const { return drawing_; }
    double unitsPerEm() const { return unitsPerEm_; }
    double ascentUnits() const { return ascent_; }
    double lineUnits() const { return ascent_ + descent_ + lineGap_; }
    double averageUnits() const { return averageUnits_; }

    double advanceUnits(quint32 glyph) const {
        if (advances_.empty()) {
            const QList<QPointF> advance =
                engine_.advancesForGlyphIndexes(QList<quint32>{glyph}, QRawFont::UseDesignMetrics);
            return advance.isEmpty() ? 0 : advance.front().x();
        }
        return advances_[std::min<std::size_t>(glyph, advances_.size() - 1)];
    }

private:
    // Advances from the hmtx table, as integers in font units: exact, and free of the rounding
    // of any rasteriser.
    void readHorizontalMetrics() {
        const QByteArray hhea = raw_.fontTable("hhea");
        const QByteArray hmtx = raw_.fontTable("hmtx");
        if (hhea.size() >= 36) {
            ascent_ = readS16(hhea, 4);
            descent_ = -readS16(hhea, 6);
            lineGap_ = readS16(hhea, 8);
            const int count = readU16(hhea, 34);
            if (hmtx.size() >= count * 4) {
                advances_.reserve(count);
                for (int i = 0; i < count; ++i) {
                    advances_.push_back(readU16(hmtx, i * 4));
                }
                return;
            }
        }
        readMetricsFromEngine();
    }

    // A font without the usual tables: ask the font engine, at a size of one pixel per unit.
    void readMetricsFromEngine() {
        engine_ = raw_;
        engine_.setPixelSize(unitsPerEm_);
        ascent_ = engine_.ascent();
        descent_ = engine_.descent();
        lineGap_ = engine_.leading();
    }

    double weightedAverage() const {
        QString letters = QStringLiteral(" abcdefghijklmnopqrstuvwxyz");
        const QList<quint32> glyphs = raw_.glyphIndexesForString(letters);
        double sum = 0;
        for (int i = 0; i < glyphs.size() && i < int(letterWeights.size()); ++i) {
            if (glyphs[i] == 0) {
                // Not a Latin font: the average the font itself declares.
                return raw_.averageCharWidth() * unitsPerEm_ / raw_.pixelSize();
            }
            sum += advanceUnits(glyphs[i]) * letterWeights[i];
        }
        // Whole units, as a font table stores it.
        return std::round(sum / 1000);
    }

    QRawFont raw_;
    QRawFont drawing_;
    QRawFont engine_;  // only for a font without an hmtx table
    double unitsPerEm_ = 2048;
    double ascent_ = 0, descent_ = 0, lineGap_ = 0;
    double averageUnits_ = 0;
    std::vector<quint16> advances_;
};

QRawFont fromDatabase(const QString& family, bool bold) {
    QFont query(family);
    query.setBold(bold);
    query.setPixelSize(2048);
    query.setHintingPreference(QFont::PreferNoHinting);
    return QRawFont::fromFont(query);
}

// The same file through the font database: the PDF engine embeds only fonts it knows by file,
// not ones read as raw data.
QRawFont drawingFont(const QString& file, bool bold, const QRawFont& fallback) {
    const int id = QFontDatabase::addApplicationFont(file);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        return fallback;
    }
    QRawFont drawing = fromDatabase(families.front(), bold);
    // Another installed font of that family name could have other glyph numbers.
    const bool sameFont = drawing.isValid() &&
                          drawing.fontTable("cmap") == fallback.fontTable("cmap") &&
                          drawing.fontTable("hmtx") == fallback.fontTable("hmtx");
    return sameFont ? drawing : fallback;
}

std::shared_ptr<FontFace> loadFace(const FontSpec& font) {
    const Liberation liberation = liberationFor(font.name);
    const QString file =
        liberation.stem.isEmpty() ? QString() : liberationFile(liberation.stem, font.bold);
    if (!file.isEmpty()) {
        QRawFont raw(file, 2048, QFont::PreferNoHinting);
        if (raw.isValid()) {
            QRawFont drawing = drawingFont(file, font.bold, raw);
            return std::make_shared<FontFace>(std::move(raw), std::move(drawing));
        }
    }
    // Another family, or Liberation installed elsewhere: the system's font database decides.
    QRawFont raw =
        fromDatabase(liberation.family.isEmpty() ? font.name : liberation.family, font.bold);
    if (!raw.isValid()) {
        raise(err::PrinterError, QStringLiteral("police « %1 » introuvable").arg(font.name));
    }
    return std::make_shared<FontFace>(raw, raw);
}

// Faces are few (a family and a weight each) and live as long as the program; the printer is used
// from the GUI thread only.
const FontFace& face(const FontSpec& font) {
    static QHash<QString, std::shared_ptr<FontFace>> faces;
    const QString key =
        font.name.trimmed().toLower() + (font.bold ? QStringLiteral("|b") : QStringLiteral("|r"));
    auto it = faces.find(key);
    if (it == faces.end()) {
        it = faces.insert(key, loadFace(font));
    }
    return **it;
}

// Twips per font unit: the font is measured at a pixel size of one twip (20 per point).
double scale(const FontSpec& font, const FontFace& f) {
    return font.size * 20 / f.unitsPerEm();
}

}  // namespace

double textWidth(const FontSpec& font, const QString& text) {
    const FontFace& f = face(font);
    double units = 0;
    for (quint32 glyph : f.raw().glyphIndexesForString(text)) {
        units += f.advanceUnits(glyph);
    }
    return units * font.size * 20 / f.unitsPerEm();
}

double averageCharWidth(const FontSpec& font) {
    const FontFace& f = face(font);
    return f.averageUnits() * scale(font, f);
}

double lineHeight(const FontSpec& font) {
    const FontFace& f = face(font);
    return f.lineUnits() * scale(font, f);
}

double ascent(const FontSpec& font) {
    const FontFace& f = face(font);
    return f.ascentUnits() * scale(font, f);
}

QRawFont rawFont(const FontSpec& font) {
    QRawFont raw = face(font).drawing();
    raw.setPixelSize(font.size * 20);
    return raw;
}

QList<quint32> glyphIndexes(const FontSpec& font, const QString& text) {
    return face(font).raw().glyphIndexesForString(text);
}

QList<double> glyphAdvances(const FontSpec& font, const QList<quint32>& glyphs) {
    const FontFace& f = face(font);
    QList<double> advances;
    advances.reserve(glyphs.size());
    for (quint32 glyph : glyphs) {
        advances.push_back(f.advanceUnits(glyph) * scale(font, f));
    }
    return advances;
}

QString resolvedFamily(const FontSpec& font) {
    return face(font).raw().familyName();
}

}  // namespace platform::printer
