// Text helpers with the windows' rules: upper-casing per character, trimming of spaces only.
#pragma once

#include <QString>

namespace platform {

// Upper case character by character (simple case mapping: é -> É, the length is kept).
QString upperCase(const QString& text);

// Leading and trailing spaces removed; tabs and line breaks stay.
QString trimSpaces(const QString& text);
QString trimLeadingSpaces(const QString& text);
QString trimTrailingSpaces(const QString& text);

// A string of `count` spaces (none for a count below 1).
QString spaces(long long count);

}  // namespace platform
