#include "platform/qt/symbol_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace platform::qt {

namespace {

// One pictogram per letter, all in the Basic Multilingual Plane and in the fonts a Debian
// desktop has (DejaVu): a..z, then A..Z.
constexpr char16_t pictograms[] =
    u"★☆♥♦♣♠☀☁☂☃☕♨✂✉✓✗✿❀❄☎⚑⚐♪♫☺☹"
    u"⌛⏰⚠⚡☘☙✈✎✏✒✦✧✪✫✬✭✮✯✰❁❂❃❅❆❇❈";
constexpr int letterCount = 52;
static_assert(sizeof(pictograms) / sizeof(char16_t) == letterCount + 1);

int letterIndex(QChar c) {
    if (c >= u'a' && c <= u'z') {
        return c.unicode() - u'a';
    }
    if (c >= u'A' && c <= u'Z') {
        return 26 + c.unicode() - u'A';
    }
    return -1;
}

QChar letterAt(int index) {
    return index < 26 ? QChar(char16_t(u'a' + index)) : QChar(char16_t(u'A' + index - 26));
}

}  // namespace

bool showsPictograms(const QString& family) {
    return family.compare(QStringLiteral("Webdings"), Qt::CaseInsensitive) == 0 &&
           !QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

QString toPictograms(const QString& letters) {
    QString shown = letters;
    for (QChar& c : shown) {
        const int index = letterIndex(c);
        if (index >= 0) {
            c = QChar(pictograms[index]);
        }
    }
    return shown;
}

QString fromPictograms(const QString& shown) {
    QString letters = shown;
    for (QChar& c : letters) {
        for (int index = 0; index < letterCount; ++index) {
            if (c == QChar(pictograms[index])) {
                c = letterAt(index);
                break;
            }
        }
    }
    return letters;
}

}  // namespace platform::qt
