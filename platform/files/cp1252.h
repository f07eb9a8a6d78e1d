// Windows-1252, the single-byte code page of the recipe book's text files. Our own table, so
// that the bytes written never depend on which codecs the system's ICU carries.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace platform::files {

// Each character as its cp1252 byte; a character the code page cannot hold becomes one "?"
// (a character outside the basic plane too, not one per half).
QByteArray toCp1252(QStringView text);

// Each byte as its character. The five bytes cp1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) read as the control characters of the same number, as Windows reads them.
QString fromCp1252(QByteArrayView bytes);

}  // namespace platform::files
