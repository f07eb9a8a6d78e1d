#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "platform/printer/printer.h"
#include "platform/printer/render.h"

namespace platform::printer {
namespace {

class KeepSink : public PrinterSink {
public:
    explicit KeepSink(Document& out) : out_(out) {}
    void print(const Document& document) override { out_ = document; }

private:
    Document& out_;
};

// One dot per 10 twips.
constexpr double dpi = 144;
int dot(double twips) {
    return int(twips / 10);
}

bool anyDark(const QImage& image, int left, int top, int right, int bottom) {
    for (int y = std::max(top, 0); y < std::min(bottom, image.height()); ++y) {
        for (int x = std::max(left, 0); x < std::min(right, image.width()); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                return true;
            }
        }
    }
    return false;
}

TEST(RenderPage, DrawsTextAndPictureWhereTheyWerePrinted) {
    Printer printer;
    Document document;
    printer.setSink(std::make_unique<KeepSink>(document));
    printer.FontBold = true;
    QImage picture(30, 24, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QString text = QStringLiteral("MMMMMM");
    printer.Print();
    printer.Print({Tab{10}, text});
    printer.PaintPicture(picture, 8000, 900, 3000, 2400);
    const double left = 9 * printer.ColumnWidth();
    const double top = printer.TextHeight(text);
    const double width = printer.TextWidth(text);
    const double height = printer.TextHeight(text);
    printer.EndDoc();

    const double margin = document.geometry.margin;
    QImage page(dot(document.geometry.paperWidth), dot(document.geometry.paperHeight),
                QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        renderPage(painter, document, document.pages.at(0), dpi, dpi);
    }

    const int textLeft = dot(margin + left), textTop = dot(margin + top);
    const int textRight = dot(margin + left + width), textBottom = dot(margin + top + height);
    EXPECT_TRUE(anyDark(page, textLeft, textTop, textRight + 1, textBottom + 1));
    // Nothing left of, above or below the text's box: it sits at its column and line.
    EXPECT_FALSE(anyDark(page, 0, 0, textLeft - 1, page.height()));
    EXPECT_FALSE(anyDark(page, 0, 0, dot(margin + 8000) - 1, textTop - 1));
    EXPECT_FALSE(anyDark(page, 0, textBottom + 2, dot(margin + 8000) - 1, page.height()));
    // The picture fills its rectangle, measured from the printable area's corner.
    EXPECT_EQ(page.pixelColor(dot(margin + 9500), dot(margin + 2100)), QColor(Qt::red));
    EXPECT_EQ(page.pixelColor(dot(margin + 8000) + 2, dot(margin + 900) + 2), QColor(Qt::red));
    EXPECT_EQ(page.pixelColor(dot(margin + 11000) + 2, dot(margin + 2100)), QColor(Qt::white));
    EXPECT_EQ(page.pixelColor(dot(margin + 9500), dot(margin + 3300) + 2), QColor(Qt::white));
}

}  // namespace
}  // namespace platform::printer
