// The main window as built: its controls, their places, the mode group, the
// glow of the command images, the splitters and the keyboard.
#include <QButtonGroup>
#include <QEnterEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSplitter>
#include <QTest>

#include "command_image.h"
#include "gui_support.h"
#include "inner_glow_effect.h"
#include "rtl/format_settings.h"
#include "table_grid.h"

// Gold shows on the icon only while the glow is on.
static int goldPixels(QWidget* widget) {
    const QImage picture = widget->grab().toImage();
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            count += c.red() > 200 && c.green() > 150 && c.green() < 235 && c.blue() < 120;
        }
    return count;
}

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void windowAndNumberFormat();
    void commandBarControls();
    void commandImagesAndTheirGlow();
    void modeGroup();
    void gridsAndSplitters();
    void widerWindowWidensOnlyTheODTable();
    void tabOrder();
    void shortcutsRunTheCommands();
};

void MainWindowTest::windowAndNumberFormat() {
    velmora::formatSettings().decimalSeparator = '.';
    TestWindow t;
    QCOMPARE(t.window->windowTitle(), QStringLiteral("Ricostrizione matrice O/D in rotatoria - ing. Dorvani"));
    QCOMPARE(t.window->size(), QSize(760, 380));
    QCOMPARE(t.window->palette().color(QPalette::Window), QColor(0x1A, 0x1A, 0x1A));
    QCOMPARE(velmora::formatSettings().decimalSeparator, ',');
}

void MainWindowTest::commandBarControls() {
    TestWindow t;
    t.window->show();
    QWidget* bar = t.window->findChild<QWidget*>("Comandi_LAY");
    QVERIFY(bar);
    QCOMPARE(bar->geometry(), QRect(0, 0, 760, 70));

    struct Expected {
        const char* name;
        QRect geometry; // in the command bar
        QString text;   // "" for an image
        QColor colour;
    };
    const QColor white = Qt::white;
    const QColor yellow = Qt::yellow;
    const Expected controls[] = {
        {"Nuovi_Dati_IMG", {21, 5, 42, 42}, "", {}},
        {"Nuovi_Dati_LAB", {9, 46, 66, 19}, "New data", white},
        {"Numero_nodi_TXT", {89, 32, 60, 22}, "4", {}},
        {"Numero_nodi_LAB", {89, 13, 60, 17}, "node/nodi", yellow},
        {"Apri_Dati_IMG", {176, 5, 42, 42}, "", {}},
        {"Apri_Dati_LAB", {164, 46, 66, 19}, "Open data", white},
        {"Salva_Dati_IMG", {245, 5, 42, 42}, "", {}},
        {"Salva_Dati_LAB", {233, 46, 66, 19}, "Save data", white},
        {"iterazioni_TXT", {324, 40, 60, 22}, "200", {}},
        {"iterazioni_LAB", {324, 0, 60, 38}, "Fratar iterations", yellow},
        {"Ricava_QeQuQc_CHK", {400, 8, 190, 19}, "Find Qe,Qu,Qc,P", white},
        {"Ricava_MatriceOD_Probabilita_CHK", {400, 26, 190, 19}, "Find O/D Matrix (Probability)", white},
        {"Ricava_MatriceOD_Fratar_CHK", {400, 44, 190, 19}, "Find O/D Matrix (Fratar)", white},
        {"Analisi_IMG", {615, 5, 42, 42}, "", {}},
        {"Analisi_LAB", {606, 46, 60, 19}, "Process", white},
        {"Informazioni_IMG", {693, 5, 42, 42}, "", {}},
        {"Informazioni_LAB", {674, 46, 80, 19}, "Information", white},
    };
    for (const Expected& expected : controls) {
        QWidget* control = bar->findChild<QWidget*>(expected.name);
        QVERIFY2(control, expected.name);
        QCOMPARE(control->parentWidget(), bar);
        QCOMPARE(control->geometry(), expected.geometry);
        if (auto* label = qobject_cast<QLabel*>(control)) {
            QCOMPARE(label->text(), expected.text);
            QCOMPARE(label->palette().color(QPalette::WindowText), expected.colour);
        } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            QCOMPARE(edit->text(), expected.text);
            QCOMPARE(edit->alignment(), Qt::AlignCenter);
        } else if (auto* radio = qobject_cast<QRadioButton*>(control)) {
            QCOMPARE(radio->text(), expected.text);
            QCOMPARE(radio->palette().color(QPalette::WindowText), expected.colour);
        } else {
            QVERIFY2(qobject_cast<CommandImage*>(control), expected.name);
        }
    }
    const auto* caption = bar->findChild<QLabel*>("Nuovi_Dati_LAB");
    QCOMPARE(caption->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QVERIFY(bar->findChild<QLabel*>("iterazioni_LAB")->wordWrap());
}

