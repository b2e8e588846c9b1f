#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "analysis/exit_probability.h"
#include "analysis/process.h"
#include "rtl/number_text.h"
#include "support/tables.h"

namespace velmora {
namespace {

using test::failureOf;
using test::Rows;
using test::texts;

const Rows& fourNodes = test::fourNodeFlows;

// Every trip's product multiplied out from 1, factor by factor, in driving
// order.
double tripByFactors(const std::vector<double>& exit, const std::vector<double>& stay, int o, int d) {
    const int n = static_cast<int>(exit.size());
    double p = 1;
    if (d == o) {
        for (int k = 1; k <= n; ++k)
            p *= k == o ? exit[k - 1] : stay[k - 1];
        return p;
    }
    if (d > o) {
        for (int k = o + 1; k <= d - 1; ++k)
            p *= stay[k - 1];
    } else {
        for (int k = o + 1; k <= n; ++k)
            p *= stay[k - 1];
        for (int k = 1; k <= d - 1; ++k)
            p *= stay[k - 1];
    }
    return p * exit[d - 1];
}

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(ExitProbability, TripProductsOfTheFourNodes) {
    const std::vector<double> exit = {270.0 / 610, 300.0 / 690, 450.0 / 650, 190.0 / 510};
    std::vector<double> stay;
    for (double e : exit)
        stay.push_back(1 - e);
    const Rows expected = {{"0,048", "0,435", "0,391", "0,065"},
                           {"0,085", "0,047", "0,692", "0,115"},
                           {"0,278", "0,152", "0,137", "0,373"},
                           {"0,443", "0,242", "0,218", "0,036"}};
    std::vector<double> trips(4);
    for (int o = 1; o <= 4; ++o) {
        tripProbabilities(exit, stay, o, trips);
        for (int d = 1; d <= 4; ++d)
            EXPECT_EQ(fixedText(trips[d - 1], 3, formatSettings()), expected[o - 1][d - 1]) << o << "->" << d;
    }
}

TEST(ExitProbability, TripProductsKeepTheOrderOfTheirFactors) {
    // Negative flows give factors of any size and sign, where a change of
    // order shows in the last bits or in where an overflow happens.
    std::mt19937 random(7);
    std::uniform_real_distribution<double> factor(-3, 3);
    for (int round = 0; round < 200; ++round) {
        const int n = 1 + round % 40;
        std::vector<double> exit(n), stay(n), trips(n);
        for (int k = 0; k < n; ++k) {
            exit[k] = factor(random) * (round % 3 == 0 ? 1e9 : 1);
            stay[k] = 1 - exit[k];
        }
        for (int o = 1; o <= n; ++o) {
            tripProbabilities(exit, stay, o, trips);
            for (int d = 1; d <= n; ++d) {
                const double literal = tripByFactors(exit, stay, o, d);
                ASSERT_TRUE(sameBits(trips[d - 1], literal) || (std::isnan(literal) && std::isnan(trips[d - 1])))
                    << round << ": " << o << "->" << d;
            }
        }
    }
}

TEST(ExitProbability, FourNodes) {
    WindowState state = test::stateWithFlows(fourNodes, {}, Mode::ODByProbability);
    EXPECT_EQ(process(state), std::nullopt);
    EXPECT_EQ(texts(state.flows, 0, 3), (Rows{{"1", "350", "270", "340"},
                                              {"2", "260", "300", "390"},
                                              {"3", "310", "450", "200"},
                                              {"4", "290", "190", "320"}}));
    EXPECT_EQ(texts(state.probabilities, 0, 4), (Rows{{"1", "0,063", "0,450", "0,406", "0,080"},
                                                      {"2", "0,100", "0,062", "0,707", "0,130"},
                                                      {"3", "0,293", "0,167", "0,152", "0,388"},
                                                      {"4", "0,458", "0,257", "0,233", "0,051"}}));
    // 350 x 0,450 = 157,5 goes to the even 158; the last row adds up to 291.
    EXPECT_EQ(texts(state.od, 0, 4), (Rows{{"1", "22", "158", "142", "28"},
                                           {"2", "26", "16", "184", "34"},
                                           {"3", "91", "52", "47", "120"},
                                           {"4", "133", "75", "68", "15"}}));
}

TEST(ExitProbability, SmallRoundabouts) {
    struct Case {
        const char* name;
        Rows flows; // Q.out, Q.cir
        Rows probabilities;
        Rows od;
    };
    const Case cases[] = {
        // 0,667 leaves 0,333 for the only cell.
        {"one node", {{"100", "50"}}, {{"1,000"}}, {{"100"}}},
        // Nobody leaves at node 1: its 0,000 cells get the row's share.
        {"a node without exits",
         {{"0", "10"}, {"30", "10"}},
         {{"0,125", "0,875"}, {"0,125", "0,875"}},
         {{"4", "26"}, {"0", "0"}}},
        // Row 3 reads 0,300 0,300 0,400, whose residual is a few units in
        // the last place: the row is rewritten with the same texts.
        {"texts that add up to one",
         {{"3", "7"}, {"3", "4"}, {"10", "0"}},
         {{"0,000", "0,429", "0,571"}, {"0,000", "0,000", "1,000"}, {"0,300", "0,300", "0,400"}},
         {{"0", "0", "0"}, {"0", "0", "6"}, {"3", "3", "4"}}},
    };
    for (const auto& c : cases) {
        WindowState state = test::stateWithFlows(c.flows, {{"typed"}}, Mode::ODByProbability);
        EXPECT_EQ(process(state), std::nullopt) << c.name;
        const int n = static_cast<int>(c.flows.size());
        EXPECT_EQ(texts(state.probabilities, 1, n), c.probabilities) << c.name;
        EXPECT_EQ(texts(state.od, 1, n), c.od) << c.name;
    }
}

TEST(ExitProbability, ARowAboveOneIsLoweredWithoutNegativeZero) {
    // Origin 1 reads 0,000 0,201 0,301 0,499 (1,001): every cell is lowered
    // by 0,00025, and the first stays 0,000.
    WindowState state = test::stateWithFlows({{"0", "50"}, {"2006", "7994"}, {"3007", "4987"}, {"100", "0"}}, {},
                                             Mode::ODByProbability);
    process(state);
    EXPECT_EQ(texts(state.probabilities, 1, 4)[0], (std::vector<std::string>{"0,000", "0,201", "0,301", "0,499"}));
    EXPECT_EQ(texts(state.od, 1, 4)[0], (std::vector<std::string>{"0", "2000", "2995", "4965"}));
    for (const auto& row : texts(state.probabilities, 1, 4))
        for (const auto& text : row)
            EXPECT_NE(text.front(), '-') << text;
}

TEST(ExitProbability, NoVehiclesArrivingAtANodeStopsBeforeAnyCell) {
    struct Case {
        const char* cir;
        const char* message;
    };
    const Case cases[] = {{"0", "Invalid floating point operation"}, {"-5", "Floating point division by zero"}};
    for (const auto& c : cases) {
        // Node 3: Q.out 0 or 5, Q.out + Q.cir = 0.
        WindowState state = test::stateWithFlows({{"10", "20"}, {"10", "20"}, {c.cir[0] == '0' ? "0" : "5", c.cir}},
                                                 {{"7", "8", "9"}}, Mode::ODByProbability);
        state.probabilities.setCell(1, 0, "old");
        EXPECT_EQ(failureOf([&] { process(state); }), c.message);
        EXPECT_NE(state.flows.cell(1, 2), "") << "the Q.in column is written";
        EXPECT_EQ(texts(state.od, 1, 3)[0], (std::vector<std::string>{"7", "8", "9"}));
        EXPECT_EQ(state.probabilities.cell(1, 0), "old");
        EXPECT_EQ(state.probabilities.cell(2, 0), "");
    }
}

TEST(ExitProbability, AnOverflowingTripStopsAtItsCell) {
    // Q.out + Q.cir = 1 makes e about 2^31 and s about -2^31; with e(1) = 0
    // the trips of origin 1 grow by one factor per destination, and the one
    // to node 35 is the first beyond the range of a double.
    Rows flows(40, {"2147483647", "-2147483646"});
    flows[0] = {"0", "5"};
    WindowState state = test::stateWithFlows(flows, {}, Mode::ODByProbability);
    EXPECT_EQ(failureOf([&] { process(state); }), "Floating point overflow");
    for (int d = 1; d <= 34; ++d)
        EXPECT_NE(state.probabilities.cell(d, 0), "") << d;
    EXPECT_EQ(state.probabilities.cell(35, 0), "");
    EXPECT_EQ(state.probabilities.cell(1, 1), "");
    EXPECT_EQ(state.od.cell(1, 0), "");
}

TEST(ExitProbability, ArrivingFlowsBeyond32BitsAreNotWrapped) {
    // Node 2 has 4294967294 arriving vehicles, half of them leaving (a
    // 32-bit sum would wrap to -2). Node 1's Q.in of 4294967293 is written
    // in full and fails when it is read for the O/D cells.
    WindowState state = test::stateWithFlows({{"1", "1"}, {"2147483647", "2147483647"}}, {}, Mode::ODByProbability);
    EXPECT_EQ(failureOf([&] { process(state); }), "'4294967293' is not a valid integer value for Integer type");
    EXPECT_EQ(texts(state.flows, 1, 1), (Rows{{"4294967293"}, {"-2147483645"}}));
    EXPECT_EQ(texts(state.probabilities, 1, 2), (Rows{{"0,375", "0,625"}, {"0,625", "0,375"}}));
    EXPECT_EQ(texts(state.od, 1, 2), (Rows{{"", ""}, {"", ""}}));
}

} // namespace
} // namespace velmora
