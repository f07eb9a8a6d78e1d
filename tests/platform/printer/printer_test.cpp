#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "platform/core/error.h"
#include "platform/printer/printer.h"
#include "platform/printer/recording_sink.h"

namespace platform::printer {
namespace {

// Keeps every finished document for inspection.
class CaptureSink : public PrinterSink {
public:
    explicit CaptureSink(std::vector<Document>& out) : out_(out) {}
    void print(const Document& document) override { out_.push_back(document); }

private:
    std::vector<Document>& out_;
};

class FailingSink : public PrinterSink {
public:
    void print(const Document&) override { throw std::runtime_error("spooler down"); }
};

class PrinterTest : public ::testing::Test {
protected:
    PrinterTest() {
        printer_.setSink(std::make_unique<CaptureSink>(documents_));
        printer_.FontName = QStringLiteral("Arial");
        printer_.FontSize = 12;
        printer_.FontBold = true;
    }

    const Document& finish() {
        printer_.EndDoc();
        return documents_.back();
    }

    static std::vector<PrintedLine> lines(const Page& page) {
        std::vector<PrintedLine> result;
        for (const PageItem& item : page.items) {
            if (const auto* line = std::get_if<PrintedLine>(&item)) {
                result.push_back(*line);
            }
        }
        return result;
    }

    Printer printer_;
    std::vector<Document> documents_;
};

TEST_F(PrinterTest, TabMovesToItsColumnInAverageWidths) {
    const double column = printer_.ColumnWidth();
    printer_.Print({Tab{10}, QStringLiteral("Temps"), Tab{40}, QStringLiteral("10 mn")});
    printer_.Print({Tab{0}, QStringLiteral("gauche")});
    printer_.Print({QStringLiteral("a"), QStringLiteral("b"), Tab{5}, Tab{5}, QStringLiteral("c")});
    const std::vector<PrintedLine> printed = lines(finish().pages.at(0));

    ASSERT_EQ(printed.size(), 3u);
    ASSERT_EQ(printed[0].runs.size(), 2u);
    EXPECT_DOUBLE_EQ(printed[0].runs[0].left, 9 * column);
    EXPECT_EQ(printed[0].runs[0].column, 10);
    EXPECT_DOUBLE_EQ(printed[0].runs[1].left, 39 * column);
    EXPECT_EQ(printed[0].runs[1].column, 40);
    // A column below 1 is the left margin.
    EXPECT_EQ(printed[1].runs.at(0).left, 0.0);
    EXPECT_EQ(printed[1].runs.at(0).column, 1);
    // Texts without a Tab between them make one run; a Tab to the column already reached stays.
    ASSERT_EQ(printed[2].runs.size(), 2u);
    EXPECT_EQ(printed[2].runs[0].text, QStringLiteral("ab"));
    EXPECT_EQ(printed[2].runs[1].column, 5);
    EXPECT_EQ(printed[2].number, 3);
}

TEST_F(PrinterTest, TabBeforeThePositionGoesToTheNextLine) {
    const QString wide = QStringLiteral("Temps de Préparation");
    printer_.Print({Tab{10}, wide, Tab{12}, QStringLiteral("suite")});
    printer_.Print({QStringLiteral("après")});
    const std::vector<PrintedLine> printed = lines(finish().pages.at(0));

    ASSERT_EQ(printed.size(), 3u);
    EXPECT_EQ(printed[0].number, 1);
    EXPECT_EQ(printed[1].number, 2);
    EXPECT_DOUBLE_EQ(printed[1].runs.at(0).left, 11 * printer_.ColumnWidth());
    EXPECT_DOUBLE_EQ(printed[1].runs.at(0).top, printer_.TextHeight(wide));
    // The wrapped line counts as a line of its own.
    EXPECT_EQ(printed[2].number, 3);
    EXPECT_DOUBLE_EQ(printed[2].runs.at(0).top, 2 * printer_.TextHeight(wide));
}

TEST_F(PrinterTest, PositionFollowsThePrintedLines) {
    printer_.Print();
    printer_.Print({QStringLiteral("x")});
    EXPECT_EQ(printer_.CurrentX, 0.0);
    EXPECT_DOUBLE_EQ(printer_.CurrentY, 2 * printer_.TextHeight(QStringLiteral("x")));
    printer_.NewPage();
    EXPECT_EQ(printer_.CurrentY, 0.0);
    printer_.EndDoc();
    EXPECT_EQ(printer_.CurrentY, 0.0);
}

TEST_F(PrinterTest, RecordsATwoPageDocumentWithAPicture) {
    QStringList out;
    printer_.setSink(std::make_unique<RecordingSink>([&](const QString& line) { out << line; }));
    QImage picture(30, 24, QImage::Format_RGB32);
    picture.fill(Qt::red);

    printer_.ForeColor = QColor(0, 0, 128);
    printer_.Print();
    printer_.Print({Tab{42}, QStringLiteral("Soupe \"maison\" C:\\Recettes")});
    printer_.Print({Tab{10}, QString()});
    printer_.PaintPicture(picture, 8000, 900, 3000, 2399.5);
    printer_.Print({Tab{10}, QStringLiteral("Temps"), Tab{40}, QStringLiteral("10 mn")});
    printer_.NewPage();
    printer_.Print({Tab{40}, QStringLiteral("Bon Appétit")});
    printer_.EndDoc();
    printer_.EndDoc();

    const QStringList expected{
        QStringLiteral("document"),
        QStringLiteral("page 1"),
        QStringLiteral(R"(  line 2: @42 "Soupe \"maison\" C:\\Recettes")"),
        QStringLiteral("  picture 8000 900 3000 2400"),
        QStringLiteral(R"(  line 4: @10 "Temps" @40 "10 mn")"),
        QStringLiteral("page 2"),
        QStringLiteral(R"(  line 1: @40 "Bon Appétit")"),
        QStringLiteral("end document"),
        // Nothing printed still makes a document.
        QStringLiteral("document"),
        QStringLiteral("page 1"),
        QStringLiteral("end document"),
    };
    EXPECT_EQ(out, expected);
}

TEST_F(PrinterTest, EndDocRightAfterNewPagePrintsNoBlankPage) {
    printer_.Print({QStringLiteral("un")});
    printer_.NewPage();
    EXPECT_EQ(finish().pages.size(), 1u);
    printer_.NewPage();
    EXPECT_EQ(finish().pages.size(), 1u) << "a document is at least one page";
    printer_.Print({QStringLiteral("un")});
    printer_.NewPage();
    printer_.Print({QStringLiteral("deux")});
    EXPECT_EQ(finish().pages.size(), 2u);
}

TEST_F(PrinterTest, AFullPageContinuesOnANewPageByItself) {
    const int fitting =
        static_cast<int>(std::floor(printer_.ScaleHeight() / printer_.TextHeight(QString())));
    // The category list prints two empty lines and 53 entries on its first page.
    ASSERT_GE(fitting, 55);
    for (int i = 1; i <= fitting + 1; ++i) {
        printer_.Print({QString::number(i)});
    }
    // A NewPage right after the break must not leave a blank page.
    printer_.NewPage();
    printer_.Print({QStringLiteral("dernière")});
    const Document& document = finish();

    ASSERT_EQ(document.pages.size(), 3u);
    const std::vector<PrintedLine> first = lines(document.pages[0]);
    ASSERT_EQ(int(first.size()), fitting);
    EXPECT_EQ(first.back().runs.at(0).text, QString::number(fitting));
    EXPECT_LE(first.back().runs.at(0).top + printer_.TextHeight(QString()), printer_.ScaleHeight());
    const std::vector<PrintedLine> second = lines(document.pages[1]);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0].number, 1);
    EXPECT_EQ(second[0].runs.at(0).top, 0.0);
    EXPECT_EQ(second[0].runs.at(0).text, QString::number(fitting + 1));
    EXPECT_EQ(lines(document.pages[2]).size(), 1u);
}

