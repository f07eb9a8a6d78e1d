// A printed document as the printer object built it, ready for a sink: pages holding text runs
// and pictures, every position in twips.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <variant>
#include <vector>

#include "platform/printer/font.h"

namespace platform::printer {

// Text printed in one go on one line: texts printed one after the other with no Tab between them
// make one run.
struct TextRun {
    double left = 0;       // twips from the printable area's left edge
    double top = 0;        // twips from the printable area's top edge, top of the line
    long long column = 1;  // print column the run starts at, from 1
    QString text;
    FontSpec font;
    QColor color;
};

// The runs of one printed line; `number` counts the lines of its page from 1.
struct PrintedLine {
    int number = 1;
    std::vector<TextRun> runs;
};

// A picture drawn into a rectangle of the printable area, in twips.
struct PrintedPicture {
    QImage image;
    double left = 0, top = 0, width = 0, height = 0;
};

// What a page holds, in the order it was printed.
using PageItem = std::variant<PrintedLine, PrintedPicture>;

struct Page {
    std::vector<PageItem> items;
};

// Paper and printable area, in twips. A4 with a margin of a quarter inch, about what a printer
// cannot reach anyway.
struct PageGeometry {
    double paperWidth = 11906;
    double paperHeight = 16838;
    double margin = 360;

    double printableWidth() const { return paperWidth - 2 * margin; }
    double printableHeight() const { return paperHeight - 2 * margin; }
};

struct Document {
    PageGeometry geometry;
    bool landscape = false;
    bool monochrome = false;
    std::vector<Page> pages;  // at least one: a document with nothing printed is one blank page
};

}  // namespace platform::printer
