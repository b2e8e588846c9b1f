#include <gtest/gtest.h>

#include <random>

#include "analysis/flows_from_od.h"
#include "analysis/process.h"
#include "rtl/integer_reading.h"
#include "support/tables.h"

namespace velmora {
namespace {

using test::failureOf;
using test::Rows;
using test::texts;

const Rows workedExample = {
    {"0", "100", "200", "50"}, {"80", "0", "120", "60"}, {"150", "90", "0", "70"}, {"40", "110", "130", "10"}};

TEST(FlowsFromOD, WorkedExample) {
    WindowState state = test::stateWithOD(workedExample);
    EXPECT_EQ(process(state), std::nullopt);
    EXPECT_EQ(texts(state.flows, 0, 3), (Rows{{"1", "350", "270", "340"},
                                              {"2", "260", "300", "390"},
                                              {"3", "310", "450", "200"},
                                              {"4", "290", "190", "320"}}));
    EXPECT_EQ(texts(state.probabilities, 0, 4), (Rows{{"1", "0,000", "0,286", "0,571", "0,143"},
                                                      {"2", "0,308", "0,000", "0,462", "0,231"},
                                                      {"3", "0,484", "0,290", "0,000", "0,226"},
                                                      {"4", "0,138", "0,379", "0,448", "0,034"}}));
    EXPECT_EQ(texts(state.od, 0, 0), (Rows{{"1"}, {"2"}, {"3"}, {"4"}})) << "the O/D table is left alone";
}

TEST(FlowsFromOD, NoTablesMeansNothingHappens) {
    WindowState state;
    EXPECT_EQ(failureOf([&] { process(state); }), "");
    EXPECT_EQ(state.flows.rowCount(), 0);
}

TEST(FlowsFromOD, OneNode) {
    WindowState state = test::stateWithOD({{"7"}});
    process(state);
    EXPECT_EQ(texts(state.flows, 1, 3), (Rows{{"7", "7", "0"}}));
    EXPECT_EQ(state.probabilities.cell(1, 0), "1,000");

    state = test::stateWithOD({{"0"}});
    EXPECT_EQ(failureOf([&] { process(state); }), "Invalid floating point operation");
    EXPECT_EQ(texts(state.flows, 1, 3), (Rows{{"0", "0", "0"}}));
    EXPECT_EQ(state.probabilities.cell(1, 0), "");
}

TEST(FlowsFromOD, EmptyFirstCellRightAfterNewDataWritesNothing) {
    WindowState state = test::stateWithOD({{"", ""}, {"", ""}});
    EXPECT_EQ(failureOf([&] { process(state); }), "'' is not a valid integer value for Integer type");
    EXPECT_EQ(texts(state.flows, 1, 3), (Rows{{"", "", ""}, {"", "", ""}}));
}

TEST(FlowsFromOD, ABadCellStopsAfterTheNodesThatReadItLater) {
    // Cell (3, 3) is first read at node min(3, 2) + 1 = 3: nodes 1 and 2 have
    // their Q.in and Q.out, nothing else is written.
    Rows od = workedExample;
    od[3][2] = "x";
    WindowState state = test::stateWithOD(od);
    EXPECT_EQ(failureOf([&] { process(state); }), "'x' is not a valid integer value for Integer type");
    EXPECT_EQ(texts(state.flows, 1, 3), (Rows{{"350", "270", ""}, {"260", "300", ""}, {"", "", ""}, {"", "", ""}}));
    EXPECT_EQ(state.probabilities.cell(1, 0), "");
}

TEST(FlowsFromOD, ZeroRowTotalStopsBeforeThatRow) {
    // Row 2 sums to 0 with a non-zero first cell: division by zero.
    WindowState state = test::stateWithOD({{"1", "2"}, {"5", "-5"}});
    EXPECT_EQ(failureOf([&] { process(state); }), "Floating point division by zero");
    EXPECT_EQ(texts(state.probabilities, 1, 2), (Rows{{"0,333", "0,667"}, {"", ""}}));
    EXPECT_EQ(texts(state.flows, 1, 3), (Rows{{"3", "6", "-5"}, {"0", "-3", "1"}}));
}

TEST(FlowsFromOD, LargeSumsAreWrittenInFull) {
    WindowState state = test::stateWithOD({{"1500000000", "1500000000"}, {"2147483647", "-2147483648"}});
    process(state);
    EXPECT_EQ(texts(state.flows, 1, 2), (Rows{{"3000000000", "3647483647"}, {"-1", "-647483648"}}));
}

TEST(FlowsFromOD, NoModeSelectedChangesNothing) {
    WindowState state = test::stateWithOD(workedExample);
    state.modes.setSelected(Mode::FlowsFromOD, false);
    process(state);
    EXPECT_EQ(state.flows.cell(1, 0), "");
    EXPECT_EQ(state.probabilities.cell(1, 0), "");
}

TEST(FlowsFromOD, TheNodeCountTextPlaysNoPart) {
    WindowState state = test::stateWithOD(workedExample);
    state.nodeCountText = "5";
    process(state);
    EXPECT_EQ(state.flows.cell(1, 3), "290");
}

TEST(FlowsFromOD, MovedColumnsAreAddressedByPosition) {
    WindowState state = test::stateWithOD(workedExample);
    state.flows.moveColumn(2, 1); // Q.out now stands second
    process(state);
    EXPECT_EQ(state.flows.column(1).header, "Q.out");
    EXPECT_EQ(state.flows.cell(1, 0), "350") << "Q.in is written into whatever column stands second";
    EXPECT_EQ(state.flows.cell(2, 0), "270");

    state = test::stateWithOD(workedExample);
    state.od.moveColumn(4, 1); // destination 4 now read as destination 1
    process(state);
    EXPECT_EQ(state.flows.cell(1, 0), "350");
    EXPECT_EQ(state.flows.cell(2, 0), "190") << "Q.out of node 1 sums the column now standing second";
}

// Q.cir counted by the rule, cell by cell, for any matrix.
std::int64_t circulatingByRule(const Rows& od, int n) {
    const int nodes = static_cast<int>(od.size());
    std::int64_t sum = 0;
    for (int o = 1; o <= nodes; ++o)
        for (int d = 1; d <= nodes; ++d) {
            bool counted = (o < n && (d <= o || d > n)) || (o > n && n < d && d <= o);
            if (counted)
                sum += readInteger(od[o - 1][d - 1]);
        }
    return sum;
}

TEST(FlowsFromOD, CirculatingFlowsFollowTheCountingRuleOnRandomMatrices) {
    std::mt19937 random(42);
    std::uniform_int_distribution<std::int64_t> value(INT32_MIN, INT32_MAX);
    for (int round = 0; round < 100; ++round) {
        const int nodes = 1 + round % 9;
        Rows od(static_cast<std::size_t>(nodes));
        for (auto& row : od)
            for (int d = 0; d < nodes; ++d)
                row.push_back(std::to_string(round % 2 ? value(random) : value(random) % 1000));
        WindowState state = test::stateWithOD(od);
        failureOf([&] { process(state); }); // a zero row total may stop the last step
        for (int n = 1; n <= nodes; ++n)
            ASSERT_EQ(state.flows.cell(3, n - 1), std::to_string(circulatingByRule(od, n))) << round << " node " << n;
    }
}

} // namespace
} // namespace velmora
