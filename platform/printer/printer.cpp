#include "platform/printer/printer.h"

#include <cmath>
#include <exception>

#include "platform/core/error.h"
#include "platform/files/names.h"
#include "platform/printer/pdf_sink.h"

namespace platform::printer {

namespace {

// Positions are sums of fractional advances; a hair's difference must not move a text to the
// next line or page.
constexpr double tolerance = 1e-6;

PageGeometry geometryFor(int orientation) {
    PageGeometry geometry;
    if (orientation == 2) {
        std::swap(geometry.paperWidth, geometry.paperHeight);
    }
    return geometry;
}

}  // namespace

Printer::Printer() = default;
Printer::~Printer() = default;

FontSpec Printer::font() const {
    return FontSpec{FontName, FontSize, FontBold};
}

Document& Printer::document() {
    if (!document_) {
        document_ = std::make_unique<Document>();
        document_->geometry = geometryFor(Orientation);
        document_->landscape = Orientation == 2;
        document_->monochrome = ColorMode == 1;
        document_->pages.emplace_back();
    }
    return *document_;
}

Page& Printer::page() {
    return document().pages.back();
}

void Printer::startPage() {
    document().pages.emplace_back();
    CurrentX = 0;
    CurrentY = 0;
    line_ = 1;
}

void Printer::Print(std::initializer_list<PrintItem> items) {
    document();
    for (const PrintItem& item : items) {
        if (const Tab* tab = std::get_if<Tab>(&item)) {
            moveToColumn(tab->column);
        } else {
            printText(std::get<QString>(item), pendingColumn_ != 0);
        }
    }
    nextLine();
}

void Printer::moveToColumn(long long column) {
    column = std::max(column, 1LL);
    const double target = double(column - 1) * ColumnWidth();
    if (CurrentX > target + tolerance) {
        nextLine();
    }
    CurrentX = target;
    pendingColumn_ = column;
}

void Printer::printText(const QString& text, bool afterTab) {
    if (text.isEmpty()) {
        return;
    }
    const FontSpec current = font();
    // The page breaks when a line's first text would pass the bottom, so that a NewPage right
    // after a full page does not leave a blank one.
    if (pending_.runs.empty() && CurrentY > tolerance &&
        CurrentY + lineHeight(current) > ScaleHeight() + tolerance) {
        startPage();
    }
    if (!afterTab && !pending_.runs.empty()) {
        pending_.runs.back().text += text;
    } else {
        const long long column =
            afterTab ? pendingColumn_
                     : static_cast<long long>(std::floor(CurrentX / ColumnWidth() + tolerance)) + 1;
        pending_.runs.push_back(TextRun{CurrentX, CurrentY, column, text, current, ForeColor});
    }
    pendingColumn_ = 0;
    CurrentX += textWidth(current, text);
}

void Printer::nextLine() {
    if (!pending_.runs.empty()) {
        pending_.number = line_;
        page().items.emplace_back(std::move(pending_));
    }
    pending_ = PrintedLine{};
    pendingColumn_ = 0;
    CurrentX = 0;
    CurrentY += lineHeight(font());
    ++line_;
}

void Printer::PaintPicture(const QImage& picture, double left, double top, double width,
                           double height) {
    if (picture.isNull()) {
        raise(err::InvalidPicture);
    }
    page().items.emplace_back(PrintedPicture{picture, left, top, width, height});
}

double Printer::TextWidth(const QString& text) const {
    return textWidth(font(), text);
}

double Printer::TextHeight(const QString& text) const {
    return lineHeight(font()) * double(1 + text.count(u'\n'));
}

double Printer::ColumnWidth() const {
    return averageCharWidth(font());
}

double Printer::ScaleWidth() const {
    return (document_ ? document_->geometry : geometryFor(Orientation)).printableWidth();
}

double Printer::ScaleHeight() const {
    return (document_ ? document_->geometry : geometryFor(Orientation)).printableHeight();
}

void Printer::NewPage() {
    document();
    startPage();
}

int Printer::PageNumber() const {
    return document_ ? static_cast<int>(document_->pages.size()) : 1;
}

void Printer::EndDoc() {
    document();
    std::unique_ptr<Document> finished = std::move(document_);
    // EndDoc right after NewPage prints no blank page, as on the original platform: a list
    // that ends exactly at a page break does not waste a sheet.
    if (finished->pages.size() > 1 && finished->pages.back().items.empty()) {
        finished->pages.pop_back();
    }
    CurrentX = 0;
    CurrentY = 0;
    line_ = 1;
    if (!sink_) {
        sink_ = std::make_unique<PdfSink>(files::programFolder() + QStringLiteral("/Impression"));
    }
    try {
        sink_->print(*finished);
    } catch (const Error&) {
        throw;
    } catch (const std::exception& e) {
        // A sink's own failure still reaches the windows as the printer error they can handle.
        raise(err::PrinterError, QString::fromLocal8Bit(e.what()));
    }
}

void Printer::setSink(std::unique_ptr<PrinterSink> sink) {
    sink_ = std::move(sink);
}

Printer& printer() {
    static Printer instance;
    return instance;
}

}  // namespace platform::printer
