#include "platform/files/listing.h"

#include <algorithm>

#include "platform/core/error.h"
#include "platform/files/disk_names.h"
#include "platform/files/names.h"

namespace platform::files {

namespace {

bool sameLetter(QChar a, QChar b) {
    return a.toCaseFolded() == b.toCaseFolded();
}

// Iterative wildcard match; on a mismatch after a star, the star takes one more character.
bool wildcardMatch(QStringView name, QStringView pattern) {
    qsizetype n = 0, p = 0;
    qsizetype starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() &&
            (pattern[p] == u'?' || (pattern[p] != u'*' && sameLetter(pattern[p], name[n])))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            starP = p++;
            starN = n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*') {
        ++p;
    }
    return p == pattern.size();
}

void sortIgnoringCase(QStringList& names) {
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;  // a stable order for names differing only in case
    });
}

std::vector<FolderEntry> existingFolder(const QString& folder) {
    const QString path = resolve(folder);
    if (kindOf(path) != Kind::Folder) {
        raise(err::PathNotFound, folder);
    }
    return readFolder(path);
}

}  // namespace

bool matchesPattern(const QString& name, const QString& pattern) {
    if (wildcardMatch(name, pattern)) {
        return true;
    }
    return pattern.endsWith(QStringLiteral(".*")) && !name.contains(u'.') &&
           wildcardMatch(name, QStringView(pattern).chopped(2));
}

QStringList splitPatternList(const QString& patternList) {
    QStringList patterns;
    for (const QString& part : patternList.split(u';')) {
        const QString pattern = part.trimmed();
        if (!pattern.isEmpty()) {
            patterns << pattern;
        }
    }
    if (patterns.isEmpty()) {
        patterns << QStringLiteral("*");
    }
    return patterns;
}

QStringList listFiles(const QString& folder, const QString& patternList) {
    const QStringList patterns = splitPatternList(patternList);
    QStringList names;
    // Hidden names too: a base may be named ".MDB"; copies in progress end in a random suffix
    // that no pattern of the windows matches.
    for (const FolderEntry& entry : existingFolder(folder)) {
        if (entry.kind == Kind::File &&
            std::any_of(patterns.begin(), patterns.end(),
                        [&](const QString& p) { return matchesPattern(entry.name, p); })) {
            names << entry.name;
        }
    }
    sortIgnoringCase(names);
    return names;
}

QStringList listFolders(const QString& folder) {
    QStringList names;
    for (const FolderEntry& entry : existingFolder(folder)) {
        // Hidden folders (a leading dot) are left out, as the original lists left them out.
        if (entry.kind == Kind::Folder && !entry.name.startsWith(u'.')) {
            names << entry.name;
        }
    }
    sortIgnoringCase(names);
    return names;
}

}  // namespace platform::files
