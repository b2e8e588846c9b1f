#include "analysis/entry_flows.h"

#include "rtl/integer_reading.h"
#include "rtl/number_text.h"
#include "tables/window_state.h"

namespace velmora {

namespace {

// Each flow is a 32-bit reading, so the balance always fits in 64 bits; a
// result beyond 32 bits is written as it is rather than wrapped into a
// wrong flow (its later integer reading then fails with its own text).
void writeEntering(Table& flows, std::int32_t nextRow, std::int32_t row) {
    const std::int64_t exitingNext = readInteger(flows.cell(flowColumn::exiting, nextRow));
    const std::int64_t circulatingNext = readInteger(flows.cell(flowColumn::circulating, nextRow));
    const std::int64_t circulating = readInteger(flows.cell(flowColumn::circulating, row));
    flows.setCell(flowColumn::entering, row, integerText(exitingNext + circulatingNext - circulating));
}

} // namespace

void entryFlows(Table& flows, std::int32_t n) {
    for (std::int32_t node = 1; node <= n - 1; ++node)
        writeEntering(flows, node, node - 1);
    writeEntering(flows, 0, n - 1);
}

} // namespace velmora
