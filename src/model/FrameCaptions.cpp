#include "FrameCaptions.h"

#include "FileManager.h"
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

class CaptionPainter {
public:
    explicit CaptionPainter(QImage &frame)
        : _painter(&frame), _font(captionFont()), _metrics(_font), _w(frame.width()),
          _h(frame.height())
    {
        _painter.setRenderHint(QPainter::Antialiasing);
    }

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
        outlined(text, QPointF(x, r.top() + _metrics.ascent()));
    }

    // Text whose line box has its bottom-left corner at (x, y), bottom-left origin.
    void at(const QString &text, qreal x, qreal y)
    {
        outlined(text, QPointF(x, _h - y - _metrics.descent()));
    }

private:
    void outlined(const QString &text, QPointF baseline)
    {
        QPainterPath path;
        path.addText(baseline, _font, text);
        _painter.fillPath(path, QColor(Qt::yellow));
        _painter.strokePath(path, QPen(QColor(Qt::black), kOutlineWidth));
    }

    QPainter _painter;
    QFont _font;
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

QString FrameCaptions::speedText(const _vexa_video_frame_header_t &header)
{
    return QString::asprintf("%d ", int(FileManager::speedValue(header.speed)))
         + FileManager::speedFormat() + QStringLiteral(" [")
         + FileManager::courseString(header.course) + QLatin1Char(']');
}

void FrameCaptions::draw(QImage &frame, const _vexa_video_frame_header_t &header) const
{
    CaptionPainter painter(frame);
    const int h = frame.height();
    if (!vehicle.isEmpty())
        painter.at(vehicle, 5, h - 18);
    if (date)
        painter.line(FileManager::dateString(header.time), 5, Align::Left);
    if (sensor) {
        painter.line(QString::asprintf("Z: %.2f", gsensor_z_value(header.gsensor_z)), 20, Align::Left);
        painter.line(QString::asprintf("Y: %.2f", header.gsensor_y / 1000.0), 35, Align::Left);
        painter.line(QString::asprintf("X: %.2f", header.gsensor_x / 1000.0), 50, Align::Left);
    }
    if (latlng) {
        if (header.gps_valid) {
            painter.line(latitudeText(header.latitude), 20, Align::Right);
            painter.line(longitudeText(header.longitude), 5, Align::Right);
        } else {
            painter.line(Texts::text("gui_gps_signal_invalid"), 5, Align::Right);
        }
    }
    if (speed && header.gps_valid)
        painter.line(speedText(header), 5, Align::Center);
}
