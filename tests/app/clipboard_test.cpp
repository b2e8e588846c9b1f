// The grids as spreadsheets: copy, paste, Delete, undo and the moves of
// Enter and Tab, driven through the keys the user presses.
#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "grid_undo.h"
#include "gui_support.h"
#include "support/tables.h"
#include "table_grid.h"
#include "table_model.h"

using velmora::test::fill;
using velmora::test::Rows;
using velmora::test::texts;

class ClipboardTest : public QObject {
    Q_OBJECT
private slots:
    void copyGivesTheSelectedRowsAsSpreadsheetText();
    void calcBlockPastedIntoTheODTableGivesTheFlows();
    void blockBeyondTheTableIsClippedWithANotice();
    void undoPutsBackTheTextsUntilACommandRuns();
    void deleteSparesTheNodeColumnUnlessItIsSelectedAlone();
    void enterMovesDownAndTabAcrossAfterAnEdit();
};

namespace {

void selectRows(TableGrid* grid, int first, int last) {
    grid->setCurrentIndex(grid->model()->index(first, 1));
    const QModelIndex from = grid->model()->index(first, 0);
    const QModelIndex to = grid->model()->index(last, grid->model()->columnCount() - 1);
    grid->selectionModel()->select(QItemSelection(from, to), QItemSelectionModel::ClearAndSelect);
}

void press(TableGrid* grid, QKeySequence::StandardKey key) {
    grid->setFocus();
    QTest::keySequence(grid, QKeySequence(key));
}

QString clipboardText() {
    return QApplication::clipboard()->text();
}

QString fixture(const char* name) {
    QFile file(QStringLiteral(TEST_DATA_DIR "/app/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

void ClipboardTest::copyGivesTheSelectedRowsAsSpreadsheetText() {
    TestWindow t;
    t.window->show();
    click(t.window->Nuovi_Dati_IMG);
    fill(t.window->state().od, fourNodeOD);
    click(t.window->Analisi_IMG);
    QCOMPARE(t.dialogs->errors, QStringList{});

    TableGrid* probabilities = t.window->Probabilita_TXT;
    selectRows(probabilities, 1, 2);
    press(probabilities, QKeySequence::Copy);
    QCOMPARE(clipboardText(), QStringLiteral("2\t0,308\t0,000\t0,462\t0,231\r\n"
                                             "3\t0,484\t0,290\t0,000\t0,226\r\n"));

    // The flow table in the order its columns were dragged to, copied from
    // its context menu.
    TableGrid* flows = t.window->Flussi_QeQuQc_TXT;
    QCOMPARE(flows->contextMenuPolicy(), Qt::ActionsContextMenu);
    QStringList menu;
    for (QAction* action : flows->actions())
        menu << action->text();
    QCOMPARE(menu, (QStringList{"Copy", "Paste", "Delete", "Undo"}));
    flows->tableModel()->moveColumnInTable(3, 1);
    selectRows(flows, 0, 0);
    flows->actions().front()->trigger();
    QCOMPARE(clipboardText(), QStringLiteral("1\t340\t350\t270\r\n"));
}

void ClipboardTest::calcBlockPastedIntoTheODTableGivesTheFlows() {
    TestWindow t;
    t.window->show();
    click(t.window->Nuovi_Dati_IMG);
    TableGrid* od = t.window->MatriceOD_TXT;
    QAbstractItemModelTester tester(od->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy notices(od, &TableGrid::notice);

    const QString calc = fixture("od_matrix_from_calc.txt");
    QVERIFY(calc.endsWith(QLatin1Char('\n')));
    QApplication::clipboard()->setText(calc);
    od->setCurrentIndex(od->model()->index(0, 1));
    press(od, QKeySequence::Paste);

    QCOMPARE(notices.count(), 0);
    QCOMPARE(texts(t.window->state().od, 1, 4), fourNodeOD);
    QCOMPARE(od->model()->index(1, 3).data().toString(), QStringLiteral("120"));
    QCOMPARE(texts(t.window->state().od, 0, 0), (Rows{{"1"}, {"2"}, {"3"}, {"4"}}));

    click(t.window->Analisi_IMG);
    QCOMPARE(t.dialogs->errors, QStringList{});
    TableGrid* flows = t.window->Flussi_QeQuQc_TXT;
    flows->selectAll();
    press(flows, QKeySequence::Copy);
    QCOMPARE(clipboardText(), QStringLiteral("1\t350\t270\t340\r\n"
                                             "2\t260\t300\t390\r\n"
                                             "3\t310\t450\t200\r\n"
                                             "4\t290\t190\t320\r\n"));
}

void ClipboardTest::blockBeyondTheTableIsClippedWithANotice() {
    TestWindow t;
    t.window->show();
    click(t.window->Nuovi_Dati_IMG);
    TableGrid* od = t.window->MatriceOD_TXT;
    QSignalSpy notices(od, &TableGrid::notice);

    // A 3 × 3 block from row 3, column 3 of the 4 × 5 table: four cells fit.
    QApplication::clipboard()->setText(QStringLiteral(" 1 \t2\t3\r\n4\t5\t6\r\n7\t8\t9\r\n"));
    od->setCurrentIndex(od->model()->index(2, 3));
    press(od, QKeySequence::Paste);

    QCOMPARE(texts(t.window->state().od, 3, 4), (Rows{{"", ""}, {"", ""}, {" 1 ", "2"}, {"4", "5"}}));
    QCOMPARE(notices.count(), 1);
    QCOMPARE(notices.at(0).at(0).toString(),
             QStringLiteral("5 of 9 pasted cells fell outside the table and were left out."));

    // A read-only column keeps its texts and says so.
    t.window->state().od.column(4).readOnly = true;
    QApplication::clipboard()->setText(QStringLiteral("x\ty\n"));
    od->setCurrentIndex(od->model()->index(0, 3));
    press(od, QKeySequence::Paste);
    QCOMPARE(texts(t.window->state().od, 3, 4).front(), (std::vector<std::string>{"x", ""}));
    QCOMPARE(notices.at(1).at(0).toString(), QStringLiteral("1 cells of read-only columns kept their texts."));
}

void ClipboardTest::undoPutsBackTheTextsUntilACommandRuns() {
    TestWindow t;
    t.window->show();
    click(t.window->Nuovi_Dati_IMG);
    fill(t.window->state().od, fourNodeOD);
    TableGrid* od = t.window->MatriceOD_TXT;
    od->reload();

    QApplication::clipboard()->setText(QStringLiteral("9\t9\n9\t9\n"));
    od->setCurrentIndex(od->model()->index(0, 1));
    press(od, QKeySequence::Paste);
    selectRows(od, 3, 3);
    press(od, QKeySequence::Delete);
    QCOMPARE(texts(t.window->state().od, 1, 4),
             (Rows{{"9", "9", "200", "50"}, {"9", "9", "120", "60"}, {"150", "90", "0", "70"}, {"", "", "", ""}}));

    press(od, QKeySequence::Undo);
    QCOMPARE(texts(t.window->state().od, 1, 4).back(), (std::vector<std::string>{"40", "110", "130", "10"}));
    press(od, QKeySequence::Undo);
    QCOMPARE(texts(t.window->state().od, 1, 4), fourNodeOD);
    QCOMPARE(od->model()->index(0, 1).data().toString(), QStringLiteral("0"));
    QVERIFY(!od->undoHistory()->canUndo());

    // New data empties the table; the paste before it stays undone for good.
    press(od, QKeySequence::Paste);
    QVERIFY(od->undoHistory()->canUndo());
    click(t.window->Nuovi_Dati_IMG);
    QVERIFY(!od->undoHistory()->canUndo());
    press(od, QKeySequence::Undo);
    QCOMPARE(texts(t.window->state().od, 1, 4), (Rows(4, std::vector<std::string>(4))));
}

void ClipboardTest::deleteSparesTheNodeColumnUnlessItIsSelectedAlone() {
    TestWindow t;
    t.window->show();
    click(t.window->Nuovi_Dati_IMG);
    fill(t.window->state().od, fourNodeOD);
    TableGrid* od = t.window->MatriceOD_TXT;
    od->reload();

    // Clicking a cell selects its row; Delete empties it but for the node.
    QTest::mouseClick(od->viewport(), Qt::LeftButton, {}, od->visualRect(od->model()->index(1, 2)).center());
    QVERIFY(od->selectionModel()->isRowSelected(1, {}));
    press(od, QKeySequence::Delete);
    QCOMPARE(texts(t.window->state().od, 0, 4).at(1), (std::vector<std::string>{"2", "", "", "", ""}));

    // Clicking the header of the node column selects it alone.
    QHeaderView* header = od->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
    press(od, QKeySequence::Delete);
    QCOMPARE(texts(t.window->state().od, 0, 0), (Rows(4, {""})));
    QCOMPARE(texts(t.window->state().od, 1, 4).at(0), fourNodeOD.at(0));

    press(od, QKeySequence::Undo);
    QCOMPARE(texts(t.window->state().od, 0, 0), (Rows{{"1"}, {"2"}, {"3"}, {"4"}}));

    // Emptying cells that hold nothing is no step: the next undo is the
    // first Delete's.
    selectRows(od, 1, 1);
    press(od, QKeySequence::Delete);
    press(od, QKeySequence::Undo);
    QCOMPARE(texts(t.window->state().od, 1, 4).at(1), fourNodeOD.at(1));
    QVERIFY(!od->undoHistory()->canUndo());
}

void ClipboardTest::enterMovesDownAndTabAcrossAfterAnEdit() {
    TestWindow t;
    t.window->show();
    t.window->activateWindow();
    click(t.window->Nuovi_Dati_IMG);
    TableGrid* od = t.window->MatriceOD_TXT;
    od->setFocus();
    od->setCurrentIndex(od->model()->index(0, 1));

    // Typing on the selected cell opens its editor with the typed text.
    QTest::keyClick(od, Qt::Key_1);
    QVERIFY(od->isEditing());
    auto* editor = qobject_cast<QLineEdit*>(od->indexWidget(od->currentIndex()));
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_2);
    QCOMPARE(editor->text(), QStringLiteral("12"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!od->isEditing());
    QCOMPARE(t.window->state().od.cell(1, 0), "12");
    QCOMPARE(od->currentIndex(), od->model()->index(1, 1));

    QTest::keyClick(od, Qt::Key_7);
    editor = qobject_cast<QLineEdit*>(od->indexWidget(od->currentIndex()));
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_Tab);
    QTRY_VERIFY(!od->isEditing());
    QCOMPARE(t.window->state().od.cell(1, 1), "7");
    QCOMPARE(od->currentIndex(), od->model()->index(1, 2));

    // Enter without an editor moves down too; a typed cell is undoable.
    QTest::keyClick(od, Qt::Key_Return);
    QCOMPARE(od->currentIndex(), od->model()->index(2, 2));
    press(od, QKeySequence::Undo);
    QCOMPARE(t.window->state().od.cell(1, 1), "");
    QCOMPARE(t.window->state().od.cell(1, 0), "12");
}

QTEST_MAIN(ClipboardTest)
#include "clipboard_test.moc"
