// A glow inside the drawn shape of a widget: the colour rises from the
// shape's edges inwards, so a white line-art icon turns gold at its edges.
#pragma once

#include <QColor>
#include <QGraphicsEffect>

class InnerGlowEffect : public QGraphicsEffect {
    Q_OBJECT
public:
    explicit InnerGlowEffect(QObject* parent = nullptr);

    QColor color() const { return color_; }
    void setColor(const QColor& color);

    // 0 is a hard edge; 1 spreads the glow over a quarter of a 42 px icon.
    double softness() const { return softness_; }
    void setSoftness(double softness);

    double opacity() const { return opacity_; }
    void setOpacity(double opacity);

protected:
    void draw(QPainter* painter) override;

private:
    QColor color_{0xFF, 0xD7, 0x00};
    double softness_ = 0.8;
    double opacity_ = 1.0;
};
