#include "SkinGSensor.h"

#include <QPainter>
#include <QString>

#include <cmath>

SkinGSensor::SkinGSensor(QWidget *parent)
    : QWidget(parent),
      _nums(QStringLiteral("digit_gps_num"), 11),
      _dots(QStringLiteral("digit_gps_dot"), 4)
{
}

bool SkinGSensor::hasValue() const
{
    return _val != NoValue && std::isfinite(_val);
}

// A value that rounds to 0.00 reads without a sign.
bool SkinGSensor::showsMinus() const
{
    return hasValue() && _val < 0 && (_whole != 0 || _rem != 0);
}

// The digits come from the value printed with two decimals, so a fraction that rounds up
// carries into the whole digit (0.999 reads 1.00). Values of 10 g and more show their
// last whole digit.
void SkinGSensor::setVal(double g)
{
    _val = g;
    _whole = -1;
    _rem = -1;
    if (hasValue()) {
        const QString text = QString::asprintf("%.2f", std::fabs(g));
        const qsizetype dot = text.indexOf(QLatin1Char('.'));
        _whole = text.at(dot - 1).digitValue();
        _rem = text.mid(dot + 1, 2).toInt();
    }
    update();
}

int SkinGSensor::drawVal(QPainter &painter, int d, int x) const
{
    return _nums.draw(painter, d < 0 ? Dash : d % 10, x, 0, height());
}

int SkinGSensor::drawRem(QPainter &painter, int d, int x) const
{
    const int tens = d < 0 ? Dash : d / 10 % 10;
    const int units = d < 0 ? Dash : d % 10;
    _nums.draw(painter, tens, x, 0, height());
    return _nums.draw(painter, units, x + _nums.width(units) + 2, 0, height());
}

int SkinGSensor::drawDot(QPainter &painter, int i, int x) const
{
    return _dots.draw(painter, i, x, 0, height());
}

void SkinGSensor::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int w = _nums.width(0);
    if (showsMinus())
        _nums.draw(painter, Dash, 2, 0, height());
    int x = 2 + w + 2;
    x = drawVal(painter, hasValue() ? _whole : -1, x) + 2;
    x = drawDot(painter, DecimalPoint, x) + 2;
    drawRem(painter, hasValue() ? _rem : -1, x);
}
