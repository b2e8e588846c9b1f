#include "analysis/process.h"

#include "analysis/flows_from_od.h"
#include "rtl/format_settings.h"

namespace velmora {

std::optional<std::string> process(WindowState& state) {
    const FormatSettings settings = formatSettings();
    const std::int32_t n = state.od.rowCount();

    if (state.modes.isSelected(Mode::FlowsFromOD)) {
        flowsFromOD(state.od, state.flows, n);
        rowProbabilities(state.od, state.probabilities, n, settings);
    }
    return std::nullopt;
}

} // namespace velmora
