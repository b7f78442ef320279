// JPEG pictures of a road seen from the windscreen, with a time text burnt in.
// The road is drawn once per lane phase; a picture only adds its text and is encoded.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QImageWriter>
#include <QSize>
#include <QString>

#include <vector>

class RoadScene {
public:
    static constexpr int phaseCount = 8;
    static constexpr double dashPeriodM = 12.0;

    RoadScene(QSize size, int quality);

    // The lane phase for the distance driven: the dashes move towards the camera.
    static int phaseOf(double distanceM);
    // A complete JPEG picture (SOI ... EOI) of the road at that phase with the text drawn in;
    // an empty text draws none. Pictures are cached, so repeated requests cost nothing.
    QByteArray picture(int phase, const QString &text);

private:
    QImage drawRoad(int phase) const;
    void drawText(QImage &image, const QString &text) const;
    QByteArray encode(const QImage &image);

    QSize size_;
    int quality_;
    std::vector<QImage> roads_;
    QHash<QString, QByteArray> cache_;
    QBuffer buffer_;
    QImageWriter writer_;
};
