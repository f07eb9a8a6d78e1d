#include "platform/files/clock.h"

#include <gtest/gtest.h>

using namespace platform::files;

namespace {

TEST(Clock, a_set_clock_gives_the_date_and_seconds_and_the_system_clock_comes_back) {
    setClock([] { return QDateTime(QDate(2024, 12, 9), QTime(1, 1, 1, 500)); });
    EXPECT_EQ(today(), QDate(2024, 12, 9));
    EXPECT_DOUBLE_EQ(secondsSinceMidnight(), 3661.5);
    setClock({});
    EXPECT_LE(std::abs(today().daysTo(QDate::currentDate())), 1);
}

TEST(Clock, dates_are_written_day_month_year_with_leading_zeros) {
    EXPECT_EQ(dateText(QDate(2024, 12, 9)), QStringLiteral("09/12/2024"));
    EXPECT_EQ(dateText(QDate(2025, 1, 31)), QStringLiteral("31/01/2025"));
}

TEST(Clock, the_elapsed_clock_goes_on_when_the_time_of_day_is_set_back) {
    const double before = elapsedSeconds();
    setClock([] { return QDateTime(QDate(2024, 12, 9), QTime(0, 0, 1)); });
    EXPECT_GE(elapsedSeconds(), before) << "the time of day does not move it";
    setClock({});
    setElapsedClock([] { return 12.5; });
    EXPECT_DOUBLE_EQ(elapsedSeconds(), 12.5);
    setElapsedClock({});
    EXPECT_GE(elapsedSeconds(), before);
}

}  // namespace
