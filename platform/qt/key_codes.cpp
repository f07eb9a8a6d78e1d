#include "platform/qt/key_codes.h"

namespace platform::qt {

int keyAsciiOf(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Backspace:
            return 8;
        default:
            break;
    }
    const QString text = event.text();
    if (text.size() != 1 || !text[0].isPrint() ||
        (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) {
        return 0;
    }
    return text[0].unicode();
}

QKeyEvent keyEventFor(int keyAscii) {
    if (keyAscii == 13) {
        return QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    }
    if (keyAscii == 8) {
        return QKeyEvent(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
    }
    const QChar c(static_cast<char16_t>(keyAscii));
    // Qt names a letter's key by its capital.
    return QKeyEvent(QEvent::KeyPress, static_cast<int>(c.toUpper().unicode()), Qt::NoModifier,
                     QString(c));
}

}  // namespace platform::qt
