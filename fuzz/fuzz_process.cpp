// Process in each mode on small tables filled from arbitrary cell texts:
// a run either completes or fails with the system's message, a user's stop
// leaves the O/D and probability tables as they were, and every cell the run
// writes is a plain decimal integer or a three-decimal share, never "inf",
// "nan", a negative zero or an exponent.
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/process.h"
#include "rtl/failure.h"
#include "rtl/format_settings.h"
#include "rtl/integer_reading.h"
#include "rtl/number_text.h"
#include "tables/new_data.h"
#include "tables/window_state.h"

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

// Stops the balancing after a given number of iterations.
class StopAfter : public velmora::IterationMonitor {
public:
    explicit StopAfter(std::int64_t iterations) : iterations_(iterations) {}
    bool keepGoing(std::int64_t iteration, std::int32_t limit) override {
        require(iteration >= 1 && iteration <= limit);
        return iteration < iterations_;
    }

private:
    std::int64_t iterations_;
};

bool isDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Plain decimal, as integerText writes it, and the same number back.
bool isIntegerText(const std::string& text) {
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end && velmora::integerText(value) == text;
}

// The pattern "0.000": digits, the decimal comma, three digits, and no minus
// sign on a share that rounds to zero.
bool isShareText(const std::string& text) {
    std::string_view body(text);
    if (!body.empty() && body[0] == '-')
        body.remove_prefix(1);
    const std::size_t comma = body.find(',');
    if (comma == std::string_view::npos || !isDigits(body.substr(0, comma)) || body.size() - comma != 4 ||
        !isDigits(body.substr(comma + 1)))
        return false;
    const bool zero = body.find_first_not_of("0,") == std::string_view::npos;
    return !(zero && text[0] == '-');
}

bool isPlainNumberText(const std::string& text) {
    for (const char* bad : {"inf", "nan", "e+", "e-", "E+", "E-"})
        if (text.find(bad) != std::string::npos)
            return false;
    return true;
}

using Snapshot = std::vector<std::string>;

Snapshot cellsOf(const velmora::Table& table) {
    Snapshot cells;
    for (std::int32_t r = 0; r < table.rowCount(); ++r)
        for (std::int32_t c = 0; c < table.columnCount(); ++c)
            cells.push_back(table.cell(c, r));
    return cells;
}

// Every cell the run changed holds a number of the kind its column takes.
void requireWrittenCells(const velmora::Table& table, const Snapshot& before, bool shares) {
    std::size_t k = 0;
    for (std::int32_t r = 0; r < table.rowCount(); ++r)
        for (std::int32_t c = 0; c < table.columnCount(); ++c, ++k) {
            const std::string& text = table.cell(c, r);
            if (text == before[k])
                continue;
            require(c > 0);
            require(isPlainNumberText(text));
            require(shares ? isShareText(text) : isIntegerText(text));
        }
}

// The input: a mode byte, a node-count byte, a stop byte, then the iteration
// limit text and the cell texts, separated by line feeds and used over again
// when they run out.
struct Input {
    velmora::Mode mode;
    std::int32_t n;
    std::int64_t stopAfter; // 0: no monitor
    std::string limit;
    std::vector<std::string> cells;
};

Input inputOf(std::string_view data) {
    Input input{velmora::allModes[static_cast<unsigned char>(data[0]) % 3],
                1 + static_cast<unsigned char>(data[1]) % 6,
                static_cast<unsigned char>(data[2]) % 8,
                "",
                {}};
    data.remove_prefix(3);
    std::vector<std::string> pieces;
    while (true) {
        const std::size_t end = data.find('\n');
        pieces.emplace_back(data.substr(0, end));
        if (end == std::string_view::npos)
            break;
        data.remove_prefix(end + 1);
    }
    input.limit = pieces.front();
    // Long balancings prove nothing more here; the limit stays small.
    if (const auto limit = velmora::tryReadInteger(input.limit); limit && *limit > 64)
        input.limit = velmora::integerText(*limit % 65);
    input.cells.assign(pieces.begin() + 1, pieces.end());
    return input;
}

} // namespace

// The window's number format, as the main window sets it when it opens.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    velmora::formatSettings().decimalSeparator = ',';
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return 0;
    const Input input = inputOf(std::string_view(reinterpret_cast<const char*>(data), size));

    velmora::WindowState state;
    state.nodeCountText = velmora::integerText(input.n);
    velmora::newData(state);
    state.iterationLimitText = input.limit;
    state.modes.select(input.mode);
    std::size_t next = 0;
    const auto cellText = [&]() -> std::string {
        return input.cells.empty() ? std::string() : input.cells[next++ % input.cells.size()];
    };
    for (std::int32_t r = 0; r < input.n; ++r)
        for (int c = velmora::flowColumn::entering; c <= velmora::flowColumn::circulating; ++c)
            state.flows.setCell(c, r, cellText());
    for (std::int32_t r = 0; r < input.n; ++r)
        for (std::int32_t c = 1; c <= input.n; ++c)
            state.od.setCell(c, r, cellText());

    const Snapshot flows = cellsOf(state.flows);
    const Snapshot od = cellsOf(state.od);
    const Snapshot probabilities = cellsOf(state.probabilities);
    StopAfter monitor(input.stopAfter);
    std::optional<std::string> report;
    bool completed = false;
    try {
        report = velmora::process(state, input.stopAfter > 0 ? &monitor : nullptr);
        completed = true;
    } catch (const velmora::Failure& failure) {
        require(!failure.message().empty());
    } catch (const velmora::Stopped&) {
        require(input.stopAfter > 0 && input.mode == velmora::Mode::ODByFratar);
        require(cellsOf(state.od) == od && cellsOf(state.probabilities) == probabilities);
    } catch (...) {
        std::abort();
    }

    requireWrittenCells(state.flows, flows, false);
    requireWrittenCells(state.od, od, false);
    requireWrittenCells(state.probabilities, probabilities, true);
    require(report.has_value() == (completed && input.mode == velmora::Mode::ODByFratar));
    if (report) {
        const std::string head = "Estimate error RMSE: ";
        const std::size_t lines = report->find("\r\n\r\nIterations: ");
        require(report->rfind(head, 0) == 0 && lines != std::string::npos);
        const std::string error = report->substr(head.size(), lines - head.size());
        require(isPlainNumberText(error) && error[0] != '-' && error.size() - error.find(',') == 8);
        require(isIntegerText(report->substr(lines + 16)));
    }
    if (completed) {
        // A completed run has written every cell of its results.
        const std::int32_t n = input.n;
        for (std::int32_t r = 0; r < n; ++r) {
            for (int c = velmora::flowColumn::entering; c <= velmora::flowColumn::circulating; ++c)
                if (input.mode == velmora::Mode::FlowsFromOD || c == velmora::flowColumn::entering)
                    require(isIntegerText(state.flows.cell(c, r)));
            for (std::int32_t c = 1; c <= n; ++c) {
                require(isShareText(state.probabilities.cell(c, r)));
                if (input.mode != velmora::Mode::FlowsFromOD)
                    require(isIntegerText(state.od.cell(c, r)));
            }
        }
    }
    return 0;
}
