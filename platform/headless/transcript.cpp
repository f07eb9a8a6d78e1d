#include "platform/headless/transcript.h"

#include "platform/files/names.h"

namespace platform::headless {

QString quoted(const QString& text) {
    QString out;
    out.reserve(text.size() + 2);
    out += u'"';
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            continue;  // CR LF shows as one \n
        }
        if (c == u'"' || c == u'\\') {
            out += u'\\';
            out += c;
        } else if (c == u'\n' || c == u'\r') {
            out += QStringLiteral("\\n");
        } else {
            out += c;
        }
    }
    out += u'"';
    return out;
}

QString shownPath(const QString& path) {
    const QString root = files::programFolder();
    if (path.size() > root.size() && path.startsWith(root) &&
        (path[root.size()] == u'/' || path[root.size()] == u'\\')) {
        return path.mid(root.size() + 1);
    }
    return path;
}

}  // namespace platform::headless
