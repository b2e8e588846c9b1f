#include "roundabout_data.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

#include "analysis/process.h"
#include "rtl/format_settings.h"
#include "tables/new_data.h"

namespace velmora::bench {

WindowState roundabout(std::int32_t n) {
    formatSettings().decimalSeparator = ',';
    WindowState state;
    state.nodeCountText = std::to_string(n);
    newData(state);
    std::mt19937 random(static_cast<unsigned>(n));
    for (std::int32_t o = 0; o < n; ++o)
        for (std::int32_t d = 0; d < n; ++d) {
            std::int32_t distance = (d - o + n) % n;
            std::int32_t mean = distance == 0 ? 2 : 20 + 400 / (1 + distance);
            std::uniform_int_distribution<std::int32_t> trips(mean / 2, mean + mean / 2);
            state.od.setCell(d + 1, o, std::to_string(trips(random)));
        }
    state.modes.select(Mode::FlowsFromOD);
    process(state);
    return state;
}

void olderSurvey(WindowState& state) {
    const std::int32_t n = state.od.rowCount();
    std::mt19937 random(static_cast<unsigned>(n) + 1);
    std::uniform_real_distribution<double> change(0.7, 1.3);
    for (std::int32_t o = 0; o < n; ++o)
        for (std::int32_t d = 1; d <= n; ++d) {
            const double trips = std::stod(state.od.cell(d, o)) * change(random);
            state.od.setCell(d, o, std::to_string(std::max(1L, std::lround(trips))));
        }
}

WindowState numpyPeer(std::int32_t n) {
    formatSettings().decimalSeparator = ',';
    WindowState state;
    state.nodeCountText = std::to_string(n);
    newData(state);
    for (std::int32_t i = 0; i < n; ++i)
        for (std::int32_t j = 0; j < n; ++j)
            state.od.setCell(j + 1, i, std::to_string(20 + 400 / (1 + (j - i + n) % n)));
    state.modes.select(Mode::FlowsFromOD);
    process(state);
    for (std::int32_t i = 0; i < n; ++i)
        for (std::int32_t j = 0; j < n; ++j)
            state.od.setCell(j + 1, i, std::to_string(1 + (i * 7 + j * 13) % 97));
    return state;
}

} // namespace velmora::bench
