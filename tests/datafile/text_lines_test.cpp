#include <gtest/gtest.h>

#include "datafile/text_lines.h"
#include "support/tables.h"

namespace velmora {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitLines, EveryKindOfLineBreakEndsALine) {
    const Lines expected{"a", "b", "c", "d"};
    EXPECT_EQ(splitLines("a\r\nb\r\nc\r\nd\r\n"), expected);
    EXPECT_EQ(splitLines("a\nb\nc\nd\n"), expected);
    EXPECT_EQ(splitLines("a\rb\rc\rd\r"), expected);
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), expected);
}

TEST(SplitLines, EmptyLinesCountButAFinalBreakAddsNone) {
    EXPECT_EQ(splitLines(""), Lines{});
    EXPECT_EQ(splitLines("\r\n"), Lines{""});
    EXPECT_EQ(splitLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(splitLines("a\n\r"), (Lines{"a", ""})); // LF then a lone CR
    EXPECT_EQ(splitLines("a\r\r\n"), (Lines{"a", ""}));
}

TEST(SplitFields, TabsCutFieldsAndNothingIsTrimmed) {
    struct Case {
        std::string line;
        Lines fields;
    };
    const std::vector<Case> cases{
        {"", {}},
        {"1", {"1"}},
        {"1\t150\t90", {"1", "150", "90"}},
        {"1\t\t90", {"1", "", "90"}},
        {"1\t150\t", {"1", "150", ""}},
        {"\t", {"", ""}},
        {"\t1", {"", "1"}},
        {" 1 \t 2", {" 1 ", " 2"}},
        {"a\"b\t\"", {"a\"b", ""}}, // a quote after the start is ordinary
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitFields(c.line), c.fields) << c.line;
}

TEST(SplitFields, QuotedFields) {
    struct Case {
        std::string line;
        Lines fields;
    };
    const std::vector<Case> cases{
        {"1\t\"150\"\t90", {"1", "150", "90"}},
        {"\"\"", {""}},
        {"\"a\"\"b\"", {"a\"b"}},
        {"\"a\tb\"\tc", {"a\tb", "c"}},
        {"\"150\"\t", {"150", ""}},
        // Unclosed: the field swallows the rest of the line, tabs included.
        {"2\t\"200\t-1\t0\t0", {"2", "200\t-1\t0\t0"}},
        {"\"a\"\"", {"a\""}},
        // After the closing quote, the rest up to the tab is a field of its own.
        {"\"15\"0\t90", {"15", "0", "90"}},
        {"\"a\"b\"c\"\td", {"a", "b\"c\"", "d"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitFields(c.line), c.fields) << c.line;
}

TEST(ItemAt, AMissingItemFailsWithItsIndex) {
    const Lines items{"a", "b"};
    EXPECT_EQ(itemAt(items, 1), "b");
    EXPECT_EQ(test::failureOf([&] { itemAt(items, 2); }), "List index out of bounds (2)");
    EXPECT_EQ(test::failureOf([] { itemAt(Lines{}, 0); }), "List index out of bounds (0)");
}

} // namespace
} // namespace velmora
