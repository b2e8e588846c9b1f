// A command image of the main window's command bar: an icon used as a
// button, with the hand cursor and an inner glow that lights only while the
// mouse is over it.
#pragma once

#include "svg_picture.h"

class InnerGlowEffect;

class CommandImage : public SvgPicture {
    Q_OBJECT
public:
    CommandImage(const QString& resource, InnerGlowEffect* glow, QWidget* parent);

    InnerGlowEffect* glow() const { return glow_; }

    // A click on the image's caption runs the image's command too.
    void takeClicksOf(QWidget* caption);

signals:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    InnerGlowEffect* glow_;
    bool pressed_ = false;
};
