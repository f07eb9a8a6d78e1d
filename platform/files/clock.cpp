#include "platform/files/clock.h"

#include <chrono>

namespace platform::files {

namespace {
std::function<QDateTime()>& clockValue() {
    static std::function<QDateTime()> value;
    return value;
}
std::function<double()>& elapsedClockValue() {
    static std::function<double()> value;
    return value;
}
}  // namespace

QDateTime now() {
    return clockValue() ? clockValue()() : QDateTime::currentDateTime();
}

QDate today() {
    return now().date();
}

double secondsSinceMidnight() {
    return now().time().msecsSinceStartOfDay() / 1000.0;
}

void setClock(std::function<QDateTime()> clock) {
    clockValue() = std::move(clock);
}

double elapsedSeconds() {
    if (elapsedClockValue()) {
        return elapsedClockValue()();
    }
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double>(since).count();
}

void setElapsedClock(std::function<double()> clock) {
    elapsedClockValue() = std::move(clock);
}

QString dateText(QDate date) {
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

}  // namespace platform::files
