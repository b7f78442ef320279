// The position of the frame on screen: a latitude row and a longitude row of degrees,
// minutes, seconds with hundredths, and the hemisphere, in bitmap glyphs.
#pragma once

#include "GlyphStrip.h"

#include <QWidget>

class SkinGps : public QWidget {
    Q_OBJECT

public:
    static constexpr double NoPosition = 99999.0;
    static constexpr int Dash = 10;
    static constexpr int LatitudeRowY = 24;
    static constexpr int LongitudeRowY = 2;
    enum Hemisphere { North = 0, South = 1, East = 2, West = 3 };

    struct Position {
        int degrees = 0;
        int minutes = 0;
        int seconds = 0;
        int hundredths = 0;
        int hemisphere = 0;
        bool operator==(const Position &) const = default;
    };

    explicit SkinGps(QWidget *parent = nullptr);

    bool isValid() const { return _valid; }
    const Position &latitude() const { return _lat; }
    const Position &longitude() const { return _lon; }

    // Degrees, minutes, seconds and hundredths of an NMEA ddmm.mmmm value. The whole
    // values follow the rounding of the hundredths, so 12.996 seconds read 13.00.
    static Position positionOf(double nmea, bool isLatitude);

public slots:
    // NMEA ddmm.mmmm values, negative for south and west; a latitude of 99999.0 or any
    // value out of range shows dashes.
    void setLatitude(double latitude, double longitude);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawRow(QPainter &painter, const Position &position, int y) const;
    int drawDeg(QPainter &painter, int d, int x, int y) const;
    int drawNum(QPainter &painter, int d, int x, int y) const;
    int drawDot(QPainter &painter, int i, int x, int y) const;
    int drawDir(QPainter &painter, int i, int x, int y) const;

    Position _lat;
    Position _lon;
    bool _valid = false;
    GlyphStrip _nums;
    GlyphStrip _dots;
    GlyphStrip _dirs;
};
