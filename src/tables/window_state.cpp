#include "tables/window_state.h"

namespace velmora {

WindowState::WindowState() {
    for (const char* header : {"Node", "Q.in", "Q.out", "Q.cir"}) {
        flows.appendColumn();
        Column& column = flows.column(flows.columnCount() - 1);
        column.header = header;
        column.width = 40;
    }
}

} // namespace velmora
