// What the Database and Recordset handles share: the open connection, and per recordset its row
// identities, position and edit buffer. Internal to platform/data.
#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/data/column_cache.h"
#include "platform/data/statement.h"

namespace platform::data {

struct RecordsetState;

struct DatabaseState : std::enable_shared_from_this<DatabaseState> {
    QString path;                             // POSIX path of the file
    QString name;                             // name as the window wrote it, for messages
    Connection db;                            // null once closed
    std::vector<RecordsetState*> recordsets;  // open recordsets on this base
    std::vector<RecordsetState*> writers;     // open recordsets that wrote in the transaction

    ~DatabaseState();
    bool open() const { return db != nullptr; }
    bool inTransaction() const { return db && sqlite3_get_autocommit(db.get()) == 0; }
    // Starts the transaction at the first write of `writer`; later writes join it.
    void beginWrite(RecordsetState* writer);
    // Removes `set` from the lists; returns whether it had written in the transaction.
    bool forget(RecordsetState* set);
    // `set` closes: commits when it was the last open writer.
    void recordsetClosed(RecordsetState* set);
    void commit();
    void rollback();  // errors ignored: SQLite may already have rolled back
    void detachRecordsets();
    void close();
};

enum class EditMode { None, AddNew, Edit };

struct RecordsetState {
    std::shared_ptr<DatabaseState> base;  // null once closed
    QString table;                        // table name as SQLite spells it
    QString condition;                    // text after WHERE, empty for the whole table
    QStringList columns;                  // the table's columns, in order
    std::vector<sqlite3_int64> rowids;    // the rows of the set, in stored order
    long position = 0;                    // index into rowids of the current record
    bool bof = false;                     // before the first record
    bool eof = false;                     // after the last record
    bool deleted = false;  // the current record was just deleted; `position` holds its follower
    long visited = 0;      // records visited so far: RecordCount
    EditMode mode = EditMode::None;                     // open edit buffer, if any
    std::map<int, Value> buffer;                        // assigned values by column index
    std::map<int, std::unique_ptr<Statement>> readers;  // one cached SELECT per column read
    std::map<QString, std::unique_ptr<Statement>> writersCache;  // INSERT/UPDATE by column set
    std::unique_ptr<Statement> remover;                          // the cached DELETE
    // A statement left on its first row while the set is open: it holds the base's read lock,
    // so that each field read does not take and release the file lock and check for a hot
    // journal again (that made a scan several times slower), and so that no other connection
    // changes the base under the set.
    std::unique_ptr<Statement> pin;
    bool pinned = false;  // the pin is on a row: the lock is held (an empty table holds none)
    ColumnCache cache;    // columns read at once for a walk

    ~RecordsetState();
    sqlite3* db() const { return base->db.get(); }
    // Drops the statements and leaves the base, without committing.
    void detach();
};

}  // namespace platform::data
