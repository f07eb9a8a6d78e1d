#include "platform/files/clock.h"

namespace platform::files {

namespace {
std::function<QDateTime()>& clockValue() {
    static std::function<QDateTime()> value;
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

QString dateText(QDate date) {
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

}  // namespace platform::files