void MainWindowTest::commandImagesAndTheirGlow() {
    TestWindow t;
    t.window->show();
    const std::pair<const char*, const char*> images[] = {
        {"Nuovi_Dati_IMG", "InnerGlowEffect1"},   {"Apri_Dati_IMG", "InnerGlowEffect8"},
        {"Salva_Dati_IMG", "InnerGlowEffect3"},   {"Analisi_IMG", "InnerGlowEffect35"},
        {"Informazioni_IMG", "InnerGlowEffect5"},
    };
    for (const auto& [imageName, glowName] : images) {
        auto* image = t.window->findChild<CommandImage*>(imageName);
        QVERIFY2(image && image->isLoaded(), imageName);
        QCOMPARE(image->cursor().shape(), Qt::PointingHandCursor);
        const QString caption = QString(imageName).replace("_IMG", "_LAB");
        QCOMPARE(t.window->findChild<QLabel*>(caption)->cursor().shape(), Qt::PointingHandCursor);

        auto* glow = image->findChild<InnerGlowEffect*>(glowName);
        QVERIFY2(glow, glowName);
        QCOMPARE(image->graphicsEffect(), glow);
        QCOMPARE(glow->color(), QColor(0xFF, 0xD7, 0x00));
        QCOMPARE(glow->softness(), 0.8);
        QCOMPARE(glow->opacity(), 1.0);
        QVERIFY(!glow->isEnabled());

        const QPointF inside(21, 21);
        QEnterEvent enter(inside, inside, image->mapToGlobal(inside));
        QApplication::sendEvent(image, &enter);
        QVERIFY(glow->isEnabled());
        QVERIFY(goldPixels(image) > 0);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(image, &leave);
        QVERIFY(!glow->isEnabled());
        QCOMPARE(goldPixels(image), 0);
    }
}

void MainWindowTest::modeGroup() {
    TestWindow t;
    t.window->show();
    QRadioButton* buttons[] = {t.window->Ricava_QeQuQc_CHK, t.window->Ricava_MatriceOD_Probabilita_CHK,
                               t.window->Ricava_MatriceOD_Fratar_CHK};
    QCOMPARE(t.window->tipodicalcolo->objectName(), QStringLiteral("tipodicalcolo"));
    QCOMPARE(t.window->tipodicalcolo->buttons().size(), 3);
    auto checked = [&] {
        return QList<bool>{buttons[0]->isChecked(), buttons[1]->isChecked(), buttons[2]->isChecked()};
    };
    QCOMPARE(checked(), (QList<bool>{true, false, false}));

    click(buttons[2]);
    QCOMPARE(checked(), (QList<bool>{false, false, true}));
    QVERIFY(t.window->state().modes.isSelected(velmora::Mode::ODByFratar));
    QVERIFY(!t.window->state().modes.isSelected(velmora::Mode::FlowsFromOD));

    // Clicking the checked mode keeps it: no click leaves none selected.
    click(buttons[2]);
    QCOMPARE(checked(), (QList<bool>{false, false, true}));
    click(buttons[1]);
    QCOMPARE(checked(), (QList<bool>{false, true, false}));

    // A state with no mode (as a data file may leave it) shows as such
    // after the next command.
    t.window->state().modes.setSelected(velmora::Mode::ODByProbability, false);
    click(t.window->Nuovi_Dati_IMG);
    QCOMPARE(checked(), (QList<bool>{false, false, false}));
    click(buttons[0]);
    QCOMPARE(checked(), (QList<bool>{true, false, false}));
}

