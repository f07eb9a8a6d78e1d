#include "platform/data/statement.h"

#include "platform/core/error.h"
#include "platform/data/errors.h"

namespace platform::data {

void execute(sqlite3* db, const char* sql, const QString& path) {
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        raiseSqlite(rc, db, path);
    }
}

QString quoted(const QString& identifier) {
    QString inner = identifier;
    inner.replace(u'"', QStringLiteral("\"\""));
    return u'"' + inner + u'"';
}

Statement::Statement(sqlite3* db, const QString& sql, const QString& path) : db_(db), path_(path) {
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(db, text.constData(), int(text.size()), &raw, &tail);
    stmt_.reset(raw);
    if (rc != SQLITE_OK) {
        raiseSqlite(rc, db, path);
    }
    if (raw == nullptr || QByteArray(tail).trimmed() != QByteArray()) {
        throw Error(
            err::InvalidCall,
            QStringLiteral("Requête incorrecte : une seule instruction est permise (%1)").arg(sql));
    }
}

void Statement::bind(int index, const Value& value) {
    int rc = SQLITE_OK;
    if (value.isNull()) {
        rc = sqlite3_bind_null(stmt_.get(), index);
    } else if (value.isText()) {
        const QString text = value.toText();
        rc = sqlite3_bind_text16(stmt_.get(), index, text.utf16(), int(text.size() * 2),
                                 SQLITE_TRANSIENT);
    } else {
        // Whole numbers (and truth values, -1 / 0) go in as INTEGER, the rest as REAL.
        const double asDouble = value.toDouble();
        const long long asInteger = value.toLongLong();
        rc = static_cast<double>(asInteger) == asDouble
                 ? sqlite3_bind_int64(stmt_.get(), index, asInteger)
                 : sqlite3_bind_double(stmt_.get(), index, asDouble);
    }
    if (rc != SQLITE_OK) {
        raiseSqlite(rc, db_, path_);
    }
}

void Statement::bindRowid(int index, sqlite3_int64 rowid) {
    const int rc = sqlite3_bind_int64(stmt_.get(), index, rowid);
    if (rc != SQLITE_OK) {
        raiseSqlite(rc, db_, path_);
    }
}

void Statement::bindFileName(int index, const QByteArray& nativePath) {
    // SQLite hands the bytes of a text to the file system unchanged.
    const int rc = sqlite3_bind_text(stmt_.get(), index, nativePath.constData(),
                                     int(nativePath.size()), SQLITE_TRANSIENT);
    if (rc != SQLITE_OK) {
        raiseSqlite(rc, db_, path_);
    }
}

bool Statement::step() {
    const int rc = sqlite3_step(stmt_.get());
    if (rc == SQLITE_ROW) {
        return true;
    }
    if (rc == SQLITE_DONE) {
        return false;
    }
    sqlite3_reset(stmt_.get());
    raiseSqlite(rc, db_, path_);
}

void Statement::reset() {
    sqlite3_reset(stmt_.get());
    sqlite3_clear_bindings(stmt_.get());
}

Value Statement::column(int index) const {
    sqlite3_stmt* s = stmt_.get();
    switch (sqlite3_column_type(s, index)) {
        case SQLITE_NULL:
            return {};
        case SQLITE_INTEGER:
            return Value(static_cast<long long>(sqlite3_column_int64(s, index)));
        case SQLITE_FLOAT:
            return Value(sqlite3_column_double(s, index));
        default: {
            // Bases are UTF-8: reading UTF-8 spares SQLite a conversion of its own.
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(s, index));
            const int bytes = sqlite3_column_bytes(s, index);
            return Value(QString::fromUtf8(text, bytes));
        }
    }
}

sqlite3_int64 Statement::columnRowid(int index) const {
    return sqlite3_column_int64(stmt_.get(), index);
}

int Statement::columnCount() const {
    return sqlite3_column_count(stmt_.get());
}

QString Statement::columnName(int index) const {
    return QString::fromUtf8(sqlite3_column_name(stmt_.get(), index));
}

}  // namespace platform::data
