#include "BandPictures.h"

#include "MovieExport.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

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

// Most lines repeat (the vehicle, a second's date), and G values come from a small set:
// each text is drawn once with the viewer's caption painter, then copied into the band.
const BandPictures::Drawn &BandPictures::drawn(const FrameCaptions::Line &line)
{
    const QPointF fraction(line.baseline.x() - std::floor(line.baseline.x()),
                           line.baseline.y() - std::floor(line.baseline.y()));
    const QString key = line.text + QString::asprintf("\n%.2f %.2f", fraction.x(), fraction.y());
    if (auto found = _lines.constFind(key); found != _lines.cend())
        return *found;
    if (_lines.size() >= kMaxCached)
        _lines.clear();
    const QPainterPath path = FrameCaptions::path({line.text, fraction});
    const QRect bounds = path.boundingRect().toAlignedRect().adjusted(-2, -2, 2, 2);
    QImage image(bounds.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.translate(-bounds.topLeft());
        FrameCaptions::paint(painter, path);
    }
    return *_lines.insert(key, Drawn{image, bounds.topLeft()});
}

void BandPictures::draw(const QList<FrameCaptions::Line> &lines)
{
    _band.fill(Qt::black);
    QPainter painter(&_band);
    for (const FrameCaptions::Line &line : lines) {
        const Drawn &d = drawn(line);
        const QPoint origin(int(std::floor(line.baseline.x())), int(std::floor(line.baseline.y())));
        painter.drawImage(origin + d.offset, d.image);
    }
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
    const QByteArray joined = _joiner.join(jpeg, _band, _key, MovieExport::largestPicture());
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
