#include "datafile/data_writer.h"

#include "rtl/number_text.h"

namespace velmora {

namespace {

constexpr const char* fileHeader = "Nodi\tIterazioni\tRicava_QeQuQc\tRicava_MatriceOD(P)\tRicava_MatriceOD(Fratar)";
constexpr const char* lineEnd = "\r\n";

void appendTable(std::string& text, const Table& table) {
    // Counts taken now, in the columns' current order after any drag.
    const std::int32_t columns = table.columnCount();
    const std::int32_t rows = table.rowCount();

    text += table.column(0).header;
    for (std::int32_t j = 1; j < columns; ++j) {
        text += '\t';
        text += table.column(j).header;
    }
    text += lineEnd;

    for (std::int32_t i = 0; i < rows; ++i) {
        text += table.cell(0, i);
        for (std::int32_t j = 1; j < columns; ++j) {
            const std::string& cell = table.cell(j, i);
            text += '\t';
            text += cell.empty() ? "0" : cell;
        }
        text += lineEnd;
    }
}

} // namespace

std::string dataFileText(const WindowState& state) {
    std::string text;
    text += fileHeader;
    text += lineEnd;

    text += integerText(state.flows.rowCount());
    text += '\t';
    text += state.iterationLimitText;
    for (Mode mode : allModes)
        text += state.modes.isSelected(mode) ? "\t-1" : "\t0";
    text += lineEnd;

    appendTable(text, state.flows);
    appendTable(text, state.od);
    appendTable(text, state.probabilities);
    return text;
}

} // namespace velmora
