// The command bar of the main window: images, labels, edit boxes and the
// mode radio buttons at their designed places.
#include "tmenugen.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "command_image.h"
#include "inner_glow_effect.h"

namespace {

constexpr int imageY = 5;
constexpr int imageSide = 42;
constexpr int captionY = imageY + 41;

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QLabel* addLabel(QWidget* bar, const char* name, const QString& text, const QRect& geometry, const QColor& colour) {
    auto* label = new QLabel(text, bar);
    label->setObjectName(name);
    label->setGeometry(geometry);
    setTextColour(label, colour);
    return label;
}

QLineEdit* addEditBox(QWidget* bar, const char* name, const std::string& text, const QRect& geometry,
                      std::string& stateText) {
    auto* edit = new QLineEdit(QString::fromStdString(text), bar);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    edit->setAlignment(Qt::AlignCenter);
    QObject::connect(edit, &QLineEdit::textChanged, edit,
                     [&stateText](const QString& typed) { stateText = typed.toStdString(); });
    return edit;
}

} // namespace

// A label that belongs to an image or an edit box stands where the parent
// control's offset puts it, as a sibling in the bar: a Qt child would be
// clipped to its parent's 42 px.
void TMenuGEN::buildCommandBar() {
    Comandi_LAY = new QWidget(this);
    Comandi_LAY->setObjectName("Comandi_LAY");
    Comandi_LAY->setFixedHeight(70);

    Nuovi_Dati_IMG = addCommandImage("Nuovi_Dati_IMG", "nuovi_dati", 21, InnerGlowEffect1, "InnerGlowEffect1",
                                     Nuovi_Dati_LAB, "Nuovi_Dati_LAB", QStringLiteral("New data"), -12, 66);
    Numero_nodi_TXT =
        addEditBox(Comandi_LAY, "Numero_nodi_TXT", state_.nodeCountText, QRect(89, 32, 60, 22), state_.nodeCountText);
    Numero_nodi_LAB =
        addLabel(Comandi_LAY, "Numero_nodi_LAB", QStringLiteral("node/nodi"), QRect(89, 13, 60, 17), Qt::yellow);
    Apri_Dati_IMG = addCommandImage("Apri_Dati_IMG", "apri_dati", 176, InnerGlowEffect8, "InnerGlowEffect8",
                                    Apri_Dati_LAB, "Apri_Dati_LAB", QStringLiteral("Open data"), -12, 66);
    Salva_Dati_IMG = addCommandImage("Salva_Dati_IMG", "salva_dati", 245, InnerGlowEffect3, "InnerGlowEffect3",
                                     Salva_Dati_LAB, "Salva_Dati_LAB", QStringLiteral("Save data"), -12, 66);
    iterazioni_TXT = addEditBox(Comandi_LAY, "iterazioni_TXT", state_.iterationLimitText, QRect(324, 40, 60, 22),
                                state_.iterationLimitText);
    iterazioni_LAB =
        addLabel(Comandi_LAY, "iterazioni_LAB", QStringLiteral("Fratar iterations"), QRect(324, 0, 60, 38), Qt::yellow);
    iterazioni_LAB->setWordWrap(true);

    tipodicalcolo = new QButtonGroup(this);
    tipodicalcolo->setObjectName("tipodicalcolo");
    // The group rule is the core's: a data file may leave no mode selected,
    // which an exclusive Qt group could not show.
    tipodicalcolo->setExclusive(false);
    Ricava_QeQuQc_CHK =
        addModeButton("Ricava_QeQuQc_CHK", QStringLiteral("Find Qe,Qu,Qc,P"), 8, velmora::Mode::FlowsFromOD);
    Ricava_MatriceOD_Probabilita_CHK =
        addModeButton("Ricava_MatriceOD_Probabilita_CHK", QStringLiteral("Find O/D Matrix (Probability)"), 26,
                      velmora::Mode::ODByProbability);
    Ricava_MatriceOD_Fratar_CHK = addModeButton(
        "Ricava_MatriceOD_Fratar_CHK", QStringLiteral("Find O/D Matrix (Fratar)"), 44, velmora::Mode::ODByFratar);

    Analisi_IMG = addCommandImage("Analisi_IMG", "analisi", 615, InnerGlowEffect35, "InnerGlowEffect35", Analisi_LAB,
                                  "Analisi_LAB", QStringLiteral("Process"), -9, 60);
    Informazioni_IMG = addCommandImage("Informazioni_IMG", "informazioni", 693, InnerGlowEffect5, "InnerGlowEffect5",
                                       Informazioni_LAB, "Informazioni_LAB", QStringLiteral("Information"), -19, 80);
}

CommandImage* TMenuGEN::addCommandImage(const char* name, const char* resource, int x, InnerGlowEffect*& glow,
                                        const char* glowName, QLabel*& label, const char* labelName,
                                        const QString& text, int labelX, int labelWidth) {
    glow = new InnerGlowEffect;
    glow->setObjectName(glowName);
    auto* image = new CommandImage(QStringLiteral(":/images/%1.svg").arg(resource), glow, Comandi_LAY);
    image->setObjectName(name);
    image->setGeometry(x, imageY, imageSide, imageSide);
    label = addLabel(Comandi_LAY, labelName, text, QRect(x + labelX, captionY, labelWidth, 19), Qt::white);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setCursor(Qt::PointingHandCursor);
    image->takeClicksOf(label);
    return image;
}

QRadioButton* TMenuGEN::addModeButton(const char* name, const QString& text, int y, velmora::Mode mode) {
    auto* button = new QRadioButton(text, Comandi_LAY);
    button->setObjectName(name);
    button->setGeometry(400, y, 190, 19);
    button->setAutoExclusive(false);
    button->setChecked(state_.modes.isSelected(mode));
    setTextColour(button, Qt::white);
    tipodicalcolo->addButton(button);
    // A click always selects its mode, also on the button already checked:
    // no click leaves two modes or none selected.
    connect(button, &QRadioButton::clicked, this, [this, mode] {
        state_.modes.select(mode);
        showModes();
    });
    return button;
}
