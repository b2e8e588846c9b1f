#include "analysis/balancing.h"

#include <algorithm>
#include <cmath>

#include "rtl/checked_real.h"

namespace velmora {

namespace {

constexpr double convergence = 0.00001;

bool isUsableDivisor(double divisor) {
    return divisor != 0 && std::isfinite(divisor);
}

// quotients[k] := dividends[k] / divisors[k] for every k, without checks;
// false as soon as one would fault (quotients may alias divisors).
bool quotients(const double* dividends, const double* divisors, double* quotients, std::size_t n) {
    for (std::size_t k = 0; k < n; ++k) {
        if (!isUsableDivisor(divisors[k]))
            return false;
        quotients[k] = dividends[k] / divisors[k];
        if (!std::isfinite(quotients[k]))
            return false;
    }
    return true;
}

} // namespace

Balancing::Balancing(std::int32_t n)
    : n_(static_cast<std::size_t>(n)), rowTarget_(n_), columnTarget_(n_), seed_(n_ * n_), current_(n_ * n_),
      next_(n_ * n_), rowTotal_(n_), columnTotal_(n_), nextRowTotal_(n_), nextColumnTotal_(n_), rowGrowth_(n_),
      columnGrowth_(n_), rowLocation_(n_), columnLocation_(n_), columnSum_(n_) {}

void Balancing::start() {
    current_ = seed_;
    checkedTotals();
    error_ = 0;
    converged_ = 0;
}

void Balancing::run(std::int32_t limit, IterationMonitor* monitor) {
    for (std::int64_t k = 1; k <= limit; ++k) {
        // The fast iteration gives the same numbers whenever no operation
        // faults; when one does, the checked one, started again from the
        // same matrix, fails with the right message.
        if (!fastIteration())
            checkedIteration();
        if (error_ < convergence) {
            converged_ = static_cast<std::int32_t>(k);
            return;
        }
        if (monitor && !monitor->keepGoing(k, limit))
            throw Stopped{};
    }
}

// Every sum starts from 0 and adds its terms in increasing index order. The
// column sums are gathered row by row, which keeps the matrix in memory
// order and still adds each column's terms in increasing row order. A sum
// that left the range of a double stays infinite (its terms are finite), so
// checking the columns one after the other afterwards fails exactly where
// summing column by column would.
void Balancing::checkedTotals() {
    for (std::size_t i = 0; i < n_; ++i) {
        double sum = 0;
        for (std::size_t j = 0; j < n_; ++j)
            sum = add(sum, current_[i * n_ + j]);
        rowTotal_[i] = sum;
    }
    std::fill(columnSum_.begin(), columnSum_.end(), 0.0);
    for (std::size_t i = 0; i < n_; ++i)
        for (std::size_t j = 0; j < n_; ++j)
            columnSum_[j] += current_[i * n_ + j];
    for (std::size_t j = 0; j < n_; ++j)
        columnTotal_[j] = checkedResult(columnSum_[j]);
}

// The steps one by one, each operation checked, on the current matrix in
// place; the previous matrix is kept in next_ for the change.
void Balancing::checkedIteration() {
    const auto x = [&](std::size_t i, std::size_t j) -> double& { return current_[i * n_ + j]; };
    std::vector<double>& previous = next_;
    std::copy(current_.begin(), current_.end(), previous.begin());

    for (std::size_t i = 0; i < n_; ++i)
        rowGrowth_[i] = divide(rowTarget_[i], rowTotal_[i]);
    for (std::size_t j = 0; j < n_; ++j)
        columnGrowth_[j] = divide(columnTarget_[j], columnTotal_[j]);

    // Each cell is scaled by the growth factor of its own row for the row
    // factor and of its own column for the column factor.
    for (std::size_t i = 0; i < n_; ++i) {
        double sum = 0;
        for (std::size_t j = 0; j < n_; ++j)
            sum = add(sum, multiply(x(i, j), rowGrowth_[i]));
        rowLocation_[i] = divide(rowTotal_[i], sum);
    }
    // As for the column totals: a product or sum of column j that left the
    // range of a double leaves its sum infinite or NaN, found when column j
    // comes to be divided, after the columns before it.
    std::fill(columnSum_.begin(), columnSum_.end(), 0.0);
    for (std::size_t i = 0; i < n_; ++i)
        for (std::size_t j = 0; j < n_; ++j)
            columnSum_[j] += x(i, j) * columnGrowth_[j];
    for (std::size_t j = 0; j < n_; ++j)
        columnLocation_[j] = divide(columnTotal_[j], checkedResult(columnSum_[j]));

    // The grouping decides the last bits: the cell times its row growth,
    // times its column growth, times the mean of the two location factors.
    for (std::size_t i = 0; i < n_; ++i)
        for (std::size_t j = 0; j < n_; ++j)
            x(i, j) = multiply(multiply(multiply(x(i, j), rowGrowth_[i]), columnGrowth_[j]),
                               divide(add(rowLocation_[i], columnLocation_[j]), 2));

    checkedTotals();

    double squares = 0;
    for (std::size_t k = 0; k < n_ * n_; ++k) {
        const double change = subtract(previous[k], current_[k]);
        squares = add(squares, multiply(change, change));
    }
    error_ = std::sqrt(divide(squares, static_cast<double>(n_ * n_)));
}

// The same operations in the same order for every sum, with no check on
// the way: a fault leaves an infinity or a NaN that no later multiplication
// or addition turns finite again, so a non-finite sum, factor or divisor
// afterwards tells that some operation of the iteration faulted. Only the
// quotients could hide one (a finite number over an infinite sum is 0), so
// their divisors are tested themselves. Rows are taken four at a time so
// that their sums, each still added from the left, run side by side.
bool Balancing::fastIteration() {
    const std::size_t n = n_;
    const double* x = current_.data();
    double* rowGrowth = rowGrowth_.data();
    double* columnGrowth = columnGrowth_.data();
    double* columnSum = columnSum_.data();

    if (!quotients(rowTarget_.data(), rowTotal_.data(), rowGrowth, n) ||
        !quotients(columnTarget_.data(), columnTotal_.data(), columnGrowth, n))
        return false;

    // Location factors: the row sums of X(i, j) F(i) and the column sums of
    // X(i, j) G(j), in one pass.
    std::fill(columnSum_.begin(), columnSum_.end(), 0.0);
    std::size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        const double* x0 = x + i * n;
        const double* x1 = x0 + n;
        const double* x2 = x1 + n;
        const double* x3 = x2 + n;
        const double f0 = rowGrowth[i], f1 = rowGrowth[i + 1], f2 = rowGrowth[i + 2], f3 = rowGrowth[i + 3];
        double s0 = 0, s1 = 0, s2 = 0, s3 = 0;
        for (std::size_t j = 0; j < n; ++j) {
            s0 += x0[j] * f0;
            s1 += x1[j] * f1;
            s2 += x2[j] * f2;
            s3 += x3[j] * f3;
            const double g = columnGrowth[j];
            columnSum[j] = (((columnSum[j] + x0[j] * g) + x1[j] * g) + x2[j] * g) + x3[j] * g;
        }
        rowLocation_[i] = s0;
        rowLocation_[i + 1] = s1;
        rowLocation_[i + 2] = s2;
        rowLocation_[i + 3] = s3;
    }
    for (; i < n; ++i) {
        const double* xi = x + i * n;
        const double f = rowGrowth[i];
        double s = 0;
        for (std::size_t j = 0; j < n; ++j) {
            s += xi[j] * f;
            columnSum[j] += xi[j] * columnGrowth[j];
        }
        rowLocation_[i] = s;
    }
    if (!quotients(rowTotal_.data(), rowLocation_.data(), rowLocation_.data(), n) ||
        !quotients(columnTotal_.data(), columnSum, columnLocation_.data(), n))
        return false;

