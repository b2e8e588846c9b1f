#include "table_model.h"

#include <algorithm>

TableModel::TableModel(velmora::Table& table, QObject* parent) : QAbstractTableModel(parent), table_(table) {}

int TableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.rowCount();
}

int TableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.columnCount();
}

QVariant TableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return QString::fromStdString(table_.cell(index.column(), index.row()));
}

bool TableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::EditRole)
        return false;
    if (table_.column(index.column()).readOnly)
        return false;
    table_.setCell(index.column(), index.row(), value.toString().toStdString());
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags TableModel::flags(const QModelIndex& index) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return table_.column(index.column()).readOnly ? flags : flags | Qt::ItemIsEditable;
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= table_.columnCount())
        return {};
    return QString::fromStdString(table_.column(section).header);
}

void TableModel::moveColumnInTable(int from, int to) {
    if (from == to || from < 0 || to < 0 || from >= table_.columnCount() || to >= table_.columnCount())
        return;
    // Qt counts the destination before the move, one past `to` when moving right.
    beginMoveColumns({}, from, from, {}, to > from ? to + 1 : to);
    table_.moveColumn(from, to);
    endMoveColumns();
}

void TableModel::setCells(const std::vector<velmora::CellText>& cells) {
    int top = rowCount(), bottom = -1, left = columnCount(), right = -1;
    for (const velmora::CellText& cell : cells) {
        if (table_.column(cell.column).readOnly)
            continue;
        table_.setCell(cell.column, cell.row, cell.text);
        top = std::min(top, cell.row);
        bottom = std::max(bottom, cell.row);
        left = std::min(left, cell.column);
        right = std::max(right, cell.column);
    }
    if (bottom >= 0)
        emit dataChanged(index(top, left), index(bottom, right), {Qt::DisplayRole, Qt::EditRole});
}

void TableModel::reload() {
    beginResetModel();
    endResetModel();
}
