#include "platform/printer/recording_sink.h"

#include "platform/core/numbers.h"

namespace platform::printer {

namespace {

QString quoted(const QString& text) {
    QString escaped = text;
    escaped.replace(u'\\', QStringLiteral("\\\\"));
    escaped.replace(u'"', QStringLiteral("\\\""));
    return u'"' + escaped + u'"';
}

QString lineEntry(const PrintedLine& line) {
    QString entry = QStringLiteral("  line %1:").arg(line.number);
    for (const TextRun& run : line.runs) {
        entry += QStringLiteral(" @%1 ").arg(run.column) + quoted(run.text);
    }
    return entry;
}

QString pictureEntry(const PrintedPicture& picture) {
    return QStringLiteral("  picture %1 %2 %3 %4")
        .arg(toInt32(picture.left))
        .arg(toInt32(picture.top))
        .arg(toInt32(picture.width))
        .arg(toInt32(picture.height));
}

}  // namespace

QStringList transcript(const Document& document) {
    QStringList lines{QStringLiteral("document")};
    int number = 0;
    for (const Page& page : document.pages) {
        lines.push_back(QStringLiteral("page %1").arg(++number));
        for (const PageItem& item : page.items) {
            if (const auto* line = std::get_if<PrintedLine>(&item)) {
                lines.push_back(lineEntry(*line));
            } else {
                lines.push_back(pictureEntry(std::get<PrintedPicture>(item)));
            }
        }
    }
    lines.push_back(QStringLiteral("end document"));
    return lines;
}

void RecordingSink::print(const Document& document) {
    for (const QString& line : transcript(document)) {
        out_(line);
    }
}

}  // namespace platform::printer
