#include "table_grid.h"

#include <QHeaderView>

#include "table_model.h"

TableGrid::TableGrid(velmora::Table& table, QWidget* parent) : QTableView(parent), model_(new TableModel(table, this)) {
    setModel(model_);
    setAlternatingRowColors(true);
    QPalette rows = palette();
    rows.setColor(QPalette::AlternateBase, QColor(0xEC, 0xEF, 0xF3));
    setPalette(rows);
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // Clicks select whole rows; Shift and Ctrl extend the selection over
    // several rows, so a matrix can go to a spreadsheet in one copy.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(true);
    setFocusPolicy(Qt::StrongFocus);
    // Cell texts are numbers: one line each, clipped rather than wrapped
    // at a decimal comma when a column is narrow.
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(22);

    QHeaderView* header = horizontalHeader();
    header->setSectionsMovable(true);
    header->setSectionsClickable(true);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setMinimumSectionSize(10);
    header->setHighlightSections(false);
    connect(header, &QHeaderView::sectionMoved, this, &TableGrid::columnDragged);
    connect(header, &QHeaderView::sectionResized, this, &TableGrid::columnResized);
    showTableOrderAndWidths();
    setUpSpreadsheetEditing();
}

void TableGrid::commitOpenEditor() {
    if (!isEditing())
        return;
    QWidget* editor = indexWidget(currentIndex());
    if (editor == nullptr)
        return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void TableGrid::reload() {
    model_->reload();
    showTableOrderAndWidths();
}

void TableGrid::columnDragged(int, int oldVisual, int newVisual) {
    if (arranging_)
        return;
    model_->moveColumnInTable(oldVisual, newVisual);
    showTableOrderAndWidths();
}

void TableGrid::columnResized(int logical, int, int newSize) {
    velmora::Table& table = model_->table();
    if (arranging_ || logical < 0 || logical >= table.columnCount())
        return;
    table.column(logical).width = newSize;
}

// Column i of the table stands at position i on screen, as wide as the
// table says.
void TableGrid::showTableOrderAndWidths() {
    arranging_ = true;
    QHeaderView* header = horizontalHeader();
    const velmora::Table& table = model_->table();
    for (int column = 0; column < table.columnCount(); ++column) {
        if (header->visualIndex(column) != column)
            header->moveSection(header->visualIndex(column), column);
        header->resizeSection(column, table.column(column).width);
    }
    arranging_ = false;
}