void MainWindowTest::gridsAndSplitters() {
    TestWindow t;
    t.window->show();
    QSplitter* splitter = t.window->tableSplitter;
    QCOMPARE(splitter->geometry(), QRect(0, 70, 760, 310));
    QCOMPARE(splitter->widget(0), t.window->Flussi_QeQuQc_TXT);
    QCOMPARE(splitter->widget(1), t.window->MatriceOD_TXT);
    QCOMPARE(splitter->widget(2), t.window->Probabilita_TXT);
    QCOMPARE(splitter->sizes(), (QList<int>{185, 285, 280}));
    for (const char* name : {"Splitter1", "Splitter2"}) {
        auto* handle = t.window->findChild<QSplitterHandle*>(name);
        QVERIFY2(handle, name);
        QCOMPARE(handle->width(), 5);
        QCOMPARE(handle->cursor().shape(), Qt::SplitHCursor);
    }
    for (int i = 0; i < 3; ++i)
        QCOMPARE(splitter->widget(i)->minimumWidth(), 20);

    TableGrid* flows = t.window->Flussi_QeQuQc_TXT;
    QCOMPARE(flows->model()->rowCount(), 0);
    QStringList headers;
    for (int c = 0; c < flows->model()->columnCount(); ++c) {
        headers << flows->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(flows->horizontalHeader()->sectionSize(c), 40);
    }
    QCOMPARE(headers, (QStringList{"Node", "Q.in", "Q.out", "Q.cir"}));
    QCOMPARE(t.window->MatriceOD_TXT->model()->columnCount(), 0);
    click(t.window->Nuovi_Dati_IMG);
    for (TableGrid* grid : {flows, t.window->MatriceOD_TXT, t.window->Probabilita_TXT}) {
        QVERIFY(grid->alternatingRowColors());
        QVERIFY(grid->showGrid());
        QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
        QVERIFY(grid->horizontalHeader()->sectionsMovable());
        QCOMPARE(grid->horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
        QVERIFY(grid->focusPolicy() & Qt::TabFocus);
    }
}

void MainWindowTest::widerWindowWidensOnlyTheODTable() {
    TestWindow t;
    t.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(t.window.get()));
    t.window->resize(960, 380);
    QTRY_COMPARE(t.window->tableSplitter->sizes(), (QList<int>{185, 485, 280}));
    t.window->resize(700, 500);
    QTRY_COMPARE(t.window->tableSplitter->sizes(), (QList<int>{185, 225, 280}));
    QCOMPARE(t.window->tableSplitter->height(), 430);
}

void MainWindowTest::tabOrder() {
    TestWindow t;
    const QStringList expected = {"Probabilita_TXT",
                                  "MatriceOD_TXT",
                                  "iterazioni_TXT",
                                  "Numero_nodi_TXT",
                                  "Ricava_QeQuQc_CHK",
                                  "Ricava_MatriceOD_Probabilita_CHK",
                                  "Ricava_MatriceOD_Fratar_CHK",
                                  "Flussi_QeQuQc_TXT"};
    QStringList chain;
    QWidget* widget = t.window->Probabilita_TXT;
    do {
        if (expected.contains(widget->objectName()))
            chain << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != t.window->Probabilita_TXT);
    QCOMPARE(chain, expected);
}

void MainWindowTest::shortcutsRunTheCommands() {
    TestWindow t;
    t.window->show();
    QVERIFY(QTest::qWaitForWindowActive(t.window.get()));
    QVERIFY(t.window->Nuovi_Dati_IMG->toolTip().contains("Ctrl+N"));
    QVERIFY(t.window->Analisi_IMG->toolTip().contains("F5"));

    QTest::keyClick(t.window.get(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(t.window->MatriceOD_TXT->model()->rowCount(), 4);
    QTest::keyClick(t.window.get(), Qt::Key_F5);
    QCOMPARE(t.dialogs->errors, QStringList{"'' is not a valid integer value for Integer type."});
    QTest::keyClick(t.window.get(), Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(t.window.get(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(t.dialogs->offeredToSave.size(), 1);
    QCOMPARE(t.dialogs->offeredToOpen.size(), 1);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
