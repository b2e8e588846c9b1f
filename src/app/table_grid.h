// A grid of the main window over one core table: header row, alternating
// rows, grid lines, row selection, editing of every cell, column resize and
// column move. A moved column moves in the table itself; the header then
// shows the columns in the table's order again.
#pragma once

#include <QTableView>

#include "tables/table.h"

class TableModel;

class TableGrid : public QTableView {
    Q_OBJECT
public:
    TableGrid(velmora::Table& table, QWidget* parent);

    TableModel* tableModel() const { return model_; }

    bool isEditing() const { return state() == QAbstractItemView::EditingState; }

    // Writes the text of a cell editor that is still open into the table
    // and closes the editor; a command must see what the user just typed.
    void commitOpenEditor();

    // Shows the table again after a command changed it behind the grid.
    void reload();

private:
    void columnDragged(int logical, int oldVisual, int newVisual);
    void columnResized(int logical, int oldSize, int newSize);
    void showTableOrderAndWidths();

    TableModel* model_;
    bool arranging_ = false;
};
