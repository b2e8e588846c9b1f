#include "tables/new_data.h"

#include "rtl/failure.h"
#include "rtl/integer_reading.h"
#include "rtl/messages.h"
#include "rtl/number_text.h"

namespace velmora {

void checkNodeCount(std::int32_t count) {
    if (count > maximumNodeCount)
        throw Failure(messages::nodeCountTooLarge(count, maximumNodeCount));
}

void Prepara_Griglia(std::int32_t rows, std::int32_t columns, Table& table, bool readOnly) {
    for (std::int32_t i = table.columnCount() - 1; i >= 0; --i)
        table.freeColumn(i);
    table.setRowCount(rows);
    for (std::int32_t i = 0; i < columns; ++i)
        table.appendColumn();
    for (std::int32_t i = 0; i < columns; ++i)
        table.column(i).readOnly = readOnly;
}

void newData(WindowState& state) {
    const std::int32_t n = readInteger(state.nodeCountText);
    checkNodeCount(n);

    // A negative count gives no columns: the header of column 0 then fails.
    const std::int32_t columns = n < 0 ? 0 : n + 1;
    Prepara_Griglia(n, columns, state.od, false);
    Prepara_Griglia(n, columns, state.probabilities, false);

    state.od.column(0).header = "O/D";
    state.probabilities.column(0).header = "O/D";
    for (std::int32_t j = 1; j <= n; ++j) {
        state.od.column(j).header = integerText(j);
        state.od.column(j).width = 40;
        state.probabilities.column(j).header = integerText(j);
        state.probabilities.column(j).width = 40;
    }
    state.od.column(0).width = 40;
    state.probabilities.column(0).width = 40;

    state.flows.setRowCount(n);
    for (std::int32_t i = 0; i < n; ++i) {
        std::string number = integerText(i + 1);
        state.flows.setCell(0, i, number);
        state.od.setCell(0, i, number);
        state.probabilities.setCell(0, i, std::move(number));
    }
}

} // namespace velmora
