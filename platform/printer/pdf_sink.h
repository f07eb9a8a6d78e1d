// A sink that writes each document to its own PDF file: STEM-1.pdf, STEM-2.pdf ...
#pragma once

#include <QString>

#include "platform/printer/sink.h"

namespace platform::printer {

class PdfSink : public PrinterSink {
public:
    // `pathStem`: an absolute or working-folder-relative POSIX path without the "-N.pdf" end.
    explicit PdfSink(QString pathStem) : stem_(std::move(pathStem)) {}

    // Writes the next numbered file whole or not at all (an existing file of that name is
    // replaced); the printer error when it cannot, and the number is then not used up.
    void print(const Document& document) override;

    // The file the next document goes to.
    QString nextFile() const;

private:
    QString stem_;
    int written_ = 0;
};

}  // namespace platform::printer
