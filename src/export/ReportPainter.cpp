#include "ReportPainter.h"

#include "DisplayZone.h"
#include "DrivingEvents.h"
#include "DurableFile.h"
#include "FileLog.h"
#include "FileManager.h"
#include "FileVideo.h"
#include "Geometry.h"
#include "Texts.h"
#include "vexa_time.h"
#include "vexa_telemetry.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace {

// Fonts in points: the painter works in points whatever the device resolution.
QFont fontOf(int size, bool bold = false)
{
    QFont font;
    font.setPixelSize(size);
    font.setBold(bold);
    return font;
}

QFont textFont() { return fontOf(12); }
QFont smallFont() { return fontOf(8); }

double lineHeight(const QFont &font) { return QFontMetricsF(font).height(); }

// A 1-point outline of a page rectangle.
void outline(QPainter *p, const QRectF &box, double pageHeight)
{
    p->setBrush(Qt::NoBrush);
    p->drawRect(Geometry::toQt(box, pageHeight));
}

// Text whose line box has its bottom-left corner at (x, y) of the page.
void textAt(QPainter *p, const QFont &font, const QString &text, double x, double y, double pageHeight)
{
    p->setFont(font);
    p->drawText(QPointF(x, pageHeight - y - QFontMetricsF(font).descent()), text);
}

// A caption sits just above the box's top-left corner.
void caption(QPainter *p, const QRectF &box, const QString &text, double pageHeight)
{
    textAt(p, textFont(), text, box.left() + 5, box.bottom() + 2, pageHeight);
}

QString key(const char *k) { return Texts::text(k); }

QString dmsText(double nmea, QChar hemisphere)
{
    const _vexa_dms_t dms = nmea_to_dms(nmea);
    return QString::asprintf("%d", dms.degrees) + QChar(0x02DA) + QString::asprintf(" %d", dms.minutes)
         + QChar(0x2019) + QString::asprintf(" %.2f", double(dms.seconds)) + QChar(0x201D)
         + QLatin1Char(' ') + hemisphere;
}

QString dashedDms(QChar hemisphere)
{
    return QStringLiteral("--") + QChar(0x02DA) + QStringLiteral(" --") + QChar(0x2019)
         + QStringLiteral(" --.--") + QChar(0x201D) + QLatin1Char(' ') + hemisphere;
}

QString latitudeText(bool valid, double nmea)
{
    return valid ? dmsText(nmea, nmea < 0 ? QLatin1Char('S') : QLatin1Char('N')) : dashedDms(QLatin1Char('N'));
}

QString longitudeText(bool valid, double nmea)
{
    return valid ? dmsText(nmea, nmea < 0 ? QLatin1Char('W') : QLatin1Char('E')) : dashedDms(QLatin1Char('E'));
}

_vexa_time_t nowTime() { return msec_to_time(now_msec()); }

// The receiver's time of the fix, from the frame's comment; false when it cannot be read.
bool gpsTime(FileVideo *video, qint64 index, _vexa_time_t *time)
{
    uint8_t c[VEXA_COMMENT_SIZE];
    if (!video->jpegComment(c, index))
        return false;
    *time = _vexa_time_t{};
    time->year = uint16_t(c[52] | (c[53] << 8));
    time->month = c[54];
    time->day = c[55];
    time->hour = c[56];
    time->minute = c[57];
    time->second = c[58];
    time->day_of_week = video->headerAtIndex(index).time.day_of_week;
    return true;
}

} // namespace

ReportPainter::ReportPainter(Content content) : _content(std::move(content)) {}

int ReportPainter::pageCount() const
{
    return int(_content.indices.size()) + (_content.log ? 2 : 1) + int(_content.extraPages.size());
}

