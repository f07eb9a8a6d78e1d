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

// Seconds on a steady clock from an arbitrary start: what a pause measures, since it neither
// wraps at midnight nor jumps when the time of day is set.
double elapsedSeconds();
// Replaces that clock (tests); an empty function gives the steady clock back.
void setElapsedClock(std::function<double()> clock);

// A date as the original platform wrote it into a text file on a French system: "09/12/2024".
QString dateText(QDate date);

}  // namespace platform::files
