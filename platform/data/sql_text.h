// The SQL texts the windows hand to OpenRecordset: the whole of one table, or the rows of one
// table that meet a condition.
#pragma once

#include <QString>

namespace platform::data {

struct SelectText {
    QString table;      // table name as written (letter case is SQLite's business)
    QString condition;  // text after WHERE, unchanged; empty for the whole table
};

// Reads "Select * from TABLE" or "Select * from TABLE WHERE CONDITION" (any letter case, a
// bracketed table name allowed, a final ";" tolerated). Anything else raises "invalid call" with
// a French message quoting the text.
SelectText parseSelect(const QString& sql);

}  // namespace platform::data
