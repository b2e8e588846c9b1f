#include "gui_support.h"

#include <QTest>

std::optional<QString> FakeDialogs::nextAnswer() {
    const QString answer = answers.isEmpty() ? QString() : answers.takeFirst();
    if (answer.isNull())
        return std::nullopt;
    return answer;
}

std::optional<QString> FakeDialogs::saveFileName(const QString& previous) {
    offeredToSave << previous;
    return nextAnswer();
}

std::optional<QString> FakeDialogs::openFileName(const QString& previous) {
    offeredToOpen << previous;
    return nextAnswer();
}

TestWindow::TestWindow() {
    auto fake = std::make_unique<FakeDialogs>();
    dialogs = fake.get();
    window = std::make_unique<TMenuGEN>(std::move(fake));
}

void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

const std::vector<std::vector<std::string>> fourNodeOD = {
    {"0", "100", "200", "50"},
    {"80", "0", "120", "60"},
    {"150", "90", "0", "70"},
    {"40", "110", "130", "10"},
};
