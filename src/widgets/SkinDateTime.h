// The date and time of the frame on screen as a strip of bitmap glyphs on black: day of
// the week, the date in the user's order and the time with seconds.
#pragma once

#include "DisplayFormat.h"
#include "GlyphStrip.h"
#include "vexa_types.h"

#include <QWidget>

#include <initializer_list>

class SkinDateTime : public QWidget {
    Q_OBJECT

public:
    static constexpr int Width = 230;
    static constexpr int Height = 24;
    static constexpr int Bottom = 166;  // y of the frame in the parent, bottom-left
    static constexpr int GlyphBottom = 4;

    // Placed above the right end of relativeView, inside relativeView's parent (or the
    // given parent); a null view counts as a zero frame. Shows the current moment.
    explicit SkinDateTime(QWidget *relativeView, QWidget *parent = nullptr);

    // The bottom-left frame for a view whose frame starts at x and is width wide.
    static QRect frameBeside(int viewX, int viewWidth);

    const _vexa_time_t &date() const { return _st; }
    // The order of the date's fields.
    void setDisplayFormat(const DisplayFormat &format);

public slots:
    // The computer's local date and time now; the millisecond is kept.
    void setCurrentDate();
    // A local date and time to show; null shows the current moment (and does not tick).
    void setDate(const _vexa_time_t *st);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Glyph {
        const GlyphStrip &strip;
        int index;
        int gap;
    };

    int drawRun(QPainter &painter, int x, std::initializer_list<Glyph> glyphs) const;
    int drawYear(QPainter &painter, int x) const;
    int drawTwoDigits(QPainter &painter, int x, int value) const;
    int drawMonth(QPainter &painter, int x) const;
    int drawDay(QPainter &painter, int x) const;
    int drawDow(QPainter &painter, int x) const;
    int drawDot(QPainter &painter, int x, int index) const;
    int drawTime(QPainter &painter, int x) const;
    void drawWeekdayFirst(QPainter &painter, bool dayFirst) const;
    void drawYearFirst(QPainter &painter) const;

    _vexa_time_t _st{};
    DisplayFormat _format;
    GlyphStrip _dateNums;
    GlyphStrip _dateDots;
    GlyphStrip _dateDows;
    GlyphStrip _timeNums;
};
