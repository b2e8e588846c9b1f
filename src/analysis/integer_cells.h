// The integer readings of an O/D block, each cell read once. A step that
// reads the same cell several times asks this instead of the table; a cell
// that fails its reading fails where the step reads it, with its own text.
#pragma once

#include <cstdint>
#include <vector>

#include "tables/table.h"

namespace velmora {

class IntegerCells {
public:
    // Columns 1 to the table's last column, rows 0 to rows - 1.
    IntegerCells(const Table& table, std::int32_t rows);

    // The reading of cell (column, row); a cell outside the block reads as
    // empty text and so fails.
    std::int32_t at(std::int32_t column, std::int32_t row) const;

    std::int32_t lastColumn() const { return columns_; }

private:
    const Table& table_;
    std::int32_t columns_;
    std::int32_t rows_;
    std::vector<std::int32_t> values_;
    std::vector<bool> valid_;
};

} // namespace velmora
