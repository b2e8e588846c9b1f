#include "qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QFileDialog* velmoraFileDialog(QWidget* window, const char* name, QFileDialog::AcceptMode mode) {
    auto* dialog = new QFileDialog(window);
    dialog->setObjectName(name);
    dialog->setAcceptMode(mode);
    // Neither dialog insists that the chosen file exists: the open dialog
    // leaves a missing file to Open data, which reports it.
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilter(QStringLiteral("Velmora (*.txt)"));
    dialog->setDefaultSuffix(QStringLiteral("txt"));
    return dialog;
}

// Failure texts quote what the user typed; shown as rich text, a cell text
// such as "<b>" would be rendered instead of shown.
void showBox(QWidget* window, QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, window);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

QtDialogs::QtDialogs(QWidget* window)
    : window_(window), DialogoSalva(velmoraFileDialog(window, "DialogoSalva", QFileDialog::AcceptSave)),
      DialogoApri(velmoraFileDialog(window, "DialogoApri", QFileDialog::AcceptOpen)) {
    // Saving over an existing file asks first (QFileDialog's default for a
    // save dialog; stated here because the user relies on it).
    DialogoSalva->setOption(QFileDialog::DontConfirmOverwrite, false);
}

std::optional<QString> QtDialogs::ask(QFileDialog* dialog, const QString& previous) {
    if (!previous.isEmpty())
        dialog->selectFile(previous);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().constFirst();
}

std::optional<QString> QtDialogs::saveFileName(const QString& previous) {
    return ask(DialogoSalva, previous);
}

std::optional<QString> QtDialogs::openFileName(const QString& previous) {
    return ask(DialogoApri, previous);
}

void QtDialogs::showMessage(const QString& text) {
    showBox(window_, QMessageBox::Information, text);
}

void QtDialogs::showError(const QString& text) {
    showBox(window_, QMessageBox::Critical, text);
}
