// The indexes every base carries, so that the windows' walks read a column from an index instead
// of from every record's page. The program names them once, by the schema of its template base;
// opening a base made before they existed adds those it lacks. Nothing depends on them for its
// results: a base without them gives the same answers, more slowly.
#pragma once

#include <sqlite3.h>

#include <QString>

namespace platform::data {

// The indexes that `schemaSql` (the template's schema) creates become those every base opened
// read-write gets. An empty text names none, as at start.
void setBaseIndexes(const QString& schemaSql);

// Adds to the base open on `db` the indexes it lacks, by name, in one transaction that commits
// all of them or none. A base that cannot be written, or where they cannot be made (a table or a
// column missing, a full disk, a base in use elsewhere), is left exactly as it was. `path` is
// the file, `name` the name as the window wrote it.
void addMissingIndexes(sqlite3* db, const QString& path, const QString& name);

}  // namespace platform::data
