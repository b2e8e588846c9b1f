#include <gtest/gtest.h>

#include "analysis/entry_flows.h"
#include "analysis/process.h"
#include "support/tables.h"

namespace velmora {
namespace {

using test::failureOf;
using test::Rows;
using test::texts;

const Rows& fourNodes = test::fourNodeFlows;

TEST(EntryFlows, BalanceOfTheRing) {
    struct Case {
        const char* name;
        Rows flows; // Q.out, Q.cir
        std::vector<std::string> entering;
    };
    const Case cases[] = {
        {"four nodes", fourNodes, {"350", "260", "310", "290"}},
        {"one node takes its own Q.out", {{"8", "3"}}, {"8"}},
        {"two nodes", {{"50", "20"}, {"50", "30"}}, {"60", "40"}},
        {"a negative result is written", {{"0", "50"}, {"10", "0"}}, {"-40", "50"}},
        {"hexadecimal flows are integers", {{"$10", "0"}, {"x20", "0"}}, {"32", "16"}},
    };
    for (const auto& c : cases) {
        WindowState state = test::stateWithFlows(c.flows, {}, Mode::ODByProbability);
        for (int row = 0; row < state.flows.rowCount(); ++row)
            state.flows.setCell(1, row, "not read");
        entryFlows(state.flows, state.od.rowCount());
        std::vector<std::string> entering;
        for (int row = 0; row < state.flows.rowCount(); ++row)
            entering.push_back(state.flows.cell(1, row));
        EXPECT_EQ(entering, c.entering) << c.name;
    }
}

TEST(EntryFlows, ResultsBeyond32BitsAreWrittenExactly) {
    WindowState state = test::stateWithFlows(
        {{"-2147483648", "-2147483648"}, {"2147483647", "2147483647"}, {"-2147483648", "2147483647"}}, {},
        Mode::ODByProbability);
    entryFlows(state.flows, 3);
    EXPECT_EQ(texts(state.flows, 1, 1), (Rows{{"6442450942"}, {"-2147483648"}, {"-6442450943"}}));
}

TEST(EntryFlows, NoTablesStopAtTheFirstReading) {
    for (Mode mode : {Mode::ODByProbability, Mode::ODByFratar}) {
        WindowState state;
        state.modes.select(mode);
        EXPECT_EQ(failureOf([&] { process(state); }), "'' is not a valid integer value for Integer type");
        EXPECT_EQ(state.flows.rowCount(), 0);
    }
}

TEST(EntryFlows, AFaultyCellStopsWhereItIsRead) {
    // Q.cir of node 1 is read for node 1 already; Q.out of node 1 only for
    // the last node, after every other Q.in is written.
    struct Case {
        int column;
        const char* text;
        Rows entering;
    };
    const Case cases[] = {
        {3, "", {{""}, {""}, {""}, {""}}},
        {2, "1,5", {{"350"}, {"260"}, {"310"}, {""}}},
    };
    for (Mode mode : {Mode::ODByProbability, Mode::ODByFratar})
        for (const auto& c : cases) {
            WindowState state = test::stateWithFlows(fourNodes, {{"1", "2", "3", "4"}}, mode);
            state.flows.setCell(c.column, 0, c.text);
            EXPECT_EQ(failureOf([&] { process(state); }),
                      "'" + std::string(c.text) + "' is not a valid integer value for Integer type");
            EXPECT_EQ(texts(state.flows, 1, 1), c.entering);
            EXPECT_EQ(texts(state.od, 1, 4)[0], (std::vector<std::string>{"1", "2", "3", "4"})) << "no later step ran";
            EXPECT_EQ(state.probabilities.cell(1, 0), "");
        }
}

} // namespace
} // namespace velmora
