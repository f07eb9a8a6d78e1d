// Where a real session prints: the system's default printer when one is configured, otherwise
// PDF files in the program folder, the user being told where each one went.
#pragma once

#include <memory>

#include "platform/printer/pdf_sink.h"
#include "platform/printer/sink.h"

namespace platform::qt {

// A PDF sink that tells the user, once the file is written, where it is.
class AnnouncedPdfSink : public printer::PrinterSink {
public:
    explicit AnnouncedPdfSink(QString pathStem) : pdf_(std::move(pathStem)) {}
    void print(const printer::Document& document) override;

private:
    printer::PdfSink pdf_;
};

std::unique_ptr<printer::PrinterSink> chooseSessionSink();

}  // namespace platform::qt
