#include "tables/table.h"

#include <algorithm>

#include "rtl/failure.h"
#include "rtl/messages.h"

namespace velmora {

namespace {
const std::string noText;
} // namespace

const std::string* Table::Cells::find(std::int32_t row) const {
    if (static_cast<std::size_t>(row) < dense.size())
        return &dense[static_cast<std::size_t>(row)];
    if (sparse.empty())
        return nullptr;
    auto it = sparse.find(row);
    return it == sparse.end() ? nullptr : &it->second;
}

void Table::Cells::store(std::int32_t row, std::string text) {
    auto index = static_cast<std::size_t>(row);
    if (index < dense.size()) {
        dense[index] = std::move(text);
        return;
    }
    if (text.empty()) {
        sparse.erase(row);
        return;
    }
    // Grow the dense part only while it stays at most about twice the rows
    // actually written; far-off rows go to the sparse tail.
    if (index <= 2 * dense.size() + 64) {
        dense.resize(index + 1);
        dense[index] = std::move(text);
        while (!sparse.empty() && static_cast<std::size_t>(sparse.begin()->first) < dense.size()) {
            dense[static_cast<std::size_t>(sparse.begin()->first)] = std::move(sparse.begin()->second);
            sparse.erase(sparse.begin());
        }
        return;
    }
    sparse[row] = std::move(text);
}

void Table::Cells::dropFrom(std::int32_t row) {
    if (static_cast<std::size_t>(row) < dense.size())
        dense.resize(static_cast<std::size_t>(row));
    sparse.erase(sparse.lower_bound(row), sparse.end());
}

const std::string& Table::cell(std::int64_t column, std::int64_t row) const {
    if (column < 0 || column >= columnCount() || row < 0 || row >= rows_)
        return noText;
    const std::string* text = columns_[static_cast<std::size_t>(column)].cells.find(static_cast<std::int32_t>(row));
    return text ? *text : noText;
}

void Table::setCell(std::int64_t column, std::int64_t row, std::string text) {
    checkColumn(column);
    if (row < 0 || row >= rows_)
        throw Failure(messages::rowOutOfBounds(row));
    columns_[static_cast<std::size_t>(column)].cells.store(static_cast<std::int32_t>(row), std::move(text));
}

void Table::setRowCount(std::int32_t count) {
    if (count < 0 || count == rows_)
        return;
    if (count < rows_)
        for (Slot& slot : columns_)
            slot.cells.dropFrom(count);
    rows_ = count;
}

void Table::checkColumn(std::int64_t index) const {
    if (index < 0 || index >= columnCount())
        throw Failure(messages::columnOutOfBounds(index));
}

Column& Table::column(std::int64_t index) {
    checkColumn(index);
    return columns_[static_cast<std::size_t>(index)].column;
}

const Column& Table::column(std::int64_t index) const {
    checkColumn(index);
    return columns_[static_cast<std::size_t>(index)].column;
}

void Table::appendColumn() {
    columns_.emplace_back();
}

void Table::freeColumn(std::int64_t index) {
    checkColumn(index);
    columns_.erase(columns_.begin() + static_cast<std::ptrdiff_t>(index));
}

void Table::moveColumn(std::int32_t from, std::int32_t to) {
    checkColumn(from);
    checkColumn(to);
    auto first = columns_.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else if (to < from)
        std::rotate(first + to, first + from, first + from + 1);
}

} // namespace velmora
