// The three grids below the command bar: flow table, O/D table and
// probability table, with a splitter between each pair.
#include "tmenugen.h"

#include <QSplitter>

#include "table_grid.h"

namespace {

constexpr int splitterWidth = 5;
constexpr int splitterMinimum = 20;

TableGrid* addGrid(QSplitter* splitter, velmora::Table& table, const char* name) {
    auto* grid = new TableGrid(table, splitter);
    grid->setObjectName(name);
    grid->setMinimumWidth(splitterMinimum);
    splitter->addWidget(grid);
    return grid;
}

} // namespace

// Only the O/D table stretches: resizing the window keeps the widths of the
// flow and probability tables, which the user sets with the splitters.
void TMenuGEN::buildGrids() {
    tableSplitter = new QSplitter(Qt::Horizontal, this);
    tableSplitter->setObjectName("tableSplitter");
    tableSplitter->setHandleWidth(splitterWidth);
    tableSplitter->setChildrenCollapsible(false);
    tableSplitter->setOpaqueResize(true);

    Flussi_QeQuQc_TXT = addGrid(tableSplitter, state_.flows, "Flussi_QeQuQc_TXT");
    MatriceOD_TXT = addGrid(tableSplitter, state_.od, "MatriceOD_TXT");
    Probabilita_TXT = addGrid(tableSplitter, state_.probabilities, "Probabilita_TXT");
    tableSplitter->setStretchFactor(0, 0);
    tableSplitter->setStretchFactor(1, 1);
    tableSplitter->setStretchFactor(2, 0);
    tableSplitter->setSizes({185, 285, 280});

    Splitter1 = tableSplitter->handle(1);
    Splitter1->setObjectName("Splitter1");
    Splitter2 = tableSplitter->handle(2);
    Splitter2->setObjectName("Splitter2");
}
