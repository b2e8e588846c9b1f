// Copy, paste and delete of one grid, in the form LibreOffice Calc and Excel
// exchange cells: tab-separated text. The rules themselves are the core's
// (tables/text_block.h); this only maps the grid's selection onto them.
#pragma once

#include <QItemSelection>
#include <QString>

class GridUndo;
class TableModel;

// Every row holding a selected cell, top to bottom, from the leftmost to
// the rightmost selected column: whole rows when the user selected rows.
QString selectedText(const TableModel& model, const QItemSelection& selection);

// Writes the block in `text` with its top-left cell at `start`, as one undo
// step. Returns the notice for the user: the cells that fell outside the
// table or met a read-only column; empty when every cell was written.
QString pasteText(GridUndo& undo, const TableModel& model, const QModelIndex& start, const QString& text);

// Empties the selected cells as one undo step, sparing the node column
// unless it alone is selected.
void deleteSelected(GridUndo& undo, const QItemSelection& selection);
