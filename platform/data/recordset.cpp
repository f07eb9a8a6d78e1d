#include "platform/data/recordset.h"

#include <algorithm>

#include "platform/core/error.h"
#include "platform/data/state.h"

namespace platform::data {

namespace {

RecordsetState& openSet(const std::shared_ptr<RecordsetState>& set) {
    if (!set) {
        raise(err::ObjectNotSet);
    }
    if (!set->base) {
        throw Error(err::ObjectNotSet, standardDescription(err::ObjectNotSet) +
                                           QStringLiteral(" : le jeu d'enregistrements est fermé"));
    }
    return *set;
}

long size(const RecordsetState& s) {
    return static_cast<long>(s.rowids.size());
}

sqlite3_int64 currentRowid(const RecordsetState& s) {
    if (s.deleted) {
        raise(err::RecordDeleted);
    }
    if (s.bof || s.eof || s.rowids.empty()) {
        raise(err::NoCurrentRecord);
    }
    return s.rowids[s.position];
}

void cancelEdit(RecordsetState& s) {
    s.mode = EditMode::None;
    s.buffer.clear();
}

void moveTo(RecordsetState& s, long index) {
    cancelEdit(s);
    s.deleted = false;
    s.bof = s.eof = false;
    s.position = index;
    s.visited = std::max(s.visited, index + 1);
}

void moveOffEnd(RecordsetState& s, bool atEnd) {
    cancelEdit(s);
    s.deleted = false;
    s.eof = atEnd || s.rowids.empty();
    s.bof = !atEnd || s.rowids.empty();
    s.position = atEnd ? size(s) : -1;
}

// Resets a statement on every way out, so that it holds no read lock between calls.
struct ResetOnExit {
    Statement& statement;
    ~ResetOnExit() { statement.reset(); }
};

Statement& reader(RecordsetState& s, int column) {
    std::unique_ptr<Statement>& cached = s.readers[column];
    if (!cached) {
        cached = std::make_unique<Statement>(s.db(),
                                             QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?1")
                                                 .arg(quoted(s.columns[column]), quoted(s.table)),
                                             s.base->name);
    }
    return *cached;
}

// The INSERT or UPDATE for the columns of the edit buffer, cached by that column set.
Statement& writer(RecordsetState& s) {
    QString key = s.mode == EditMode::AddNew ? QStringLiteral("I") : QStringLiteral("U");
    QStringList names;
    QStringList placeholders;
    for (const auto& [column, value] : s.buffer) {
        key += QStringLiteral(",%1").arg(column);
        names << quoted(s.columns[column]);
        placeholders << QStringLiteral("?%1").arg(placeholders.size() + 1);
    }
    std::unique_ptr<Statement>& cached = s.writersCache[key];
    if (!cached) {
        QString sql;
        if (s.mode == EditMode::AddNew) {
            sql = names.isEmpty()
                      ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(s.table))
                      : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(quoted(s.table), names.join(u','), placeholders.join(u','));
        } else {
            QStringList sets;
            for (qsizetype i = 0; i < names.size(); ++i) {
                sets << names[i] + QStringLiteral(" = ") + placeholders[i];
            }
            sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?%3")
                      .arg(quoted(s.table), sets.join(u','))
                      .arg(names.size() + 1);
        }
        cached = std::make_unique<Statement>(s.db(), sql, s.base->name);
    }
    return *cached;
}

}  // namespace

ReadCounts& readCounts() {
    static ReadCounts counts;
    return counts;
}

RecordsetState::~RecordsetState() {
    // Dropped without Close: its writes stay pending until the base commits or rolls back.
    if (base) {
        base->forget(this);
    }
}

void RecordsetState::detach() {
    cancelEdit(*this);
    readers.clear();
    writersCache.clear();
    remover.reset();
    cache.clear();
    pin.reset();
    base.reset();
}

platform::Value Field::Value() const {
    RecordsetState& s = openSet(set_);
    if (s.mode != EditMode::None) {
        if (const auto found = s.buffer.find(column_); found != s.buffer.end()) {
            return found->second;
        }
        if (s.mode == EditMode::AddNew) {
            return {};
        }
    }
    const sqlite3_int64 rowid = currentRowid(s);
    if (std::optional<platform::Value> cached = s.cache.find(s, column_, rowid)) {
        return *std::move(cached);
    }
    ++readCounts().lookups;
    Statement& read = reader(s, column_);
    const ResetOnExit reset{read};
    read.bindRowid(1, rowid);
    if (!read.step()) {
        raise(err::RecordDeleted);
    }
    return read.column(0);
}

Field& Field::operator=(const platform::Value& value) {
    RecordsetState& s = openSet(set_);
    if (s.mode == EditMode::None) {
        raise(err::UpdateWithoutEdit);
    }
    s.buffer[column_] = value;
    return *this;
}