    // The new cells, their totals and the squared changes against the
    // matrix before (which the current one still is), in one pass.
    double* next = next_.data();
    double* nextColumnTotal = nextColumnTotal_.data();
    const double* columnLocation = columnLocation_.data();
    std::fill(nextColumnTotal_.begin(), nextColumnTotal_.end(), 0.0);
    double squares = 0;
    for (std::size_t r = 0; r < n; ++r) {
        const double* xr = x + r * n;
        double* nr = next + r * n;
        const double f = rowGrowth[r];
        const double a = rowLocation_[r];
        double total = 0;
        for (std::size_t j = 0; j < n; ++j) {
            const double cell = ((xr[j] * f) * columnGrowth[j]) * ((a + columnLocation[j]) / 2);
            nr[j] = cell;
            total += cell;
            nextColumnTotal[j] += cell;
            const double change = xr[j] - cell;
            squares += change * change;
        }
        if (!std::isfinite(total))
            return false;
        nextRowTotal_[r] = total;
    }
    for (std::size_t j = 0; j < n; ++j)
        if (!std::isfinite(nextColumnTotal[j]))
            return false;
    if (!std::isfinite(squares))
        return false;

    current_.swap(next_);
    rowTotal_.swap(nextRowTotal_);
    columnTotal_.swap(nextColumnTotal_);
    error_ = std::sqrt(divide(squares, static_cast<double>(n * n)));
    return true;
}

} // namespace velmora