QString ReportPainter::dateString(const _vexa_time_t &utc, bool valid, const DisplayFormat &display)
{
    const int format = display.dateFormat();
    // Year 0 is the all-zero time of a missing frame, record or receiver time.
    if (!valid || utc.year == 0)
        return format == 1 || format == 2 ? QStringLiteral(": (-) --.--.---- --:--:--")
                                          : QStringLiteral(": ----.--.--(-) --:--:--");
    const DisplayZone &zone = display.zone();
    const _vexa_time_t t = zone.toLocal(utc);
    const QString week = DisplayFormat::weekString(t.day_of_week);
    // A time on paper stands alone: it names its zone.
    const QString zoneText = QStringLiteral("  ") + zone.label(utc);
    if (format == 1 || format == 2) {
        const int first = format == 1 ? t.month : t.day;
        const int second = format == 1 ? t.day : t.month;
        return QStringLiteral(": (%1) ").arg(week)
             + QString::asprintf("%02d.%02d.%04d  %02d:%02d:%02d", first, second, t.year, t.hour,
                                 t.minute, t.second) + zoneText;
    }
    return QString::asprintf(": %04d.%02d.%02d(", t.year, t.month, t.day) + week
         + QString::asprintf(")  %02d:%02d:%02d", t.hour, t.minute, t.second) + zoneText;
}

bool ReportPainter::paint(QPagedPaintDevice *device, const Progress &progress) const
{
    QPainter painter;
    if (!device || !painter.begin(device))
        return false;
    const QPageLayout layout = device->pageLayout();
    const QRectF paper = layout.paintRectPoints();
    painter.scale(device->logicalDpiX() / 72.0, device->logicalDpiY() / 72.0);
    painter.setPen(QPen(Qt::black, 1));
    // The header lies in the top margin; a margin too thin for it takes its room from the page.
    const double header = lineHeight(textFont()) + 6;
    const double shift = std::max(0.0, header - layout.marginsPoints().top());
    painter.translate(0, shift);
    const Page page{&painter, QRectF(0, 0, paper.width(), paper.height() - shift)};
    const int count = pageCount();
    for (int n = 1; n <= count; ++n) {
        if (progress && !progress(n, count))
            return false;
        if (n > 1 && !device->newPage())
            return false;
        painter.setFont(textFont());
        painter.drawText(QRectF(0, -header, paper.width(), header), Qt::AlignCenter,
                         QStringLiteral("%1 / %2").arg(n).arg(count));
        drawPage(page, n);
    }
    return painter.end();
}

bool ReportPainter::writePdf(const QString &path, const Progress &progress, QString *error) const
{
    DurableFile file(path);
    if (!file.open()) {
        if (error)
            *error = file.reason();
        return false;
    }
    bool painted = false;
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(36, 36, 36, 36), QPageLayout::Point);
        writer.setResolution(300);
        writer.setTitle(_content.title);
        writer.setCreator(QStringLiteral("Tumbo Viewer"));
        painted = paint(&writer, progress);
    }
    if (!painted) {
        // A full disk is the likely reason a painter stops; else the report was cancelled.
        if (error)
            *error = file.reason().isEmpty() ? QStringLiteral("report not written") : file.reason();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.reason();
        return false;
    }
    return true;
}

void ReportPainter::drawPage(const Page &page, int number) const
{
    const int framesFrom = _content.log ? 3 : 2;
    const int extraFrom = pageCount() - int(_content.extraPages.size()) + 1;
    if (number >= extraFrom) {
        page.painter->save();
        _content.extraPages[number - extraFrom](page.painter, QRectF(page.r.x(), 0, page.r.width(), page.r.height()));
        page.painter->restore();
    } else if (number >= framesFrom) {
        drawFrame(page, _content.indices.value(number - framesFrom, -1));
    } else if (!_content.log) {
        drawCover(page);
    } else if (number == 1) {
        drawLogFirst(page);
    } else {
        drawLogSecond(page);
    }
}

void ReportPainter::drawTitle(const Page &page, const QString &fallbackKey) const
{
    QPainter *p = page.painter;
    const QRectF &r = page.r;
    const QRectF box(r.x(), r.y() + r.height() - 50, r.width(), 50);
    outline(p, box, r.height());
    p->setFont(fontOf(17, true));
    const QString title = _content.title.isEmpty() ? Texts::text(fallbackKey) : _content.title;
    p->drawText(Geometry::toQt(box, r.height()), Qt::AlignCenter, title);
    outline(p, QRectF(r.x(), r.y(), r.width(), r.height() - 55), r.height());
}

