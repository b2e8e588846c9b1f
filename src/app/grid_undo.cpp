#include "grid_undo.h"

#include "table_model.h"

GridUndo::GridUndo(TableModel* model, QObject* parent) : QObject(parent), model_(model) {
    connect(model_, &QAbstractItemModel::modelReset, this, &GridUndo::clear);
    connect(model_, &QAbstractItemModel::columnsMoved, this, &GridUndo::clear);
}

std::int64_t GridUndo::write(std::vector<velmora::CellText> cells) {
    const velmora::Table& table = model_->table();
    std::erase_if(cells, [&](const velmora::CellText& cell) { return table.column(cell.column).readOnly; });
    std::vector<velmora::CellText> previous;
    previous.reserve(cells.size());
    bool changes = false;
    for (const velmora::CellText& cell : cells) {
        previous.push_back({cell.column, cell.row, table.cell(cell.column, cell.row)});
        changes = changes || previous.back().text != cell.text;
    }
    // A Delete on empty cells or a paste of the same texts is no step to undo.
    if (changes) {
        model_->setCells(cells);
        push(std::move(previous));
    }
    return static_cast<std::int64_t>(cells.size());
}

void GridUndo::record(std::vector<velmora::CellText> previous) {
    if (!previous.empty())
        push(std::move(previous));
}

bool GridUndo::undo() {
    if (steps_.empty())
        return false;
    std::vector<velmora::CellText> step = std::move(steps_.back());
    steps_.pop_back();
    model_->setCells(step);
    emit changed();
    return true;
}

void GridUndo::clear() {
    if (steps_.empty())
        return;
    steps_.clear();
    emit changed();
}

void GridUndo::push(std::vector<velmora::CellText> previous) {
    steps_.push_back(std::move(previous));
    if (steps_.size() > depth)
        steps_.pop_front();
    emit changed();
}
