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

    // The readings of whole numbers just written into every cell of the
    // block as plain decimal texts, row by row: those within 32 bits read as
    // themselves, the others fail where they are read, as their texts do.
    IntegerCells(const Table& table, std::int32_t rows, const std::vector<std::int64_t>& written);

    // The reading of cell (column, row); a cell outside the block reads as
    // empty text and so fails.
    std::int32_t at(std::int32_t column, std::int32_t row) const;

    std::int32_t lastColumn() const { return columns_; }
    std::int32_t rows() const { return rows_; }

    // The readings of columns 1 to lastColumn() of the row, for a block
    // whose cells are all valid.
    const std::int32_t* rowValues(std::int32_t row) const {
        return values_.data() + static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_);
    }

    // True when every cell of the block holds an integer, so that no reading
    // can fail and the cells may be visited in any order.
    bool allValid() const { return invalid_ == 0; }

private:
    const Table& table_;
    std::int32_t columns_;
    std::int32_t rows_;
    std::vector<std::int32_t> values_;
    std::vector<bool> valid_;
    std::size_t invalid_ = 0;
};

} // namespace velmora