TEST_F(PrinterTest, EmptyLinesPastTheBottomPutTheNextTextOnANewPage) {
    for (int i = 0; i < 70; ++i) {
        printer_.Print();
    }
    printer_.Print({Tab{10}, QStringLiteral("loin")});
    const Document& document = finish();
    ASSERT_EQ(document.pages.size(), 2u);
    EXPECT_TRUE(document.pages[0].items.empty());
    EXPECT_EQ(lines(document.pages[1]).at(0).runs.at(0).top, 0.0);
}

TEST_F(PrinterTest, PageSettingsShapeTheDocument) {
    EXPECT_NEAR(printer_.ScaleWidth(), 11186, 1);
    EXPECT_NEAR(printer_.ScaleHeight(), 16118, 1);
    printer_.Orientation = 2;
    printer_.ColorMode = 1;
    EXPECT_GT(printer_.ScaleWidth(), printer_.ScaleHeight());
    const Document& document = finish();
    EXPECT_TRUE(document.landscape);
    EXPECT_TRUE(document.monochrome);
}

TEST_F(PrinterTest, RunsKeepTheirFontAndColour) {
    printer_.ForeColor = QColor(0, 0, 128);
    printer_.Print({QStringLiteral("bleu")});
    printer_.FontBold = false;
    printer_.FontSize = 9;
    printer_.ForeColor = Qt::black;
    printer_.Print({QStringLiteral("noir")});
    const std::vector<PrintedLine> printed = lines(finish().pages.at(0));
    ASSERT_EQ(printed.size(), 2u);
    EXPECT_EQ(printed[0].runs.at(0).font, (FontSpec{QStringLiteral("Arial"), 12, true}));
    EXPECT_EQ(printed[0].runs.at(0).color, QColor(0, 0, 128));
    EXPECT_EQ(printed[1].runs.at(0).font, (FontSpec{QStringLiteral("Arial"), 9, false}));
    EXPECT_EQ(printed[1].runs.at(0).color, QColor(Qt::black));
}

TEST_F(PrinterTest, EmptyPictureIsRefused) {
    try {
        printer_.PaintPicture(QImage(), 0, 0, 100, 100);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), err::InvalidPicture);
    }
}

TEST_F(PrinterTest, FailingSinkRaisesThePrinterErrorAndStartsAfresh) {
    printer_.setSink(std::make_unique<FailingSink>());
    printer_.Print({QStringLiteral("perdu")});
    try {
        printer_.EndDoc();
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), err::PrinterError);
        EXPECT_TRUE(e.description().startsWith(QStringLiteral("Erreur d'impression")));
        EXPECT_TRUE(e.description().contains(QStringLiteral("spooler down")));
    }
    printer_.setSink(std::make_unique<CaptureSink>(documents_));
    printer_.Print({QStringLiteral("neuf")});
    const Document& document = finish();
    ASSERT_EQ(document.pages.size(), 1u);
    const std::vector<PrintedLine> printed = lines(document.pages[0]);
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(printed[0].number, 1);
    EXPECT_EQ(printed[0].runs.at(0).text, QStringLiteral("neuf"));
}

}  // namespace
}  // namespace platform::printer
