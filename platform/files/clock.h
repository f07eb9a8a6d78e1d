// The date and time the program sees: the system clock, or a clock set by a test or a script.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <functional>

namespace platform::files {

// Local date and time now.
QDateTime now();
QDate today();

// Seconds elapsed since midnight, with fractions (the original Timer).
double secondsSinceMidnight();

// Replaces the clock; an empty function gives the system clock back.
void setClock(std::function<QDateTime()> clock);

// A date as the original platform wrote it into a text file on a French system: "09/12/2024".
QString dateText(QDate date);

}  // namespace platform::files
