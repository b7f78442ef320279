// Adds a band of rows under a camera JPEG without decoding its picture: the picture's DCT
// coefficients are copied as they are and the band's are taken from the band drawn once and
// compressed with the picture's sampling and quantization, so the picture loses nothing.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <vector>

class JpegBand {
public:
    JpegBand();

    // The picture with the band under it, band (QImage::Format_RGB32) as wide as the picture
    // and a whole number of the picture's MCU rows high. Empty when the library rejects the
    // picture, it is not an 8-bit YCbCr picture of the size `picture`, or its
    // height does not end on an MCU row. key names the band's contents: the band is
    // compressed again only when it changes.
    QByteArray join(const QByteArray &jpeg, const QImage &band, const QString &key, QSize picture);

    // The height of a JPEG's MCU rows from its header; 0 when the header does not read.
    static int mcuHeight(const QByteArray &jpeg);
    // wanted rows rounded up to whole MCU rows.
    static int bandHeight(int wanted, int mcuRows);

    // The blocks of one compressed band, per component, row after row.
    struct Blocks {
        QString key;
        std::vector<unsigned char> signature;  // sampling and quantization it was made with
        std::vector<std::vector<short>> coefficients;
        std::vector<int> rowBlocks;  // blocks a row, per component
    };

private:
    // The picture's own data with the band's after a restart marker; empty when it does not qualify.
    QByteArray splice(const QByteArray &jpeg, const QImage &band, const QString &key, QSize picture);

    // The band's entropy-coded data, coded with the tables of the pictures it follows.
    struct Spliced {
        QString key;
        QByteArray tables;
        QByteArray data;
    };

    Blocks _band;
    Spliced _spliced;
};
