#include "balancing_progress.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace {
// How often a running balancing looks at the clock's verdict and repaints.
constexpr qint64 lookEveryMs = 100;
constexpr int steps = 1000;
} // namespace

BalancingProgress::BalancingProgress(QWidget* window, std::chrono::milliseconds delay)
    : window_(window), nextLook_(delay.count()) {
    clock_.start();
}

BalancingProgress::~BalancingProgress() = default;

bool BalancingProgress::keepGoing(std::int64_t iteration, std::int32_t limit) {
    if (clock_.elapsed() < nextLook_)
        return true;
    show(iteration, limit);
    // The window is modal, so these events cannot start another command.
    QCoreApplication::processEvents();
    nextLook_ = clock_.elapsed() + lookEveryMs;
    return !dialog_->wasCanceled();
}

void BalancingProgress::show(std::int64_t iteration, std::int32_t limit) {
    if (!dialog_) {
        dialog_ = std::make_unique<QProgressDialog>(window_);
        dialog_->setObjectName(QStringLiteral("BalancingProgress"));
        dialog_->setWindowTitle(QCoreApplication::applicationName());
        dialog_->setWindowModality(Qt::WindowModal);
        dialog_->setCancelButtonText(QStringLiteral("Stop"));
        dialog_->setRange(0, steps);
        dialog_->setMinimumDuration(0);
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
    }
    dialog_->setLabelText(QStringLiteral("Balancing the O/D matrix: iteration %1 of %2.\n"
                                         "Stop leaves the O/D and probability tables as they were.")
                              .arg(iteration)
                              .arg(limit));
    dialog_->setValue(static_cast<int>(iteration * steps / limit));
    dialog_->show();
}