QRectF ReportPainter::drawPicture(const Page &page, const QImage &image, double widthPart,
                                  double x, double y, bool withOutline) const
{
    const double w = widthPart * page.r.width();
    // A missing picture keeps its place as an empty box of a graph's proportions.
    const double h = image.isNull() ? w * 0.3 : w * image.height() / image.width();
    const QRectF box(x, y, w, h);
    if (!image.isNull())
        page.painter->drawImage(Geometry::toQt(box, page.r.height()), image);
    const QRectF frame = box.adjusted(-1, -1, 1, 1);
    if (withOutline)
        outline(page.painter, frame, page.r.height());
    return withOutline ? frame : box;
}

void ReportPainter::drawCover(const Page &page) const
{
    QPainter *p = page.painter;
    const QRectF &r = page.r;
    const double H = r.height();
    drawTitle(page, QStringLiteral("gui_event_report"));

    const double labelX = r.x() + 0.4 * r.width();
    double row = r.y() + H - 79;
    auto info = [&](const char *label, const QString &value) {
        textAt(p, smallFont(), key(label), labelX, row, H);
        textAt(p, smallFont(), value, labelX + 90, row, H);
        row -= 12;
    };
    if (FileVideo *video = _content.video) {
        info("gui_file_name", QStringLiteral(": %1 [UTC]").arg(QFileInfo(video->path()).completeBaseName()));
        const qint64 current = _content.currentFrame >= 0 ? _content.currentFrame : video->currentIndex();
        const auto &header = video->headerAtIndex(current);
        info("gui_event_type", QStringLiteral(": ") + DisplayFormat::eventTypeString(header.event_type));
    }
    info("gui_print_time", dateString(nowTime(), true, _content.format));

    const QRectF graph = drawPicture(page, _content.graph, 0.8, r.x() + 0.1 * r.width(), r.y() + 20);
    const QRectF map = drawPicture(page, _content.map, 0.6, r.x() + 0.2 * r.width(), graph.bottom() - 1 + 20);
    const QRectF mapBox(r.x() + 0.1 * r.width(), map.y() + 1 - 5, 0.8 * r.width(), map.height() - 2 + 10);
    outline(p, mapBox, H);
    caption(p, mapBox, QStringLiteral("< %1 / %2 >").arg(key("gui_map"), key("gui_gsensor_graph")), H);

    const QRectF comment(mapBox.x(), mapBox.bottom() + 12 + lineHeight(textFont()), mapBox.width(), 100);
    outline(p, comment, H);
    caption(p, comment, QStringLiteral("< %1 >").arg(key("gui_comment")), H);
    p->setFont(textFont());
    p->drawText(Geometry::toQt(comment, H).adjusted(4, 4, -4, -4), Qt::TextWordWrap, _content.comment);
    const double top = comment.bottom() + lineHeight(textFont()) + 8;
    drawEvents(page, QRectF(comment.x(), top, comment.width(), row + 6 - top));
}

