#include "platform/core/text.h"

#include <gtest/gtest.h>

#include "platform/core/error.h"
#include "platform/core/value.h"

using namespace platform;
using namespace Qt::StringLiterals;

TEST(Text, upper_case_maps_each_character_and_keeps_the_length) {
    EXPECT_EQ(upperCase(u"crème brûlée"_s), u"CRÈME BRÛLÉE"_s);
    EXPECT_EQ(upperCase(u"straße"_s).size(), 6) << "no expansion of ß";
    EXPECT_EQ(upperCase(u"œuf à l'ail"_s), u"ŒUF À L'AIL"_s);
}

TEST(Text, trimming_removes_spaces_only) {
    EXPECT_EQ(trimSpaces(u"  a b  "_s), u"a b"_s);
    EXPECT_EQ(trimSpaces(u"\ta\r\n"_s), u"\ta\r\n"_s);
    EXPECT_EQ(trimSpaces(u"   "_s), QString());
    EXPECT_EQ(trimTrailingSpaces(u" a "_s), u" a"_s);
}

TEST(Text, values_convert_as_fields_are_read) {
    EXPECT_EQ(Value().toText(), QString()) << "a field without value reads empty";
    EXPECT_EQ(Value(12).toText(), u"12"_s);
    EXPECT_EQ(Value(u" 17 "_s).toLongLong(), 17);
    EXPECT_THROW(Value(u"abc"_s).toDouble(), platform::Error);
}
