// The commands through clicks on the command images, with the dialogs
// answered by the test: New data, Process, Save data and Open data, and the
// error box of a failing command.
#include <QLineEdit>
#include <QTest>

#include "gui_support.h"
#include "support/tables.h"
#include "table_grid.h"

using velmora::test::fill;
using velmora::test::Rows;
using velmora::test::texts;

class CommandsTest : public QObject {
    Q_OBJECT
private slots:
    void newDataBuildsTheGridsForTheTypedNodeCount();
    void failingNewData_data();
    void failingNewData();
    void failingProcessLeavesWhatItWrote();
    void saveAndOpenAskForAFileAndRememberIt();
    void fileCommandFailuresShowTheErrorBox();
};

namespace {

void typeInto(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

} // namespace

void CommandsTest::newDataBuildsTheGridsForTheTypedNodeCount() {
    TestWindow t;
    t.window->show();
    typeInto(t.window->Numero_nodi_TXT, "3");
    QCOMPARE(t.window->state().nodeCountText, "3");
    click(t.window->Nuovi_Dati_IMG);

    QCOMPARE(t.dialogs->errors, QStringList{});
    for (TableGrid* grid : {t.window->MatriceOD_TXT, t.window->Probabilita_TXT}) {
        QCOMPARE(grid->model()->rowCount(), 3);
        QCOMPARE(grid->model()->columnCount(), 4);
        QCOMPARE(grid->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("3"));
        QCOMPARE(grid->model()->index(2, 0).data().toString(), QStringLiteral("3"));
    }
    QCOMPARE(t.window->Flussi_QeQuQc_TXT->model()->rowCount(), 3);

    // The label of the edit box is no command: clicking "New data" runs it.
    typeInto(t.window->Numero_nodi_TXT, "5");
    click(t.window->Nuovi_Dati_LAB);
    QCOMPARE(t.window->MatriceOD_TXT->model()->rowCount(), 5);
}

void CommandsTest::failingNewData_data() {
    QTest::addColumn<QString>("nodeCount");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("odColumns");
    QTest::newRow("letters") << "abc"
                             << "'abc' is not a valid integer value for Integer type." << 5;
    QTest::newRow("empty") << ""
                           << "'' is not a valid integer value for Integer type." << 5;
    QTest::newRow("negative") << "-1"
                              << "Column index, 0, out of bounds." << 0;
}

// The error box shows the failure, and the grids show what the failing
// command left.
void CommandsTest::failingNewData() {
    QFETCH(QString, nodeCount);
    QFETCH(QString, error);
    QFETCH(int, odColumns);
    TestWindow t;
    t.window->show();
    click(t.window->Nuovi_Dati_IMG);
    typeInto(t.window->Numero_nodi_TXT, nodeCount);
    click(t.window->Nuovi_Dati_IMG);
    QCOMPARE(t.dialogs->errors, QStringList{error});
    QCOMPARE(t.window->MatriceOD_TXT->model()->columnCount(), odColumns);
    QCOMPARE(t.window->Probabilita_TXT->model()->columnCount(), odColumns);
    QCOMPARE(t.window->Numero_nodi_TXT->text(), nodeCount);
}

void CommandsTest::failingProcessLeavesWhatItWrote() {
    TestWindow t;
    t.window->show();
    click(t.window->Nuovi_Dati_IMG);
    click(t.window->Analisi_IMG);
    QCOMPARE(t.dialogs->errors, QStringList{"'' is not a valid integer value for Integer type."});
    QCOMPARE(texts(t.window->state().flows, 1, 1), (Rows{{""}, {""}, {""}, {""}}));

    // Node 4's U-turn cell is read first for node 4: nodes 1 to 3 stand.
    Rows od = fourNodeOD;
    od[3][3] = "1,5";
    fill(t.window->state().od, od);
    click(t.window->Analisi_IMG);
    QCOMPARE(t.dialogs->errors.size(), 2);
    QCOMPARE(t.dialogs->errors.last(), QStringLiteral("'1,5' is not a valid integer value for Integer type."));
    const QAbstractItemModel* flows = t.window->Flussi_QeQuQc_TXT->model();
    QCOMPARE(flows->index(0, 1).data().toString(), QStringLiteral("350"));
    QCOMPARE(flows->index(2, 2).data().toString(), QStringLiteral("450"));
    QCOMPARE(flows->index(3, 1).data().toString(), QString());
    QCOMPARE(t.dialogs->messages, QStringList{});
}

void CommandsTest::saveAndOpenAskForAFileAndRememberIt() {
    TestWindow t;
    FakeDialogs& dialogs = *t.dialogs;
    t.window->show();

    // A cancelled dialog runs nothing.
    click(t.window->Salva_Dati_IMG);
    click(t.window->Apri_Dati_IMG);
    QCOMPARE(dialogs.errors, QStringList{});

    const QString saved = QDir::temp().filePath("velmora-gui-test-missing-folder/flows.txt");
    const QString opened = QDir::temp().filePath("velmora-gui-test-missing.txt");
    dialogs.answers = {saved, QString()};
    for (int i = 0; i < 3; ++i)
        click(t.window->Salva_Dati_IMG);
    dialogs.answers = {opened, QString()};
    for (int i = 0; i < 3; ++i)
        click(t.window->Apri_Dati_IMG);
    QCOMPARE(dialogs.offeredToSave, (QStringList{"", "", saved, saved}));
    QCOMPARE(dialogs.offeredToOpen, (QStringList{"", "", opened, opened}));
}

// Neither file exists nor can be made: each command ends in the error box,
// and the tables stay as they were.
void CommandsTest::fileCommandFailuresShowTheErrorBox() {
    TestWindow t;
    t.window->show();
    click(t.window->Nuovi_Dati_IMG);
    fill(t.window->state().od, fourNodeOD);
    t.dialogs->answers = {QDir::temp().filePath("velmora-gui-test-missing-folder/flows.txt"),
                          QDir::temp().filePath("velmora-gui-test-missing.txt")};
    click(t.window->Salva_Dati_IMG);
    QCOMPARE(t.dialogs->errors.size(), 1);
    click(t.window->Apri_Dati_IMG);
    QCOMPARE(t.dialogs->errors.size(), 2);
    QCOMPARE(texts(t.window->state().od, 1, 4), fourNodeOD);
    QCOMPARE(t.window->MatriceOD_TXT->model()->index(0, 2).data().toString(), QStringLiteral("100"));
}

QTEST_MAIN(CommandsTest)
#include "commands_test.moc"
