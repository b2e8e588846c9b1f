// The Process command's steps written the plain way, cell by cell in the
// order they are stated: every cell is read from its table where a step
// needs it, every operation is checked as it happens. Slow (the flows mode
// reads the O/D table once per node), kept only to compare the real steps
// against.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "rtl/format_settings.h"
#include "tables/table.h"
#include "tables/window_state.h"

namespace velmora::literal {

// Q.in and Q.out node by node, Q.cir by the counting rule, then the row
// probabilities.
void flowsFromOD(const Table& od, Table& flows, std::int32_t n);
void rowProbabilities(const Table& od, Table& probabilities, std::int32_t n, const FormatSettings& settings);

// The four passes, every trip's product multiplied out from 1.
void probabilityStep(const Table& flows, Table& probabilities, Table& od, std::int32_t n,
                     const FormatSettings& settings);

// The balancing with its own previous matrix and every operation checked.
std::string fratarStep(const Table& flows, Table& od, Table& probabilities, const std::string& limitText,
                       std::int32_t n, const FormatSettings& settings);

// The whole command by the steps above (the entry-flow step is the real
// one, which reads each flow cell once already).
std::optional<std::string> process(WindowState& state);

} // namespace velmora::literal
