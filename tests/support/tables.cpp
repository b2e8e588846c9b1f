#include "support/tables.h"

#include "tables/new_data.h"

namespace velmora::test {

void fill(Table& table, const Rows& rows, int firstColumn) {
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            table.setCell(firstColumn + static_cast<int>(c), static_cast<int>(r), rows[r][c]);
}

Rows texts(const Table& table, int firstColumn, int lastColumn) {
    Rows rows;
    for (int r = 0; r < table.rowCount(); ++r) {
        rows.emplace_back();
        for (int c = firstColumn; c <= lastColumn; ++c)
            rows.back().push_back(table.cell(c, r));
    }
    return rows;
}

WindowState stateWithOD(const Rows& od) {
    WindowState state;
    state.nodeCountText = std::to_string(od.size());
    newData(state);
    fill(state.od, od);
    return state;
}

WindowState stateWithFlows(const Rows& flows, const Rows& od, Mode mode) {
    WindowState state;
    state.nodeCountText = std::to_string(flows.size());
    newData(state);
    fill(state.flows, flows, flowColumn::exiting);
    fill(state.od, od);
    state.modes.select(mode);
    return state;
}

} // namespace velmora::test
