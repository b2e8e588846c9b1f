#include "analysis/process.h"

#include "analysis/entry_flows.h"
#include "analysis/exit_probability.h"
#include "analysis/flows_from_od.h"
#include "analysis/fratar.h"
#include "analysis/integer_cells.h"
#include "rtl/format_settings.h"

namespace velmora {

std::optional<std::string> process(WindowState& state, IterationMonitor* monitor) {
    const FormatSettings settings = formatSettings();
    const std::int32_t n = state.od.rowCount();

    if (state.modes.isSelected(Mode::FlowsFromOD)) {
        // Both steps read the same O/D cells, and the first writes only the
        // flow table, so one reading serves both.
        const IntegerCells cells(state.od, n);
        flowsFromOD(cells, state.flows, n);
        rowProbabilities(cells, state.probabilities, n, settings);
    }

    const bool byProbability = state.modes.isSelected(Mode::ODByProbability);
    const bool byFratar = state.modes.isSelected(Mode::ODByFratar);
    if (byProbability || byFratar) {
        entryFlows(state.flows, n);
        if (byProbability)
            exitProbabilityMatrix(state.flows, state.probabilities, state.od, n, settings);
        if (byFratar)
            return fratarBalancing(state.flows, state.od, state.probabilities, state.iterationLimitText, n, settings,
                                   monitor);
    }
    return std::nullopt;
}

} // namespace velmora
