#include "tinformazioni.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "svg_picture.h"

namespace {

const QColor windowColour(0x1A, 0x1A, 0x1A);
const QColor bandColour(0xC8, 0x40, 0x00);
constexpr int bandHeight = 64;
constexpr int bandGap = 10;
constexpr int logoHeight = 256;

QWidget* addBand(QWidget* window, const char* name) {
    auto* band = new QWidget(window);
    band->setObjectName(name);
    QPalette palette = band->palette();
    palette.setColor(QPalette::Window, bandColour);
    band->setPalette(palette);
    band->setAutoFillBackground(true);
    return band;
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, int pixelSize, bool bold) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

} // namespace

TInformazioni::TInformazioni(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("Informazioni");
    setWindowTitle(QStringLiteral("Informazioni"));
    // Only the main window's closing ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    QPalette background = palette();
    background.setColor(QPalette::Window, windowColour);
    setPalette(background);
    setAutoFillBackground(true);

    Titolo_REC = addBand(this, "Titolo_REC");
    Titolo_LAB = addLabel(Titolo_REC, "Titolo_LAB", QStringLiteral("Velmora"), 36, true);
    logo_IMG = new SvgPicture(QStringLiteral(":/images/velmora.svg"), logoHeight, this);
    logo_IMG->setObjectName("logo_IMG");
    Descrizione_LAB = addLabel(this, "Descrizione_LAB", QStringLiteral("Velmora"), 38, true);
    Label2 = addLabel(this, "Label2", QStringLiteral("versione 1.0.0"), 28, false);
    Label1 = addLabel(this, "Label1", QStringLiteral("© 2026 Velmora developers"), 20, false);
    Label3 = addLabel(this, "Label3", QStringLiteral("ing. Dorvani"), 20, false);
    Pulsanti_REC = addBand(this, "Pulsanti_REC");

    Annulla_BTN = new QPushButton(QStringLiteral("Annulla"), Pulsanti_REC);
    Annulla_BTN->setObjectName("Annulla_BTN");
    Annulla_BTN->setCursor(Qt::PointingHandCursor);
    Annulla_BTN->setFlat(true);
    // A tool-bar button: no frame of its own, lit while hovered or pressed.
    Annulla_BTN->setStyleSheet(QStringLiteral("QPushButton { color: white; background: transparent; border: none; }"
                                              "QPushButton:hover { background: rgba(255, 255, 255, 40); }"
                                              "QPushButton:pressed { background: rgba(0, 0, 0, 60); }"));
    connect(Annulla_BTN, &QPushButton::clicked, this, &TInformazioni::Annulla_BTNClick);

    resize(384, 567);
    placeControls();
}

void TInformazioni::showInFront() {
    if (!placed_) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen != nullptr) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

void TInformazioni::Annulla_BTNClick() {
    close();
}

void TInformazioni::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeControls();
}

// The texts stack from the top at their fixed heights and the button band
// stays at the bottom; a resize changes only the widths and the free space
// between them. At the designed height the band covers the author line's
// last pixel, as in the window's design.
void TInformazioni::placeControls() {
    const int w = width();
    int y = 0;
    Titolo_REC->setGeometry(0, y, w, bandHeight);
    Titolo_LAB->setGeometry(0, 0, w, bandHeight);
    y += bandHeight + bandGap;
    logo_IMG->setGeometry(0, y, w, logoHeight);
    y += logoHeight;
    const std::pair<QLabel*, int> texts[] = {{Descrizione_LAB, 54}, {Label2, 40}, {Label1, 40}, {Label3, 40}};
    for (const auto& [label, height] : texts) {
        label->setGeometry(0, y, w, height);
        y += height;
    }
    Pulsanti_REC->setGeometry(0, height() - bandHeight, w, bandHeight);
    Pulsanti_REC->raise();
    Annulla_BTN->setGeometry(0, 0, 100, bandHeight);
}
