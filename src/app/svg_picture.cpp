#include "svg_picture.h"

#include <QPainter>

SvgPicture::SvgPicture(const QString& resource, int side, QWidget* parent)
    : QWidget(parent), renderer_(resource), side_(side) {}

void SvgPicture::paintEvent(QPaintEvent*) {
    const int side = side_ > 0 ? std::min({side_, width(), height()}) : std::min(width(), height());
    const QRect square((width() - side) / 2, (height() - side) / 2, side, side);
    QPainter painter(this);
    renderer_.render(&painter, square);
}
