// Helpers of the GUI tests: a scripted stand-in for the dialogs and a main
// window built with it.
#pragma once

#include <memory>
#include <optional>

#include <QStringList>

#include <QLabel>

#include "command_image.h"
#include "dialogs.h"
#include "table_grid.h"
#include "tmenugen.h"

class QWidget;

// Answers the file dialogs from a script (a null QString, or the end of the
// script, cancels) and
// records what the window asked and showed.
class FakeDialogs : public Dialogs {
public:
    std::optional<QString> saveFileName(const QString& previous) override;
    std::optional<QString> openFileName(const QString& previous) override;
    void showMessage(const QString& text) override { messages << text; }
    void showError(const QString& text) override { errors << text; }

    QStringList answers;
    QStringList offeredToSave;
    QStringList offeredToOpen;
    QStringList messages;
    QStringList errors;

private:
    std::optional<QString> nextAnswer();
};

// A main window whose dialogs are `dialogs` (owned by the window).
struct TestWindow {
    TestWindow();

    FakeDialogs* dialogs;
    std::unique_ptr<TMenuGEN> window;
};

// A left click in the middle of a widget, as the user makes it.
void click(QWidget* widget);

// The rows of the O/D matrix of a four-node roundabout used across the tests.
extern const std::vector<std::vector<std::string>> fourNodeOD;