void ReportPainter::drawFrame(const Page &page, qint64 index) const
{
    QPainter *p = page.painter;
    const QRectF &r = page.r;
    const double H = r.height();
    outline(p, r, H);
    FileVideo *video = _content.video;
    if (!video || index < 0 || index >= video->frameCount())
        return;
    const QImage image = video->aviImageAtIndex(index, QString(), false, false, false, false, _content.flip,
                                                _content.format);
    const double picWidth = 0.8 * r.width();
    const double picHeight = image.isNull() ? picWidth * 0.75 : picWidth * image.height() / image.width();
    const QRectF pic = drawPicture(page, image, 0.8, r.x() + 0.1 * r.width(),
                                   r.y() + H - 0.1 * r.width() - picHeight, false);

    const auto &h = video->headerAtIndex(index);
    const bool fix = has_position_fix(h.gps_valid, h.latitude, h.longitude)
        && !_content.zones.contains(nmea_to_degrees(h.latitude), nmea_to_degrees(h.longitude));
    _vexa_time_t gps{};
    const bool gpsValid = fix && gpsTime(video, index, &gps);
    const DisplayFormat &format = _content.format;
    const QString speedUnit = format.speedFormat();
    const QString altitudeUnit = format.altitudeFormat();
    const QList<QPair<const char *, QString>> rows = {
        {"gui_frame_no", QString::asprintf(": %lld/%d", index + 1, int(video->frameCount()))},
        {"gui_frame_time", dateString(h.time, true, _content.format)},
        {"gui_gps_time", dateString(gps, gpsValid, _content.format)},
        {"gui_gsensor", QString::asprintf(": X %.2f , Y %.2f , Z %.2f", gsensor_value(h.gsensor_x),
                                          gsensor_value(h.gsensor_y), gsensor_z_value(h.gsensor_z))},
        {"gui_gps_coord", QStringLiteral(": WGS84")},
        {nullptr, QStringLiteral("  ") + latitudeText(fix, h.latitude)},
        {nullptr, QStringLiteral("  ") + longitudeText(fix, h.longitude)},
        {"gui_speed", fix ? QString::asprintf(": %d ", int(format.speedValue(h.speed))) + speedUnit
                                + QStringLiteral("  [") + DisplayFormat::courseString(h.course) + QLatin1Char(']')
                          : QStringLiteral(": - %1 [-]").arg(speedUnit)},
        {"gui_altitude", fix ? QString::asprintf(": %.0f ", format.altitudeValue(h.altitude)) + altitudeUnit
                             : QStringLiteral(": -") + altitudeUnit},
    };
    const double labelX = pic.x() + 0.03 * r.width();
    double y = pic.y() - (lineHeight(textFont()) + 0.04 * r.width());
    for (const auto &[label, value] : rows) {
        if (label)
            textAt(p, textFont(), key(label), labelX, y, H);
        textAt(p, textFont(), value, labelX + 140, y, H);
        y -= 20;
    }
}

void ReportPainter::drawLogFirst(const Page &page) const
{
    QPainter *p = page.painter;
    const QRectF &r = page.r;
    const double H = r.height();
    drawTitle(page, QStringLiteral("gui_log_report"));
    const double labelX = r.x() + 0.4 * r.width();
    const double row = r.y() + H - 79;
    const FileLog *log = _content.log;
    textAt(p, smallFont(), key("gui_log_time"), labelX, row, H);
    textAt(p, smallFont(), dateString(log->logAtIndex(log->currentIndex()).time, true, _content.format),
           labelX + 90, row, H);
    textAt(p, smallFont(), key("gui_print_time"), labelX, row - 12, H);
    textAt(p, smallFont(), dateString(nowTime(), true, _content.format), labelX + 90, row - 12, H);

    const double left = r.x() + 0.1 * r.width();
    const QRectF graph = drawPicture(page, _content.graph, 0.8, left, r.y() + 0.1 * r.width());
    caption(p, graph, QStringLiteral("< %1 : %2 >").arg(key("gui_gsensor_graph"), key("gui_zoom")), H);
    const QRectF logGraph = drawPicture(page, _content.logGraph, 0.8, left, graph.bottom() + 100);
    caption(p, logGraph, QStringLiteral("< %1 : %2 >").arg(key("gui_gsensor_graph"), key("gui_total")), H);
    const QRectF comment(logGraph.x(), logGraph.bottom() + 100, logGraph.width(), 100);
    outline(p, comment, H);
    caption(p, comment, QStringLiteral("< %1 >").arg(key("gui_comment")), H);
    p->setFont(textFont());
    p->drawText(Geometry::toQt(comment, H).adjusted(4, 4, -4, -4), Qt::TextWordWrap, _content.comment);
}

