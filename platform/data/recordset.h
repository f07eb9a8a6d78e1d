// A recordset: the rows of one table, in stored order, walked one at a time. It keeps only the
// rows' identities in memory and reads a field when asked, so a base of 32767 recipes of several
// kilobytes each opens quickly and in little memory.
#pragma once

#include <QString>
#include <memory>

#include "platform/core/value.h"

namespace platform::data {

struct RecordsetState;

// One field of the current record, reached by name.
class Field {
public:
    // The field's value in the current record (null when it has none); while an edit is open,
    // the value assigned in the edit buffer.
    platform::Value Value() const;
    // Assigns into the edit buffer opened by AddNew or Edit (3020 without one).
    Field& operator=(const platform::Value& value);
    // Rs("A") = Rs2("B") assigns the value, as the windows mean it, not the handle.
    Field& operator=(const Field& other) { return *this = other.Value(); }
    Field(const Field&) = default;

private:
    friend class Recordset;
    Field(std::shared_ptr<RecordsetState> set, int column)
        : set_(std::move(set)), column_(column) {}
    std::shared_ptr<RecordsetState> set_;  // the recordset the field belongs to
    int column_;                           // index of the column in the table
};

// Handle on a recordset; copies share one recordset. A default-constructed handle is "no
// object": every method raises error 91.
class Recordset {
public:
    Recordset() = default;

    void MoveFirst();
    void MoveNext();
    void MoveLast();
    void MovePrevious();
    // Records visited so far (highest position reached + 1), exact after MoveLast.
    long RecordCount() const;
    bool Eof() const;
    bool Bof() const;

    Field Fields(const QString& name);  // 3265 for a name the table lacks (any letter case)
    Field operator()(const QString& name) { return Fields(name); }

    void AddNew();  // the new record goes at the end of the table and of the set
    void Edit();    // changes the current record
    void Update();  // writes the edit buffer; the current position does not move
    void Delete();  // removes the current record; field access then raises 3167 until a move
    // Commits the writes made through this recordset. Closing again does nothing.
    void Close();
    bool isSet() const { return state_ != nullptr; }

private:
    friend class Database;
    explicit Recordset(std::shared_ptr<RecordsetState> state) : state_(std::move(state)) {}
    RecordsetState& state() const;
    std::shared_ptr<RecordsetState> state_;  // shared by every copy of the handle
};

// How field values were read since the program started, for tests and diagnosis.
struct ReadCounts {
    long lookups = 0;        // values read from their record, one at a time
    long columnsAtOnce = 0;  // columns read for a whole set at once, from an index
};
ReadCounts& readCounts();

}  // namespace platform::data
