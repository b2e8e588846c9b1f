// Values at the edges of the 32-bit cells and of the doubles, in every mode:
// sums stay exact, nothing wraps, and a value beyond a range ends the run
// with its message; no cell ever reads "inf", "nan", a negative zero or an
// exponent.
#include <gtest/gtest.h>

#include "analysis/process.h"
#include "support/tables.h"

namespace velmora {
namespace {

using test::failureOf;
using test::Rows;
using test::texts;

std::string report(const std::string& error, const std::string& count) {
    return "Estimate error RMSE: " + error + "\r\n\r\nIterations: " + count;
}

struct Case {
    const char* what;
    Mode mode;
    Rows flows; // Q.out and Q.cir of each node
    Rows od;
    std::string limit;
    std::string message; // "" when the run completes
    Rows flowsAfter;     // Q.in, Q.out and Q.cir
    Rows odAfter;
    Rows probabilitiesAfter;
};

const Rows noFlows{{"", ""}, {"", ""}};
const Rows empty{{"", ""}, {"", ""}};
const std::string max = "2147483647";
const std::string min = "-2147483648";
const char* const tooLarge = "'2147483648' is not a valid integer value for Integer type";

const std::vector<Case> cases{
    {"largest cells sum exactly beyond 32 bits",
     Mode::FlowsFromOD,
     noFlows,
     {{max, max}, {max, max}},
     "200",
     "",
     {{"4294967294", "4294967294", max}, {"4294967294", "4294967294", max}},
     {{max, max}, {max, max}},
     {{"0,500", "0,500"}, {"0,500", "0,500"}}},
    {"smallest cells sum exactly below 32 bits",
     Mode::FlowsFromOD,
     noFlows,
     {{min, min}, {min, min}},
     "200",
     "",
     {{"-4294967296", "-4294967296", min}, {"-4294967296", "-4294967296", min}},
     {{min, min}, {min, min}},
     {{"0,500", "0,500"}, {"0,500", "0,500"}}},
    {"shares of a row summing to -1 are exact",
     Mode::FlowsFromOD,
     noFlows,
     {{min, max}, {"1", "2"}},
     "200",
     "",
     {{"-1", "-2147483647", "2"}, {"3", "2147483649", min}},
     {{min, max}, {"1", "2"}},
     {{"2147483648,000", "-2147483647,000"}, {"0,333", "0,667"}}},
    {"a tiny negative share has no minus sign",
     Mode::FlowsFromOD,
     noFlows,
     {{"-1", "10001"}, {"1", "1"}},
     "200",
     "",
     {{"10000", "0", "1"}, {"2", "10002", "-1"}},
     {{"-1", "10001"}, {"1", "1"}},
     {{"0,000", "1,000"}, {"0,500", "0,500"}}},
    {"a row of -2147483647 and 2147483647 has no total",
     Mode::FlowsFromOD,
     noFlows,
     {{max, "-2147483647"}, {"1", "1"}},
     "200",
     "Floating point division by zero",
     {{"0", "2147483648", "1"}, {"2", "-2147483646", max}},
     {{max, "-2147483647"}, {"1", "1"}},
     empty},
    {"a cell beyond 32 bits is refused with its text",
     Mode::FlowsFromOD,
     noFlows,
     {{"1", "1"}, {"1", "-2147483649"}},
     "200",
     "'-2147483649' is not a valid integer value for Integer type",
     {{"2", "2", ""}, {"", "", ""}},
     {{"1", "1"}, {"1", "-2147483649"}},
     empty},

    {"largest flows spread exactly",
     Mode::ODByProbability,
     {{max, "0"}, {max, "0"}},
     empty,
     "200",
     "",
     {{max, max, "0"}, {max, max, "0"}},
     {{"0", max}, {max, "0"}},
     {{"0,000", "1,000"}, {"1,000", "0,000"}}},
    {"smallest flows spread exactly, no negative zero",
     Mode::ODByProbability,
     {{min, "0"}, {min, "0"}},
     empty,
     "200",
     "",
     {{min, min, "0"}, {min, min, "0"}},
     {{"0", min}, {min, "0"}},
     {{"0,000", "1,000"}, {"1,000", "0,000"}}},
    // Q.in of node 1 is 2147483647 + 0 + 2147483648; the share of -0 is
    // written without its sign.
    {"an entering flow beyond 32 bits is written whole, then refused",
     Mode::ODByProbability,
     {{max, min}, {max, "0"}},
     empty,
     "200",
     "'4294967295' is not a valid integer value for Integer type",
     {{"4294967295", max, min}, {"-1", max, "0"}},
     empty,
     {{"0,000", "1,000"}, {"-2147483647,000", "2147483648,000"}}},
    {"a flow beyond 32 bits is refused before anything is written",
     Mode::ODByProbability,
     {{"1", "2147483648"}, {"1", "1"}},
     empty,
     "200",
     tooLarge,
     {{"", "1", "2147483648"}, {"", "1", "1"}},
     empty,
     empty},

    {"huge seeds converge",
     Mode::ODByFratar,
     {{"50", "20"}, {"50", "30"}},
     {{"1E150", "1E150"}, {"1E150", "1E150"}},
     "200",
     "",
     {{"60", "50", "20"}, {"40", "50", "30"}},
     {{"30", "30"}, {"20", "20"}},
     {{"0,500", "0,500"}, {"0,500", "0,500"}}},
    // The first change, about 1E300, has a square beyond any double.
    {"seeds of 1E300 overflow in the change",
     Mode::ODByFratar,
     {{"50", "20"}, {"50", "30"}},
     {{"1E300", "1E300"}, {"1E300", "1E300"}},
     "200",
     "Floating point overflow",
     {{"60", "50", "20"}, {"40", "50", "30"}},
     {{"1E300", "1E300"}, {"1E300", "1E300"}},
     empty},
    {"seeds whose totals overflow",
     Mode::ODByFratar,
     {{"50", "20"}, {"50", "30"}},
     {{"1E308", "1E308"}, {"1", "1"}},
     "0",
     "Floating point overflow",
     {{"60", "50", "20"}, {"40", "50", "30"}},
     {{"1E308", "1E308"}, {"1", "1"}},
     empty},
    {"tiny seeds under large targets overflow in the growth factor",
     Mode::ODByFratar,
     {{max, "0"}, {max, "0"}},
     {{"1E-300", "1E-300"}, {"1E-300", "1E-300"}},
     "200",
     "Floating point overflow",
     {{max, max, "0"}, {max, max, "0"}},
     {{"1E-300", "1E-300"}, {"1E-300", "1E-300"}},
     empty},
    {"a seed beyond 64 bits cannot be rounded",
     Mode::ODByFratar,
     {{"50", "20"}, {"50", "30"}},
     {{"5", "1E300"}, {"1", "1"}},
     "0",
     "Invalid floating point operation",
     {{"60", "50", "20"}, {"40", "50", "30"}},
     {{"5", "1E300"}, {"1", "1"}},
     empty},
    {"a balanced value beyond 32 bits is written whole, then refused",
     Mode::ODByFratar,
     {{"50", "20"}, {"50", "30"}},
     {{"3000000000", "1"}, {"1", "1"}},
     "0",
     "'3000000000' is not a valid integer value for Integer type",
     {{"60", "50", "20"}, {"40", "50", "30"}},
     {{"3000000000", "1"}, {"1", "1"}},
     empty},
    {"a negative seed that rounds to zero is written 0",
     Mode::ODByFratar,
     {{"50", "20"}, {"50", "30"}},
     {{"-0,4", "1"}, {"1", "1"}},
     "0",
     "",
     {{"60", "50", "20"}, {"40", "50", "30"}},
     {{"0", "1"}, {"1", "1"}},
     {{"0,000", "1,000"}, {"0,500", "0,500"}}},
};

bool isPlainNumberText(const std::string& text) {
    for (const char* bad : {"inf", "nan", "e+", "e-", "E+", "-0,000"})
        if (text.find(bad) != std::string::npos)
            return false;
    return text != "-0";
}

TEST(EdgeValues, EveryModeKeepsSumsExactAndRefusesWhatIsOutOfRange) {
    for (const Case& c : cases) {
        WindowState state = test::stateWithFlows(c.flows, c.od, c.mode);
        state.iterationLimitText = c.limit;
        std::optional<std::string> shown;
        EXPECT_EQ(failureOf([&] { shown = process(state); }), c.message) << c.what;
        EXPECT_EQ(texts(state.flows, 1, 3), c.flowsAfter) << c.what;
        EXPECT_EQ(texts(state.od, 1, 2), c.odAfter) << c.what;
        EXPECT_EQ(texts(state.probabilities, 1, 2), c.probabilitiesAfter) << c.what;
        for (const Table* table : {&state.flows, &state.od, &state.probabilities}) {
            for (const auto& row : texts(*table, 1, table->columnCount() - 1)) {
                for (const std::string& text : row)
                    EXPECT_TRUE(isPlainNumberText(text)) << c.what << ": " << text;
            }
        }
        EXPECT_EQ(shown.has_value(), c.mode == Mode::ODByFratar && c.message.empty()) << c.what;
    }
}

// Stops the balancing after a number of iterations, checking that they come
// one after the other under the limit typed.
class StopAfter : public IterationMonitor {
public:
    explicit StopAfter(std::int64_t iterations) : iterations_(iterations) {}
    bool keepGoing(std::int64_t iteration, std::int32_t limit) override {
        EXPECT_EQ(iteration, seen + 1);
        EXPECT_EQ(limit, 2147483647);
        seen = iteration;
        return iteration < iterations_;
    }
    std::int64_t seen = 0;

private:
    std::int64_t iterations_;
};

TEST(EdgeValues, ALimitOf2147483647IsBoundedByConvergenceOrByTheMonitor) {
    // Converges in iteration 25 as with the default limit.
    WindowState converging =
        test::stateWithFlows({{"50", "20"}, {"50", "30"}}, {{"10", "20"}, {"30", "40"}}, Mode::ODByFratar);
    converging.iterationLimitText = "2147483647";
    StopAfter patient(1000000);
    EXPECT_EQ(process(converging, &patient), report("0,0000086", "25"));
    EXPECT_EQ(patient.seen, 24);
    EXPECT_EQ(texts(converging.od, 1, 2), (Rows{{"26", "34"}, {"24", "16"}}));
    EXPECT_EQ(texts(converging.probabilities, 1, 2), (Rows{{"0,433", "0,567"}, {"0,600", "0,400"}}));

    // Negative trips keep the growth factors swinging: the change never
    // settles, so only the user's stop ends the run.
    WindowState swinging =
        test::stateWithFlows({{"10", "10"}, {"10", "30"}}, {{"2", "-1"}, {"2", "3"}}, Mode::ODByFratar);
    swinging.iterationLimitText = "2147483647";
    StopAfter user(100000);
    bool stopped = false;
    try {
        process(swinging, &user);
    } catch (const Stopped&) {
        stopped = true;
    }
    EXPECT_TRUE(stopped);
    EXPECT_EQ(user.seen, 100000);
    EXPECT_EQ(texts(swinging.flows, 1, 1), (Rows{{"30"}, {"-10"}}));
    EXPECT_EQ(texts(swinging.od, 1, 2), (Rows{{"2", "-1"}, {"2", "3"}}));
    EXPECT_EQ(texts(swinging.probabilities, 1, 2), empty);
}

} // namespace
} // namespace velmora
