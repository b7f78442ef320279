// One G-sensor axis of the frame on screen: a sign, one whole digit and two decimals in
// bitmap glyphs.
#pragma once

#include "GlyphStrip.h"

#include <QWidget>

class SkinGSensor : public QWidget {
    Q_OBJECT

public:
    static constexpr double NoValue = 9999.0;
    static constexpr int Dash = 10;
    static constexpr int DecimalPoint = 0;
    static constexpr double Largest = 9.99;  // one whole digit and two decimals

    explicit SkinGSensor(QWidget *parent = nullptr);

    double value() const { return _val; }
    // What the read-out shows: the sign, the units digit and the two decimals (-1 when
    // there is no value).
    bool showsMinus() const;
    int wholeDigit() const { return _whole; }
    int decimals() const { return _rem; }
    // The value lies beyond what the digits can show; they show the largest instead.
    bool isOverRange() const { return _overRange; }

public slots:
    // Acceleration in g; 9999.0 means no value.
    void setVal(double g);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool hasValue() const;
    int drawVal(QPainter &painter, int d, int x) const;
    int drawRem(QPainter &painter, int d, int x) const;
    int drawDot(QPainter &painter, int i, int x) const;
    void drawOverRangeMark(QPainter &painter, int x) const;

    double _val = NoValue;
    int _whole = -1;
    int _rem = -1;
    bool _overRange = false;
    GlyphStrip _nums;
    GlyphStrip _dots;
};
