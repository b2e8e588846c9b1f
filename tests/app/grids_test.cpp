// The grids over the core's tables: the item model, typing into cells,
// resizing and dragging columns.
#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>

#include "gui_support.h"
#include "support/tables.h"
#include "table_grid.h"
#include "table_model.h"
#include "tables/new_data.h"

using velmora::test::fill;
using velmora::test::Rows;
using velmora::test::texts;

class GridsTest : public QObject {
    Q_OBJECT
private slots:
    void modelFollowsTheTable();
    void typedTextReachesTheTableWhenTheEditorAccepts();
    void openEditorIsCommittedBeforeProcess();
    void draggedColumnMovesInTheTable();
    void columnWidthsComeFromAndGoToTheTable();
};

namespace {

QLineEdit* openEditor(TableGrid* grid, int column, int row) {
    const QModelIndex index = grid->model()->index(row, column);
    grid->setCurrentIndex(index);
    grid->edit(index);
    return qobject_cast<QLineEdit*>(grid->indexWidget(index));
}

QStringList headers(const QAbstractItemModel* model) {
    QStringList result;
    for (int c = 0; c < model->columnCount(); ++c)
        result << model->headerData(c, Qt::Horizontal).toString();
    return result;
}

} // namespace

void GridsTest::modelFollowsTheTable() {
    velmora::WindowState state;
    TableModel model(state.od, nullptr);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

    velmora::newData(state);
    model.reload();
    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(model.columnCount(), 5);
    QCOMPARE(headers(&model), (QStringList{"O/D", "1", "2", "3", "4"}));
    QCOMPARE(model.index(2, 0).data().toString(), QStringLiteral("3"));
    QVERIFY(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);

    QVERIFY(model.setData(model.index(1, 3), QStringLiteral("120"), Qt::EditRole));
    QCOMPARE(state.od.cell(3, 1), "120");
    QVERIFY(model.setData(model.index(1, 3), QString(), Qt::EditRole));
    QCOMPARE(state.od.cell(3, 1), "");

    state.od.column(2).readOnly = true;
    QVERIFY(!(model.flags(model.index(0, 2)) & Qt::ItemIsEditable));
    QVERIFY(!model.setData(model.index(0, 2), QStringLiteral("x"), Qt::EditRole));

    model.moveColumnInTable(4, 1);
    QCOMPARE(headers(&model), (QStringList{"O/D", "4", "1", "2", "3"}));
    model.moveColumnInTable(1, 4);
    QCOMPARE(headers(&model), (QStringList{"O/D", "1", "2", "3", "4"}));
}

void GridsTest::typedTextReachesTheTableWhenTheEditorAccepts() {
    TestWindow t;
    t.window->show();
    click(t.window->Nuovi_Dati_IMG);
    TableGrid* od = t.window->MatriceOD_TXT;

    QLineEdit* editor = openEditor(od, 2, 0);
    QVERIFY(editor);
    QTest::keyClicks(editor, "100");
    QCOMPARE(t.window->state().od.cell(2, 0), ""); // not yet accepted
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(t.window->state().od.cell(2, 0), "100");
    QTRY_VERIFY(!t.window->MatriceOD_TXT->isEditing());

    // Escape leaves the stored text as it was.
    editor = openEditor(od, 2, 0);
    QTest::keyClicks(editor, "7");
    QTest::keyClick(editor, Qt::Key_Escape);
    QTRY_VERIFY(!t.window->MatriceOD_TXT->isEditing());
    QCOMPARE(t.window->state().od.cell(2, 0), "100");
}

void GridsTest::openEditorIsCommittedBeforeProcess() {
    TestWindow t;
    t.window->show();
    click(t.window->Nuovi_Dati_IMG);
    Rows od = fourNodeOD;
    od[3][3] = ""; // typed below, in an editor left open
    fill(t.window->state().od, od);

    QLineEdit* editor = openEditor(t.window->MatriceOD_TXT, 4, 3);
    QVERIFY(editor);
    QTest::keyClicks(editor, "10");
    click(t.window->Analisi_IMG);

    QCOMPARE(t.dialogs->errors, QStringList{});
    QCOMPARE(t.window->state().od.cell(4, 3), "10");
    QCOMPARE(texts(t.window->state().flows, 1, 3),
             (Rows{{"350", "270", "340"}, {"260", "300", "390"}, {"310", "450", "200"}, {"290", "190", "320"}}));
    QCOMPARE(t.window->Flussi_QeQuQc_TXT->model()->index(3, 3).data().toString(), QStringLiteral("320"));
    QCOMPARE(t.window->Probabilita_TXT->model()->index(3, 4).data().toString(), QStringLiteral("0,034"));
}

void GridsTest::draggedColumnMovesInTheTable() {
    TestWindow t;
    t.window->show();
    click(t.window->Nuovi_Dati_IMG);
    velmora::Table& flows = t.window->state().flows;
    fill(flows, {{"in1", "out1", "cir1"}, {"in2", "out2", "cir2"}});
    TableGrid* grid = t.window->Flussi_QeQuQc_TXT;
    QAbstractItemModelTester tester(grid->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);

    // "Q.out" dragged by its header and dropped before "Q.in".
    QHeaderView* header = grid->horizontalHeader();
    const int y = header->height() / 2;
    const QPoint qOut(header->sectionViewportPosition(2) + 20, y);
    const QPoint qIn(header->sectionViewportPosition(1) + 5, y);
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, qOut);
    QTest::mouseMove(header->viewport(), qOut - QPoint(10, 0));
    QTest::mouseMove(header->viewport(), qIn);
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, qIn);

    QCOMPARE(headers(grid->model()), (QStringList{"Node", "Q.out", "Q.in", "Q.cir"}));
    QCOMPARE(flows.column(1).header, "Q.out");
    QCOMPARE(texts(flows, 1, 3), (Rows{{"out1", "in1", "cir1"}, {"out2", "in2", "cir2"}, {"", "", ""}, {"", "", ""}}));
    for (int c = 0; c < 4; ++c)
        QCOMPARE(header->visualIndex(c), c);
    QCOMPARE(grid->model()->index(0, 1).data().toString(), QStringLiteral("out1"));

    // Process addresses columns by position: the entering flows go to the
    // column now standing second.
    fill(t.window->state().od, fourNodeOD);
    click(t.window->Analisi_IMG);
    QCOMPARE(t.dialogs->errors, QStringList{});
    QCOMPARE(texts(flows, 1, 2), (Rows{{"350", "270"}, {"260", "300"}, {"310", "450"}, {"290", "190"}}));
    QCOMPARE(flows.column(1).header, "Q.out");
}

void GridsTest::columnWidthsComeFromAndGoToTheTable() {
    TestWindow t;
    t.window->show();
    click(t.window->Nuovi_Dati_IMG);
    QHeaderView* header = t.window->MatriceOD_TXT->horizontalHeader();
    for (int c = 0; c < 5; ++c)
        QCOMPARE(header->sectionSize(c), 40);

    header->resizeSection(3, 75);
    QCOMPARE(t.window->state().od.column(3).width, 75);
    header->moveSection(3, 1);
    QCOMPARE(header->sectionSize(1), 75);
    QCOMPARE(header->sectionSize(3), 40);
    QCOMPARE(t.window->state().od.column(1).width, 75);
}

QTEST_MAIN(GridsTest)
#include "grids_test.moc"
