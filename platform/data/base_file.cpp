#include "platform/data/base_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/core/error.h"
#include "platform/files/disk_names.h"

namespace platform::data {

namespace {

constexpr qint64 kHeaderSize = 100;

[[noreturn]] void refuse(int number, const QString& reason, const QString& name) {
    throw Error(number, QStringLiteral("%1 : « %2 »").arg(reason, name));
}

QByteArray readHeader(const QString& path, const QString& name) {
    const int fd = ::open(files::nativePath(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        refuse(err::PermissionDenied, QStringLiteral("La base ne peut pas être lue"), name);
    }
    QByteArray header(kHeaderSize, '\0');
    const ssize_t n = ::pread(fd, header.data(), kHeaderSize, 0);
    ::close(fd);
    header.truncate(n < 0 ? 0 : n);
    return header;
}

qint64 sizeOf(const QString& path) {
    struct stat st {};
    return ::stat(files::nativePath(path).constData(), &st) == 0 ? st.st_size : 0;
}

quint32 bigEndian(const QByteArray& bytes, int offset, int length) {
    quint32 value = 0;
    for (int i = 0; i < length; ++i) {
        value = (value << 8) | static_cast<quint8>(bytes[offset + i]);
    }
    return value;
}

}  // namespace

void checkBaseHeader(const QString& path, const QString& name) {
    const files::Kind kind = files::kindOf(path);
    if (kind == files::Kind::None || kind == files::Kind::Folder) {
        refuse(err::DatabaseNotFound, QStringLiteral("Base de données introuvable"), name);
    }
    if (sizeOf(path) == 0) {
        refuse(err::UnrecognizedDatabase,
               QStringLiteral("Ce fichier est vide, ce n'est pas une base de recettes"), name);
    }
    const QByteArray header = readHeader(path, name);
    const QByteArray format = header.mid(4, 15);
    if (format == "Standard Jet DB" || format == "Standard ACE DB") {
        refuse(err::UnrecognizedDatabase,
               QStringLiteral("Ce fichier est une base Microsoft Access, pas une base de recettes"),
               name);
    }
    if (!header.startsWith(QByteArrayLiteral("SQLite format 3\0"))) {
        refuse(err::UnrecognizedDatabase,
               QStringLiteral("Ce fichier n'est pas une base de recettes"), name);
    }
    if (header.size() < kHeaderSize) {
        refuse(err::DatabaseDamaged,
               QStringLiteral("La base de données est endommagée (fichier tronqué)"), name);
    }
}

void checkBaseLength(const QString& path, const QString& name) {
    const QByteArray header = readHeader(path, name);
    if (header.size() < kHeaderSize) {
        refuse(err::DatabaseDamaged,
               QStringLiteral("La base de données est endommagée (fichier tronqué)"), name);
    }
    // Page size: a power of two from 512 to 32768, or 1 for 65536.
    const quint32 rawPageSize = bigEndian(header, 16, 2);
    const qint64 pageSize = rawPageSize == 1 ? 65536 : rawPageSize;
    if (pageSize < 512 || (pageSize & (pageSize - 1)) != 0) {
        refuse(err::DatabaseDamaged,
               QStringLiteral("La base de données est endommagée (en-tête incorrect)"), name);
    }
    // The page count in the header is trusted only when its "valid for" counter matches the
    // change counter, as SQLite itself does; older writers leave it stale.
    const quint32 changeCounter = bigEndian(header, 24, 4);
    const quint32 pageCount = bigEndian(header, 28, 4);
    const quint32 validFor = bigEndian(header, 92, 4);
    const qint64 size = sizeOf(path);
    const qint64 announced =
        validFor == changeCounter && pageCount > 0 ? pageCount * pageSize : pageSize;
    if (size < announced) {
        refuse(err::DatabaseDamaged,
               QStringLiteral("La base de données est endommagée (fichier tronqué : %1 octets "
                              "au lieu de %2)")
                   .arg(size)
                   .arg(announced),
               name);
    }
}

}  // namespace platform::data
