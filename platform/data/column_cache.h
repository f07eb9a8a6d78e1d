// The values of one column for every record of a set, read at once from an index. A walk that
// reads a column record after record (the title check, the word search, a category's list)
// would otherwise look up each record, which reads that record's page: at 32767 recipes of a
// few kilobytes, the whole file. An index holding the column gives the same values from a small
// fraction of the pages.
//
// The values are exactly those the lookups would give: the set holds the base's read lock, so no
// other connection can change the base while it is open; a write through the set drops the
// values of the record written; any other write on the connection drops everything.
#pragma once

#include <sqlite3.h>

#include <map>
#include <optional>
#include <vector>

#include "platform/core/value.h"

namespace platform::data {

struct RecordsetState;

class ColumnCache {
public:
    // Reads of a column on this many records make a walk: the column is then read at once for
    // the whole set, provided an index holds it. A few reads (a card shown, the matches of a
    // search) stay lookups of their own.
    static constexpr int kWalk = 16;

    // The value of `column` in record `rowid`, when the cache holds it.
    std::optional<Value> find(RecordsetState& set, int column, sqlite3_int64 rowid);

    // Called around each write of the set (Update, Delete): before it, and after it succeeded
    // with the record it wrote.
    void beforeWrite(sqlite3* db);
    void afterWrite(sqlite3_int64 rowid);

    // Forgets every value and reads no more at once for this set: a write the cache cannot
    // follow, or one that failed, may have changed any record.
    void stop();
    // Frees the values (the set closes).
    void clear();

private:
    enum class State { Counting, Read, NotIndexed };
    struct Column {
        State state = State::Counting;
        int reads = 0;                      // records read so far, while State::Counting
        sqlite3_int64 lastRowid = 0;        // the last of them
        std::vector<sqlite3_int64> rowids;  // the set's records when the column was read
        std::vector<Value> values;          // their values, by the same index
        std::vector<bool> known;            // false once the record was written through the set
    };

    // The index of `rowid` in a column read at once, or none; `hint` is where it likely is (a
    // walk goes in stored order).
    static std::optional<std::size_t> locate(const Column& c, sqlite3_int64 rowid,
                                             std::size_t hint);
    bool inStep(sqlite3* db) const;
    void read(RecordsetState& set, int column, Column& into);

    std::map<int, Column> columns_;  // by column index in the table
    bool reading_ = false;           // some column was read at once
    bool stopped_ = false;           // no more reads at once for this set
    sqlite3_int64 changes_ = 0;      // the connection's change count the values are in step with
};

}  // namespace platform::data
