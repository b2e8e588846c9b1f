// Process in the Fratar mode through clicks (its report, and a long run the
// user stops), and Save data / Open data through clicks on real files, with
// the radio buttons showing the opened mode.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProgressDialog>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "gui_support.h"
#include "support/tables.h"

using velmora::test::fill;
using velmora::test::Rows;
using velmora::test::texts;

class ProcessAndFilesTest : public QObject {
    Q_OBJECT
private slots:
    void fratarShowsItsReport();
    void stoppingABalancingShowsNoErrorAndKeepsTheMatrix();
    void saveThenOpenThroughClicks();
    void openingAFileWithoutAModeShowsNoneSelected();
    void aFailingOpenShowsWhatItLoaded();
};

namespace {

// Two nodes: Q.out 50 and 50, Q.cir 20 and 30, a seed of 10 20 / 30 40.
void twoNodeFratar(TestWindow& t, const QString& limit) {
    t.window->show();
    t.window->Numero_nodi_TXT->setText(QStringLiteral("2"));
    click(t.window->Nuovi_Dati_IMG);
    fill(t.window->state().flows, {{"50", "20"}, {"50", "30"}}, 2);
    fill(t.window->state().od, {{"10", "20"}, {"30", "40"}});
    t.window->iterazioni_TXT->setText(limit);
    click(t.window->Ricava_MatriceOD_Fratar_CHK);
}

QString writeFile(const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", name);
    return path;
}

} // namespace

void ProcessAndFilesTest::fratarShowsItsReport() {
    TestWindow t;
    twoNodeFratar(t, QStringLiteral("200"));
    click(t.window->Analisi_IMG);
    QCOMPARE(t.dialogs->errors, QStringList{});
    QCOMPARE(t.dialogs->messages, QStringList{QStringLiteral("Estimate error RMSE: 0,0000086\r\n\r\nIterations: 25")});
    QCOMPARE(t.window->MatriceOD_TXT->model()->index(0, 2).data().toString(), QStringLiteral("34"));
    QCOMPARE(t.window->Probabilita_TXT->model()->index(1, 1).data().toString(), QStringLiteral("0,600"));
}

void ProcessAndFilesTest::stoppingABalancingShowsNoErrorAndKeepsTheMatrix() {
    TestWindow t;
    twoNodeFratar(t, QStringLiteral("2147483647"));
    t.window->setProgressDelay(std::chrono::milliseconds(0));
    bool sawProgress = false;
    QTimer::singleShot(0, [&] {
        auto* progress = t.window->findChild<QProgressDialog*>(QStringLiteral("BalancingProgress"));
        sawProgress = progress != nullptr && progress->isVisible() &&
                      progress->labelText().contains(QStringLiteral("iteration 1 of 2147483647"));
        if (progress != nullptr)
            progress->cancel();
    });
    click(t.window->Analisi_IMG);
    QVERIFY(sawProgress);
    QCOMPARE(t.dialogs->errors, QStringList{});
    QCOMPARE(t.dialogs->messages, QStringList{});
    QCOMPARE(texts(t.window->state().od, 1, 2), (Rows{{"10", "20"}, {"30", "40"}}));
    QCOMPARE(t.window->Flussi_QeQuQc_TXT->model()->index(0, 1).data().toString(), QStringLiteral("60"));
    QVERIFY(t.window->findChild<QProgressDialog*>() == nullptr);
}

