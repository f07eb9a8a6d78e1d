// RAII owners of an SQLite connection and of a prepared statement; every failure becomes a
// platform error naming the base file.
#pragma once

#include <sqlite3.h>

#include <QString>
#include <memory>

#include "platform/core/value.h"

namespace platform::data {

struct ConnectionCloser {
    // close_v2 so that a statement still alive somewhere cannot make the close fail.
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Connection = std::unique_ptr<sqlite3, ConnectionCloser>;

// Runs SQL that returns no rows (BEGIN, COMMIT, PRAGMA ...).
void execute(sqlite3* db, const char* sql, const QString& path);

// Quotes an identifier for SQL text ("Titre" -> "\"Titre\"").
QString quoted(const QString& identifier);

// One prepared statement. Parameters are bound, never spliced into the text.
class Statement {
public:
    // Prepares exactly one statement: text after it is refused, so that a condition cannot
    // smuggle in a second statement.
    Statement(sqlite3* db, const QString& sql, const QString& path);

    void bind(int index, const Value& value);  // index from 1
    void bindRowid(int index, sqlite3_int64 rowid);
    // A file name as the disk spells it (files::nativePath), which need not be UTF-8.
    void bindFileName(int index, const QByteArray& nativePath);
    bool step();   // true while a row is available, false when done
    void reset();  // ready to run again, bindings cleared
    Value column(int index) const;
    sqlite3_int64 columnRowid(int index) const;
    int columnCount() const;
    QString columnName(int index) const;

private:
    struct Finalizer {
        void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
    };
    sqlite3* db_;   // connection the statement belongs to, for error texts
    QString path_;  // base file named in errors
    std::unique_ptr<sqlite3_stmt, Finalizer> stmt_;  // the prepared statement
};

}  // namespace platform::data
