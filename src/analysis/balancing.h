// The Fratar iteration on numbers: the seed matrix balanced towards its row
// and column targets by growth and location factors, with no table in sight.
#pragma once

#include <cstdint>
#include <vector>

#include "analysis/fratar.h"

namespace velmora {

// The work arrays of one run, sized once when the run starts, so that the
// iteration itself never allocates. Row i, column j of a matrix is element
// i * n + j.
class Balancing {
public:
    explicit Balancing(std::int32_t n);

    // T (Q.in), U (Q.out) and the seed S, to be filled before start().
    std::vector<double>& rowTargets() { return rowTarget_; }
    std::vector<double>& columnTargets() { return columnTarget_; }
    std::vector<double>& seed() { return seed_; }

    // The current matrix and its totals become the seed's; E and C are 0.
    void start();

    // Iterates until the root-mean-square change of one iteration falls
    // below 0.00001 (C is then that iteration) or the limit is used up. A
    // fault fails with the message of the first checked operation that
    // meets it, in the order the steps are stated.
    void run(std::int32_t limit, IterationMonitor* monitor = nullptr);

    const std::vector<double>& matrix() const { return current_; }
    double error() const { return error_; }
    std::int32_t converged() const { return converged_; }

private:
    bool fastIteration();
    void checkedIteration();
    void checkedTotals();
    void fastTotals();

    std::size_t n_;
    std::vector<double> rowTarget_;       // T: Q.in
    std::vector<double> columnTarget_;    // U: Q.out
    std::vector<double> seed_;            // S
    std::vector<double> current_;         // X, which is also Y between iterations
    std::vector<double> next_;            // X of the iteration under way
    std::vector<double> rowTotal_;        // O
    std::vector<double> columnTotal_;     // D
    std::vector<double> nextRowTotal_;    // O of the iteration under way
    std::vector<double> nextColumnTotal_; // D of the iteration under way
    std::vector<double> rowGrowth_;       // F
    std::vector<double> columnGrowth_;    // G
    std::vector<double> rowLocation_;     // A
    std::vector<double> columnLocation_;  // B
    std::vector<double> columnSum_;
    double error_ = 0;
    std::int32_t converged_ = 0;
};

} // namespace velmora
