// Shows a long Fratar balancing at work and lets the user stop it. Short
// runs show nothing: the progress window appears only once a run has taken
// longer than the delay.
#pragma once

#include <chrono>
#include <memory>

#include <QElapsedTimer>

#include "analysis/fratar.h"

class QProgressDialog;
class QWidget;

class BalancingProgress : public velmora::IterationMonitor {
public:
    explicit BalancingProgress(QWidget* window, std::chrono::milliseconds delay = std::chrono::milliseconds(400));
    ~BalancingProgress() override;

    bool keepGoing(std::int64_t iteration, std::int32_t limit) override;

private:
    void show(std::int64_t iteration, std::int32_t limit);

    QWidget* window_;
    QElapsedTimer clock_;
    qint64 nextLook_;
    std::unique_ptr<QProgressDialog> dialog_;
};
