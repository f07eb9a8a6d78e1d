#include "platform/data/errors.h"

#include <sqlite3.h>

#include "platform/core/error.h"
#include "platform/files/system_error.h"

namespace platform::data {

namespace {

struct Meaning {
    int number;           // platform error number
    QString reason;       // French sentence that opens the message, before the base's name
    bool systemCause;     // the operating system's cause, when it gave one, follows in French
    QString advice = {};  // what follows the name, if anything
};

const QString kDamaged = QStringLiteral("La base de données est endommagée");

Meaning meaningOf(int rc) {
    if (rc == SQLITE_READONLY_DBMOVED) {
        return {err::PermissionDenied,
                QStringLiteral("La base a été remplacée depuis qu'elle a été ouverte"), false,
                QStringLiteral(" (par un compactage ou une restauration) : ouvrez-la de nouveau")};
    }
    switch (rc & 0xff) {
        case SQLITE_CORRUPT:
            return {err::DatabaseDamaged, kDamaged, false};
        case SQLITE_NOTADB:
            return {err::UnrecognizedDatabase,
                    QStringLiteral("Ce fichier n'est pas une base de recettes"), false};
        case SQLITE_FULL:
            return {err::DiskFull, QStringLiteral("Le disque est plein"), false};
        case SQLITE_IOERR:
            return {err::DeviceIoError,
                    QStringLiteral("Erreur de lecture ou d'écriture de la base"), true};
        case SQLITE_READONLY:
            return {err::PermissionDenied, QStringLiteral("La base ne peut pas être modifiée"),
                    false, QStringLiteral(" (le fichier ou son dossier est en lecture seule)")};
        case SQLITE_PERM:
        case SQLITE_AUTH:
            return {err::PermissionDenied, QStringLiteral("Accès refusé à la base"), false};
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return {err::PermissionDenied,
                    QStringLiteral("La base est utilisée par un autre programme"), false,
                    QStringLiteral(" ; réessayez quand il aura fini")};
        case SQLITE_CANTOPEN:
            return {err::PathFileAccess, QStringLiteral("La base ne peut pas être ouverte"), true};
        case SQLITE_NOMEM:
            return {7, QStringLiteral("Mémoire insuffisante"), false};
        case SQLITE_TOOBIG:
            return {err::InvalidCall, QStringLiteral("Un texte est trop long pour la base"), false};
        default:
            return {err::InvalidCall, QStringLiteral("Requête refusée par la base"), false};
    }
}

// SQLite reports a record whose damaged length runs past the end of the file as a full disk:
// a base that fails its own structure check is damaged, whatever the code said.
bool failsQuickCheck(sqlite3* db) {
    sqlite3_stmt* check = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA quick_check(1)", -1, &check, nullptr) != SQLITE_OK) {
        sqlite3_finalize(check);
        return false;
    }
    const bool damaged =
        sqlite3_step(check) != SQLITE_ROW ||
        QByteArrayView(reinterpret_cast<const char*>(sqlite3_column_text(check, 0))) != "ok";
    sqlite3_finalize(check);
    return damaged;
}

}  // namespace

void raiseSqlite(int rc, sqlite3* db, const QString& path) {
    Meaning meaning = meaningOf(rc);
    const int systemErrno = db != nullptr ? sqlite3_system_errno(db) : 0;
    // Only for a query the program got wrong, never a user's situation: SQLite's own words help
    // whoever reads the report.
    const QString detail =
        meaning.number == err::InvalidCall && (rc & 0xff) != SQLITE_TOOBIG
            ? QString::fromUtf8(db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc))
            : QString();
    if ((rc & 0xff) == SQLITE_FULL && db != nullptr && failsQuickCheck(db)) {
        meaning = {err::DatabaseDamaged, kDamaged, false};
    }
    QString text = QStringLiteral("%1 : « %2 »").arg(meaning.reason, path) + meaning.advice;
    if (meaning.systemCause && systemErrno != 0) {
        text += QStringLiteral(" (") + files::systemCause(systemErrno) + u')';
    } else if (!detail.isEmpty()) {
        text += QStringLiteral(" (") + detail + u')';
    }
    throw Error(meaning.number, text);
}

}  // namespace platform::data
