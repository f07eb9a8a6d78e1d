#include "platform/data/errors.h"

#include <sqlite3.h>

#include "platform/core/error.h"

namespace platform::data {

namespace {

struct Meaning {
    int number;      // platform error number
    QString reason;  // French sentence that opens the message
};

Meaning meaningOf(int rc) {
    switch (rc & 0xff) {
        case SQLITE_CORRUPT:
            return {err::DatabaseDamaged, QStringLiteral("La base de données est endommagée")};
        case SQLITE_NOTADB:
            return {err::UnrecognizedDatabase,
                    QStringLiteral("Ce fichier n'est pas une base de recettes")};
        case SQLITE_FULL:
            return {err::DiskFull, QStringLiteral("Le disque est plein")};
        case SQLITE_IOERR:
            return {err::DeviceIoError, QStringLiteral("Erreur de lecture ou d'écriture")};
        case SQLITE_READONLY:
        case SQLITE_PERM:
        case SQLITE_AUTH:
            return {err::PermissionDenied, QStringLiteral("La base ne peut pas être modifiée")};
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return {err::PermissionDenied,
                    QStringLiteral("La base est verrouillée par un autre programme")};
        case SQLITE_CANTOPEN:
            return {err::PathFileAccess, QStringLiteral("La base ne peut pas être ouverte")};
        case SQLITE_NOMEM:
            return {7, QStringLiteral("Mémoire insuffisante")};
        default:
            return {err::InvalidCall, QStringLiteral("Requête refusée par la base")};
    }
}

}  // namespace

void raiseSqlite(int rc, sqlite3* db, const QString& path) {
    const Meaning meaning = meaningOf(rc);
    const char* detail = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    throw Error(
        meaning.number,
        QStringLiteral("%1 : « %2 » (%3)").arg(meaning.reason, path, QString::fromUtf8(detail)));
}

}  // namespace platform::data
