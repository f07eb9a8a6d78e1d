// Where finished documents go: a system printer, PDF files, a transcript.
#pragma once

#include "platform/printer/document.h"

namespace platform::printer {

class PrinterSink {
public:
    virtual ~PrinterSink() = default;
    // Prints one finished document; raises the printer error when it cannot.
    virtual void print(const Document& document) = 0;
};

}  // namespace platform::printer
