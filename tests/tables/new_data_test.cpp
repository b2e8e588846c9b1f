#include <gtest/gtest.h>

#include "support/tables.h"
#include "tables/new_data.h"

namespace velmora {
namespace {

using test::failureOf;
using test::Rows;
using test::texts;

std::vector<std::string> headers(const Table& table) {
    std::vector<std::string> result;
    for (int c = 0; c < table.columnCount(); ++c)
        result.push_back(table.column(c).header);
    return result;
}

TEST(WindowState, StartsWithTheDesignedFlowTableAndEmptyMatrices) {
    WindowState state;
    EXPECT_EQ(headers(state.flows), (std::vector<std::string>{"Node", "Q.in", "Q.out", "Q.cir"}));
    EXPECT_EQ(state.flows.column(3).width, 40);
    EXPECT_EQ(state.flows.rowCount(), 0);
    EXPECT_EQ(state.od.columnCount(), 0);
    EXPECT_EQ(state.probabilities.rowCount(), 0);
    EXPECT_EQ(state.nodeCountText, "4");
    EXPECT_EQ(state.iterationLimitText, "200");
    EXPECT_TRUE(state.modes.isSelected(Mode::FlowsFromOD));
}

TEST(ModeGroup, SelectingDeselectsTheOthersButDeselectingTouchesNone) {
    ModeGroup modes;
    modes.setSelected(Mode::ODByFratar, true);
    EXPECT_FALSE(modes.isSelected(Mode::FlowsFromOD));
    EXPECT_TRUE(modes.isSelected(Mode::ODByFratar));
    modes.setSelected(Mode::ODByProbability, false);
    EXPECT_TRUE(modes.isSelected(Mode::ODByFratar));
    modes.setSelected(Mode::ODByFratar, false);
    for (Mode mode : allModes)
        EXPECT_FALSE(modes.isSelected(mode));
}

TEST(NewData, DefaultFourNodes) {
    WindowState state;
    newData(state);
    for (const Table* table : {&state.od, &state.probabilities}) {
        EXPECT_EQ(headers(*table), (std::vector<std::string>{"O/D", "1", "2", "3", "4"}));
        for (int c = 0; c < 5; ++c)
            EXPECT_EQ(table->column(c).width, 40);
        EXPECT_EQ(texts(*table, 0, 4),
                  (Rows{{"1", "", "", "", ""}, {"2", "", "", "", ""}, {"3", "", "", "", ""}, {"4", "", "", "", ""}}));
    }
    EXPECT_EQ(texts(state.flows, 0, 3),
              (Rows{{"1", "", "", ""}, {"2", "", "", ""}, {"3", "", "", ""}, {"4", "", "", ""}}));
}

TEST(NewData, FlowsSurviveForTheNodesThatRemainButMatricesNever) {
    WindowState state;
    newData(state);
    test::fill(state.flows, {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}, {"10", "11", "12"}});
    state.od.setCell(2, 1, "55");
    state.probabilities.setCell(1, 0, "0,5");

    newData(state);
    EXPECT_EQ(state.flows.cell(3, 3), "12");
    EXPECT_EQ(state.od.cell(2, 1), "");
    EXPECT_EQ(state.probabilities.cell(1, 0), "");

    state.nodeCountText = "3";
    newData(state);
    EXPECT_EQ(texts(state.flows, 0, 3), (Rows{{"1", "1", "2", "3"}, {"2", "4", "5", "6"}, {"3", "7", "8", "9"}}));
    state.nodeCountText = "4";
    newData(state);
    EXPECT_EQ(texts(state.flows, 0, 3)[3], (std::vector<std::string>{"4", "", "", ""}));
    EXPECT_EQ(state.flows.cell(1, 2), "7");
}

TEST(NewData, ZeroNodesLeavesOneColumnAndNoRows) {
    WindowState state;
    newData(state);
    state.flows.setCell(1, 0, "9");
    state.nodeCountText = "0";
    newData(state);
    for (const Table* table : {&state.od, &state.probabilities}) {
        EXPECT_EQ(headers(*table), (std::vector<std::string>{"O/D"}));
        EXPECT_EQ(table->column(0).width, 40);
        EXPECT_EQ(table->rowCount(), 0);
    }
    EXPECT_EQ(state.flows.rowCount(), 0);
    state.nodeCountText = "1";
    newData(state);
    EXPECT_EQ(state.flows.cell(1, 0), "") << "the flows of N = 0 are all deleted";
}

TEST(NewData, NegativeCountLeavesMatricesWithoutColumns) {
    WindowState state;
    newData(state);
    state.flows.setCell(2, 1, "7");
    state.nodeCountText = "-1";
    EXPECT_EQ(failureOf([&] { newData(state); }), "Column index, 0, out of bounds");
    EXPECT_EQ(state.od.columnCount(), 0);
    EXPECT_EQ(state.probabilities.columnCount(), 0);
    EXPECT_EQ(state.od.rowCount(), 4) << "a negative row count is ignored";
    EXPECT_EQ(state.flows.rowCount(), 4);
    EXPECT_EQ(state.flows.cell(2, 1), "7");
}

TEST(NewData, ABadCountOrOneBeyondTheBoundChangesNothing) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"", "'' is not a valid integer value for Integer type"},
        {"abc", "'abc' is not a valid integer value for Integer type"},
        {"4,5", "'4,5' is not a valid integer value for Integer type"},
        {"1001", "A roundabout of 1001 nodes is too large: Velmora handles at most 1000 nodes"},
        {"2147483647", "A roundabout of 2147483647 nodes is too large: Velmora handles at most 1000 nodes"},
    };
    for (const Case& c : cases) {
        WindowState state;
        newData(state);
        state.od.setCell(1, 0, "5");
        state.nodeCountText = c.text;
        EXPECT_EQ(failureOf([&] { newData(state); }), c.message);
        EXPECT_EQ(state.od.cell(1, 0), "5");
        EXPECT_EQ(state.od.columnCount(), 5);
        EXPECT_EQ(state.flows.rowCount(), 4);
    }
}

TEST(NewData, TheBoundItselfIsAccepted) {
    WindowState state;
    state.nodeCountText = "1000";
    newData(state);
    EXPECT_EQ(state.od.columnCount(), 1001);
    EXPECT_EQ(state.od.column(1000).header, "1000");
    EXPECT_EQ(state.probabilities.cell(0, 999), "1000");
    EXPECT_EQ(state.flows.rowCount(), 1000);
}

TEST(PreparaGriglia, RebuildsColumnsAndSetsTheReadOnlyFlag) {
    Table table;
    table.appendColumn();
    table.setRowCount(3);
    table.setCell(0, 2, "old");
    Prepara_Griglia(2, 3, table, true);
    EXPECT_EQ(table.columnCount(), 3);
    EXPECT_EQ(table.rowCount(), 2);
    EXPECT_TRUE(table.column(2).readOnly);
    EXPECT_EQ(table.column(0).width, 100);
    table.setRowCount(3);
    EXPECT_EQ(table.cell(0, 2), "");
}

} // namespace
} // namespace velmora
