#include <gtest/gtest.h>

#include "analysis/process.h"
#include "support/tables.h"

namespace velmora {
namespace {

using test::failureOf;
using test::Rows;
using test::texts;

// Q.out 50 and 50, Q.cir 20 and 30: Q.in becomes 60 and 40.
const Rows twoNodes = {{"50", "20"}, {"50", "30"}};
const Rows twoNodeSeed = {{"10", "20"}, {"30", "40"}};

std::string report(const std::string& error, const std::string& count) {
    return "Estimate error RMSE: " + error + "\r\n\r\nIterations: " + count;
}

WindowState fratarState(const Rows& flows, const Rows& seed, const std::string& limit) {
    WindowState state = test::stateWithFlows(flows, seed, Mode::ODByFratar);
    state.iterationLimitText = limit;
    return state;
}

TEST(Fratar, TwoNodesByIterationLimit) {
    struct Case {
        std::string limit;
        Rows od;
        Rows probabilities;
        std::string message;
    };
    const Case cases[] = {
        {"1", {{"16", "28"}, {"27", "28"}}, {{"0,364", "0,636"}, {"0,491", "0,509"}}, report("8,0219238", "0")},
        {"24", {{"26", "34"}, {"24", "16"}}, {{"0,433", "0,567"}, {"0,600", "0,400"}}, report("0,0000151", "0")},
        {"200", {{"26", "34"}, {"24", "16"}}, {{"0,433", "0,567"}, {"0,600", "0,400"}}, report("0,0000086", "25")},
        {"2147483647",
         {{"26", "34"}, {"24", "16"}},
         {{"0,433", "0,567"}, {"0,600", "0,400"}},
         report("0,0000086", "25")},
    };
    for (const auto& c : cases) {
        WindowState state = fratarState(twoNodes, twoNodeSeed, c.limit);
        EXPECT_EQ(process(state), c.message) << c.limit;
        EXPECT_EQ(texts(state.flows, 1, 3), (Rows{{"60", "50", "20"}, {"40", "50", "30"}})) << c.limit;
        EXPECT_EQ(texts(state.od, 1, 2), c.od) << c.limit;
        EXPECT_EQ(texts(state.probabilities, 1, 2), c.probabilities) << c.limit;
    }
}

TEST(Fratar, OneNodeConvergesInTheSecondIteration) {
    WindowState state = fratarState({{"8", "3"}}, {{"5"}}, "200");
    EXPECT_EQ(process(state), report("0,0000000", "2"));
    EXPECT_EQ(state.flows.cell(1, 0), "8");
    EXPECT_EQ(state.od.cell(1, 0), "8");
    EXPECT_EQ(state.probabilities.cell(1, 0), "1,000");
}

TEST(Fratar, NoIterationRoundsTheSeed) {
    for (const char* limit : {"0", "-5"}) {
        WindowState state = fratarState(twoNodes, {{"12,5", "13,5"}, {"30", "40"}}, limit);
        EXPECT_EQ(process(state), report("0,0000000", "0")) << limit;
        EXPECT_EQ(texts(state.od, 1, 2), (Rows{{"12", "14"}, {"30", "40"}})) << limit;
        EXPECT_EQ(texts(state.probabilities, 1, 2), (Rows{{"0,462", "0,538"}, {"0,429", "0,571"}})) << limit;
    }
}

TEST(Fratar, ABalancedSeedStaysAsItIs) {
    // Row sums 60 and 40, column sums 50 and 50: every factor is 1.
    WindowState state = fratarState(twoNodes, {{"20", "40"}, {"30", "10"}}, "200");
    EXPECT_EQ(process(state), report("0,0000000", "1"));
    EXPECT_EQ(texts(state.od, 1, 2), (Rows{{"20", "40"}, {"30", "10"}}));
    EXPECT_EQ(texts(state.probabilities, 1, 2), (Rows{{"0,333", "0,667"}, {"0,750", "0,250"}}));
}

TEST(Fratar, FailuresLeaveTheMatricesUnchanged) {
    struct Case {
        const char* name;
        Rows flows;
        Rows seed;
        std::string limit;
        std::string message;
    };
    const Case cases[] = {
        // Q.in of node 1 is 0: its growth factor is 0 and so is the sum that
        // divides its row total.
        {"zero row target",
         {{"50", "30"}, {"0", "30"}},
         {{"10", "20"}, {"30", "40"}},
         "200",
         "Floating point division by zero"},
        {"zero column target",
         {{"0", "20"}, {"50", "30"}},
         {{"10", "20"}, {"30", "40"}},
         "200",
         "Floating point division by zero"},
        {"zero seed row", twoNodes, {{"0", "0"}, {"30", "40"}}, "200", "Floating point division by zero"},
        // Q.in 0 and a seed row of 0: 0 divided by 0.
        {"zero target and row",
         {{"50", "30"}, {"0", "30"}},
         {{"0", "0"}, {"30", "40"}},
         "1",
         "Invalid floating point operation"},
        {"empty seed cell", twoNodes, {{"10", "20"}, {"", "40"}}, "200", "'' is not a valid floating point value"},
        // A hexadecimal flow passes the entry-flow step's integer reading
        // but not the real reading of the targets.
        {"hexadecimal Q.out",
         {{"50", "20"}, {"$32", "30"}},
         twoNodeSeed,
         "200",
         "'$32' is not a valid floating point value"},
        // The limit is read after every cell, even when it is faulty too.
        {"bad limit", twoNodes, twoNodeSeed, "2OO", "'2OO' is not a valid integer value for Integer type"},
        {"bad limit after a bad cell",
         twoNodes,
         {{"10", "20"}, {"30", "x"}},
         "",
         "'x' is not a valid floating point value"},
    };
    for (const auto& c : cases) {
        WindowState state = fratarState(c.flows, c.seed, c.limit);
        test::fill(state.probabilities, {{"p", "q"}, {"r", "s"}});
        const Rows flowsBefore = texts(state.flows, 2, 3);
        EXPECT_EQ(failureOf([&] { process(state); }), c.message) << c.name;
        EXPECT_NE(state.flows.cell(1, 1), "") << c.name << ": Q.in is written";
        EXPECT_EQ(texts(state.flows, 2, 3), flowsBefore) << c.name;
        EXPECT_EQ(texts(state.od, 1, 2), c.seed) << c.name;
        EXPECT_EQ(texts(state.probabilities, 1, 2), (Rows{{"p", "q"}, {"r", "s"}})) << c.name;
    }
}

TEST(Fratar, FailuresAfterTheBalancing) {
    // With no iteration the seed itself is written: a value beyond 64 bits
    // cannot be rounded, one beyond 32 bits is written and then fails the
    // integer reading of the probabilities, after the whole O/D table.
    struct Case {
        Rows seed;
        std::string message;
        Rows od;
    };
    const Case cases[] = {
        {{{"1,4", "1E20"}, {"3", "4"}}, "Invalid floating point operation", {{"1", "1E20"}, {"3", "4"}}},
        {{{"1,4", "3000000000"}, {"3", "4,5"}},
         "'3000000000' is not a valid integer value for Integer type",
         {{"1", "3000000000"}, {"3", "4"}}},
    };
    for (const auto& c : cases) {
        WindowState state = fratarState(twoNodes, c.seed, "0");
        test::fill(state.probabilities, {{"p", "q"}, {"r", "s"}});
        EXPECT_EQ(failureOf([&] { process(state); }), c.message);
        EXPECT_EQ(texts(state.od, 1, 2), c.od);
        EXPECT_EQ(texts(state.probabilities, 1, 2), (Rows{{"p", "q"}, {"r", "s"}}));
    }
}

TEST(Fratar, ASecondRunBalancesTheWholeNumbersOfTheFirst) {
    WindowState state = fratarState(twoNodes, {{"10,4", "20"}, {"30", "40"}}, "200");
    EXPECT_NE(process(state), std::nullopt);
    const Rows first = texts(state.od, 1, 2);
    EXPECT_EQ(first, (Rows{{"27", "33"}, {"23", "17"}}));
    // Those already have the target sums.
    EXPECT_EQ(process(state), report("0,0000000", "1"));
    EXPECT_EQ(texts(state.od, 1, 2), first);
}

TEST(Fratar, ProbabilityModeEndsSilently) {
    WindowState state = fratarState(twoNodes, twoNodeSeed, "200");
    state.modes.select(Mode::ODByProbability);
    EXPECT_EQ(process(state), std::nullopt);
}

} // namespace
} // namespace velmora

