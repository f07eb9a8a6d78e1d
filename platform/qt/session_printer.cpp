#include "platform/qt/session_printer.h"

#include <QDir>
#include <QPrinterInfo>

#include "platform/desktop/desktop.h"
#include "platform/files/names.h"
#include "platform/qt/system_printer_sink.h"

namespace platform::qt {

void AnnouncedPdfSink::print(const printer::Document& document) {
    const QString path = pdf_.nextFile();
    pdf_.print(document);  // a failure raises before the user is told anything
    desktop::MsgBox(QStringLiteral("Aucune imprimante n'est configurée : le document a été "
                                   "enregistré dans le fichier « %1 ».")
                        .arg(QDir::toNativeSeparators(path)));
}

std::unique_ptr<printer::PrinterSink> chooseSessionSink() {
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        return std::make_unique<SystemPrinterSink>();
    }
    return std::make_unique<AnnouncedPdfSink>(files::programFolder() +
                                              QStringLiteral("/Impression"));
}

}  // namespace platform::qt
