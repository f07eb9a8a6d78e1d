// The database engine the windows use: a base is one SQLite file (rollback journal, so the base
// stays a single file that can be copied), opened by its Windows-style name.
#pragma once

#include <QString>
#include <memory>

#include "platform/data/recordset.h"

struct sqlite3;

namespace platform::data {

struct DatabaseState;

// Handle on an open base; copies share one connection. A default-constructed handle is "no
// object": every method raises error 91.
class Database {
public:
    Database() = default;

    // "Select * from TABLE" or "Select * from TABLE WHERE condition"; the rows in stored order,
    // positioned on the first one. 3078 for a missing table.
    Recordset OpenRecordset(const QString& sql);
    // Closes the base's recordsets, commits their writes and closes the file. Closing again does
    // nothing.
    void Close();
    bool isSet() const { return state_ != nullptr; }

private:
    friend Database openDatabase(const QString& name);
    explicit Database(std::shared_ptr<DatabaseState> state) : state_(std::move(state)) {}
    std::shared_ptr<DatabaseState> state_;  // shared by every copy of the handle
};

Database openDatabase(const QString& name);

namespace DBEngine {
// Opens an existing base (3024 when missing, 3343 / 3049 for a file that is not a sound base);
// never creates a file.
inline Database OpenDatabase(const QString& name) {
    return openDatabase(name);
}
// Writes a compacted copy of `source` to `destination`, which must not exist (3204).
void CompactDatabase(const QString& source, const QString& destination);
}  // namespace DBEngine

// Holds the write lock of a base file from construction to destruction: no other connection, in
// this process or another, can start writing to it meanwhile, while readers still may (a
// compaction's copy reads it). Taking it waits for another program's write to end, as long as
// the busy timeout, then refuses ("in use", 70); a base that cannot be written is refused too.
class WriteLock {
public:
    explicit WriteLock(const QString& name);
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;
    ~WriteLock();

private:
    sqlite3* db_ = nullptr;  // a connection of its own, in a write transaction
};

// Rolls back the uncommitted writes of every open recordset and closes those recordsets: called
// when an error escapes a handler, so that half an operation never reaches the disk.
void rollbackOpenRecordsets();

}  // namespace platform::data
