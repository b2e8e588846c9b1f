// The main window: the command bar (five command images, the node-count and
// iteration-limit edit boxes, the three mode radio buttons) above the flow,
// O/D and probability grids. It shows the window's state and runs the
// commands on it; it computes nothing itself.
#pragma once

#include <chrono>
#include <functional>
#include <memory>

#include <QWidget>

#include "dialogs.h"
#include "tables/window_state.h"

class CommandImage;

class InnerGlowEffect;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSplitter;
class TInformazioni;
class TableGrid;

class TMenuGEN : public QWidget {
    Q_OBJECT
public:
    // Without `dialogs` the window uses the real file dialogs and boxes.
    explicit TMenuGEN(std::unique_ptr<Dialogs> dialogs = nullptr, QWidget* parent = nullptr);
    ~TMenuGEN() override;

    // The window that the Information command shows.
    void setInformationWindow(TInformazioni* window) { information_ = window; }

    velmora::WindowState& state() { return state_; }

    // How long a Fratar balancing runs before its progress window appears.
    void setProgressDelay(std::chrono::milliseconds delay) { progressDelay_ = delay; }

    QWidget* Comandi_LAY = nullptr;
    QLineEdit* Numero_nodi_TXT = nullptr;
    QLabel* Numero_nodi_LAB = nullptr;
    CommandImage* Apri_Dati_IMG = nullptr;
    QLabel* Apri_Dati_LAB = nullptr;
    InnerGlowEffect* InnerGlowEffect8 = nullptr;
    CommandImage* Salva_Dati_IMG = nullptr;
    QLabel* Salva_Dati_LAB = nullptr;
    InnerGlowEffect* InnerGlowEffect3 = nullptr;
    CommandImage* Informazioni_IMG = nullptr;
    QLabel* Informazioni_LAB = nullptr;
    InnerGlowEffect* InnerGlowEffect5 = nullptr;
    CommandImage* Nuovi_Dati_IMG = nullptr;
    QLabel* Nuovi_Dati_LAB = nullptr;
    InnerGlowEffect* InnerGlowEffect1 = nullptr;
    CommandImage* Analisi_IMG = nullptr;
    QLabel* Analisi_LAB = nullptr;
    InnerGlowEffect* InnerGlowEffect35 = nullptr;
    QLineEdit* iterazioni_TXT = nullptr;
    QLabel* iterazioni_LAB = nullptr;
    TableGrid* MatriceOD_TXT = nullptr;
    TableGrid* Flussi_QeQuQc_TXT = nullptr;
    QSplitter* tableSplitter = nullptr;
    QWidget* Splitter1 = nullptr;
    TableGrid* Probabilita_TXT = nullptr;
    QWidget* Splitter2 = nullptr;
    QRadioButton* Ricava_QeQuQc_CHK = nullptr;
    QRadioButton* Ricava_MatriceOD_Probabilita_CHK = nullptr;
    QRadioButton* Ricava_MatriceOD_Fratar_CHK = nullptr;
    QButtonGroup* tipodicalcolo = nullptr;

    void FormCreate();
    void Nuovi_Dati_IMGClick();
    void Apri_Dati_IMGClick();
    void Salva_Dati_IMGClick();
    void Analisi_IMGClick();
    void Informazioni_IMGClick();

private:
    void buildCommandBar();
    CommandImage* addCommandImage(const char* name, const char* resource, int x, InnerGlowEffect*& glow,
                                  const char* glowName, QLabel*& label, const char* labelName, const QString& text,
                                  int labelX, int labelWidth);
    QRadioButton* addModeButton(const char* name, const QString& text, int y, velmora::Mode mode);
    void buildGrids();
    void connectCommands();
    void setTabOrder();

    // Runs one command for a click: commits an open cell editor, runs the
    // command, shows the state it left and then its failure, if any.
    void runCommand(const std::function<void()>& command);
    void showState();
    void showModes();

    velmora::WindowState state_;
    std::unique_ptr<Dialogs> dialogs_;
    TInformazioni* information_ = nullptr;
    QString lastSavedFile_;
    QString lastOpenedFile_;
    std::chrono::milliseconds progressDelay_{400};
};
