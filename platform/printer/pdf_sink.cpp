#include "platform/printer/pdf_sink.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "platform/core/error.h"
#include "platform/printer/render.h"

namespace platform::printer {

namespace {

[[noreturn]] void fail(const QString& path, const QString& reason) {
    raise(err::PrinterError,
          QStringLiteral("impossible d'écrire le fichier PDF « %1 » (%2)").arg(path, reason));
}

// Renders into `out`; false when the PDF engine fails on the way.
bool writePdf(QIODevice& out, const Document& document) {
    QPdfWriter writer(&out);
    writer.setResolution(1440);  // one unit is a twip
    writer.setCreator(QStringLiteral("Recette"));
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4),
                    document.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    const bool rendered = renderDocument(painter, writer, document);
    return painter.end() && rendered;
}

}  // namespace

QString PdfSink::nextFile() const {
    return stem_ + QStringLiteral("-%1.pdf").arg(written_ + 1);
}

void PdfSink::print(const Document& document) {
    const QString path = nextFile();
    // Written beside and renamed at the end, so that a failure never leaves half a file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        fail(path, file.errorString());
    }
    if (!writePdf(file, document)) {
        file.cancelWriting();
        fail(path, QStringLiteral("échec du rendu"));
    }
    if (!file.commit()) {
        fail(path, file.errorString());
    }
    ++written_;
}

}  // namespace platform::printer
