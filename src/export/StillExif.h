// The EXIF segment a still carries, so photo tools show when and where it was taken: the
// local time with its offset from UTC, and the frame's GPS position, altitude, speed,
// direction and time. Written with libexif.
#pragma once

#include "DisplayZone.h"
#include "vexa_types.h"

#include <QByteArray>

class StillExif {
public:
    // The whole APP1 segment, marker and length included.
    static QByteArray segment(const _vexa_video_frame_header_t &frame, const DisplayZone &zone);
    // The JPEG with the segment placed after its start (and after a JFIF APP0, which must stay
    // first); every other byte as it was. Empty when jpeg does not start as a JPEG.
    static QByteArray inserted(const QByteArray &jpeg, const QByteArray &segment);
};
