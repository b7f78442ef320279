// Encodes pictures as plain Windows BMP files: 24 bits per pixel, BITMAPINFOHEADER,
// bottom-up rows padded to four bytes. Every BMP reader understands this form.
#pragma once

#include <QByteArray>
#include <QImage>

class BmpWriter {
public:
    static QByteArray encode(const QImage &image);
};
