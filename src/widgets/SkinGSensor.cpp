#include "SkinGSensor.h"

#include <QPainter>
#include <QPolygon>
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
// carries into the whole digit (0.999 reads 1.00). A value the single whole digit cannot
// hold reads as the largest one, marked as over range, never as its last digits.
void SkinGSensor::setVal(double g)
{
    _val = g;
    _whole = -1;
    _rem = -1;
    _overRange = false;
    if (hasValue()) {
        const QString text = QString::asprintf("%.2f", std::fmin(std::fabs(g), 1e6));
        const qsizetype dot = text.indexOf(QLatin1Char('.'));
        _overRange = dot > 1;
        _whole = _overRange ? 9 : text.at(dot - 1).digitValue();
        _rem = _overRange ? 99 : text.mid(dot + 1, 2).toInt();
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
    x = drawRem(painter, hasValue() ? _rem : -1, x);
    if (_overRange)
        drawOverRangeMark(painter, x + 2);
}

// A small red arrow pointing up beside the digits: "more than this".
void SkinGSensor::drawOverRangeMark(QPainter &painter, int x) const
{
    const int size = qMin(width() - x - 1, 8);
    if (size < 4)
        return;
    const int top = height() - _nums.height(0);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0x5a, 0x36));
    painter.drawPolygon(QPolygon({QPoint(x, top + size), QPoint(x + size, top + size),
                                  QPoint(x + size / 2, top)}));
}
