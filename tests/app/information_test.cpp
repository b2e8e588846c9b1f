// The information window and the Information command.
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "gui_support.h"
#include "svg_picture.h"
#include "tinformazioni.h"

class InformationTest : public QObject {
    Q_OBJECT
private slots:
    void layout();
    void informationShowsOneWindowInFront();
    void closedWindowKeepsTheMovedPlace();
};

void InformationTest::layout() {
    TInformazioni info;
    QCOMPARE(info.windowTitle(), QStringLiteral("Informazioni"));
    QCOMPARE(info.size(), QSize(384, 567));
    QVERIFY(!info.isVisible());
    QCOMPARE(info.palette().color(QPalette::Window), QColor(0x1A, 0x1A, 0x1A));

    struct Expected {
        const char* name;
        QRect geometry;
    };
    const Expected controls[] = {
        {"Titolo_REC", {0, 0, 384, 64}},     {"logo_IMG", {0, 74, 384, 256}}, {"Descrizione_LAB", {0, 330, 384, 54}},
        {"Label2", {0, 384, 384, 40}},       {"Label1", {0, 424, 384, 40}},   {"Label3", {0, 464, 384, 40}},
        {"Pulsanti_REC", {0, 503, 384, 64}},
    };
    for (const Expected& expected : controls) {
        auto* control = info.findChild<QWidget*>(expected.name);
        QVERIFY2(control, expected.name);
        QCOMPARE(control->geometry(), expected.geometry);
    }
    for (QWidget* band : {info.Titolo_REC, info.Pulsanti_REC})
        QCOMPARE(band->palette().color(QPalette::Window), QColor(0xC8, 0x40, 0x00));
    QVERIFY(info.logo_IMG->isLoaded());

    struct Text {
        QLabel* label;
        QString text;
        int size;
        bool bold;
    };
    const Text texts[] = {{info.Titolo_LAB, "Velmora", 36, true},
                          {info.Descrizione_LAB, "Velmora", 38, true},
                          {info.Label2, "versione 1.0.0", 28, false}};
    for (const Text& text : texts) {
        QCOMPARE(text.label->text(), text.text);
        QCOMPARE(text.label->font().pixelSize(), text.size);
        QCOMPARE(text.label->font().bold(), text.bold);
        QCOMPARE(text.label->alignment(), Qt::AlignCenter);
        QCOMPARE(text.label->palette().color(QPalette::WindowText), QColor(Qt::white));
    }
    QVERIFY(!info.Label1->text().isEmpty());
    QVERIFY(!info.Label3->text().isEmpty());

    QCOMPARE(info.Annulla_BTN->parentWidget(), info.Pulsanti_REC);
    QCOMPARE(info.Annulla_BTN->geometry(), QRect(0, 0, 100, 64));
    QCOMPARE(info.Annulla_BTN->text(), QStringLiteral("Annulla"));
    QCOMPARE(info.Annulla_BTN->cursor().shape(), Qt::PointingHandCursor);

    // A wider, taller window widens the controls and moves only the button band.
    info.show();
    info.resize(500, 700);
    QCOMPARE(info.Label3->geometry(), QRect(0, 464, 500, 40));
    QCOMPARE(info.Pulsanti_REC->geometry(), QRect(0, 636, 500, 64));
}

void InformationTest::informationShowsOneWindowInFront() {
    TestWindow t;
    TInformazioni info;
    t.window->setInformationWindow(&info);
    t.window->show();

    click(t.window->Informazioni_IMG);
    QVERIFY(QTest::qWaitForWindowExposed(&info));
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    // Within the rounding of a centre of an even-sized rectangle.
    const QPoint offCentre = info.frameGeometry().center() - centre;
    QVERIFY(std::abs(offCentre.x()) <= 2 && std::abs(offCentre.y()) <= 2);

    // The main window stays usable while the information window is shown.
    click(t.window->Nuovi_Dati_IMG);
    QCOMPARE(t.window->MatriceOD_TXT->model()->rowCount(), 4);

    click(t.window->Informazioni_IMG);
    QVERIFY(info.isVisible());
    QCOMPARE(QApplication::topLevelWidgets().count(&info), 1);
    int shownInformationWindows = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        shownInformationWindows += window->isVisible() && qobject_cast<TInformazioni*>(window) != nullptr;
    QCOMPARE(shownInformationWindows, 1);
    QTRY_COMPARE(QApplication::activeWindow(), &info);
}

void InformationTest::closedWindowKeepsTheMovedPlace() {
    TestWindow t;
    TInformazioni info;
    t.window->setInformationWindow(&info);
    t.window->show();

    click(t.window->Informazioni_IMG);
    QVERIFY(QTest::qWaitForWindowExposed(&info));
    info.move(37, 41);
    const QPoint moved = info.pos();

    click(info.Annulla_BTN);
    QVERIFY(!info.isVisible());
    click(t.window->Informazioni_IMG);
    QVERIFY(info.isVisible());
    QCOMPARE(info.pos(), moved);

    // The window's own close button hides it in the same way.
    info.close();
    QVERIFY(!info.isVisible());
    click(t.window->Informazioni_IMG);
    QVERIFY(info.isVisible());
    QCOMPARE(info.pos(), moved);
}

QTEST_MAIN(InformationTest)
#include "information_test.moc"
