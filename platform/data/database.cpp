#include "platform/data/database.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QtGlobal>
#include <algorithm>
#include <cerrno>

#include "platform/core/error.h"
#include "platform/data/base_file.h"
#include "platform/data/errors.h"
#include "platform/data/indexes.h"
#include "platform/data/sql_text.h"
#include "platform/data/state.h"
#include "platform/files/disk_names.h"
#include "platform/files/faults.h"
#include "platform/files/names.h"
#include "platform/files/operations.h"
#include "platform/files/system_error.h"

namespace platform::data {

namespace {

// Every open base, so that an escaped error can roll back all uncommitted writes.
std::vector<DatabaseState*>& openBases() {
    static std::vector<DatabaseState*> bases;
    return bases;
}

[[noreturn]] void raiseClosed(const char* what) {
    throw Error(err::ObjectNotSet, standardDescription(err::ObjectNotSet) + QStringLiteral(" : ") +
                                       QString::fromUtf8(what));
}

// Opens an existing SQLite file read-write (never creating it) and reads its schema, which
// plays back a hot journal left by a crash before anything else looks at the file.
Connection openConnection(const QString& path, const QString& name) {
    checkBaseHeader(path, name);
    sqlite3* raw = nullptr;
    const int rc =
        sqlite3_open_v2(files::nativePath(path).constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    Connection db(raw);
    if (rc != SQLITE_OK) {
        raiseSqlite(rc, raw, name);
    }
    sqlite3_extended_result_codes(raw, 1);
    sqlite3_busy_timeout(raw, 5000);
    sqlite3_db_config(raw, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    execute(raw, "SELECT count(*) FROM sqlite_schema", name);
    // A base must stay one file that can be copied: no write-ahead log beside it.
    execute(raw, "PRAGMA journal_mode=DELETE", name);
    checkBaseLength(path, name);
    return db;
}

// The table's name as SQLite spells it; 3078 when the base has no such table.
QString findTable(DatabaseState& base, const QString& table) {
    Statement lookup(base.db.get(),
                     QStringLiteral("SELECT name FROM sqlite_schema WHERE type = 'table' AND "
                                    "name = ?1 COLLATE NOCASE"),
                     base.name);
    lookup.bind(1, Value(table));
    if (!lookup.step()) {
        throw Error(
            err::TableNotFound,
            QStringLiteral("Table « %1 » introuvable dans la base « %2 »").arg(table, base.name));
    }
    return lookup.column(0).toText();
}

}  // namespace

DatabaseState::~DatabaseState() {
    if (!open()) {
        return;
    }
    // Dropped without Close: close it as Close would, but there is nobody left to tell.
    try {
        close();
    } catch (const Error& e) {
        qWarning("platform::data: base closed on destruction: %s", e.what());
    }
}

void DatabaseState::beginWrite(RecordsetState* writer) {
    if (!inTransaction()) {
        execute(db.get(), "BEGIN IMMEDIATE", name);
    }
    if (std::find(writers.begin(), writers.end(), writer) == writers.end()) {
        writers.push_back(writer);
    }
}

bool DatabaseState::forget(RecordsetState* set) {
    std::erase(recordsets, set);
    return std::erase(writers, set) > 0;
}

void DatabaseState::recordsetClosed(RecordsetState* set) {
    if (forget(set) && writers.empty() && inTransaction()) {
        commit();
    }
}

void DatabaseState::commit() {
    files::beforeDiskChange("commit", path);
    execute(db.get(), "COMMIT", name);
}

void DatabaseState::rollback() {
    writers.clear();
    if (inTransaction()) {
        sqlite3_exec(db.get(), "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

void DatabaseState::detachRecordsets() {
    const std::vector<RecordsetState*> sets = std::exchange(recordsets, {});
    writers.clear();
    for (RecordsetState* set : sets) {
        set->detach();
    }
}

void DatabaseState::close() {
    if (!open()) {
        return;
    }
    // A recordset may hold the last reference to this base.
    const std::shared_ptr<DatabaseState> keepAlive = weak_from_this().lock();
    detachRecordsets();
    std::erase(openBases(), this);
    try {
        if (inTransaction()) {
            commit();
        }
    } catch (...) {
        db.reset();  // closing rolls back what could not be committed
        throw;
    }
    db.reset();
}

Database openDatabase(const QString& name) {
    auto state = std::make_shared<DatabaseState>();
    state->path = files::resolve(name);
    state->name = name;
    state->db = openConnection(state->path, name);
    addMissingIndexes(state->db.get(), state->path, name);
    openBases().push_back(state.get());
    return Database(state);
}

Recordset Database::OpenRecordset(const QString& sql) {
    if (!state_) {
        raise(err::ObjectNotSet);
    }
    DatabaseState& base = *state_;
    if (!base.open()) {
        raiseClosed("la base est fermée");
    }
    const SelectText query = parseSelect(sql);
    auto set = std::make_shared<RecordsetState>();
    set->table = findTable(base, query.table);
    set->condition = query.condition;

    Statement shape(base.db.get(),
                    QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(quoted(set->table)), base.name);
    for (int i = 0; i < shape.columnCount(); ++i) {
        set->columns << shape.columnName(i);
    }

    // The lock first: the set's rows and every value read while it is open then come from one
    // state of the base.
    set->pin = std::make_unique<Statement>(
        base.db.get(), QStringLiteral("SELECT rowid FROM %1").arg(quoted(set->table)), base.name);
    set->pinned = set->pin->step();

    // Stored order is the rowid order, sorted here rather than asked of SQLite: left free, it
    // reads the rowids from an index (a small fraction of the table's pages), in the index's
    // order.
    const QString where =
        query.condition.isEmpty() ? QString() : QStringLiteral(" WHERE (%1)").arg(query.condition);
    Statement rows(base.db.get(),
                   QStringLiteral("SELECT rowid FROM %1%2").arg(quoted(set->table), where),
                   base.name);
    while (rows.step()) {
        set->rowids.push_back(rows.columnRowid(0));
    }
    std::sort(set->rowids.begin(), set->rowids.end());
    set->rowids.shrink_to_fit();
    if (set->rowids.empty()) {
        set->bof = set->eof = true;
    } else {
        set->visited = 1;
    }
    set->base = state_;
    base.recordsets.push_back(set.get());
    return Recordset(set);
}

void Database::Close() {
    if (!state_) {
        raise(err::ObjectNotSet);
    }
    state_->close();
}

void DBEngine::CompactDatabase(const QString& source, const QString& destination) {
    const QString sourcePath = files::resolve(source);
    const QString destinationPath = files::resolve(destination);
    checkBaseHeader(sourcePath, source);
    const auto refuseExisting = [&] {
        throw Error(err::DatabaseExists,
                    standardDescription(err::DatabaseExists) +
                        QStringLiteral(" : « %1 » (la destination du compactage doit être un "
                                       "nouveau fichier)")
                            .arg(destination));
    };
    if (files::entryExists(destinationPath)) {
        refuseExisting();
    }
    const Connection db = openConnection(sourcePath, source);
    files::beforeDiskChange("compact", destinationPath);
    // The copy is created here, empty (VACUUM INTO fills an empty file): created exclusively, so
    // that no file of someone else is ever written over, and never more open than the source.
    const QByteArray target = files::nativePath(destinationPath);
    struct stat st {};
    const mode_t mode =
        ::stat(files::nativePath(sourcePath).constData(), &st) == 0 ? st.st_mode & 0777 : 0600;
    const int fd = ::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0) {
        if (errno == EEXIST) {
            refuseExisting();
        }
        files::raiseSystemError(errno, files::Action::Write, destinationPath);
    }
    ::close(fd);
    try {
        Statement vacuum(db.get(), QStringLiteral("VACUUM INTO ?1"), source);
        vacuum.bindFileName(1, target);
        vacuum.step();
    } catch (const Error&) {
        // A half-written copy must not be taken for a compacted base.
        ::unlink(target.constData());
        throw;
    }
}

WriteLock::WriteLock(const QString& name) {
    if (files::isReadOnly(name)) {
        throw Error(err::PermissionDenied,
                    QStringLiteral("La base ne peut pas être modifiée : « %1 » (le fichier est en "
                                   "lecture seule)")
                        .arg(name));
    }
    Connection db = openConnection(files::resolve(name), name);
    execute(db.get(), "BEGIN IMMEDIATE", name);
    db_ = db.release();
}

WriteLock::~WriteLock() {
    // Nothing was written through this connection: ending its transaction only frees the lock.
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close_v2(db_);
}

void rollbackOpenRecordsets() {
    const std::vector<DatabaseState*> bases = openBases();
    for (DatabaseState* base : bases) {
        const std::shared_ptr<DatabaseState> keepAlive = base->weak_from_this().lock();
        base->detachRecordsets();
        base->rollback();
    }
}

}  // namespace platform::data
