#include "datafile/data_reader.h"

#include <cstdint>

#include "datafile/flag_reading.h"
#include "datafile/text_lines.h"
#include "rtl/format_settings.h"
#include "rtl/integer_reading.h"
#include "tables/new_data.h"

namespace velmora {

namespace {

using Lines = std::vector<std::string>;

void readSettings(WindowState& state, const Lines& lines) {
    const Lines settings = splitFields(itemAt(lines, 1));

    // The bound is checked before the first change, so that a file naming
    // an absurd count fails at once and leaves the window as it was.
    const std::int32_t count = readInteger(itemAt(settings, 0));
    checkNodeCount(count);
    state.flows.setRowCount(count);

    state.nodeCountText = settings[0];
    state.iterationLimitText = itemAt(settings, 1);

    // Selecting one mode deselects the others, so the last true flag wins.
    const FormatSettings& format = formatSettings();
    for (std::size_t k = 0; k < allModes.size(); ++k)
        state.modes.setSelected(allModes[k], readFlag(itemAt(settings, 2 + k), format));
}

// Flow rows keep New data's numbering in column 0 and take fields 1 to 3.
void readFlowRows(WindowState& state, const Lines& lines, std::int32_t n) {
    for (std::int32_t i = 0; i < n; ++i) {
        const Lines fields = splitFields(itemAt(lines, static_cast<std::size_t>(3 + i)));
        for (int column = flowColumn::entering; column <= flowColumn::circulating; ++column)
            state.flows.setCell(column, i, itemAt(fields, static_cast<std::size_t>(column)));
    }
}

// Matrix rows take every field into the column of its position, node text
// included; a field beyond the last column fails as the table write does.
void readMatrixRows(Table& table, const Lines& lines, std::size_t firstLine, std::int32_t n) {
    for (std::int32_t i = 0; i < n; ++i) {
        Lines fields = splitFields(itemAt(lines, firstLine + static_cast<std::size_t>(i)));
        for (std::size_t j = 0; j < fields.size(); ++j)
            table.setCell(static_cast<std::int64_t>(j), i, std::move(fields[j]));
    }
}

} // namespace

void loadDataFile(WindowState& state, const Lines& lines) {
    readSettings(state, lines);
    newData(state);

    const std::int32_t n = readInteger(state.nodeCountText);
    const auto count = static_cast<std::size_t>(n);
    readFlowRows(state, lines, n);
    readMatrixRows(state.od, lines, count + 4, n);
    readMatrixRows(state.probabilities, lines, 2 * count + 5, n);
}

} // namespace velmora
