#include "grid_clipboard.h"

#include <algorithm>
#include <set>

#include "grid_undo.h"
#include "table_model.h"
#include "tables/text_block.h"

namespace {

std::vector<velmora::CellPosition> positions(const QItemSelection& selection) {
    std::set<std::pair<int, int>> cells; // (row, column): top to bottom, each cell once
    for (const QItemSelectionRange& range : selection)
        for (int row = range.top(); row <= range.bottom(); ++row)
            for (int column = range.left(); column <= range.right(); ++column)
                cells.insert({row, column});
    std::vector<velmora::CellPosition> result;
    result.reserve(cells.size());
    for (const auto& [row, column] : cells)
        result.push_back({column, row});
    return result;
}

} // namespace

QString selectedText(const TableModel& model, const QItemSelection& selection) {
    std::set<std::int32_t> rows;
    int left = model.columnCount(), right = -1;
    for (const QItemSelectionRange& range : selection) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.insert(row);
        left = std::min(left, range.left());
        right = std::max(right, range.right());
    }
    if (rows.empty())
        return {};
    return QString::fromStdString(velmora::blockText(model.table(), {rows.begin(), rows.end()}, left, right));
}

QString pasteText(GridUndo& undo, const TableModel& model, const QModelIndex& start, const QString& text) {
    const velmora::TextBlock block = velmora::parseTextBlock(text.toStdString());
    // Without a current cell (a table without rows or columns) nothing fits.
    const int column = start.isValid() ? start.column() : 0;
    const int row = start.isValid() ? start.row() : 0;
    const int columns = start.isValid() ? model.columnCount() : 0;
    velmora::PastePlan plan = velmora::planPaste(block, column, row, columns, model.rowCount());
    const auto inside = static_cast<std::int64_t>(plan.inside.size());
    const std::int64_t written = undo.write(std::move(plan.inside));

    QStringList notice;
    if (plan.outside > 0)
        notice << QStringLiteral("%1 of %2 pasted cells fell outside the table and were left out.")
                      .arg(plan.outside)
                      .arg(inside + plan.outside);
    if (written < inside)
        notice << QStringLiteral("%1 cells of read-only columns kept their texts.").arg(inside - written);
    return notice.join(QLatin1Char(' '));
}

void deleteSelected(GridUndo& undo, const QItemSelection& selection) {
    undo.write(velmora::cellsToClear(positions(selection)));
}