void ReportPainter::drawEvents(const Page &page, const QRectF &area) const
{
    QPainter *p = page.painter;
    const double H = page.r.height();
    const DrivingEvents::Thresholds thresholds = DrivingEvents::storedThresholds(_content.format);
    const DrivingEvents::Events events =
        _content.log     ? DrivingEvents::ofLog(_content.log->file().records(), thresholds)
        : _content.video ? DrivingEvents::ofRecording(_content.video->file().headers(), thresholds)
                         : DrivingEvents::Events();
    const QFont font = smallFont();
    const double step = lineHeight(font) + 2;
    if (area.height() < 3 * step)
        return;
    double y = area.bottom() - step;
    textAt(p, textFont(), QStringLiteral("< %1 >").arg(key("gui_events")), area.x(), y, H);
    y -= step + 4;
    const double columns[] = {area.x(), area.x() + 0.28 * area.width(), area.x() + 0.78 * area.width()};
    if (events.empty())
        textAt(p, font, key("gui_no_events"), columns[0], y, H);
    for (size_t i = 0; i < events.size() && y >= area.y(); ++i, y -= step) {
        const DrivingEvents::Event &e = events[i];
        // The last row that fits says how many more there are.
        if (y - step < area.y() && i + 1 < events.size()) {
            textAt(p, font, key("gui_more_events").arg(events.size() - i), columns[0], y, H);
            break;
        }
        p->setBrush(DrivingEvents::colourOf(e.kind));
        p->setPen(Qt::NoPen);
        p->drawEllipse(Geometry::toQt(QRectF(columns[0], y + 1, 6, 6), H));
        p->setPen(QPen(Qt::black, 1));
        p->setBrush(Qt::NoBrush);
        textAt(p, font, key(DrivingEvents::kindTextId(e.kind)), columns[0] + 10, y, H);
        textAt(p, font, dateString(msec_to_time(e.startMsec), true, _content.format).mid(2), columns[1], y, H);
        textAt(p, font, DrivingEvents::peakText(e, thresholds.units), columns[2], y, H);
    }
}

void ReportPainter::drawLogSecond(const Page &page) const
{
    QPainter *p = page.painter;
    const QRectF &r = page.r;
    const double H = r.height();
    outline(p, r, H);
    const QRectF map = drawPicture(page, _content.map, 0.8, r.x() + 0.1 * r.width(), r.y() + 0.1 * r.width());
    caption(p, map, QStringLiteral("< %1 >").arg(key("gui_map")), H);
    const double captionHeight = lineHeight(textFont());
    const QRectF box(map.x(), map.bottom() + 20 + captionHeight, map.width(), 180);
    outline(p, box, H);
    caption(p, box, QStringLiteral("< GUI %1 >").arg(key("gui_information")), H);

    const FileLog *log = _content.log;
    const _vexa_log_info_t &rec = log->logAtIndex(log->currentIndex());
    const bool fix = has_position_fix(rec.gps_valid, rec.latitude, rec.longitude) && !_content.zones.hides(rec);
    const QString speedText = key("gui_speed"), altitudeText = key("gui_altitude");
    const DisplayFormat &format = _content.format;
    const QString motion = fix
        ? QString::asprintf("%s %d ", qPrintable(speedText), int(format.speedValue(rec.speed)))
              + format.speedFormat() + QStringLiteral(" [") + DisplayFormat::courseString(rec.course)
              + QStringLiteral("], ") + altitudeText
              + QString::asprintf(" %.0f ", format.altitudeValue(rec.altitude)) + format.altitudeFormat()
        : QStringLiteral("%1 - %2 [-], %3 -%4")
              .arg(speedText, format.speedFormat(), altitudeText, format.altitudeFormat());
    const double x = box.x() + 30;
    double y = box.bottom() - (captionHeight + 30);
    const QFont font = textFont();
    textAt(p, font, format.dateString(rec.time), x, y, H);
    y -= 30;
    const QString latitude = latitudeText(fix, rec.latitude);
    textAt(p, font, latitude, x, y, H);
    // A wide latitude would run into the longitude: keep a gap.
    const double gap = std::max(100.0, QFontMetricsF(font).horizontalAdvance(latitude) + 10);
    textAt(p, font, longitudeText(fix, rec.longitude), x + gap, y, H);
    y -= 30;
    textAt(p, font, motion, x, y, H);
    y -= 30;
    textAt(p, font, QStringLiteral("%1 : %2/%3, HDOP: %4")
                        .arg(key("gui_satelite")).arg(rec.satellites_used).arg(rec.satellites_in_view)
                        .arg(double(rec.hdop), 0, 'f', 2), x, y, H);
    const double top = box.bottom() + captionHeight + 12;
    drawEvents(page, QRectF(box.x(), top, box.width(), r.y() + H - 10 - top));
}
