// The dialogs of the main window as the user sees them: QFileDialog and
// QMessageBox.
#pragma once

#include "dialogs.h"

class QFileDialog;
class QWidget;

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* window);

    std::optional<QString> saveFileName(const QString& previous) override;
    std::optional<QString> openFileName(const QString& previous) override;
    void showMessage(const QString& text) override;
    void showError(const QString& text) override;

private:
    std::optional<QString> ask(QFileDialog* dialog, const QString& previous);

    QWidget* window_;
    QFileDialog* DialogoSalva;
    QFileDialog* DialogoApri;
};
