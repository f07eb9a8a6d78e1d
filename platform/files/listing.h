// The contents of a folder as the file, folder and drive lists show them: names only, matched
// against wildcard patterns and sorted without regard to letter case.
#pragma once

#include <QString>
#include <QStringList>

namespace platform::files {

// Whether `name` matches `pattern` (* any run, ? one character), without regard to case. As on
// the original platform, a trailing ".*" also matches a name without extension ("*.*" is every
// file). Brackets have no special meaning: they may appear in a recipe title.
bool matchesPattern(const QString& name, const QString& pattern);

// The patterns of a list such as "*.mdb ;*.let ;*.kov ;*.txt": split on ';', each trimmed,
// empty ones dropped; an empty list means every file.
QStringList splitPatternList(const QString& patternList);

// Names of the regular files of `folder` (a Windows-style name) that match any pattern of
// `patternList`, sorted without regard to case. A name starting with a dot is listed like any
// other (a base may be named ".MDB"); a name that is not UTF-8 is read as cp1252 (disk_names.h).
// A folder that does not exist raises "path not found".
QStringList listFiles(const QString& folder, const QString& patternList = QStringLiteral("*.*"));

// Names of the subfolders of `folder`, sorted the same way; hidden folders are left out.
QStringList listFolders(const QString& folder);

}  // namespace platform::files
