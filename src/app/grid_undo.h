// The undo history of one grid for the user's own writes: a paste, a
// delete, a typed cell. Each step keeps the texts that the write replaced.
// Commands rebuild or rewrite the table behind the grid and are not
// undoable; the model's reset that shows their result empties the history,
// so an undo never brings back texts from before a command. A column move
// empties it too, since the steps address columns by position.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include <QObject>

#include "tables/text_block.h"

class TableModel;

class GridUndo : public QObject {
    Q_OBJECT
public:
    static constexpr std::size_t depth = 20;

    GridUndo(TableModel* model, QObject* parent);

    // Writes the cells through the model as one step. Cells of read-only
    // columns are left as they are; returns how many cells the table took.
    std::int64_t write(std::vector<velmora::CellText> cells);

    // A step for texts already written elsewhere (a cell editor): `previous`
    // holds what the cells held before.
    void record(std::vector<velmora::CellText> previous);

    bool canUndo() const { return !steps_.empty(); }

    // Puts back the texts of the newest step; false when there is none.
    bool undo();

    void clear();

signals:
    void changed();

private:
    void push(std::vector<velmora::CellText> previous);

    TableModel* model_;
    std::deque<std::vector<velmora::CellText>> steps_;
};
