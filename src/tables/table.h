// The table: a grid of text cells with columns (header, width, read-only
// flag) and a row count. It is the data store behind every grid of the main
// window; an empty row costs nothing, so any row count is only a number.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace velmora {

struct Column {
    std::string header;
    int width = 100;
    bool readOnly = false;
};

class Table {
public:
    // "" for a cell never written, erased, or outside the table.
    const std::string& cell(std::int64_t column, std::int64_t row) const;

    // Stores the text ("" erases the cell). The column is tested first:
    // "Column index, %d, out of bounds", then "Row index, %d, out of bounds".
    void setCell(std::int64_t column, std::int64_t row, std::string text);

    std::int32_t rowCount() const { return rows_; }

    // A negative count is ignored. Rows from the new count on lose their
    // texts; rows that remain keep theirs.
    void setRowCount(std::int32_t count);

    std::int32_t columnCount() const { return static_cast<std::int32_t>(columns_.size()); }

    // Fails with "Column index, %d, out of bounds" outside the columns.
    Column& column(std::int64_t index);
    const Column& column(std::int64_t index) const;

    // A new text column (header "", width 100, editable) becomes the last.
    void appendColumn();

    // The column leaves with its texts; the columns to its right move one
    // place to the left, with theirs.
    void freeColumn(std::int64_t index);

    // The user's drag of a column header: the column takes its texts to
    // position `to`, the columns in between shift by one.
    void moveColumn(std::int32_t from, std::int32_t to);

private:
    // The texts are kept row by row, since every command walks the tables
    // row by row: row r holds one text per storage slot, and column c keeps
    // its texts in slot slot_[c], so moving a column moves no text. A
    // freed column's slot is not reused (its texts linger unseen) until the
    // slots are packed again or the last column goes.
    using Row = std::vector<std::string>;

    const Row* findRow(std::int32_t row) const;
    Row* rowFor(std::int32_t row);
    void packSlots();
    void checkColumn(std::int64_t index) const;

    std::vector<Column> columns_;
    std::vector<std::int32_t> slot_;
    std::int32_t slotCount_ = 0;
    std::int32_t rows_ = 0;
    // Dense for the rows written from the top, with a sparse tail for
    // far-off rows so that no write allocates per row in between.
    std::vector<Row> dense_;
    std::map<std::int32_t, Row> sparse_;
};

} // namespace velmora
