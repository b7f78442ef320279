#include "BandPictures.h"

#include <QBuffer>
#include <QGlyphRun>
#include <QTextLayout>
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

// Caption texts change with every frame, their glyphs do not: each glyph is drawn once per
// quarter-pixel position with the viewer's caption painter and then copied into the band.
const QList<BandPictures::Glyph> &BandPictures::glyphs(const QString &text)
{
    if (auto found = _layouts.constFind(text); found != _layouts.cend())
        return *found;
    if (_layouts.size() >= kMaxCached)
        _layouts.clear();
    QTextLayout layout(text, FrameCaptions::font());
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    QList<Glyph> glyphs;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        qsizetype font = _fonts.indexOf(run.rawFont());
        if (font < 0) {
            font = _fonts.size();
            _fonts.append(run.rawFont());
        }
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size() && i < positions.size(); ++i)
            glyphs.append({int(font), indexes[i], positions[i] - QPointF(0, line.ascent())});
    }
    return *_layouts.insert(text, glyphs);
}

const BandPictures::Drawn &BandPictures::drawn(const Glyph &glyph, int subX, int subY)
{
    const quint64 key = quint64(glyph.font) << 40 | quint64(glyph.index) << 8 | subX << 4 | subY;
    if (auto found = _glyphs.constFind(key); found != _glyphs.cend())
        return *found;
    if (_glyphs.size() >= kMaxCached)
        _glyphs.clear();
    QPainterPath path = _fonts[glyph.font].pathForGlyph(glyph.index);
    path.translate(qreal(subX) / kSubpixels, qreal(subY) / kSubpixels);
    const QRect bounds = path.boundingRect().toAlignedRect().adjusted(-2, -2, 2, 2);
    QImage image(bounds.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.translate(-bounds.topLeft());
        FrameCaptions::paint(painter, path);
    }
    return *_glyphs.insert(key, Drawn{image, bounds.topLeft()});
}

void BandPictures::draw(const QList<FrameCaptions::Line> &lines)
{
    _band.fill(Qt::black);
    QPainter painter(&_band);
    for (const FrameCaptions::Line &line : lines) {
        for (const Glyph &glyph : glyphs(line.text)) {
            const QPointF at = line.baseline + glyph.offset;
            const QPoint origin(int(std::floor(at.x())), int(std::floor(at.y())));
            const int subX = std::min(kSubpixels - 1, int((at.x() - origin.x()) * kSubpixels));
            const int subY = std::min(kSubpixels - 1, int((at.y() - origin.y()) * kSubpixels));
            const Drawn &d = drawn(glyph, subX, subY);
            painter.drawImage(origin + d.offset, d.image);
        }
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
