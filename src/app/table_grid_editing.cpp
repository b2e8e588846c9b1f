// The grid as a spreadsheet: clipboard, Delete, undo, and the moves of
// Enter and Tab.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QToolTip>

#include "grid_clipboard.h"
#include "grid_undo.h"
#include "table_grid.h"
#include "table_model.h"

void TableGrid::setUpSpreadsheetEditing() {
    undo_ = new GridUndo(model_, this);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    addGridAction(QStringLiteral("Copy"), QKeySequence::Copy, &TableGrid::copySelection);
    addGridAction(QStringLiteral("Paste"), QKeySequence::Paste, &TableGrid::pasteClipboard);
    addGridAction(QStringLiteral("Delete"), QKeySequence::Delete, &TableGrid::deleteSelection);
    undoAction_ = addGridAction(QStringLiteral("Undo"), QKeySequence::Undo, &TableGrid::undo);
    undoAction_->setEnabled(false);
    connect(undo_, &GridUndo::changed, this, [this] { undoAction_->setEnabled(undo_->canUndo()); });
    connect(this, &TableGrid::notice, this, &TableGrid::showNotice);
    // A click on a header selects that column alone: the one way to select
    // the node column on its own while clicks on cells select whole rows.
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &TableGrid::selectColumnCells);
}

// The keys act on the grid itself only: in an open cell editor Ctrl+C,
// Ctrl+V, Delete and Ctrl+Z stay the editor's own.
QAction* TableGrid::addGridAction(const QString& text, const QKeySequence& keys, void (TableGrid::*slot)()) {
    auto* action = new QAction(text, this);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetShortcut);
    connect(action, &QAction::triggered, this, slot);
    addAction(action);
    return action;
}

void TableGrid::copySelection() {
    const QString text = selectedText(*model_, selectionModel()->selection());
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

void TableGrid::pasteClipboard() {
    const QString text = QApplication::clipboard()->text();
    if (text.isEmpty())
        return;
    const QString message = pasteText(*undo_, *model_, currentIndex(), text);
    if (!message.isEmpty())
        emit notice(message);
}

void TableGrid::deleteSelection() {
    deleteSelected(*undo_, selectionModel()->selection());
}

void TableGrid::undo() {
    undo_->undo();
}

bool TableGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    const bool handled = QTableView::edit(index, trigger, event);
    if (handled && isEditing())
        edited_ = index;
    return handled;
}

// A typed text is an undo step of its own.
void TableGrid::commitData(QWidget* editor) {
    const QModelIndex index = edited_;
    if (!index.isValid()) {
        QTableView::commitData(editor);
        return;
    }
    const velmora::Table& table = model_->table();
    std::string before = table.cell(index.column(), index.row());
    QTableView::commitData(editor);
    if (table.cell(index.column(), index.row()) != before)
        undo_->record({{index.column(), index.row(), std::move(before)}});
}

// The cell editor ends an edit with Enter as SubmitModelCache and with Tab
// as EditNextItem. As in a spreadsheet, Enter goes to the cell below and Tab
// to the next one, without opening an editor there. An editor closed because
// the user clicked another cell leaves the current cell where the click put
// it.
void TableGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    using Hint = QAbstractItemDelegate::EndEditHint;
    const bool stillCurrent = edited_.isValid() && edited_ == currentIndex();
    edited_ = QPersistentModelIndex();
    const bool moves = hint == Hint::SubmitModelCache || hint == Hint::EditNextItem || hint == Hint::EditPreviousItem;
    QTableView::closeEditor(editor, moves ? Hint::NoHint : hint);
    if (!stillCurrent)
        return;
    if (hint == Hint::SubmitModelCache)
        moveCurrentDown();
    else if (hint == Hint::EditNextItem)
        setCurrentIndex(moveCursor(MoveNext, Qt::NoModifier));
    else if (hint == Hint::EditPreviousItem)
        setCurrentIndex(moveCursor(MovePrevious, Qt::NoModifier));
}

// The item view would take Ctrl+C for itself and copy the current cell
// alone; the grid's own keys come first.
void TableGrid::keyPressEvent(QKeyEvent* event) {
    const std::pair<QKeySequence::StandardKey, void (TableGrid::*)()> keys[] = {
        {QKeySequence::Copy, &TableGrid::copySelection},
        {QKeySequence::Paste, &TableGrid::pasteClipboard},
        {QKeySequence::Delete, &TableGrid::deleteSelection},
        {QKeySequence::Undo, &TableGrid::undo},
    };
    if (!isEditing()) {
        for (const auto& [key, action] : keys) {
            if (event->matches(key)) {
                (this->*action)();
                event->accept();
                return;
            }
        }
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !isEditing() && event->modifiers() == Qt::NoModifier) {
        moveCurrentDown();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void TableGrid::moveCurrentDown() {
    const QModelIndex index = currentIndex();
    if (index.isValid() && index.row() + 1 < model_->rowCount())
        setCurrentIndex(model_->index(index.row() + 1, index.column()));
}

void TableGrid::selectColumnCells(int column) {
    const int rows = model_->rowCount();
    if (column < 0 || column >= model_->columnCount() || rows == 0)
        return;
    selectionModel()->setCurrentIndex(model_->index(0, column), QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(model_->index(0, column), model_->index(rows - 1, column)),
                             QItemSelectionModel::ClearAndSelect);
}

void TableGrid::showNotice(const QString& text) {
    const QRect cell = visualRect(currentIndex());
    const QPoint at = cell.isValid() ? cell.bottomLeft() : QPoint(0, 0);
    QToolTip::showText(viewport()->mapToGlobal(at), text, viewport(), {}, 6000);
}
