// Everything a command reads or writes: the three tables, the texts of the
// node-count and iteration-limit edit boxes and the selected mode. Nothing
// else survives from one command to the next.
#pragma once

#include <string>

#include "tables/modes.h"
#include "tables/table.h"

namespace velmora {

struct WindowState {
    WindowState();

    Table flows;                            // Flussi_QeQuQc_TXT: Node, Q.in, Q.out, Q.cir
    Table od;                               // MatriceOD_TXT: origin rows, destination columns
    Table probabilities;                    // Probabilita_TXT: laid out as the O/D table
    std::string nodeCountText = "4";        // Numero_nodi_TXT
    std::string iterationLimitText = "200"; // iterazioni_TXT
    ModeGroup modes;                        // Ricava_QeQuQc_CHK and its two siblings
};

// The flow table's columns, by their designed position.
namespace flowColumn {
inline constexpr int node = 0;
inline constexpr int entering = 1;    // Q.in
inline constexpr int exiting = 2;     // Q.out
inline constexpr int circulating = 3; // Q.cir
} // namespace flowColumn

} // namespace velmora
