#include "analysis/fratar.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/flows_from_od.h"
#include "rtl/checked_real.h"
#include "rtl/integer_reading.h"
#include "rtl/number_text.h"
#include "rtl/real_reading.h"
#include "tables/window_state.h"

namespace velmora {

namespace {

// The work arrays of one run, sized once when the run starts, so that the
// iteration itself never allocates.
class Balancing {
public:
    explicit Balancing(std::int32_t n)
        : n_(static_cast<std::size_t>(n)), rowTarget_(n_), columnTarget_(n_), seed_(n_ * n_), current_(n_ * n_),
          previous_(n_ * n_), rowTotal_(n_), columnTotal_(n_), rowGrowth_(n_), columnGrowth_(n_), rowLocation_(n_),
          columnLocation_(n_), columnSum_(n_) {}

    void read(const Table& flows, const Table& od, const FormatSettings& settings) {
        for (std::size_t i = 0; i < n_; ++i) {
            const auto row = static_cast<std::int64_t>(i);
            rowTarget_[i] = readReal(flows.cell(flowColumn::entering, row), settings);
            columnTarget_[i] = readReal(flows.cell(flowColumn::exiting, row), settings);
        }
        for (std::size_t i = 0; i < n_; ++i)
            for (std::size_t j = 0; j < n_; ++j)
                seed_[i * n_ + j] =
                    readReal(od.cell(static_cast<std::int64_t>(j) + 1, static_cast<std::int64_t>(i)), settings);
    }

    void start() {
        current_ = seed_;
        previous_ = seed_;
        totals();
        error_ = 0;
        converged_ = 0;
    }

    void run(std::int32_t limit, IterationMonitor* monitor) {
        for (std::int64_t k = 1; k <= limit; ++k) {
            growthFactors();
            locationFactors();
            updateCells();
            totals();
            if (estimateError() < 0.00001) {
                converged_ = static_cast<std::int32_t>(k);
                return;
            }
            if (monitor && !monitor->keepGoing(k, limit))
                throw Stopped{};
        }
    }

    void write(Table& od) const {
        for (std::size_t i = 0; i < n_; ++i)
            for (std::size_t j = 0; j < n_; ++j)
                od.setCell(static_cast<std::int64_t>(j) + 1, static_cast<std::int64_t>(i),
                           integerText(roundToInt64(current_[i * n_ + j])));
    }

    double error() const { return error_; }
    std::int32_t converged() const { return converged_; }

private:
    double& x(std::size_t i, std::size_t j) { return current_[i * n_ + j]; }

    // The column sums are gathered row by row, which keeps the matrix in
    // memory order and still adds each column's terms in increasing row
    // order. A sum that left the range of a double stays infinite or NaN, so
    // checking the columns one after the other afterwards fails exactly
    // where summing column by column would.
    void totals() {
        for (std::size_t i = 0; i < n_; ++i) {
            double sum = 0;
            for (std::size_t j = 0; j < n_; ++j)
                sum = add(sum, x(i, j));
            rowTotal_[i] = sum;
        }
        std::fill(columnSum_.begin(), columnSum_.end(), 0.0);
        for (std::size_t i = 0; i < n_; ++i)
            for (std::size_t j = 0; j < n_; ++j)
                columnSum_[j] += x(i, j);
        for (std::size_t j = 0; j < n_; ++j)
            columnTotal_[j] = checkedResult(columnSum_[j]);
    }

    void growthFactors() {
        for (std::size_t i = 0; i < n_; ++i)
            rowGrowth_[i] = divide(rowTarget_[i], rowTotal_[i]);
        for (std::size_t j = 0; j < n_; ++j)
            columnGrowth_[j] = divide(columnTarget_[j], columnTotal_[j]);
    }

    // Each cell is scaled by the growth factor of its own row for the row
    // factor and of its own column for the column factor.
    void locationFactors() {
        for (std::size_t i = 0; i < n_; ++i) {
            double sum = 0;
            for (std::size_t j = 0; j < n_; ++j)
                sum = add(sum, multiply(x(i, j), rowGrowth_[i]));
            rowLocation_[i] = divide(rowTotal_[i], sum);
        }
        std::fill(columnSum_.begin(), columnSum_.end(), 0.0);
        for (std::size_t i = 0; i < n_; ++i)
            for (std::size_t j = 0; j < n_; ++j)
                columnSum_[j] += x(i, j) * columnGrowth_[j];
        for (std::size_t j = 0; j < n_; ++j)
            columnLocation_[j] = divide(columnTotal_[j], checkedResult(columnSum_[j]));
    }

    // The grouping decides the last bits: the cell times its row growth,
    // times its column growth, times the mean of the two location factors.
    void updateCells() {
        for (std::size_t i = 0; i < n_; ++i)
            for (std::size_t j = 0; j < n_; ++j)
                x(i, j) = multiply(multiply(multiply(x(i, j), rowGrowth_[i]), columnGrowth_[j]),
                                   divide(add(rowLocation_[i], columnLocation_[j]), 2));
    }

    // The root-mean-square change against the matrix of the iteration
    // before, which then becomes the current one.
    double estimateError() {
        double squares = 0;
        for (std::size_t k = 0; k < n_ * n_; ++k) {
            const double change = subtract(previous_[k], current_[k]);
            squares = add(squares, multiply(change, change));
            previous_[k] = current_[k];
        }
        error_ = std::sqrt(divide(squares, static_cast<double>(n_ * n_)));
        return error_;
    }

    std::size_t n_;
    std::vector<double> rowTarget_;      // T: Q.in
    std::vector<double> columnTarget_;   // U: Q.out
    std::vector<double> seed_;           // S
    std::vector<double> current_;        // X
    std::vector<double> previous_;       // Y
    std::vector<double> rowTotal_;       // O
    std::vector<double> columnTotal_;    // D
    std::vector<double> rowGrowth_;      // F
    std::vector<double> columnGrowth_;   // G
    std::vector<double> rowLocation_;    // A
    std::vector<double> columnLocation_; // B
    std::vector<double> columnSum_;
    double error_ = 0;
    std::int32_t converged_ = 0;
};

} // namespace

std::string fratarBalancing(const Table& flows, Table& od, Table& probabilities, const std::string& iterationLimitText,
                            std::int32_t n, const FormatSettings& settings, IterationMonitor* monitor) {
    Balancing balancing(n);
    balancing.read(flows, od, settings);
    const std::int32_t limit = readInteger(iterationLimitText);
    balancing.start();
    balancing.run(limit, monitor);
    balancing.write(od);
    rowProbabilities(od, probabilities, n, settings);
    return "Estimate error RMSE: " + fixedText(balancing.error(), 7, settings) + "\r\n" + "\r\n" +
           "Iterations: " + integerText(balancing.converged());
}

} // namespace velmora
