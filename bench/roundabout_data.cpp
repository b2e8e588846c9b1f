#include "roundabout_data.h"

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

} // namespace velmora::bench
