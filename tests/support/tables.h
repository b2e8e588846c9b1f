// Helpers that fill and read tables in tests.
#pragma once

#include <string>
#include <vector>

#include "rtl/failure.h"
#include "tables/table.h"
#include "tables/window_state.h"

namespace velmora::test {

using Rows = std::vector<std::vector<std::string>>;

// Writes rows of texts into columns first, first + 1, ... of the table.
void fill(Table& table, const Rows& rows, int firstColumn = 1);

// The texts of columns first .. last of every row.
Rows texts(const Table& table, int firstColumn, int lastColumn);

// A state after New data with n nodes, the O/D matrix filled from rows.
WindowState stateWithOD(const Rows& od);

// A state after New data with as many nodes as rows of flows, each row
// holding Q.out and Q.cir, the O/D matrix filled from od (fewer rows leave
// cells empty) and the mode selected.
WindowState stateWithFlows(const Rows& flows, const Rows& od, Mode mode);

// Q.out and Q.cir, node by node, of the four-node roundabout whose O/D
// matrix gives Q.in 350, 260, 310 and 290.
inline const Rows fourNodeFlows = {{"270", "340"}, {"300", "390"}, {"450", "200"}, {"190", "320"}};

// Runs the action and returns the failure's message ("" if none).
template <typename Action> std::string failureOf(Action&& action) {
    try {
        action();
    } catch (const Failure& failure) {
        return failure.message();
    }
    return "";
}

} // namespace velmora::test
