#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "platform/core/error.h"
#include "platform/printer/pdf_sink.h"
#include "platform/printer/printer.h"

namespace platform::printer {
namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Page objects of a PDF, not counting the page tree ("/Type /Pages").
int pageCount(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral(R"(/Type\s*/Page(?![a-zA-Z]))"));
    return int(QString::fromLatin1(pdf).count(page));
}

TEST(PdfSink, WritesOneNumberedFilePerDocument) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Printer printer;
    printer.setSink(std::make_unique<PdfSink>(dir.filePath(QStringLiteral("carte"))));
    printer.FontBold = true;
    QImage picture(40, 32, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);

    printer.Print({Tab{10}, QStringLiteral("Ingrediant")});
    printer.PaintPicture(picture, 8000, 900, 3000, 2400);
    printer.NewPage();
    printer.Print({Tab{40}, QStringLiteral("Bon Appétit")});
    printer.EndDoc();
    printer.EndDoc();

    const QByteArray first = readAll(dir.filePath(QStringLiteral("carte-1.pdf")));
    ASSERT_TRUE(first.startsWith("%PDF")) << first.left(20).toStdString();
    EXPECT_EQ(pageCount(first), 2);
    // The text went out as the resolved font, embedded.
    EXPECT_TRUE(first.contains("LiberationSans-Bold")) << first.toStdString();
    EXPECT_TRUE(first.contains("/Image"));

    const QByteArray second = readAll(dir.filePath(QStringLiteral("carte-2.pdf")));
    ASSERT_TRUE(second.startsWith("%PDF"));
    EXPECT_EQ(pageCount(second), 1);
}

TEST(PdfSink, UnwritablePathRaisesThePrinterErrorAndLeavesNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString stem = dir.filePath(QStringLiteral("absent/carte"));
    PdfSink sink(stem);
    Document document;
    document.pages.emplace_back();
    try {
        sink.print(document);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), err::PrinterError);
        EXPECT_TRUE(e.description().contains(QStringLiteral("carte-1.pdf")));
    }
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());

    // Once the folder exists the same number is used: a failure does not skip one.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("absent")));
    sink.print(document);
    EXPECT_TRUE(readAll(stem + QStringLiteral("-1.pdf")).startsWith("%PDF"));
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("absent"))).entryList(QDir::Files).size(), 1);
}

TEST(PdfSink, ReplacesAFileInTheWayWithoutLeavingTemporaries) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString stem = dir.filePath(QStringLiteral("liste"));
    {
        QFile old(stem + QStringLiteral("-1.pdf"));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("ancien");
    }
    Document document;
    document.pages.resize(3);
    PdfSink(stem).print(document);
    const QByteArray pdf = readAll(stem + QStringLiteral("-1.pdf"));
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pageCount(pdf), 3);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

}  // namespace
}  // namespace platform::printer
