#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support/tables.h"
#include "tables/table.h"

namespace velmora {
namespace {

using test::failureOf;

Table tableOf(int columns, int rows) {
    Table table;
    for (int i = 0; i < columns; ++i)
        table.appendColumn();
    table.setRowCount(rows);
    return table;
}

TEST(Table, NewColumnsHaveEmptyHeaderWidth100AndAreEditable) {
    Table table = tableOf(2, 0);
    EXPECT_EQ(table.columnCount(), 2);
    EXPECT_EQ(table.column(1).header, "");
    EXPECT_EQ(table.column(1).width, 100);
    EXPECT_FALSE(table.column(1).readOnly);
}

TEST(Table, ReadsOutsideGiveEmptyTextWithoutError) {
    Table table = tableOf(2, 2);
    table.setCell(1, 1, "x");
    for (auto [column, row] : {std::pair{-1, 0}, {2, 0}, {0, -1}, {0, 2}, {5, 7}, {1, 0}})
        EXPECT_EQ(table.cell(column, row), "") << column << "," << row;
    EXPECT_EQ(table.cell(1, 1), "x");
}

TEST(Table, WritesOutsideFailWithTheColumnTestedFirst) {
    Table table = tableOf(4, 4);
    EXPECT_EQ(failureOf([&] { table.setCell(4, 0, "x"); }), "Column index, 4, out of bounds");
    EXPECT_EQ(failureOf([&] { table.setCell(-1, 9, "x"); }), "Column index, -1, out of bounds");
    EXPECT_EQ(failureOf([&] { table.setCell(9, 9, "x"); }), "Column index, 9, out of bounds");
    EXPECT_EQ(failureOf([&] { table.setCell(0, 4, "x"); }), "Row index, 4, out of bounds");
    EXPECT_EQ(failureOf([&] { table.setCell(3, -2, "x"); }), "Row index, -2, out of bounds");
    EXPECT_EQ(failureOf([&] { table.column(4); }), "Column index, 4, out of bounds");
    EXPECT_EQ(failureOf([&] { Table().column(0); }), "Column index, 0, out of bounds");
}

TEST(Table, RowCountChangesKeepTheRowsThatRemain) {
    Table table = tableOf(2, 4);
    for (int r = 0; r < 4; ++r)
        table.setCell(1, r, "r" + std::to_string(r));

    table.setRowCount(-3); // ignored
    EXPECT_EQ(table.rowCount(), 4);
    table.setRowCount(3);
    EXPECT_EQ(table.cell(1, 2), "r2");
    table.setRowCount(4);
    EXPECT_EQ(table.cell(1, 3), "") << "a row dropped by shrinking comes back empty";
    EXPECT_EQ(table.cell(1, 0), "r0");
    table.setRowCount(0);
    table.setRowCount(4);
    EXPECT_EQ(table.cell(1, 0), "");
}

TEST(Table, AnyRowCountIsOnlyANumber) {
    Table table = tableOf(3, 0);
    table.setRowCount(2147483647);
    table.setCell(2, 2147483646, "last");
    table.setCell(2, 5, "near");
    EXPECT_EQ(table.cell(2, 2147483646), "last");
    EXPECT_EQ(table.cell(2, 5), "near");
    table.setRowCount(2147483646);
    EXPECT_EQ(table.cell(2, 2147483645), "");
    EXPECT_EQ(table.cell(2, 5), "near");
    table.setRowCount(2147483647);
    EXPECT_EQ(table.cell(2, 2147483646), "") << "the dropped row stays gone";
}

TEST(Table, WritingEmptyTextErasesTheCell) {
    Table table = tableOf(1, 200);
    table.setCell(0, 150, "far");
    table.setCell(0, 150, "");
    table.setCell(0, 3, "a");
    table.setCell(0, 3, "");
    EXPECT_EQ(table.cell(0, 150), "");
    EXPECT_EQ(table.cell(0, 3), "");
}

TEST(Table, FreeingAColumnShiftsTheColumnsToItsRight) {
    Table table = tableOf(3, 1);
    for (int c = 0; c < 3; ++c) {
        table.column(c).header = "h" + std::to_string(c);
        table.setCell(c, 0, "c" + std::to_string(c));
    }
    table.freeColumn(1);
    ASSERT_EQ(table.columnCount(), 2);
    EXPECT_EQ(table.column(1).header, "h2");
    EXPECT_EQ(table.cell(1, 0), "c2");
    EXPECT_EQ(table.cell(2, 0), "");
    table.appendColumn();
    EXPECT_EQ(table.cell(2, 0), "") << "appending a column changes no entry";
}

TEST(Table, MovingAColumnTakesItsTexts) {
    Table table = tableOf(4, 1);
    for (int c = 0; c < 4; ++c) {
        table.column(c).header = "h" + std::to_string(c);
        table.setCell(c, 0, "c" + std::to_string(c));
    }
    table.moveColumn(2, 1);
    EXPECT_EQ(test::texts(table, 0, 3), (test::Rows{{"c0", "c2", "c1", "c3"}}));
    EXPECT_EQ(table.column(1).header, "h2");
    table.moveColumn(0, 3);
    EXPECT_EQ(test::texts(table, 0, 3), (test::Rows{{"c2", "c1", "c3", "c0"}}));
}

// Many frees and appends, moved columns, near and far rows: each column
// keeps exactly its own texts, and a new column never shows a freed one's.
TEST(Table, ColumnsKeepTheirOwnTextsThroughManyFreesAndAppends) {
    Table table = tableOf(3, 100000);
    const int rows[] = {0, 1, 99999};
    const auto label = [](int id, int row) { return std::to_string(id) + ":" + std::to_string(row); };
    std::vector<int> ids = {0, 1, 2}; // which column stands where, by the id written into its texts
    for (std::size_t c = 0; c < ids.size(); ++c)
        for (int row : rows)
            table.setCell(static_cast<int>(c), row, label(ids[c], row));
    int next = 3;
    for (int round = 0; round < 300; ++round) {
        table.appendColumn();
        ids.push_back(next);
        for (int row : rows)
            table.setCell(table.columnCount() - 1, row, label(next, row));
        ++next;
        table.moveColumn(table.columnCount() - 1, round % table.columnCount());
        std::rotate(ids.begin() + round % static_cast<int>(ids.size()), ids.end() - 1, ids.end());
        if (round % 3 != 0) {
            const int gone = (round * 7) % table.columnCount();
            table.freeColumn(gone);
            ids.erase(ids.begin() + gone);
        }
        table.appendColumn();
        ASSERT_EQ(table.cell(table.columnCount() - 1, 0), "") << round;
        table.freeColumn(table.columnCount() - 1);
    }
    for (std::size_t c = 0; c < ids.size(); ++c)
        for (int row : rows)
            ASSERT_EQ(table.cell(static_cast<int>(c), row), label(ids[c], row)) << c << " row " << row;
    EXPECT_EQ(table.cell(0, 2), "");

    while (table.columnCount() > 0)
        table.freeColumn(0);
    table.appendColumn();
    EXPECT_EQ(table.cell(0, 0), "");
}

} // namespace
} // namespace velmora
