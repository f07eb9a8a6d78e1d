// SQLite result codes turned into platform errors with a French message, so that a damaged or
// foreign file surfaces as an error the windows can show, never as an abort.
#pragma once

#include <QString>

struct sqlite3;

namespace platform::data {

// Raises the platform error that stands for SQLite result `rc` on connection `db` (may be null),
// naming the base file `path`. The SQLite text follows in parentheses, for diagnosis.
[[noreturn]] void raiseSqlite(int rc, sqlite3* db, const QString& path);

}  // namespace platform::data
