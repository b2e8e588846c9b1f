#include "inner_glow_effect.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QPainter>

namespace {

// The distance in pixels over which the glow fades at softness 1.
constexpr double fullSoftnessRadius = 10.0;

// One pass of a box blur along rows (horizontal) or columns; pixels beyond
// the border count as outside the shape, so the glow also rises from the
// picture's own edges.
std::vector<int> boxBlur(const std::vector<int>& values, int width, int height, int radius, bool horizontal) {
    std::vector<int> result(values.size());
    const int span = 2 * radius + 1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int sum = 0;
            for (int k = -radius; k <= radius; ++k) {
                const int sx = horizontal ? x + k : x;
                const int sy = horizontal ? y : y + k;
                const bool inside = sx >= 0 && sx < width && sy >= 0 && sy < height;
                sum += inside ? values[static_cast<std::size_t>(sy * width + sx)] : 255;
            }
            result[static_cast<std::size_t>(y * width + x)] = sum / span;
        }
    }
    return result;
}

} // namespace

InnerGlowEffect::InnerGlowEffect(QObject* parent) : QGraphicsEffect(parent) {}

void InnerGlowEffect::setColor(const QColor& color) {
    color_ = color;
    update();
}

void InnerGlowEffect::setSoftness(double softness) {
    softness_ = std::clamp(softness, 0.0, 1.0);
    update();
}

void InnerGlowEffect::setOpacity(double opacity) {
    opacity_ = std::clamp(opacity, 0.0, 1.0);
    update();
}

void InnerGlowEffect::draw(QPainter* painter) {
    QPoint offset;
    const QPixmap source = sourcePixmap(Qt::DeviceCoordinates, &offset);
    QImage image = source.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int width = image.width();
    const int height = image.height();

    // Outside-ness of every pixel, blurred: high near the shape's edges.
    std::vector<int> outside(static_cast<std::size_t>(width * height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            outside[static_cast<std::size_t>(y * width + x)] = 255 - qAlpha(image.pixel(x, y));
    const int radius = std::max(1, static_cast<int>(std::lround(softness_ * fullSoftnessRadius)));
    outside = boxBlur(boxBlur(outside, width, height, radius, true), width, height, radius, false);

    QImage glow(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int strength = std::min(255, 2 * outside[static_cast<std::size_t>(y * width + x)]);
            const int alpha = static_cast<int>(std::lround(strength * opacity_));
            glow.setPixel(x, y, qRgba(color_.red(), color_.green(), color_.blue(), alpha));
        }
    }
    QPainter onShape(&image);
    onShape.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    onShape.drawImage(0, 0, glow);
    onShape.end();

    painter->save();
    painter->setWorldTransform(QTransform());
    painter->drawImage(offset, image);
    painter->restore();
}
