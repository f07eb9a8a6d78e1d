// The reading of a Jet table through mdbtools itself, internal to platform/data. It runs in the
// helper process that JetTable starts, since the library can crash on a damaged file.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "platform/core/value.h"

namespace platform::data {

// Raises 3049: the Jet file `name` is damaged, as `detail` says.
[[noreturn]] void damaged(const QString& detail, const QString& name);

class JetReader {
public:
    // Opens table `table` (any letter case) of the Jet file at POSIX `path` and chooses the
    // `columns` that next() reads (any letter case). `name` is the file's name for messages.
    // Raises 3343 for a file that is not a Jet 3 or Jet 4 file, 3049 for a damaged one, 3078
    // for a missing table, 3265 for a missing column.
    JetReader(const QString& path, const QString& name, const QString& table,
              const QStringList& columns);
    ~JetReader();
    JetReader(const JetReader&) = delete;
    JetReader& operator=(const JetReader&) = delete;

    // The next row, as JetTable::next gives it.
    bool next(std::vector<Value>& row);

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace platform::data
