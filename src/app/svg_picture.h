// A picture drawn from an SVG resource, scaled to fit a square centred in
// the widget; the icons and the logo are vector drawings.
#pragma once

#include <QSvgRenderer>
#include <QWidget>

class SvgPicture : public QWidget {
    Q_OBJECT
public:
    // `side` 0 fits the square to the widget.
    SvgPicture(const QString& resource, int side, QWidget* parent);

    bool isLoaded() const { return renderer_.isValid(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer renderer_;
    int side_;
};