namespace velmora {
namespace {

// Counts the iterations it sees and stops the run after a given number.
class StopAfter : public IterationMonitor {
public:
    explicit StopAfter(std::int64_t iterations) : iterations_(iterations) {}
    bool keepGoing(std::int64_t iteration, std::int32_t limit) override {
        seen = iteration;
        lastLimit = limit;
        return iteration < iterations_;
    }
    std::int64_t seen = 0;
    std::int32_t lastLimit = 0;

private:
    std::int64_t iterations_;
};

TEST(Fratar, AMonitorSeesEveryIterationAndMayStopTheRun) {
    WindowState state = fratarState(twoNodes, twoNodeSeed, "200");
    StopAfter never(1000);
    EXPECT_EQ(process(state, &never), report("0,0000086", "25"));
    EXPECT_EQ(never.seen, 24) << "the converging iteration ends the run without asking";
    EXPECT_EQ(never.lastLimit, 200);

    state = fratarState(twoNodes, twoNodeSeed, "2147483647");
    StopAfter three(3);
    bool stopped = false;
    try {
        process(state, &three);
    } catch (const Stopped&) {
        stopped = true;
    }
    EXPECT_TRUE(stopped);
    EXPECT_EQ(three.seen, 3);
    EXPECT_EQ(texts(state.flows, 1, 1), (Rows{{"60"}, {"40"}}));
    EXPECT_EQ(texts(state.od, 1, 2), twoNodeSeed) << "a stopped run leaves the O/D table as it was";
    EXPECT_EQ(texts(state.probabilities, 1, 2), (Rows{{"", ""}, {"", ""}}));
}

} // namespace
} // namespace velmora
