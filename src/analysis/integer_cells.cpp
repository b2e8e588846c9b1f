#include "analysis/integer_cells.h"

#include <algorithm>
#include <cstdint>

#include "rtl/integer_reading.h"

namespace velmora {

IntegerCells::IntegerCells(const Table& table, std::int32_t rows)
    : table_(table), columns_(table.columnCount() - 1), rows_(rows) {
    if (columns_ < 0)
        columns_ = 0;
    const auto size = static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_);
    values_.resize(size);
    valid_.resize(size);
    std::size_t k = 0;
    for (std::int32_t row = 0; row < rows_; ++row)
        for (std::int32_t column = 1; column <= columns_; ++column, ++k)
            if (auto value = tryReadInteger(table.cell(column, row))) {
                values_[k] = *value;
                valid_[k] = true;
            } else {
                ++invalid_;
            }
}

IntegerCells::IntegerCells(const Table& table, std::int32_t rows, const std::vector<std::int64_t>& written)
    : table_(table), columns_(std::max(table.columnCount() - 1, 0)), rows_(rows) {
    values_.resize(written.size());
    valid_.resize(written.size());
    for (std::size_t k = 0; k < written.size(); ++k)
        if (written[k] >= INT32_MIN && written[k] <= INT32_MAX) {
            values_[k] = static_cast<std::int32_t>(written[k]);
            valid_[k] = true;
        } else {
            ++invalid_;
        }
}

std::int32_t IntegerCells::at(std::int32_t column, std::int32_t row) const {
    if (column >= 1 && column <= columns_ && row >= 0 && row < rows_) {
        auto k =
            static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(column - 1);
        if (valid_[k])
            return values_[k];
    }
    return readInteger(table_.cell(column, row)); // fails with the cell's text
}

} // namespace velmora
