// Reading one table of a legacy Microsoft Jet file (an .mdb of Access 97 or Access 2000-2003)
// through the mdbtools library, row by row in stored order. The file is only ever read.
//
// The library trusts what it reads and can crash or loop on a damaged file, so it runs in a
// helper process of its own that sends the rows back through a pipe: a file that makes it
// crash is refused as damaged, and the program goes on.
#pragma once

#include <sys/types.h>
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "platform/core/value.h"

namespace platform::data {

// Whether the file at POSIX `path` starts with the header of a Jet file. Reads the first bytes
// only: the library, which takes any file for a database, is never given one that fails this.
bool isJetFile(const QString& path);

// One table of a Jet file, open for a single pass over its rows.
class JetTable {
public:
    // Opens table `table` (any letter case) of the Jet file named `name` (Windows-style, as the
    // windows write it) and chooses the `columns` that next() reads (any letter case). Raises
    // 3343 for a file that is not a Jet 3 or Jet 4 file, 3049 for a damaged one, 3078 when the
    // file has no such table, 3265 when the table has no such column, 13 for a column that is
    // neither a whole number nor a text.
    JetTable(const QString& name, const QString& table, const QStringList& columns);
    ~JetTable();
    JetTable(const JetTable&) = delete;
    JetTable& operator=(const JetTable&) = delete;

    // Reads the next row: one value per chosen column, null for a field without value, a whole
    // number for an integer column, a text for a text or memo column. Returns false after the
    // last row. Raises 3049 when a value cannot be read whole or when fewer rows could be read
    // than the table holds, so that a damaged file never passes for a shorter one.
    bool next(std::vector<Value>& row);

private:
    // The next message of the helper process into `message`; 3049 when it died or went silent.
    void receive(QByteArray& message);
    void stopHelper();

    QString name_;         // the file's name as the caller wrote it, for messages
    pid_t helper_ = -1;    // the helper process, until it is reaped
    int pipe_ = -1;        // read end of the helper's messages
    QByteArray received_;  // bytes read from the pipe, not yet taken as messages
    bool done_ = false;    // the last row was read
};

}  // namespace platform::data
