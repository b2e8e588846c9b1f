#include "tmenugen.h"

#include <QButtonGroup>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QShortcut>
#include <QSplitter>
#include <QVBoxLayout>

#include "command_image.h"
#include "qt_dialogs.h"
#include "rtl/format_settings.h"
#include "table_grid.h"

namespace {

const QColor windowColour(0x1A, 0x1A, 0x1A);

} // namespace

TMenuGEN::TMenuGEN(std::unique_ptr<Dialogs> dialogs, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs ? std::move(dialogs) : std::make_unique<QtDialogs>(this)) {
    setObjectName("MenuGEN");
    setWindowTitle(QStringLiteral("Ricostrizione matrice O/D in rotatoria - ing. Dorvani"));
    QPalette background = palette();
    background.setColor(QPalette::Window, windowColour);
    setPalette(background);
    setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildCommandBar();
    buildGrids();
    layout->addWidget(Comandi_LAY);
    layout->addWidget(tableSplitter, 1);
    connectCommands();
    setTabOrder();
    resize(760, 380);
    FormCreate();
}

// The grids read the tables of state_, which goes before the QWidget base
// would delete them.
TMenuGEN::~TMenuGEN() {
    delete tableSplitter;
}

void TMenuGEN::FormCreate() {
    velmora::formatSettings().decimalSeparator = ',';
}

void TMenuGEN::connectCommands() {
    struct Command {
        CommandImage* image;
        QLabel* label;
        void (TMenuGEN::*click)();
        QKeySequence shortcut;
        QString tip;
    };
    const Command commands[] = {
        {Nuovi_Dati_IMG, Nuovi_Dati_LAB, &TMenuGEN::Nuovi_Dati_IMGClick, QKeySequence(Qt::CTRL | Qt::Key_N),
         QStringLiteral("New data: tables for the node count")},
        {Apri_Dati_IMG, Apri_Dati_LAB, &TMenuGEN::Apri_Dati_IMGClick, QKeySequence(Qt::CTRL | Qt::Key_O),
         QStringLiteral("Open data from a file")},
        {Salva_Dati_IMG, Salva_Dati_LAB, &TMenuGEN::Salva_Dati_IMGClick, QKeySequence(Qt::CTRL | Qt::Key_S),
         QStringLiteral("Save data to a file")},
        {Analisi_IMG, Analisi_LAB, &TMenuGEN::Analisi_IMGClick, QKeySequence(Qt::Key_F5),
         QStringLiteral("Process: run the selected calculation")},
        {Informazioni_IMG, Informazioni_LAB, &TMenuGEN::Informazioni_IMGClick, QKeySequence(Qt::Key_F1),
         QStringLiteral("Information about Velmora")},
    };
    for (const Command& command : commands) {
        connect(command.image, &CommandImage::clicked, this, command.click);
        const QString tip =
            QStringLiteral("%1 (%2)").arg(command.tip, command.shortcut.toString(QKeySequence::NativeText));
        command.image->setToolTip(tip);
        command.label->setToolTip(tip);
        auto* shortcut = new QShortcut(command.shortcut, this);
        shortcut->setObjectName(command.image->objectName() + QStringLiteral("_shortcut"));
        connect(shortcut, &QShortcut::activated, this, command.click);
    }
}

// The stated tab orders: in the command bar the iteration limit, the node
// count and the three modes; among the window's parts the probability
// table, the O/D table, the command bar and then the flow table.
void TMenuGEN::setTabOrder() {
    QWidget* const order[] = {Probabilita_TXT,
                              MatriceOD_TXT,
                              iterazioni_TXT,
                              Numero_nodi_TXT,
                              Ricava_QeQuQc_CHK,
                              Ricava_MatriceOD_Probabilita_CHK,
                              Ricava_MatriceOD_Fratar_CHK,
                              Flussi_QeQuQc_TXT};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

void TMenuGEN::showState() {
    if (Numero_nodi_TXT->text().toStdString() != state_.nodeCountText)
        Numero_nodi_TXT->setText(QString::fromStdString(state_.nodeCountText));
    if (iterazioni_TXT->text().toStdString() != state_.iterationLimitText)
        iterazioni_TXT->setText(QString::fromStdString(state_.iterationLimitText));
    showModes();
    for (TableGrid* grid : {Flussi_QeQuQc_TXT, MatriceOD_TXT, Probabilita_TXT})
        grid->reload();
}

void TMenuGEN::showModes() {
    const std::pair<QRadioButton*, velmora::Mode> buttons[] = {
        {Ricava_QeQuQc_CHK, velmora::Mode::FlowsFromOD},
        {Ricava_MatriceOD_Probabilita_CHK, velmora::Mode::ODByProbability},
        {Ricava_MatriceOD_Fratar_CHK, velmora::Mode::ODByFratar},
    };
    for (const auto& [button, mode] : buttons) {
        const QSignalBlocker quiet(button);
        button->setChecked(state_.modes.isSelected(mode));
    }
}
