// Draws a document with a painter, page after page: shared by the PDF sink and the system
// printer.
#pragma once

#include <QPagedPaintDevice>
#include <QPainter>

#include "platform/printer/document.h"

namespace platform::printer {

// Paints every page of `document` on `painter`, which must be active on `device` with its origin
// at the paper's top-left corner (a full-page printer, or a PDF writer without margins); starts
// each further page with device.newPage(). Text is drawn glyph by glyph at the same advances
// TextWidth measures. Returns false when the device refuses a new page.
bool renderDocument(QPainter& painter, QPagedPaintDevice& device, const Document& document);

// Paints one page of `document` on a painter whose device has `dpiX` by `dpiY` dots per inch,
// with its origin at the paper's top-left corner.
void renderPage(QPainter& painter, const Document& document, const Page& page, double dpiX,
                double dpiY);

}  // namespace platform::printer
