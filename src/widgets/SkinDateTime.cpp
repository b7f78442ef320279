#include "SkinDateTime.h"

#include "DisplayFormat.h"
#include "Geometry.h"

#include <QDateTime>
#include <QPainter>

#include <algorithm>

namespace {

// The strips hold one glyph per digit; values a damaged record may carry beyond what the
// digits can show are drawn as the largest value that fits.
int clampTo(int value, int largest)
{
    return std::clamp(value, 0, largest);
}

} // namespace

SkinDateTime::SkinDateTime(QWidget *relativeView, QWidget *parent)
    : QWidget(parent ? parent : (relativeView ? relativeView->parentWidget() : nullptr)),
      _dateNums(QStringLiteral("digit_date_num"), 10),
      _dateDots(QStringLiteral("digit_date_dot"), 2),
      _dateDows(QStringLiteral("digit_date_dow"), 7),
      _timeNums(QStringLiteral("digit_time_num"), 12)
{
    const QRect view = relativeView ? relativeView->geometry() : QRect();
    const int parentHeight = parentWidget() ? parentWidget()->height() : 0;
    setGeometry(Geometry::toQt(frameBeside(view.x(), view.width()), parentHeight));
    setCurrentDate();
}

QRect SkinDateTime::frameBeside(int viewX, int viewWidth)
{
    return QRect(viewX + viewWidth - Width, Bottom, Width, Height);
}

void SkinDateTime::setCurrentDate()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    _st.year = uint16_t(date.year());
    _st.month = uint16_t(date.month());
    _st.day = uint16_t(date.day());
    _st.day_of_week = uint16_t(date.dayOfWeek() % 7);  // Qt counts Monday 1 ... Sunday 7
    _st.hour = uint16_t(time.hour());
    _st.minute = uint16_t(time.minute());
    _st.second = uint16_t(time.second());
}

void SkinDateTime::setDate(const _vexa_time_t *st)
{
    if (st)
        _st = *st;
    else
        setCurrentDate();
    update();
}

// The first glyph goes at x; each further one at (x of the glyph before + its own width +
// its gap). Returns the last glyph's x + its width.
int SkinDateTime::drawRun(QPainter &painter, int x, std::initializer_list<Glyph> glyphs) const
{
    int glyphX = x;
    int end = x;
    bool first = true;
    for (const Glyph &g : glyphs) {
        if (!first)
            glyphX += g.strip.width(g.index) + g.gap;
        first = false;
        end = g.strip.draw(painter, g.index, glyphX, GlyphBottom, height());
    }
    return end;
}

int SkinDateTime::drawYear(QPainter &painter, int x) const
{
    const int year = clampTo(_st.year, 9999);
    return drawRun(painter, x,
                   {{_dateNums, year / 1000, 0},
                    {_dateNums, year % 1000 / 100, 2},
                    {_dateNums, year % 100 / 10, 2},
                    {_dateNums, year % 10, 2}});
}

int SkinDateTime::drawTwoDigits(QPainter &painter, int x, int value) const
{
    const int shown = clampTo(value, 99);
    return drawRun(painter, x, {{_dateNums, shown / 10, 0}, {_dateNums, shown % 10, 2}});
}

int SkinDateTime::drawMonth(QPainter &painter, int x) const
{
    return drawTwoDigits(painter, x, _st.month);
}

int SkinDateTime::drawDay(QPainter &painter, int x) const
{
    return drawTwoDigits(painter, x, _st.day);
}

// A weekday the strip has no glyph for leaves its slot empty.
int SkinDateTime::drawDow(QPainter &painter, int x) const
{
    return drawRun(painter, x, {{_dateDows, _st.day_of_week, 0}});
}

int SkinDateTime::drawDot(QPainter &painter, int x, int index) const
{
    return drawRun(painter, x, {{_dateDots, index, 0}});
}

// Hours and minutes from the time strip, the seconds from the date strip.
int SkinDateTime::drawTime(QPainter &painter, int x) const
{
    const int hour = clampTo(_st.hour, 99);
    const int minute = clampTo(_st.minute, 99);
    const int second = clampTo(_st.second, 99);
    return drawRun(painter, x,
                   {{_timeNums, hour / 10, 0},
                    {_timeNums, hour % 10, 2},
                    {_timeNums, 11, 0},
                    {_timeNums, minute / 10, 0},
                    {_timeNums, minute % 10, 2},
                    {_timeNums, 10, 0},
                    {_dateNums, second / 10, 2},
                    {_dateNums, second % 10, 3}});
}

// Weekday first, the year after the day and month: month before day in format 1, day
// before month in format 2.
void SkinDateTime::drawWeekdayFirst(QPainter &painter, bool dayFirst) const
{
    int x = drawDow(painter, 4);
    x = drawDot(painter, x + 1, 0);
    x = dayFirst ? drawDay(painter, x + 1) : drawMonth(painter, x + 1);
    x = drawDot(painter, x + 1, 0);
    x = dayFirst ? drawMonth(painter, x + 1) : drawDay(painter, x + 1);
    x = drawDot(painter, x + 1, 0);
    x = drawYear(painter, x + 1);
    drawTime(painter, x + 9);
}

void SkinDateTime::drawYearFirst(QPainter &painter) const
{
    int x = drawYear(painter, 5);
    x = drawDot(painter, x + 2, 0);
    x = drawMonth(painter, x + 2);
    x = drawDot(painter, x + 2, 0);
    x = drawDay(painter, x + 2);
    x = drawDow(painter, x + 5);
    drawTime(painter, x + 5);
}

void SkinDateTime::setDisplayFormat(const DisplayFormat &format)
{
    _format = format;
    update();
}

void SkinDateTime::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    switch (_format.dateFormat()) {
    case 1:
        drawWeekdayFirst(painter, false);
        break;
    case 2:
        drawWeekdayFirst(painter, true);
        break;
    default:
        drawYearFirst(painter);
        break;
    }
}
