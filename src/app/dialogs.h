// The dialogs of the main window: the two file dialogs, the message box and
// the error box. The window reaches them only through this interface, so
// that tests can answer them without a modal window.
#pragma once

#include <optional>

#include <QString>

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The file name the user confirmed in the save dialog, or nothing when
    // the dialog was cancelled. `previous` is offered as the starting choice.
    virtual std::optional<QString> saveFileName(const QString& previous) = 0;

    // The same for the open dialog.
    virtual std::optional<QString> openFileName(const QString& previous) = 0;

    // The message box of a command that ends with a report.
    virtual void showMessage(const QString& text) = 0;

    // The error box: the text of a failure, with one OK button.
    virtual void showError(const QString& text) = 0;
};
