// A sink that writes each document as transcript lines, for tests and scripted sessions.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "platform/printer/sink.h"

namespace platform::printer {

// The transcript of a document: "document", "page N", "  line L: @COL \"TEXT\" ...",
// "  picture LEFT TOP WIDTH HEIGHT" in printing order, "end document".
QStringList transcript(const Document& document);

class RecordingSink : public PrinterSink {
public:
    explicit RecordingSink(std::function<void(const QString&)> out) : out_(std::move(out)) {}
    void print(const Document& document) override;

private:
    std::function<void(const QString&)> out_;
};

}  // namespace platform::printer
