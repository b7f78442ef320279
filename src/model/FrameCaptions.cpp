#include "FrameCaptions.h"

#include "Geometry.h"
#include "Texts.h"
#include "vexa_telemetry.h"
#include "vexa_time.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kLineHeight = 15;
constexpr int kFontPixels = 14;
// The outline is 3 % of the font size, as the camera software drew it.
constexpr qreal kOutlineWidth = kFontPixels * 0.03;

enum class Align { Left, Center, Right };

QFont captionFont()
{
    QFont font;
    font.setPixelSize(kFontPixels);
    font.setBold(true);
    // The text is drawn as an antialiased outline, where hinting changes nothing visible
    // but running the font's hinting program costs time on every movie frame.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QString dmsText(double nmea, const char *degreeFormat, char hemisphere)
{
    const _vexa_dms_t dms = nmea_to_dms(nmea);
    return QString::asprintf(degreeFormat, int(dms.degrees)) + QChar(0x00B0) + QLatin1Char(' ')
         + QString::asprintf("%02d", int(dms.minutes)) + QChar(0x2019) + QLatin1Char(' ')
         + QString::asprintf("%05.2f", double(dms.seconds)) + QChar(0x201D) + QLatin1Char(' ')
         + QLatin1Char(hemisphere);
}

// Places caption lines: each a baseline point in image coordinates (top-left origin).
class CaptionLayout {
public:
    explicit CaptionLayout(QSize size) : _metrics(captionFont()), _w(size.width()), _h(size.height()) {}

    // A line in the rectangle (5, y, w - 10, 15), text hanging from the rectangle's top.
    void line(const QString &text, int y, Align align)
    {
        const QRectF r = FrameCaptions::lineRect(y, _w, _h);
        const qreal width = _metrics.horizontalAdvance(text);
        qreal x = r.left();
        if (align == Align::Right)
            x = r.right() - width;
        else if (align == Align::Center)
            x = r.left() + (r.width() - width) / 2;
        lines.append({text, QPointF(x, r.top() + _metrics.ascent())});
    }

    // Text whose line box has its bottom-left corner at (x, y), bottom-left origin.
    void at(const QString &text, qreal x, qreal y)
    {
        lines.append({text, QPointF(x, _h - y - _metrics.descent())});
    }

    QList<FrameCaptions::Line> lines;

private:
    QFontMetricsF _metrics;
    int _w;
    int _h;
};

} // namespace

QRectF FrameCaptions::lineRect(int y, int w, int h)
{
    return Geometry::toQt(QRectF(5, y, w - 10, kLineHeight), h);
}

QString FrameCaptions::latitudeText(double nmea)
{
    return dmsText(nmea, "%02d", nmea < 0 ? 'S' : 'N');
}

QString FrameCaptions::longitudeText(double nmea)
{
    return dmsText(nmea, "%03d", nmea < 0 ? 'W' : 'E');
}

QString FrameCaptions::speedText(const _vexa_video_frame_header_t &header, const DisplayFormat &format)
{
    return QString::asprintf("%d ", int(format.speedValue(header.speed)))
         + format.speedFormat() + QStringLiteral(" [")
         + DisplayFormat::courseString(header.course) + QLatin1Char(']');
}

QList<FrameCaptions::Line> FrameCaptions::lines(const _vexa_video_frame_header_t &header, QSize size) const
{
    CaptionLayout layout(size);
    const int h = size.height();
    if (!vehicle.isEmpty())
        layout.at(vehicle, 5, h - 18);
    if (date)
        layout.line(format.dateString(header.time), 5, Align::Left);
    if (sensor) {
        layout.line(QString::asprintf("Z: %.2f", gsensor_z_value(header.gsensor_z)), 20, Align::Left);
        layout.line(QString::asprintf("Y: %.2f", gsensor_value(header.gsensor_y)), 35, Align::Left);
        layout.line(QString::asprintf("X: %.2f", gsensor_value(header.gsensor_x)), 50, Align::Left);
    }
    if (latlng && !zones.hides(header)) {
        if (header.gps_valid) {
            layout.line(latitudeText(header.latitude), 20, Align::Right);
            layout.line(longitudeText(header.longitude), 5, Align::Right);
        } else {
            layout.line(Texts::text("gui_gps_signal_invalid"), 5, Align::Right);
        }
    }
    if (speed && header.gps_valid)
        layout.line(speedText(header, format), 5, Align::Center);
    return layout.lines;
}

QFont FrameCaptions::font()
{
    return captionFont();
}

QPainterPath FrameCaptions::path(const Line &line)
{
    QPainterPath path;
    path.addText(line.baseline, captionFont(), line.text);
    return path;
}

void FrameCaptions::paint(QPainter &painter, const QPainterPath &path)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(path, QColor(Qt::yellow));
    painter.strokePath(path, QPen(QColor(Qt::black), kOutlineWidth));
}

void FrameCaptions::draw(QImage &frame, const _vexa_video_frame_header_t &header) const
{
    QPainter painter(&frame);
    for (const Line &line : lines(header, frame.size()))
        paint(painter, path(line));
}
