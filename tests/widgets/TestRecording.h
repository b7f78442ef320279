// Small recordings written at test time from given pictures, each frame carrying its
// telemetry block, so widget tests can tell frames apart by their pictures.
#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

class TestRecording {
public:
    struct Frame {
        QImage picture;
        int recordPhase = 1;
        int eventType = 0;
        int gx = 0, gy = 0, gz = 1000;  // milli-g
    };

    // Writes <folder>/<name>.vdd with its .vdx sidecar; returns the .vdd file name.
    static QString write(const QString &folder, const QString &name, const QList<Frame> &frames);

    // A distinct solid colour per frame index, far enough apart to survive JPEG.
    static QColor colourOf(int frame);
    static QImage solid(QSize size, const QColor &colour);
    // Four coloured quarters: red top left, green top right, blue bottom left, yellow
    // bottom right; shows any flip.
    static QImage quarters(QSize size);
    // Frames 0 .. count - 1 in solid colours.
    static QList<Frame> solidFrames(int count, QSize size);

    // Whether two colours are the same within JPEG's error.
    static bool near(const QColor &a, const QColor &b, int tolerance = 12);
};
