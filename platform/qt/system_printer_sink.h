// Documents printed on the system's default printer (CUPS through Qt Print Support).
#pragma once

#include "platform/printer/sink.h"

namespace platform::qt {

class SystemPrinterSink : public printer::PrinterSink {
public:
    // Prints on the default printer as it is when the document is finished; the printer error
    // when there is none or it refuses the job.
    void print(const printer::Document& document) override;
};

}  // namespace platform::qt
