// Times the main window at the node-count bound: start-up to a shown and
// painted window, then New data, Process (each mode), Save data and Open
// data through the window's own handlers, each until the window has painted
// again, and scrolling the O/D grid page by page. Run by
// bench/gui_timing.sh; prints one line per measurement in milliseconds.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

#include "datafile/data_file.h"
#include "dialogs.h"
#include "roundabout_data.h"
#include "table_grid.h"
#include "tinformazioni.h"
#include "tmenugen.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Answers the open and save dialogs with one file, and counts the boxes.
class ScriptedDialogs : public Dialogs {
public:
    explicit ScriptedDialogs(QString file) : file_(std::move(file)) {}
    std::optional<QString> saveFileName(const QString&) override { return file_; }
    std::optional<QString> openFileName(const QString&) override { return file_; }
    void showMessage(const QString&) override { ++messages; }
    void showError(const QString& text) override {
        ++errors;
        std::fprintf(stderr, "error box: %s\n", text.toUtf8().constData());
    }
    int messages = 0;
    int errors = 0;

private:
    QString file_;
};

// Runs a command and paints the whole window synchronously, as the event
// loop would right after the click.
template <typename Command> double timed(TMenuGEN& window, Command command) {
    const auto start = Clock::now();
    command();
    window.repaint();
    QApplication::processEvents();
    return millisecondsSince(start);
}

} // namespace

int main(int argc, char* argv[]) {
    const auto start = Clock::now();
    QApplication application(argc, argv);
    const std::string nodes = argc > 1 ? argv[1] : "1000";

    const std::filesystem::path file = std::filesystem::temp_directory_path() / "velmora-gui-timing.txt";
    auto dialogs = std::make_unique<ScriptedDialogs>(QString::fromStdString(file.string()));
    ScriptedDialogs* boxes = dialogs.get();
    TMenuGEN window(std::move(dialogs));
    TInformazioni information;
    window.setInformationWindow(&information);
    window.show();
    window.repaint();
    QApplication::processEvents();
    std::printf("start to painted main window (from main): %.1f ms\n", millisecondsSince(start));

    // A data file of a realistic roundabout of this size, written by the core.
    velmora::saveData(velmora::bench::roundabout(std::stoi(nodes)), file.string());

    window.Numero_nodi_TXT->setText(QString::fromStdString(nodes));
    const double newData = timed(window, [&] { window.Nuovi_Dati_IMGClick(); });
    std::printf("New data N=%s: %.1f ms (%d rows)\n", nodes.c_str(), newData, window.state().od.rowCount());
    std::printf("Open data N=%s: %.1f ms\n", nodes.c_str(), timed(window, [&] { window.Apri_Dati_IMGClick(); }));

    window.Ricava_QeQuQc_CHK->click();
    std::printf("Process flows N=%s: %.1f ms\n", nodes.c_str(), timed(window, [&] { window.Analisi_IMGClick(); }));
    window.Ricava_MatriceOD_Probabilita_CHK->click();
    std::printf("Process probability N=%s: %.1f ms\n", nodes.c_str(),
                timed(window, [&] { window.Analisi_IMGClick(); }));
    window.Ricava_MatriceOD_Fratar_CHK->click();
    std::printf("Process Fratar N=%s: %.1f ms (the report's box not shown, only counted)\n", nodes.c_str(),
                timed(window, [&] { window.Analisi_IMGClick(); }));
    std::printf("Save data N=%s: %.1f ms\n", nodes.c_str(), timed(window, [&] { window.Salva_Dati_IMGClick(); }));

    std::printf("New data over the full tables N=%s: %.1f ms\n", nodes.c_str(),
                timed(window, [&] { window.Nuovi_Dati_IMGClick(); }));
    window.Apri_Dati_IMGClick();

    // Scrolling: the O/D grid a page at a time down and to the right, each
    // page painted before the next.
    QScrollBar* down = window.MatriceOD_TXT->verticalScrollBar();
    QScrollBar* right = window.MatriceOD_TXT->horizontalScrollBar();
    int pages = 0;
    double slowest = 0;
    const auto scrolling = Clock::now();
    for (int k = 0; k < 100; ++k) {
        const auto frame = Clock::now();
        down->setValue(down->value() + down->pageStep());
        right->setValue(right->value() + right->pageStep() / 4);
        window.MatriceOD_TXT->viewport()->repaint();
        QApplication::processEvents();
        slowest = std::max(slowest, millisecondsSince(frame));
        ++pages;
    }
    std::printf("Scrolling the O/D grid: %d pages, %.2f ms a page on average, slowest %.2f ms\n", pages,
                millisecondsSince(scrolling) / pages, slowest);
    std::printf("boxes: %d messages, %d errors\n", boxes->messages, boxes->errors);
    std::filesystem::remove(file);
    return boxes->errors == 0 ? 0 : 1;
}
