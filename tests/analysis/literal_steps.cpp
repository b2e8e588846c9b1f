#include "literal_steps.h"

#include <cmath>
#include <vector>

#include "analysis/entry_flows.h"
#include "rtl/checked_real.h"
#include "rtl/integer_reading.h"
#include "rtl/number_text.h"
#include "rtl/real_reading.h"

namespace velmora::literal {

namespace {

std::int32_t odCell(const Table& od, std::int32_t column, std::int32_t row) {
    return readInteger(od.cell(column, row));
}

} // namespace

void flowsFromOD(const Table& od, Table& flows, std::int32_t n) {
    for (std::int32_t node = 1; node <= n; ++node) {
        double in = 0;
        double out = 0;
        for (std::int32_t d = 1; d <= n; ++d) {
            in += odCell(od, d, node - 1);
            out += odCell(od, node, d - 1);
        }
        flows.setCell(flowColumn::entering, node - 1, integerText(roundToInt64(in)));
        flows.setCell(flowColumn::exiting, node - 1, integerText(roundToInt64(out)));
    }
    const std::int32_t lastColumn = od.columnCount() - 1;
    for (std::int32_t node = 1; node <= n; ++node) {
        double circulating = 0;
        for (std::int32_t o = 1; o <= n; ++o) {
            if (o < node) {
                for (std::int32_t d = 1; d <= o; ++d)
                    circulating += odCell(od, d, o - 1);
                for (std::int32_t d = node + 1; d <= lastColumn; ++d)
                    circulating += odCell(od, d, o - 1);
            } else if (o > node) {
                for (std::int32_t d = node + 1; d <= o; ++d)
                    circulating += odCell(od, d, o - 1);
            }
        }
        flows.setCell(flowColumn::circulating, node - 1, integerText(roundToInt64(circulating)));
    }
}

void rowProbabilities(const Table& od, Table& probabilities, std::int32_t n, const FormatSettings& settings) {
    for (std::int32_t i = 0; i < n; ++i) {
        double total = 0;
        for (std::int32_t j = 1; j <= od.columnCount() - 1; ++j)
            total += odCell(od, j, i);
        for (std::int32_t j = 1; j <= probabilities.columnCount() - 1; ++j)
            probabilities.setCell(j, i, fixedText(divide(odCell(od, j, i), total), 3, settings));
    }
}

void probabilityStep(const Table& flows, Table& probabilities, Table& od, std::int32_t n,
                     const FormatSettings& settings) {
    std::vector<double> e(static_cast<std::size_t>(n) + 1);
    std::vector<double> s(static_cast<std::size_t>(n) + 1);
    for (std::int32_t k = 1; k <= n; ++k) {
        const std::int64_t out = readInteger(flows.cell(flowColumn::exiting, k - 1));
        const std::int64_t circulating = readInteger(flows.cell(flowColumn::circulating, k - 1));
        e[k] = divide(static_cast<double>(out), static_cast<double>(out + circulating));
        s[k] = subtract(1, e[k]);
    }

    for (std::int32_t o = 1; o <= n; ++o)
        for (std::int32_t d = 1; d <= n; ++d) {
            double p = 1;
            if (d == o) {
                for (std::int32_t k = 1; k <= n; ++k)
                    p = multiply(p, k == o ? e[k] : s[k]);
            } else if (d > o) {
                for (std::int32_t k = o + 1; k <= d - 1; ++k)
                    p = multiply(p, s[k]);
                p = multiply(p, e[d]);
            } else {
                for (std::int32_t k = o + 1; k <= n; ++k)
                    p = multiply(p, s[k]);
                for (std::int32_t k = 1; k <= d - 1; ++k)
                    p = multiply(p, s[k]);
                p = multiply(p, e[d]);
            }
            probabilities.setCell(d, o - 1, fixedText(p, 3, settings));
        }

    for (std::int32_t o = 1; o <= n; ++o) {
        double residual = 1;
        for (std::int32_t d = 1; d <= n; ++d)
            residual = subtract(residual, readDouble(probabilities.cell(d, o - 1), settings));
        if (residual == 0)
            continue;
        const double delta = divide(residual, n);
        for (std::int32_t d = 1; d <= n; ++d)
            probabilities.setCell(
                d, o - 1, fixedText(add(readDouble(probabilities.cell(d, o - 1), settings), delta), 3, settings));
    }

    for (std::int32_t o = 1; o <= n; ++o)
        for (std::int32_t d = 1; d <= n; ++d) {
            const double entering = readInteger(flows.cell(flowColumn::entering, o - 1));
            const double share = readDouble(probabilities.cell(d, o - 1), settings);
            od.setCell(d, o - 1, integerText(roundToInt64(multiply(entering, share))));
        }
}

std::string fratarStep(const Table& flows, Table& od, Table& probabilities, const std::string& limitText,
                       std::int32_t n, const FormatSettings& settings) {
    const auto size = static_cast<std::size_t>(n);
    using Matrix = std::vector<std::vector<double>>;
    std::vector<double> t(size), u(size), o(size), d(size), f(size), g(size), a(size), b(size);
    Matrix seed(size, std::vector<double>(size));
    for (std::size_t i = 0; i < size; ++i) {
        t[i] = readReal(flows.cell(flowColumn::entering, static_cast<std::int64_t>(i)), settings);
        u[i] = readReal(flows.cell(flowColumn::exiting, static_cast<std::int64_t>(i)), settings);
    }
    for (std::size_t i = 0; i < size; ++i)
        for (std::size_t j = 0; j < size; ++j)
            seed[i][j] = readReal(od.cell(static_cast<std::int64_t>(j + 1), static_cast<std::int64_t>(i)), settings);
    const std::int32_t limit = readInteger(limitText);

    Matrix x = seed;
    Matrix y = seed;
    const auto totals = [&] {
        for (std::size_t i = 0; i < size; ++i) {
            o[i] = 0;
            for (std::size_t j = 0; j < size; ++j)
                o[i] = add(o[i], x[i][j]);
        }
        for (std::size_t j = 0; j < size; ++j) {
            d[j] = 0;
            for (std::size_t i = 0; i < size; ++i)
                d[j] = add(d[j], x[i][j]);
        }
    };
    totals();
    double error = 0;
    std::int32_t count = 0;
    for (std::int32_t k = 1; k <= limit; ++k) {
        for (std::size_t i = 0; i < size; ++i)
            f[i] = divide(t[i], o[i]);
        for (std::size_t j = 0; j < size; ++j)
            g[j] = divide(u[j], d[j]);
        for (std::size_t i = 0; i < size; ++i) {
            double sum = 0;
            for (std::size_t j = 0; j < size; ++j)
                sum = add(sum, multiply(x[i][j], f[i]));
            a[i] = divide(o[i], sum);
        }
        for (std::size_t j = 0; j < size; ++j) {
            double sum = 0;
            for (std::size_t i = 0; i < size; ++i)
                sum = add(sum, multiply(x[i][j], g[j]));
            b[j] = divide(d[j], sum);
        }
        for (std::size_t i = 0; i < size; ++i)
            for (std::size_t j = 0; j < size; ++j)
                x[i][j] = multiply(multiply(multiply(x[i][j], f[i]), g[j]), divide(add(a[i], b[j]), 2));
        totals();
        double squares = 0;
        for (std::size_t i = 0; i < size; ++i)
            for (std::size_t j = 0; j < size; ++j) {
                const double change = subtract(y[i][j], x[i][j]);
                squares = add(squares, multiply(change, change));
            }
        error = std::sqrt(divide(squares, static_cast<double>(n * n)));
        y = x;
        if (error < 0.00001) {
            count = k;
            break;
        }
    }

    for (std::size_t i = 0; i < size; ++i)
        for (std::size_t j = 0; j < size; ++j)
            od.setCell(static_cast<std::int64_t>(j + 1), static_cast<std::int64_t>(i),
                       integerText(roundToInt64(x[i][j])));
    rowProbabilities(od, probabilities, n, settings);
    return "Estimate error RMSE: " + fixedText(error, 7, settings) + "\r\n\r\nIterations: " + integerText(count);
}

std::optional<std::string> process(WindowState& state) {
    const FormatSettings settings = formatSettings();
    const std::int32_t n = state.od.rowCount();
    if (state.modes.isSelected(Mode::FlowsFromOD)) {
        flowsFromOD(state.od, state.flows, n);
        rowProbabilities(state.od, state.probabilities, n, settings);
    }
    const bool byProbability = state.modes.isSelected(Mode::ODByProbability);
    const bool byFratar = state.modes.isSelected(Mode::ODByFratar);
    if (byProbability || byFratar) {
        entryFlows(state.flows, n);
        if (byProbability)
            probabilityStep(state.flows, state.probabilities, state.od, n, settings);
        if (byFratar)
            return fratarStep(state.flows, state.od, state.probabilities, state.iterationLimitText, n, settings);
    }
    return std::nullopt;
}

} // namespace velmora::literal
