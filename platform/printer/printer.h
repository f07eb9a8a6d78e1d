// The printer object the windows print through: a font, a print position, lines with Tab
// columns, pictures, pages; EndDoc hands the finished document to the sink.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <initializer_list>
#include <memory>

#include "platform/core/print_item.h"
#include "platform/printer/document.h"
#include "platform/printer/sink.h"

namespace platform::printer {

class Printer {
public:
    Printer();
    ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    // Font and colour of what is printed next.
    QString FontName = QStringLiteral("Arial");
    double FontSize = 12;
    bool FontBold = false;
    QColor ForeColor = Qt::black;

    // The two integer page settings: orientation (1 portrait, 2 landscape) and colour mode
    // (1 monochrome, 2 colour). They are taken when a document starts.
    int Orientation = 1;
    int ColorMode = 2;

    // Print position in twips from the printable area's top-left corner.
    double CurrentX = 0;
    double CurrentY = 0;

    // Prints one line: the texts one after the other, each Tab moving to its column first (to
    // that column of the next line when the position is already past it). Then the position
    // goes to the start of the next line. A line that no longer fits starts a new page.
    void Print(std::initializer_list<PrintItem> items = {});

    // Draws `picture` into the rectangle, in twips from the printable area's top-left corner.
    // An empty picture raises the invalid-picture error.
    void PaintPicture(const QImage& picture, double left, double top, double width, double height);

    // Width and height of a text in the current font, in twips.
    double TextWidth(const QString& text) const;
    double TextHeight(const QString& text) const;
    // Width of one Tab column in the current font, in twips.
    double ColumnWidth() const;

    // Size of the printable area in twips.
    double ScaleWidth() const;
    double ScaleHeight() const;

    void NewPage();
    // The page being printed, from 1: a line that did not fit has started the next one.
    int PageNumber() const;
    // Hands the document to the sink, even one with nothing printed, and starts afresh; the
    // printer error when the sink fails (the document is dropped either way). A page started by
    // NewPage and left empty ends the document without being printed.
    void EndDoc();

    // Where documents go; by default PDF files in the program folder.
    void setSink(std::unique_ptr<PrinterSink> sink);

private:
    FontSpec font() const;
    Document& document();
    Page& page();
    void startPage();
    void nextLine();
    void moveToColumn(long long column);
    void printText(const QString& text, bool afterTab);

    std::unique_ptr<PrinterSink> sink_;
    std::unique_ptr<Document> document_;  // none between documents
    int line_ = 1;                        // line of the page the position is on
    PrintedLine pending_;                 // the line being printed, until it ends
    long long pendingColumn_ = 0;         // column of the last Tab, 0 when none before the text
};

// The one printer of the program.
Printer& printer();

}  // namespace platform::printer