void ProcessAndFilesTest::saveThenOpenThroughClicks() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("roundabout.txt"));
    TestWindow t;
    t.window->show();
    click(t.window->Nuovi_Dati_IMG);
    fill(t.window->state().od, fourNodeOD);
    click(t.window->Analisi_IMG);
    click(t.window->Ricava_MatriceOD_Probabilita_CHK);
    t.window->iterazioni_TXT->setText(QStringLiteral("50"));
    t.dialogs->answers << path;
    click(t.window->Salva_Dati_IMG);
    QCOMPARE(t.dialogs->errors, QStringList{});
    QVERIFY(QFile::exists(path));

    TestWindow other;
    other.window->show();
    other.dialogs->answers << path;
    click(other.window->Apri_Dati_IMG);
    QCOMPARE(other.dialogs->errors, QStringList{});
    QCOMPARE(other.window->Numero_nodi_TXT->text(), QStringLiteral("4"));
    QCOMPARE(other.window->iterazioni_TXT->text(), QStringLiteral("50"));
    QVERIFY(other.window->Ricava_MatriceOD_Probabilita_CHK->isChecked());
    QVERIFY(!other.window->Ricava_QeQuQc_CHK->isChecked());
    QCOMPARE(other.window->MatriceOD_TXT->model()->rowCount(), 4);
    QCOMPARE(other.window->MatriceOD_TXT->model()->index(3, 3).data().toString(), QStringLiteral("130"));
    QCOMPARE(other.window->Flussi_QeQuQc_TXT->model()->index(0, 3).data().toString(), QStringLiteral("340"));
    QCOMPARE(other.window->Probabilita_TXT->model()->index(3, 4).data().toString(), QStringLiteral("0,034"));
}

void ProcessAndFilesTest::openingAFileWithoutAModeShowsNoneSelected() {
    QTemporaryDir dir;
    const QString path = writeFile(dir, "nomode.txt",
                                   "Nodi\tIterazioni\tRicava_QeQuQc\tRicava_MatriceOD(P)\tRicava_MatriceOD(Fratar)\r\n"
                                   "1\t200\t0\tFalse\t0,0\r\nNode\tQ.in\tQ.out\tQ.cir\r\n1\t5\t5\t0\r\n"
                                   "O/D\t1\r\n1\t5\r\nO/D\t1\r\n1\t1,000\r\n");
    TestWindow t;
    t.window->show();
    t.dialogs->answers << path;
    click(t.window->Apri_Dati_IMG);
    QCOMPARE(t.dialogs->errors, QStringList{});
    for (QRadioButton* mode : {t.window->Ricava_QeQuQc_CHK, t.window->Ricava_MatriceOD_Probabilita_CHK,
                               t.window->Ricava_MatriceOD_Fratar_CHK})
        QVERIFY2(!mode->isChecked(), qPrintable(mode->objectName()));

    // With no mode, Process changes nothing; a click on a mode selects it.
    click(t.window->Analisi_IMG);
    QCOMPARE(t.window->state().probabilities.cell(1, 0), "1,000");
    click(t.window->Ricava_MatriceOD_Fratar_CHK);
    QVERIFY(t.window->Ricava_MatriceOD_Fratar_CHK->isChecked());
    QVERIFY(t.window->state().modes.isSelected(velmora::Mode::ODByFratar));
}

void ProcessAndFilesTest::aFailingOpenShowsWhatItLoaded() {
    QTemporaryDir dir;
    // The flow section of a two-node file ends after its first row.
    const QString path = writeFile(dir, "short.txt", "header\r\n2\t7\t0\t-1\t0\r\nNode\r\n1\t1\t2\t3\r\n");
    TestWindow t;
    t.window->show();
    t.dialogs->answers << path;
    click(t.window->Apri_Dati_IMG);
    QCOMPARE(t.dialogs->errors, QStringList{QStringLiteral("List index out of bounds (4)")});
    QCOMPARE(t.window->iterazioni_TXT->text(), QStringLiteral("7"));
    QVERIFY(t.window->Ricava_MatriceOD_Probabilita_CHK->isChecked());
    QCOMPARE(t.window->MatriceOD_TXT->model()->rowCount(), 2);
    QCOMPARE(t.window->Flussi_QeQuQc_TXT->model()->index(0, 3).data().toString(), QStringLiteral("3"));
}

QTEST_MAIN(ProcessAndFilesTest)
#include "process_and_files_test.moc"
