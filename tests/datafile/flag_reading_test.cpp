#include <gtest/gtest.h>

#include "datafile/flag_reading.h"
#include "support/tables.h"

namespace velmora {
namespace {

TEST(ReadFlag, NumbersAndTheTwoWordsInAnyCase) {
    const FormatSettings& settings = formatSettings();
    for (const char* text : {"-1", "1", "2,5", " 1", "1E3", "True", "true", "TRUE", "tRuE"})
        EXPECT_TRUE(readFlag(text, settings)) << text;
    for (const char* text : {"0", "0,0", "-0", ",", "False", "false", "FALSE", "fAlSe"})
        EXPECT_FALSE(readFlag(text, settings)) << text;
}

TEST(ReadFlag, AnyOtherTextFails) {
    const FormatSettings& settings = formatSettings();
    for (const char* text : {"yes", "", " True", "True ", "T", "2.5", "-1\t0", "\"-1\""})
        EXPECT_EQ(test::failureOf([&] { readFlag(text, settings); }),
                  "'" + std::string(text) + "' is not a valid boolean value")
            << text;
}

} // namespace
} // namespace velmora
