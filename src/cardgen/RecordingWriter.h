// Assembles one recording: the .vdd picture stream and its sidecar index.
#pragma once

#include "vexa_types.h"

#include <QByteArray>

class QImage;

#include <vector>

enum class SidecarForm { New, Old, None };

class RecordingWriter {
public:
    // Appends a picture that carries the payload in a COM segment before its scan.
    void addFrame(const QByteArray &jpeg, const QByteArray &payload);
    // Appends a picture without a COM segment: readers leave it out of the index.
    void addBareFrame(const QByteArray &jpeg);
    // Bytes between pictures, which readers skip.
    void addPadding(const QByteArray &bytes);

    const QByteArray &data() const { return data_; }
    // One header per picture with a payload, as a scan of the data finds them.
    const std::vector<_vexa_video_frame_header_t> &headers() const { return headers_; }

    // A picture encoded as a plain JPEG, ready for addFrame; progressive as some cameras and
    // editors write them, in several scans.
    static QByteArray encodeJpeg(const QImage &picture, int quality, bool progressive = false);
    // A copy of the picture with the COM segment put right after SOI (and APP0 if present).
    static QByteArray withComment(const QByteArray &jpeg, const QByteArray &payload);
    // The .vdx bytes: the headers, and in the new form the index header after them.
    static QByteArray sidecar(const std::vector<_vexa_video_frame_header_t> &headers, SidecarForm form);

private:
    QByteArray data_;
    std::vector<_vexa_video_frame_header_t> headers_;
};
