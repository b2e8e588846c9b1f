// The item model of one grid: rows and columns of a core table, read and
// written in place. The table stays the only store of the texts.
#pragma once

#include <QAbstractTableModel>

#include <vector>

#include "tables/table.h"
#include "tables/text_block.h"

class TableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TableModel(velmora::Table& table, QObject* parent);

    velmora::Table& table() const { return table_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The user's drag of a column header: the column moves with its texts
    // in the table, so every command finds it at its new position.
    void moveColumnInTable(int from, int to);

    // Writes many cells at once (a paste, a delete, an undo) through the
    // table's cell write and tells the views once. Read-only columns keep
    // their texts.
    void setCells(const std::vector<velmora::CellText>& cells);

    // After a command has rebuilt or rewritten the table behind the model.
    void reload();

private:
    velmora::Table& table_;
};
