#include "tables/table.h"

#include <algorithm>

#include "rtl/failure.h"
#include "rtl/messages.h"

namespace velmora {

namespace {
const std::string noText;
} // namespace

const Table::Row* Table::findRow(std::int32_t row) const {
    if (static_cast<std::size_t>(row) < dense_.size())
        return &dense_[static_cast<std::size_t>(row)];
    if (sparse_.empty())
        return nullptr;
    auto it = sparse_.find(row);
    return it == sparse_.end() ? nullptr : &it->second;
}

Table::Row* Table::rowFor(std::int32_t row) {
    auto index = static_cast<std::size_t>(row);
    if (index < dense_.size())
        return &dense_[index];
    // Grow the dense part only while it stays at most about twice the rows
    // actually written; far-off rows go to the sparse tail.
    if (index <= 2 * dense_.size() + 64) {
        dense_.resize(index + 1);
        while (!sparse_.empty() && static_cast<std::size_t>(sparse_.begin()->first) < dense_.size()) {
            dense_[static_cast<std::size_t>(sparse_.begin()->first)] = std::move(sparse_.begin()->second);
            sparse_.erase(sparse_.begin());
        }
        return &dense_[index];
    }
    return &sparse_[row];
}

const std::string& Table::cell(std::int64_t column, std::int64_t row) const {
    if (column < 0 || column >= columnCount() || row < 0 || row >= rows_)
        return noText;
    const Row* texts = findRow(static_cast<std::int32_t>(row));
    const auto slot = static_cast<std::size_t>(slot_[static_cast<std::size_t>(column)]);
    return texts && slot < texts->size() ? (*texts)[slot] : noText;
}

void Table::setCell(std::int64_t column, std::int64_t row, std::string text) {
    checkColumn(column);
    if (row < 0 || row >= rows_)
        throw Failure(messages::rowOutOfBounds(row));
    const auto slot = static_cast<std::size_t>(slot_[static_cast<std::size_t>(column)]);
    if (text.empty()) {
        // Erasing creates nothing.
        if (const Row* existing = findRow(static_cast<std::int32_t>(row)); !existing || slot >= existing->size())
            return;
    }
    Row& texts = *rowFor(static_cast<std::int32_t>(row));
    if (slot >= texts.size())
        texts.resize(static_cast<std::size_t>(slotCount_));
    texts[slot] = std::move(text);
}

void Table::setRowCount(std::int32_t count) {
    if (count < 0 || count == rows_)
        return;
    if (count < rows_) {
        if (static_cast<std::size_t>(count) < dense_.size())
            dense_.resize(static_cast<std::size_t>(count));
        sparse_.erase(sparse_.lower_bound(count), sparse_.end());
    }
    rows_ = count;
}

void Table::checkColumn(std::int64_t index) const {
    if (index < 0 || index >= columnCount())
        throw Failure(messages::columnOutOfBounds(index));
}

Column& Table::column(std::int64_t index) {
    checkColumn(index);
    return columns_[static_cast<std::size_t>(index)];
}

const Column& Table::column(std::int64_t index) const {
    checkColumn(index);
    return columns_[static_cast<std::size_t>(index)];
}

void Table::appendColumn() {
    // Packing waits for a new column, so that freeing every column one by
    // one, as New data does, never packs.
    if (static_cast<std::size_t>(slotCount_) > 2 * columns_.size() + 64)
        packSlots();
    columns_.emplace_back();
    slot_.push_back(slotCount_++);
}

void Table::freeColumn(std::int64_t index) {
    checkColumn(index);
    columns_.erase(columns_.begin() + static_cast<std::ptrdiff_t>(index));
    slot_.erase(slot_.begin() + static_cast<std::ptrdiff_t>(index));
    if (columns_.empty()) {
        dense_.clear();
        sparse_.clear();
        slotCount_ = 0;
    }
}

// Keeps only the slots of the remaining columns, in column order.
void Table::packSlots() {
    const auto pack = [&](Row& texts) {
        Row packed(columns_.size());
        for (std::size_t c = 0; c < columns_.size(); ++c)
            if (const auto slot = static_cast<std::size_t>(slot_[c]); slot < texts.size())
                packed[c] = std::move(texts[slot]);
        texts = std::move(packed);
    };
    for (Row& texts : dense_)
        pack(texts);
    for (auto& [row, texts] : sparse_)
        pack(texts);
    for (std::size_t c = 0; c < slot_.size(); ++c)
        slot_[c] = static_cast<std::int32_t>(c);
    slotCount_ = static_cast<std::int32_t>(columns_.size());
}

void Table::moveColumn(std::int32_t from, std::int32_t to) {
    checkColumn(from);
    checkColumn(to);
    const auto rotate = [&](auto& items) {
        auto first = items.begin();
        if (from < to)
            std::rotate(first + from, first + from + 1, first + to + 1);
        else if (to < from)
            std::rotate(first + to, first + from, first + from + 1);
    };
    rotate(columns_);
    rotate(slot_);
}

} // namespace velmora
