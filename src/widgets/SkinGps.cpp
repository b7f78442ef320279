#include "SkinGps.h"

#include "vexa_time.h"

#include <QPainter>

#include <algorithm>
#include <cstdio>

SkinGps::SkinGps(QWidget *parent)
    : QWidget(parent),
      _nums(QStringLiteral("digit_gps_num"), 11),
      _dots(QStringLiteral("digit_gps_dot"), 4),
      _dirs(QStringLiteral("digit_gps_dir"), 4)
{
}

SkinGps::Position SkinGps::positionOf(double nmea, bool isLatitude)
{
    const _vexa_dms_t dms = nmea_to_dms(nmea);
    // The seconds as "ss.hh", rounded once; a carry moves into the minutes and degrees.
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", double(dms.seconds));
    int whole = 0;
    int hundredths = 0;
    std::sscanf(text, "%d.%d", &whole, &hundredths);

    Position p;
    p.degrees = dms.degrees;
    p.minutes = dms.minutes;
    p.seconds = whole;
    p.hundredths = hundredths;
    if (p.seconds >= 60) {
        p.seconds -= 60;
        if (++p.minutes == 60) {
            p.minutes = 0;
            ++p.degrees;
        }
    }
    if (isLatitude)
        p.hemisphere = nmea < 0 ? South : North;
    else
        p.hemisphere = nmea < 0 ? West : East;
    return p;
}

void SkinGps::setLatitude(double latitude, double longitude)
{
    const bool valid = latitude >= -9000 && latitude <= 9000 && latitude != NoPosition
                       && longitude >= -18000 && longitude <= 18000;
    _valid = valid;
    if (valid) {
        _lat = positionOf(latitude, true);
        _lon = positionOf(longitude, false);
    }
    update();
}

// Three slots at the size of digit 0; the hundreds slot is kept even when empty. Without
// a value only the longitude row shows a third dash.
int SkinGps::drawDeg(QPainter &painter, int d, int x, int y) const
{
    const int w = _nums.width(0);
    const QSize size(w, _nums.height(0));
    const auto slot = [&](int k) { return QRect(QPoint(x + k * (w + 2), y), size); };
    if (d < 0) {
        if (y == LongitudeRowY)
            _nums.drawScaled(painter, Dash, slot(0), height());
        _nums.drawScaled(painter, Dash, slot(1), height());
        _nums.drawScaled(painter, Dash, slot(2), height());
    } else {
        d = std::min(d, 999);
        if (d >= 100)
            _nums.drawScaled(painter, d / 100, slot(0), height());
        _nums.drawScaled(painter, d % 100 / 10, slot(1), height());
        _nums.drawScaled(painter, d % 10, slot(2), height());
    }
    return x + 2 * (w + 2) + w;
}

int SkinGps::drawNum(QPainter &painter, int d, int x, int y) const
{
    const int tens = d < 0 ? Dash : std::min(d, 99) / 10;
    const int units = d < 0 ? Dash : std::min(d, 99) % 10;
    _nums.draw(painter, tens, x, y, height());
    const int unitsX = x + _nums.width(units) + 2;
    return _nums.draw(painter, units, unitsX, y, height());
}

int SkinGps::drawDot(QPainter &painter, int i, int x, int y) const
{
    return _dots.draw(painter, i, x, y, height());
}

int SkinGps::drawDir(QPainter &painter, int i, int x, int y) const
{
    return _dirs.draw(painter, i, x, y + 1, height());
}

void SkinGps::drawRow(QPainter &painter, const Position &position, int y) const
{
    const auto value = [this](int v) { return _valid ? v : -1; };
    int x = drawDeg(painter, value(position.degrees), 0, y) + 2;
    x = drawDot(painter, 1, x, y) + 2;
    x = drawNum(painter, value(position.minutes), x, y) + 2;
    x = drawDot(painter, 2, x, y) + 2;
    x = drawNum(painter, value(position.seconds), x, y) + 2;
    x = drawDot(painter, 0, x, y) + 2;
    x = drawNum(painter, value(position.hundredths), x, y) + 2;
    x = drawDot(painter, 3, x, y) + 2;
    if (_valid)
        drawDir(painter, position.hemisphere, x, y);
}

void SkinGps::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawRow(painter, _lat, LatitudeRowY);
    drawRow(painter, _lon, LongitudeRowY);
}
