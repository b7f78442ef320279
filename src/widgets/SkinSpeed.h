// The speed of the frame on screen in the user's unit, as up to three bitmap digits.
#pragma once

#include "DisplayFormat.h"
#include "GlyphStrip.h"

#include <QWidget>

class SkinSpeed : public QWidget {
    Q_OBJECT

public:
    static constexpr int Dash = 10;
    static constexpr int Largest = 999;  // three digits are all the read-out has

    explicit SkinSpeed(QWidget *parent = nullptr);

    int speed() const { return _speed; }
    bool isValid() const { return _valid; }
    // Bottom-left rectangle of slot 0, 1 or 2 (where the glyph is drawn scaled).
    QRect slotRect(int slot) const;
    // The unit shown; the speed on screen is shown again in it.
    void setDisplayFormat(const DisplayFormat &format);

public slots:
    // Speed in km/h; -1 (any negative value) means no value.
    void setSpeed(int kmh);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int _kmh = -1;
    int _speed = 0;
    bool _valid = false;
    DisplayFormat _format;
    GlyphStrip _images;
};
