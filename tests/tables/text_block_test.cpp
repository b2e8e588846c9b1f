#include <gtest/gtest.h>

#include "support/tables.h"
#include "tables/new_data.h"
#include "tables/text_block.h"

namespace velmora {
namespace {

struct ParseCase {
    const char* name;
    std::string text;
    TextBlock block;
};

class ParseTextBlock : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseTextBlock, GivesTheRowsAndFields) {
    EXPECT_EQ(parseTextBlock(GetParam().text), GetParam().block);
}

INSTANTIATE_TEST_SUITE_P(
    Clipboard, ParseTextBlock,
    testing::Values(
        ParseCase{"LinuxCalcWithTrailingLineBreak", "0\t100\n80\t0\n", {{"0", "100"}, {"80", "0"}}},
        ParseCase{"ExcelCrLf", "0\t100\r\n80\t0\r\n", {{"0", "100"}, {"80", "0"}}},
        ParseCase{"NoTrailingLineBreak", "0\t100\r\n80\t0", {{"0", "100"}, {"80", "0"}}},
        ParseCase{"OldMacCr", "1\r2\r", {{"1"}, {"2"}}},
        ParseCase{"SpacesKeptAsTyped", " 12 \t3,5 \n", {{" 12 ", "3,5 "}}},
        ParseCase{"EmptyCellsInsideAndAtTheEnd", "\t7\t\n\t\t\n", {{"", "7", ""}, {"", "", ""}}},
        ParseCase{"EmptyLineIsOneEmptyCell", "1\n\n2\n", {{"1"}, {""}, {"2"}}},
        ParseCase{"OneEmptyCopiedCell", "\n", {{""}}}, ParseCase{"NothingIsNoRow", "", {}},
        ParseCase{"QuotedCellWithTabAndLineBreak", "\"a\tb\r\nc\"\t\"say \"\"x\"\"\"\n", {{"a\tb\r\nc", "say \"x\""}}},
        ParseCase{"UnclosedQuoteIsText", "\"5\t6\n", {{"\"5", "6"}}},
        ParseCase{"QuoteInsideIsText", "5\"\t\"6\"7\n", {{"5\"", "\"6\"7"}}}),
    [](const testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

TEST(BlockText, RowsInTheTableOrderWithCrLfAndQuotesWhereNeeded) {
    Table table;
    table.appendColumn();
    table.appendColumn();
    table.appendColumn();
    table.setRowCount(3);
    test::fill(table, {{"1", "0,25", ""}, {"2", "a\tb", "\"q"}, {"3", " 7 ", "x"}}, 0);

    EXPECT_EQ(blockText(table, {0, 2}, 0, 2), "1\t0,25\t\r\n3\t 7 \tx\r\n");
    EXPECT_EQ(blockText(table, {1}, 1, 2), "\"a\tb\"\t\"\"\"q\"\r\n");
    EXPECT_EQ(blockText(table, {}, 0, 2), "");

    // What goes out comes back cell for cell.
    EXPECT_EQ(parseTextBlock(blockText(table, {0, 1, 2}, 0, 2)), test::texts(table, 0, 2));
}

TEST(PlanPaste, ClipsAtTheRightAndBottomEdgesAndCountsWhatFellOutside) {
    const TextBlock block = {{"a", "b", "c"}, {"d", "e", "f"}, {"g", "h", "i"}};

    PastePlan fits = planPaste(block, 1, 0, 5, 4);
    EXPECT_EQ(fits.inside.size(), 9u);
    EXPECT_EQ(fits.outside, 0);
    EXPECT_EQ(fits.inside[5], (CellText{3, 1, "f"}));

    // Top-left at column 3, row 2 of a 5 × 4 table: a 2 × 2 corner fits.
    PastePlan clipped = planPaste(block, 3, 2, 5, 4);
    EXPECT_EQ(clipped.inside, (std::vector<CellText>{{3, 2, "a"}, {4, 2, "b"}, {3, 3, "d"}, {4, 3, "e"}}));
    EXPECT_EQ(clipped.outside, 5);

    // A ragged block counts only the fields it has.
    PastePlan ragged = planPaste({{"1"}, {"2", "3", "4"}}, 3, 3, 5, 4);
    EXPECT_EQ(ragged.inside, (std::vector<CellText>{{3, 3, "1"}}));
    EXPECT_EQ(ragged.outside, 3);

    // A table without rows or columns takes nothing.
    EXPECT_EQ(planPaste(block, 0, 0, 0, 0).outside, 9);
}

TEST(CellsToClear, KeepsTheNodeColumnUnlessItIsAllThatIsSelected) {
    const std::vector<CellPosition> wholeRows = {{0, 1}, {1, 1}, {2, 1}, {0, 2}, {1, 2}, {2, 2}};
    EXPECT_EQ(cellsToClear(wholeRows), (std::vector<CellText>{{1, 1, ""}, {2, 1, ""}, {1, 2, ""}, {2, 2, ""}}));

    const std::vector<CellPosition> nodeColumn = {{0, 0}, {0, 1}, {0, 2}};
    EXPECT_EQ(cellsToClear(nodeColumn), (std::vector<CellText>{{0, 0, ""}, {0, 1, ""}, {0, 2, ""}}));

    EXPECT_TRUE(cellsToClear({}).empty());
}

} // namespace
} // namespace velmora
