// Blocks of cell texts as spreadsheets exchange them on the clipboard:
// tab-separated fields, one line per row. Copy, paste and delete of the
// grids are planned here, so the rules hold without any widget.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tables/table.h"

namespace velmora {

// Rows of fields, top to bottom; rows may differ in length.
using TextBlock = std::vector<std::vector<std::string>>;

struct CellPosition {
    std::int32_t column = 0;
    std::int32_t row = 0;
};

struct CellText {
    std::int32_t column = 0;
    std::int32_t row = 0;
    std::string text;

    bool operator==(const CellText&) const = default;
};

// Lines end with CR LF, LF or CR; the line break after the last row, which
// LibreOffice Calc and Excel always add, makes no row of its own. Fields are
// kept byte for byte, spaces included. A field that opens with a double quote
// and closes with one before its tab or line end is unquoted ("" inside is
// one quote): that is how a spreadsheet sends a cell holding a tab or a line
// break. Any other quote is an ordinary character.
TextBlock parseTextBlock(std::string_view text);

// The texts of `rows` (in the order given), columns first to last, as the
// spreadsheets want them: a tab between fields and CR LF after every row. A
// text that holds a tab, a line break or starts with a quote goes quoted.
std::string blockText(const Table& table, const std::vector<std::int32_t>& rows, std::int32_t firstColumn,
                      std::int32_t lastColumn);

// A block placed with its top-left field at (column, row) of a table of
// columnCount × rowCount cells: the cells that land inside, row by row, and
// how many fields fell beyond the right or the bottom edge.
struct PastePlan {
    std::vector<CellText> inside;
    std::int64_t outside = 0;
};
PastePlan planPaste(const TextBlock& block, std::int32_t column, std::int32_t row, std::int32_t columnCount,
                    std::int32_t rowCount);

// The cells that the Delete key empties among the selected ones. Column 0
// holds the node numbers that every command relies on, so it is emptied only
// when the selection holds nothing else; otherwise only the cells of the
// columns after it are.
std::vector<CellText> cellsToClear(const std::vector<CellPosition>& selected);

} // namespace velmora
