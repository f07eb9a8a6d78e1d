#include "platform/data/indexes.h"

#include <vector>

#include "platform/core/error.h"
#include "platform/data/statement.h"
#include "platform/files/faults.h"

namespace platform::data {

namespace {

struct IndexDefinition {
    QString name;  // as the template names it
    QString sql;   // its CREATE INDEX statement, as SQLite keeps it
};

std::vector<IndexDefinition>& baseIndexes() {
    static std::vector<IndexDefinition> indexes;
    return indexes;
}

bool hasIndex(sqlite3* db, const QString& index, const QString& name) {
    Statement lookup(db,
                     QStringLiteral("SELECT 1 FROM sqlite_schema WHERE type = 'index' AND "
                                    "name = ?1 COLLATE NOCASE"),
                     name);
    lookup.bind(1, Value(index));
    return lookup.step();
}

}  // namespace

void setBaseIndexes(const QString& schemaSql) {
    std::vector<IndexDefinition> indexes;
    if (!schemaSql.isEmpty()) {
        // SQLite itself reads the schema: its own record of each index is the statement to run.
        sqlite3* raw = nullptr;
        sqlite3_open(":memory:", &raw);
        const Connection db(raw);
        const QString name = QStringLiteral("schéma du modèle");
        execute(db.get(), schemaSql.toUtf8().constData(), name);
        Statement list(db.get(),
                       QStringLiteral("SELECT name, sql FROM sqlite_schema WHERE type = 'index' "
                                      "AND sql IS NOT NULL ORDER BY rowid"),
                       name);
        while (list.step()) {
            indexes.push_back({list.column(0).toText(), list.column(1).toText()});
        }
    }
    baseIndexes() = std::move(indexes);
}

void addMissingIndexes(sqlite3* db, const QString& path, const QString& name) {
    if (sqlite3_db_readonly(db, "main") != 0) {
        return;
    }
    std::vector<const IndexDefinition*> missing;
    for (const IndexDefinition& index : baseIndexes()) {
        if (!hasIndex(db, index.name, name)) {
            missing.push_back(&index);
        }
    }
    if (missing.empty()) {
        return;
    }
    try {
        execute(db, "BEGIN IMMEDIATE", name);
        for (const IndexDefinition* index : missing) {
            Statement(db, index->sql, name).step();
        }
        files::beforeDiskChange("commit", path);
        execute(db, "COMMIT", name);
    } catch (const Error&) {
        // The base opens as it was: the indexes only make reads faster.
        if (sqlite3_get_autocommit(db) == 0) {
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        }
    }
}

}  // namespace platform::data
