#include "platform/qt/system_printer_sink.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/core/error.h"
#include "platform/printer/render.h"

namespace platform::qt {

void SystemPrinterSink::print(const printer::Document& document) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        raise(err::PrinterError, QStringLiteral("aucune imprimante n'est configurée"));
    }
    QPrinter device(info, QPrinter::HighResolution);
    device.setDocName(QStringLiteral("Recette"));
    // Full page: the document's positions count from the paper's corner, margins included.
    device.setFullPage(true);
    device.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4),
                    document.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF(0, 0, 0, 0)));
    device.setColorMode(document.monochrome ? QPrinter::GrayScale : QPrinter::Color);
    QPainter painter;
    if (!painter.begin(&device)) {
        raise(err::PrinterError,
              QStringLiteral("l'imprimante « %1 » refuse le document").arg(info.printerName()));
    }
    const bool rendered = printer::renderDocument(painter, device, document);
    if (!painter.end() || !rendered) {
        raise(err::PrinterError,
              QStringLiteral("l'impression sur « %1 » a échoué").arg(info.printerName()));
    }
}

}  // namespace platform::qt
