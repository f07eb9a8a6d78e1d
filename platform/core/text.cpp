#include "platform/core/text.h"

namespace platform {

QString upperCase(const QString& text) {
    QString result = text;
    for (QChar& c : result) {
        c = c.toUpper();
    }
    return result;
}

QString trimLeadingSpaces(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && text[start] == u' ') {
        ++start;
    }
    return text.mid(start);
}

QString trimTrailingSpaces(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ') {
        --end;
    }
    return text.left(end);
}

QString trimSpaces(const QString& text) {
    return trimLeadingSpaces(trimTrailingSpaces(text));
}

QString spaces(long long count) {
    return count > 0 ? QString(static_cast<qsizetype>(count), u' ') : QString();
}

}  // namespace platform
