#include "RecordingWriter.h"

#include "vexa_telemetry.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

#include <cstring>

void RecordingWriter::addFrame(const QByteArray &jpeg, const QByteArray &payload)
{
    const QByteArray picture = withComment(jpeg, payload);
    headers_.push_back(decode_frame_comment(reinterpret_cast<const uint8_t *>(payload.constData()),
                                            uint32_t(data_.size()), uint32_t(picture.size())));
    data_.append(picture);
}

void RecordingWriter::addBareFrame(const QByteArray &jpeg)
{
    data_.append(jpeg);
}

void RecordingWriter::addPadding(const QByteArray &bytes)
{
    data_.append(bytes);
}

QByteArray RecordingWriter::encodeJpeg(const QImage &picture, int quality, bool progressive)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    writer.setProgressiveScanWrite(progressive);
    writer.write(picture);
    return bytes;
}

QByteArray RecordingWriter::withComment(const QByteArray &jpeg, const QByteArray &payload)
{
    const auto byte = [&](int i) { return uint8_t(jpeg.at(i)); };
    int at = 2;
    if (jpeg.size() >= 6 && byte(2) == 0xFF && byte(3) == 0xE0)
        at = 4 + (byte(4) << 8 | byte(5));
    const int length = int(payload.size()) + 2;
    QByteArray segment;
    segment.reserve(length + 2);
    segment.append(char(0xFF)).append(char(0xFE));
    segment.append(char(length >> 8)).append(char(length & 0xFF));
    segment.append(payload);
    QByteArray picture = jpeg;
    picture.insert(at, segment);
    return picture;
}

QByteArray RecordingWriter::sidecar(const std::vector<_vexa_video_frame_header_t> &headers, SidecarForm form)
{
    if (form == SidecarForm::None)
        return {};
    QByteArray bytes(reinterpret_cast<const char *>(headers.data()),
                     qsizetype(headers.size() * sizeof(_vexa_video_frame_header_t)));
    if (form == SidecarForm::New) {
        _vexa_video_index_header_t index{};
        index.magic = VEXA_INDEX_MAGIC;
        index.version = headers.empty() ? 1 : headers.front().version;
        index.event_type = headers.empty() ? 0 : uint8_t(headers.front().event_type & 0xFF);
        index.index_valid = 1;
        index.index_flag = 1;
        index.frame_count = uint32_t(headers.size());
        bytes.append(reinterpret_cast<const char *>(&index), sizeof index);
    }
    return bytes;
}
