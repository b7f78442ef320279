#include "BandPictures.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

namespace {

// The quality of a picture compressed again; its blocks could not be kept, its detail should.
constexpr int kRecompressQuality = 95;

} // namespace

BandPictures::BandPictures(const FrameCaptions &captions, QSize picture, int bandHeight)
    : _captions(captions), _picture(picture),
      _band(picture.width(), bandHeight, QImage::Format_RGB32)
{
}

int BandPictures::wantedHeight(const FrameCaptions &c)
{
    // The captions' lines sit 15 rows apart from the bottom; the vehicle line hangs from the top.
    if (!c.vehicle.isEmpty())
        return 88;
    if (c.sensor)
        return 70;
    return c.latlng ? 40 : 24;
}

void BandPictures::draw(const QList<FrameCaptions::Line> &lines)
{
    _band.fill(Qt::black);
    QPainter painter(&_band);
    _glyphs.place(lines, QPointF(), [&painter](const CaptionGlyphs::Drawn &d, QPoint origin) {
        painter.drawImage(origin + d.offset, d.image);
    });
}

QByteArray BandPictures::make(const QByteArray &jpeg, const _vexa_video_frame_header_t &header)
{
    const QList<FrameCaptions::Line> lines = _captions.lines(header, _band.size());
    QString key;
    for (const FrameCaptions::Line &line : lines)
        key += line.text + u'\n';
    // Most captions change once a second: the band is drawn and compressed only then.
    if (key != _key || _key.isEmpty()) {
        draw(lines);
        _key = key;
    }
    const QByteArray joined = _joiner.join(jpeg, _band, _key, _picture);
    return joined.isEmpty() ? recompress(jpeg) : joined;
}

QByteArray BandPictures::recompress(const QByteArray &jpeg) const
{
    QBuffer in;
    in.setData(jpeg);
    in.open(QIODevice::ReadOnly);
    QImageReader reader(&in, "jpeg");
    // The caller checked the header's size; a picture that claims another is not decoded.
    if (reader.size() != _picture)
        return {};
    const QImage picture = reader.read();
    if (picture.isNull())
        return {};
    QImage movie(_picture.width(), _picture.height() + _band.height(), QImage::Format_RGB32);
    {
        QPainter painter(&movie);
        painter.drawImage(0, 0, picture);
        painter.drawImage(0, _picture.height(), _band);
    }
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QImageWriter writer(&out, "jpeg");
    writer.setQuality(kRecompressQuality);
    return writer.write(movie) ? out.data() : QByteArray();
}
