// The commands of the main window's command images.
#include "tmenugen.h"

#include <optional>
#include <string>

#include "analysis/process.h"
#include "balancing_progress.h"
#include "datafile/data_file.h"
#include "dialogs.h"
#include "rtl/error_box_text.h"
#include "rtl/failure.h"
#include "table_grid.h"
#include "tables/new_data.h"
#include "tinformazioni.h"

void TMenuGEN::Nuovi_Dati_IMGClick() {
    runCommand([this] { velmora::newData(state_); });
}

void TMenuGEN::Analisi_IMGClick() {
    std::optional<std::string> report;
    runCommand([this, &report] {
        BalancingProgress progress(this, progressDelay_);
        report = velmora::process(state_, &progress);
    });
    if (report)
        dialogs_->showMessage(QString::fromStdString(*report));
}

void TMenuGEN::Salva_Dati_IMGClick() {
    const std::optional<QString> file = dialogs_->saveFileName(lastSavedFile_);
    if (!file)
        return;
    lastSavedFile_ = *file;
    runCommand([this, path = file->toStdString()] { velmora::saveData(state_, path); });
}

void TMenuGEN::Apri_Dati_IMGClick() {
    const std::optional<QString> file = dialogs_->openFileName(lastOpenedFile_);
    if (!file)
        return;
    lastOpenedFile_ = *file;
    runCommand([this, path = file->toStdString()] { velmora::openData(state_, path); });
}

void TMenuGEN::Informazioni_IMGClick() {
    if (information_ != nullptr)
        information_->showInFront();
}

// The one place where a failure of a command is caught: the command ends
// where it failed and what it wrote so far stands, as the grids then show.
void TMenuGEN::runCommand(const std::function<void()>& command) {
    for (TableGrid* grid : {Flussi_QeQuQc_TXT, MatriceOD_TXT, Probabilita_TXT})
        grid->commitOpenEditor();
    std::optional<std::string> failure;
    try {
        command();
    } catch (const velmora::Failure& error) {
        failure = error.message();
    } catch (const velmora::Stopped&) {
        // The user stopped a balancing: what it wrote before stands, and
        // nothing needs saying.
    }
    showState();
    if (failure)
        dialogs_->showError(QString::fromStdString(velmora::errorBoxText(*failure)));
}
