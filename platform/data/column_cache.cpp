#include "platform/data/column_cache.h"

#include <algorithm>

#include "platform/core/error.h"
#include "platform/data/recordset.h"
#include "platform/data/state.h"

namespace platform::data {

namespace {

// Whether an index of the set's table holds `column` for every record: an index on an
// expression, or one with a WHERE clause, does not.
bool indexed(RecordsetState& set, int column) {
    Statement lookup(set.db(),
                     QStringLiteral("SELECT 1 FROM pragma_index_list(?1) AS i, "
                                    "pragma_index_info(i.name) AS c "
                                    "WHERE i.partial = 0 AND c.name = ?2 COLLATE NOCASE"),
                     set.base->name);
    lookup.bind(1, Value(set.table));
    lookup.bind(2, Value(set.columns[column]));
    return lookup.step();
}

}  // namespace

std::optional<Value> ColumnCache::find(RecordsetState& set, int column, sqlite3_int64 rowid) {
    if (stopped_) {
        return {};
    }
    if (reading_ && !inStep(set.db())) {
        stop();
        return {};
    }
    Column& c = columns_[column];
    if (c.state == State::Counting) {
        if (c.reads > 0 && rowid == c.lastRowid) {
            return {};
        }
        c.lastRowid = rowid;
        if (++c.reads < kWalk) {
            return {};
        }
        try {
            read(set, column, c);
        } catch (const Error&) {
            // A damaged index, say: the lookups read the table itself and meet what is there.
            stop();
            return {};
        }
    }
    if (c.state != State::Read) {
        return {};
    }
    const std::optional<std::size_t> at = locate(c, rowid, static_cast<std::size_t>(set.position));
    if (!at || !c.known[*at]) {
        return {};
    }
    return c.values[*at];
}

void ColumnCache::read(RecordsetState& set, int column, Column& into) {
    into.state = State::NotIndexed;
    // Without the read lock another connection could change the base between two reads.
    if (!set.pinned || !indexed(set, column)) {
        return;
    }
    if (!reading_) {
        changes_ = sqlite3_total_changes64(set.db());
    }
    // The set's own condition: the same records, and SQLite picks the index that holds the
    // column (and the condition's columns, for a category).
    const QString where =
        set.condition.isEmpty() ? QString() : QStringLiteral(" WHERE (%1)").arg(set.condition);
    Statement rows(set.db(),
                   QStringLiteral("SELECT rowid, %1 FROM %2%3")
                       .arg(quoted(set.columns[column]), quoted(set.table), where),
                   set.base->name);
    into.rowids = set.rowids;
    into.values.assign(into.rowids.size(), Value());
    into.known.assign(into.rowids.size(), false);
    Value previous;
    std::size_t next = 0;
    while (rows.step()) {
        const std::optional<std::size_t> at = locate(into, rows.columnRowid(0), next);
        if (!at) {
            continue;
        }
        next = *at + 1;
        Value value = rows.column(1);
        // The index hands equal values one after the other: sharing one text between them saves
        // a copy per record (a category code is repeated thousands of times).
        if (value == previous) {
            value = previous;
        }
        into.values[*at] = value;
        into.known[*at] = true;
        previous = std::move(value);
    }
    into.state = State::Read;
    reading_ = true;
    ++readCounts().columnsAtOnce;
}

void ColumnCache::beforeWrite(sqlite3* db) {
    if (reading_ && !stopped_ && !inStep(db)) {
        stop();
    }
}

void ColumnCache::afterWrite(sqlite3_int64 rowid) {
    if (!reading_ || stopped_) {
        return;
    }
    // The record written is the one change the cache follows; any other (a trigger's) leaves
    // the count ahead, and the next read stops the cache.
    changes_ += 1;
    for (auto& [index, c] : columns_) {
        if (const std::optional<std::size_t> at = locate(c, rowid, 0)) {
            c.known[*at] = false;
        }
    }
}

void ColumnCache::stop() {
    stopped_ = true;
    columns_.clear();
}

void ColumnCache::clear() {
    columns_.clear();
    reading_ = false;
}

std::optional<std::size_t> ColumnCache::locate(const Column& c, sqlite3_int64 rowid,
                                               std::size_t hint) {
    if (hint < c.rowids.size() && c.rowids[hint] == rowid) {
        return hint;
    }
    const auto found = std::lower_bound(c.rowids.begin(), c.rowids.end(), rowid);
    if (found == c.rowids.end() || *found != rowid) {
        return {};
    }
    return static_cast<std::size_t>(found - c.rowids.begin());
}

bool ColumnCache::inStep(sqlite3* db) const {
    return sqlite3_total_changes64(db) == changes_;
}

}  // namespace platform::data
