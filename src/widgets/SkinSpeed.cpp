#include "SkinSpeed.h"


#include <QPainter>

#include <algorithm>
#include <cmath>

SkinSpeed::SkinSpeed(QWidget *parent)
    : QWidget(parent), _images(QStringLiteral("digit_speed_num"), 11)
{
}

void SkinSpeed::setSpeed(int kmh)
{
    _kmh = kmh;
    _speed = int(std::trunc(_format.speedValue(kmh)));
    _valid = kmh >= 0;
    update();
}

void SkinSpeed::setDisplayFormat(const DisplayFormat &format)
{
    _format = format;
    setSpeed(_kmh);
}

QRect SkinSpeed::slotRect(int slot) const
{
    const int w = _images.width(Dash);
    return QRect(2 + slot * (w + 2), 0, w, height() - 4);
}

void SkinSpeed::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!_valid) {
        _images.drawScaled(painter, Dash, slotRect(1), height());
        _images.drawScaled(painter, Dash, slotRect(2), height());
        return;
    }
    // Right-aligned without leading zeros; beyond three digits the read-out stays at 999.
    const int speed = std::clamp(_speed, 0, Largest);
    if (speed >= 100)
        _images.drawScaled(painter, speed / 100, slotRect(0), height());
    if (speed >= 10)
        _images.drawScaled(painter, speed % 100 / 10, slotRect(1), height());
    _images.drawScaled(painter, speed % 10, slotRect(2), height());
}
