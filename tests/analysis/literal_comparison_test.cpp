// The Process command against the literal steps on random tables of every
// mode, with and without a bad cell at a random place: the same report or
// message, and the same texts in all three tables afterwards.
#include <gtest/gtest.h>

#include <random>

#include "analysis/process.h"
#include "literal_steps.h"
#include "support/tables.h"
#include "tables/new_data.h"

namespace velmora {
namespace {

using test::Rows;
using test::texts;

struct Outcome {
    std::optional<std::string> report;
    std::string failure;
    Rows flows, od, probabilities;
};

template <typename Run> Outcome outcomeOf(WindowState state, Run run) {
    Outcome outcome;
    outcome.failure = test::failureOf([&] { outcome.report = run(state); });
    outcome.flows = texts(state.flows, 0, state.flows.columnCount() - 1);
    outcome.od = texts(state.od, 0, state.od.columnCount() - 1);
    outcome.probabilities = texts(state.probabilities, 0, state.probabilities.columnCount() - 1);
    return outcome;
}

void expectSameOutcome(const WindowState& state, const std::string& what) {
    const Outcome fast = outcomeOf(state, [](WindowState& s) { return process(s); });
    const Outcome slow = outcomeOf(state, [](WindowState& s) { return literal::process(s); });
    ASSERT_EQ(fast.failure, slow.failure) << what;
    ASSERT_EQ(fast.report, slow.report) << what;
    ASSERT_EQ(fast.flows, slow.flows) << what;
    ASSERT_EQ(fast.od, slow.od) << what;
    ASSERT_EQ(fast.probabilities, slow.probabilities) << what;
}

class RandomTables {
public:
    explicit RandomTables(unsigned seed) : random_(seed) {}

    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }

    // Whole numbers mostly of a roundabout's size, now and then zero,
    // negative or near the ends of the 32-bit range.
    std::string integer() {
        switch (below(12)) {
        case 0:
            return "0";
        case 1:
            return std::to_string(-below(50));
        case 2:
            return std::to_string(2147483647 - below(3));
        case 3:
            return std::to_string(-2147483647 - below(2));
        default:
            return std::to_string(below(900));
        }
    }

    // Reals with the decimal comma, some with an exponent that overflows
    // the balancing.
    std::string real() {
        switch (below(20)) {
        case 0:
            return "0";
        case 1:
            return "1E300";
        case 2:
            return "-" + std::to_string(below(40));
        default:
            return std::to_string(below(500)) + (below(2) ? "," + std::to_string(below(100)) : "");
        }
    }

    std::string badCell() {
        const char* bad[] = {"", "abc", "2147483648", "1,5", " 7 ", "-", "1.5"};
        return bad[below(7)];
    }

private:
    std::mt19937 random_;
};

// Places a bad cell into one of the given columns of a random row, in about
// every third table.
void maybeSpoil(RandomTables& random, Table& table, int firstColumn, int lastColumn, std::string& what) {
    if (random.below(3) != 0 || table.rowCount() == 0)
        return;
    const int column = firstColumn + random.below(lastColumn - firstColumn + 1);
    const int row = random.below(table.rowCount());
    const std::string text = random.badCell();
    table.setCell(column, row, text);
    what += " bad '" + text + "' at (" + std::to_string(column) + ", " + std::to_string(row) + ")";
}

WindowState newState(int n, Mode mode) {
    WindowState state;
    state.nodeCountText = std::to_string(n);
    newData(state);
    state.modes.select(mode);
    return state;
}

TEST(LiteralSteps, FlowsModeOnRandomMatrices) {
    RandomTables random(11);
    for (int round = 0; round < 300; ++round) {
        const int n = 1 + random.below(round < 250 ? 9 : 40);
        WindowState state = newState(n, Mode::FlowsFromOD);
        const bool small = random.below(2) == 0;
        for (int o = 0; o < n; ++o)
            for (int d = 1; d <= n; ++d)
                state.od.setCell(d, o, small ? std::to_string(random.below(400)) : random.integer());
        std::string what = "round " + std::to_string(round) + " n " + std::to_string(n);
        maybeSpoil(random, state.od, 1, n, what);
        expectSameOutcome(state, what);
    }
}

TEST(LiteralSteps, ProbabilityModeOnRandomFlows) {
    RandomTables random(12);
    for (int round = 0; round < 300; ++round) {
        const int n = 1 + random.below(round < 250 ? 9 : 40);
        WindowState state = newState(n, Mode::ODByProbability);
        const bool small = random.below(3) != 0;
        for (int k = 0; k < n; ++k) {
            state.flows.setCell(2, k, small ? std::to_string(random.below(500)) : random.integer());
            state.flows.setCell(3, k, small ? std::to_string(1 + random.below(500)) : random.integer());
            state.od.setCell(1 + random.below(n), k, "old"); // never read
        }
        std::string what = "round " + std::to_string(round) + " n " + std::to_string(n);
        maybeSpoil(random, state.flows, 2, 3, what);
        expectSameOutcome(state, what);
    }
}

TEST(LiteralSteps, FratarModeOnRandomSeeds) {
    RandomTables random(13);
    for (int round = 0; round < 300; ++round) {
        const int n = 1 + random.below(round < 250 ? 8 : 30);
        WindowState state = newState(n, Mode::ODByFratar);
        const bool plain = random.below(3) != 0;
        for (int k = 0; k < n; ++k) {
            state.flows.setCell(2, k, std::to_string((plain ? 1 : 0) + random.below(500)));
            state.flows.setCell(3, k, std::to_string(random.below(300)));
        }
        for (int o = 0; o < n; ++o)
            for (int d = 1; d <= n; ++d)
                state.od.setCell(d, o, plain ? std::to_string(1 + random.below(200)) : random.real());
        const char* limits[] = {"0", "1", "3", "17", "60", "200", "-2", "x"};
        state.iterationLimitText = limits[random.below(8)];
        std::string what =
            "round " + std::to_string(round) + " n " + std::to_string(n) + " limit " + state.iterationLimitText;
        if (random.below(2))
            maybeSpoil(random, state.od, 1, n, what);
        else
            maybeSpoil(random, state.flows, 2, 3, what);
        expectSameOutcome(state, what);
    }
}

} // namespace
} // namespace velmora
