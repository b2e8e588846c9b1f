// A grid of the main window over one core table: header row, alternating
// rows, grid lines, row selection, editing of every cell, column resize and
// column move. A moved column moves in the table itself; the header then
// shows the columns in the table's order again. Cells are exchanged with
// spreadsheets through the clipboard (copy, paste), emptied with Delete and
// put back with undo; Enter and Tab move as in a spreadsheet.
#pragma once

#include <QKeySequence>
#include <QTableView>

#include "tables/table.h"

class GridUndo;
class QAction;
class TableModel;

class TableGrid : public QTableView {
    Q_OBJECT
public:
    TableGrid(velmora::Table& table, QWidget* parent);

    using QTableView::edit;

    TableModel* tableModel() const { return model_; }

    bool isEditing() const { return state() == QAbstractItemView::EditingState; }

    // Writes the text of a cell editor that is still open into the table
    // and closes the editor; a command must see what the user just typed.
    void commitOpenEditor();

    // Shows the table again after a command changed it behind the grid.
    void reload();

    // The context menu's and the keys' actions, also callable directly.
    void copySelection();
    void pasteClipboard();
    void deleteSelection();
    void undo();

    GridUndo* undoHistory() const { return undo_; }

signals:
    // A quiet notice for the user after a paste that could not write every
    // cell; the grid shows it as a tooltip at the current cell.
    void notice(const QString& text);

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setUpSpreadsheetEditing();
    QAction* addGridAction(const QString& text, const QKeySequence& keys, void (TableGrid::*slot)());
    void selectColumnCells(int column);
    void moveCurrentDown();
    void showNotice(const QString& text);

    void columnDragged(int logical, int oldVisual, int newVisual);
    void columnResized(int logical, int oldSize, int newSize);
    void showTableOrderAndWidths();

    TableModel* model_;
    GridUndo* undo_ = nullptr;
    QAction* undoAction_ = nullptr;
    QPersistentModelIndex edited_; // the cell of the open editor
    bool arranging_ = false;
};
