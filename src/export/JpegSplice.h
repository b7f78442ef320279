// The fastest lossless join of a band under a camera JPEG: the picture's entropy-coded data
// is kept byte for byte, a restart marker after it resets the DC predictors, and the band's
// data (coded with the picture's own tables) follows. Only single-scan baseline pictures
// without restart markers of their own qualify; others go through the coefficient join.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

class JpegSplice {
public:
    struct Parts {
        int width = 0;
        int height = 0;
        int mcuHeight = 0;   // rows of one MCU row
        int mcus = 0;        // MCUs of the whole scan
        qsizetype sof = 0;   // where the frame header segment starts
        qsizetype sos = 0;   // where the scan header segment starts
        qsizetype data = 0;  // where the entropy-coded data starts
        qsizetype end = 0;   // where it ends (the EOI marker)
        QByteArray tables;   // frame, scan, quantization and Huffman segments, which the band's coding follows
    };

    // False for anything but an 8-bit baseline or extended Huffman JPEG of three components
    // in one interleaved scan, without restart interval, ending with EOI.
    static bool parse(QByteArrayView jpeg, Parts *parts);
    // The picture, then the band's entropy-coded data after a restart, in one picture taller
    // by bandHeight rows.
    static QByteArray join(QByteArrayView jpeg, const Parts &picture, QByteArrayView bandData,
                           int bandHeight);
};
