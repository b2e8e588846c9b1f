#include "command_image.h"

#include <QMouseEvent>

#include "inner_glow_effect.h"

CommandImage::CommandImage(const QString& resource, InnerGlowEffect* glow, QWidget* parent)
    : SvgPicture(resource, 0, parent), glow_(glow) {
    setCursor(Qt::PointingHandCursor);
    glow_->setParent(this);
    glow_->setEnabled(false);
    setGraphicsEffect(glow_);
}

void CommandImage::enterEvent(QEnterEvent* event) {
    glow_->setEnabled(true);
    SvgPicture::enterEvent(event);
}

void CommandImage::leaveEvent(QEvent* event) {
    glow_->setEnabled(false);
    SvgPicture::leaveEvent(event);
}

void CommandImage::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

// A click is a press and a release on the image, as with a button: letting
// go elsewhere runs nothing.
void CommandImage::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

void CommandImage::takeClicksOf(QWidget* caption) {
    caption->installEventFilter(this);
}

bool CommandImage::eventFilter(QObject* watched, QEvent* event) {
    auto* caption = qobject_cast<QWidget*>(watched);
    if (caption != nullptr && event->type() == QEvent::MouseButtonRelease) {
        const auto* release = static_cast<QMouseEvent*>(event);
        if (release->button() == Qt::LeftButton && caption->rect().contains(release->position().toPoint()))
            emit clicked();
        return true;
    }
    return SvgPicture::eventFilter(watched, event);
}
