#include "platform/printer/render.h"

#include <QGlyphRun>

namespace platform::printer {

namespace {

void drawRun(QPainter& painter, const TextRun& run, bool monochrome) {
    const QList<quint32> glyphs = glyphIndexes(run.font, run.text);
    const QList<double> advances = glyphAdvances(run.font, glyphs);
    QList<QPointF> positions;
    positions.reserve(glyphs.size());
    double x = 0;
    for (double advance : advances) {
        positions.push_back(QPointF(x, 0));
        x += advance;
    }
    QGlyphRun glyphRun;
    glyphRun.setRawFont(rawFont(run.font));
    glyphRun.setGlyphIndexes(glyphs);
    glyphRun.setPositions(positions);
    const QColor color =
        monochrome ? QColor(qGray(run.color.rgb()), qGray(run.color.rgb()), qGray(run.color.rgb()))
                   : run.color;
    painter.setPen(color);
    painter.drawGlyphRun(QPointF(run.left, run.top + ascent(run.font)), glyphRun);
}

void drawPicture(QPainter& painter, const PrintedPicture& picture, bool monochrome) {
    const QRectF target(picture.left, picture.top, picture.width, picture.height);
    if (monochrome) {
        painter.drawImage(target, picture.image.convertToFormat(QImage::Format_Grayscale8));
    } else {
        painter.drawImage(target, picture.image);
    }
}

}  // namespace

void renderPage(QPainter& painter, const Document& document, const Page& page, double dpiX,
                double dpiY) {
    painter.save();
    // Positions are twips of the printable area; the device counts its own dots from the paper.
    painter.scale(dpiX / 1440.0, dpiY / 1440.0);
    painter.translate(document.geometry.margin, document.geometry.margin);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const PageItem& item : page.items) {
        if (const auto* line = std::get_if<PrintedLine>(&item)) {
            for (const TextRun& run : line->runs) {
                drawRun(painter, run, document.monochrome);
            }
        } else {
            drawPicture(painter, std::get<PrintedPicture>(item), document.monochrome);
        }
    }
    painter.restore();
}

bool renderDocument(QPainter& painter, QPagedPaintDevice& device, const Document& document) {
    bool first = true;
    for (const Page& page : document.pages) {
        if (!first && !device.newPage()) {
            return false;
        }
        first = false;
        renderPage(painter, document, page, device.logicalDpiX(), device.logicalDpiY());
    }
    return true;
}

}  // namespace platform::printer