RecordsetState& Recordset::state() const {
    return openSet(state_);
}

void Recordset::MoveFirst() {
    RecordsetState& s = state();
    if (s.rowids.empty()) {
        raise(err::NoCurrentRecord);
    }
    moveTo(s, 0);
}

void Recordset::MoveLast() {
    RecordsetState& s = state();
    if (s.rowids.empty()) {
        raise(err::NoCurrentRecord);
    }
    moveTo(s, size(s) - 1);
}

void Recordset::MoveNext() {
    RecordsetState& s = state();
    if (s.eof || s.rowids.empty()) {
        raise(err::NoCurrentRecord);
    }
    // After a deletion the follower already sits at the current index.
    const long next = s.bof ? 0 : (s.deleted ? s.position : s.position + 1);
    if (next >= size(s)) {
        moveOffEnd(s, true);
    } else {
        moveTo(s, next);
    }
}

void Recordset::MovePrevious() {
    RecordsetState& s = state();
    if (s.bof || s.rowids.empty()) {
        raise(err::NoCurrentRecord);
    }
    const long previous = s.eof ? size(s) - 1 : s.position - 1;
    if (previous < 0) {
        moveOffEnd(s, false);
    } else {
        moveTo(s, previous);
    }
}

long Recordset::RecordCount() const {
    const RecordsetState& s = state();
    return std::min(s.visited, size(s));
}

bool Recordset::Eof() const {
    return state().eof;
}

bool Recordset::Bof() const {
    return state().bof;
}

Field Recordset::Fields(const QString& name) {
    RecordsetState& s = state();
    const auto found = std::find_if(s.columns.begin(), s.columns.end(), [&](const QString& c) {
        return c.compare(name, Qt::CaseInsensitive) == 0;
    });
    if (found == s.columns.end()) {
        throw Error(err::FieldNotFound,
                    standardDescription(err::FieldNotFound) +
                        QStringLiteral(" : « %1 » dans la table « %2 »").arg(name, s.table));
    }
    return Field(state_, static_cast<int>(found - s.columns.begin()));
}

void Recordset::AddNew() {
    RecordsetState& s = state();
    cancelEdit(s);
    s.mode = EditMode::AddNew;
}

void Recordset::Edit() {
    RecordsetState& s = state();
    currentRowid(s);
    cancelEdit(s);
    s.mode = EditMode::Edit;
}

void Recordset::Update() {
    RecordsetState& s = state();
    if (s.mode == EditMode::None) {
        raise(err::UpdateWithoutEdit);
    }
    if (s.mode == EditMode::Edit && s.buffer.empty()) {
        cancelEdit(s);
        return;
    }
    sqlite3_int64 rowid = s.mode == EditMode::Edit ? currentRowid(s) : 0;
    s.base->beginWrite(&s);
    Statement& write = writer(s);
    s.cache.beforeWrite(s.db());
    try {
        const ResetOnExit reset{write};
        int slot = 1;
        for (const auto& [column, value] : s.buffer) {
            write.bind(slot++, value);
        }
        if (s.mode == EditMode::Edit) {
            write.bindRowid(slot, rowid);
        }
        write.step();
    } catch (...) {
        // A failed write may have rolled back the whole transaction.
        s.cache.stop();
        throw;
    }
    if (s.mode == EditMode::AddNew) {
        rowid = sqlite3_last_insert_rowid(s.db());
        s.rowids.push_back(rowid);
        ++s.visited;
    } else if (sqlite3_changes(s.db()) == 0) {
        raise(err::RecordDeleted);
    }
    s.cache.afterWrite(rowid);
    cancelEdit(s);
}

void Recordset::Delete() {
    RecordsetState& s = state();
    const sqlite3_int64 rowid = currentRowid(s);
    cancelEdit(s);
    s.base->beginWrite(&s);
    if (!s.remover) {
        s.remover = std::make_unique<Statement>(
            s.db(), QStringLiteral("DELETE FROM %1 WHERE rowid = ?1").arg(quoted(s.table)),
            s.base->name);
    }
    s.cache.beforeWrite(s.db());
    try {
        const ResetOnExit reset{*s.remover};
        s.remover->bindRowid(1, rowid);
        s.remover->step();
    } catch (...) {
        s.cache.stop();
        throw;
    }
    s.cache.afterWrite(rowid);
    s.rowids.erase(s.rowids.begin() + s.position);
    s.deleted = true;
    s.visited = std::max(0L, s.visited - 1);
}

void Recordset::Close() {
    if (!state_) {
        raise(err::ObjectNotSet);
    }
    if (!state_->base) {
        return;
    }
    const std::shared_ptr<DatabaseState> base = state_->base;
    state_->detach();
    base->recordsetClosed(state_.get());
}

}  // namespace platform::data
