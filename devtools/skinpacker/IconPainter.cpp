#include "IconPainter.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <functional>

namespace {

using Icon = std::function<void(QPainter &, const QColor &)>;

QPen strokePen(const QColor &c, qreal width = 2.0)
{
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void stroke(QPainter &p, const QColor &c, qreal width = 2.0)
{
    p.setPen(strokePen(c, width));
    p.setBrush(Qt::NoBrush);
}

void fill(QPainter &p, const QColor &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
}

QPolygonF triangle(qreal x, qreal y, qreal w, qreal h, bool right)
{
    if (right)
        return QPolygonF({QPointF(x, y), QPointF(x + w, y + h / 2), QPointF(x, y + h)});
    return QPolygonF({QPointF(x + w, y), QPointF(x, y + h / 2), QPointF(x + w, y + h)});
}

// Rounded corners make the transport triangles look less harsh.
void softPolygon(QPainter &p, const QPolygonF &poly, const QColor &c)
{
    p.setPen(QPen(c, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(c);
    p.drawPolygon(poly);
}

void magnifier(QPainter &p, const QColor &c)
{
    stroke(p, c, 2.2);
    p.drawEllipse(QPointF(10, 10), 6.2, 6.2);
    p.setPen(strokePen(c, 3.2));
    p.drawLine(QPointF(14.8, 14.8), QPointF(20.5, 20.5));
}

void folder(QPainter &p, const QColor &c)
{
    QPainterPath back;
    back.moveTo(2.5, 19);
    back.lineTo(2.5, 5.5);
    back.quadTo(2.5, 4.5, 3.5, 4.5);
    back.lineTo(8.5, 4.5);
    back.lineTo(10.5, 6.8);
    back.lineTo(18.5, 6.8);
    back.quadTo(19.5, 6.8, 19.5, 7.8);
    back.lineTo(19.5, 9.5);
    stroke(p, c, 1.8);
    p.drawPath(back);
    QPolygonF front({QPointF(2.5, 19.5), QPointF(6, 10.5), QPointF(22.2, 10.5), QPointF(18.7, 19.5)});
    p.setPen(QPen(c, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(c);
    p.drawPolygon(front);
}

void saveImage(QPainter &p, const QColor &c)
{
    stroke(p, c, 1.8);
    p.drawRoundedRect(QRectF(2.5, 3.5, 15, 12.5), 1.5, 1.5);
    fill(p, c);
    p.drawPolygon(QPolygonF({QPointF(4.5, 14), QPointF(8.5, 8.5), QPointF(11, 11.5),
                             QPointF(12.5, 10), QPointF(15.5, 14)}));
    p.drawEllipse(QPointF(13, 7), 1.5, 1.5);
    // arrow into the tray
    stroke(p, c, 2.0);
    p.drawLine(QPointF(19, 11), QPointF(19, 19));
    p.drawPolyline(QPolygonF({QPointF(16, 16.5), QPointF(19, 19.5), QPointF(22, 16.5)}));
    p.drawLine(QPointF(12, 21.5), QPointF(22, 21.5));
}

void printer(QPainter &p, const QColor &c)
{
    stroke(p, c, 1.8);
    p.drawRect(QRectF(7, 2.5, 10, 5.5));
    QPainterPath body;
    body.addRoundedRect(QRectF(2.5, 8, 19, 9), 2, 2);
    p.drawPath(body);
    fill(p, c);
    p.drawEllipse(QPointF(18, 11), 1, 1);
    stroke(p, c, 1.8);
    p.drawRect(QRectF(7, 13.5, 10, 8));
    p.setPen(strokePen(c, 1.2));
    p.drawLine(QPointF(9, 16.5), QPointF(15, 16.5));
    p.drawLine(QPointF(9, 19), QPointF(13.5, 19));
}

void film(QPainter &p, const QColor &c)
{
    QPainterPath strip;
    strip.setFillRule(Qt::OddEvenFill);
    strip.addRoundedRect(QRectF(4, 2, 16, 20), 1.5, 1.5);
    for (int i = 0; i < 5; ++i) {
        strip.addRect(QRectF(5.5, 3.6 + i * 3.8, 2, 2.2));
        strip.addRect(QRectF(16.5, 3.6 + i * 3.8, 2, 2.2));
    }
    strip.addRect(QRectF(9.2, 3.5, 5.6, 7.8));
    strip.addRect(QRectF(9.2, 12.7, 5.6, 7.8));
    fill(p, c);
    p.drawPath(strip);
}

void backup(QPainter &p, const QColor &c)
{
    // a drive with an arrow going into it
    stroke(p, c, 1.8);
    QPainterPath drive;
    drive.addRoundedRect(QRectF(2.5, 13, 19, 8.5), 2, 2);
    p.drawPath(drive);
    fill(p, c);
    p.drawEllipse(QPointF(17.5, 17.25), 1.3, 1.3);
    p.drawRect(QRectF(5, 16.5, 7, 1.5));
    stroke(p, c, 2.2);
    p.drawLine(QPointF(12, 2.5), QPointF(12, 9.5));
    p.drawPolyline(QPolygonF({QPointF(8.5, 6.5), QPointF(12, 10), QPointF(15.5, 6.5)}));
}

void gear(QPainter &p, const QColor &c)
{
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    const int teeth = 8;
    const QPointF o(12, 12);
    QPolygonF outline;
    for (int i = 0; i < teeth; ++i) {
        const qreal a = i * 2 * M_PI / teeth;
        const qreal half = M_PI / teeth;
        auto at = [&](qreal angle, qreal r) { return o + QPointF(qCos(angle) * r, qSin(angle) * r); };
        outline << at(a - half * 0.95, 7.4) << at(a - half * 0.45, 10.2) << at(a + half * 0.45, 10.2)
                << at(a + half * 0.95, 7.4);
    }
    path.addPolygon(outline);
    path.closeSubpath();
    path.addEllipse(o, 3.4, 3.4);
    p.setPen(QPen(c, 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(c);
    p.drawPath(path);
}

void backFast(QPainter &p, const QColor &c)
{
    softPolygon(p, triangle(2.5, 6, 9, 12, false), c);
    softPolygon(p, triangle(11.5, 6, 9, 12, false), c);
}

void previousFrame(QPainter &p, const QColor &c)
{
    fill(p, c);
    p.drawRoundedRect(QRectF(5, 6, 2.6, 12), 0.8, 0.8);
    softPolygon(p, triangle(9.5, 6, 10, 12, false), c);
}

void backPlay(QPainter &p, const QColor &c)
{
    softPolygon(p, triangle(6.5, 5, 11, 14, false), c);
}

void pause(QPainter &p, const QColor &c)
{
    fill(p, c);
    p.drawRoundedRect(QRectF(6.5, 5.5, 3.8, 13), 1, 1);
    p.drawRoundedRect(QRectF(13.7, 5.5, 3.8, 13), 1, 1);
}

void play(QPainter &p, const QColor &c)
{
    softPolygon(p, triangle(7.5, 5, 11, 14, true), c);
}

void nextFrame(QPainter &p, const QColor &c)
{
    softPolygon(p, triangle(4.5, 6, 10, 12, true), c);
    fill(p, c);
    p.drawRoundedRect(QRectF(16.4, 6, 2.6, 12), 0.8, 0.8);
}

void playFast(QPainter &p, const QColor &c)
{
    softPolygon(p, triangle(3.5, 6, 9, 12, true), c);
    softPolygon(p, triangle(12.5, 6, 9, 12, true), c);
}

void zoomIn(QPainter &p, const QColor &c)
{
    magnifier(p, c);
    p.setPen(strokePen(c, 1.8));
    p.drawLine(QPointF(7, 10), QPointF(13, 10));
    p.drawLine(QPointF(10, 7), QPointF(10, 13));
}

void zoomOut(QPainter &p, const QColor &c)
{
    magnifier(p, c);
    p.setPen(strokePen(c, 1.8));
    p.drawLine(QPointF(7, 10), QPointF(13, 10));
}

void singleView(QPainter &p, const QColor &c)
{
    stroke(p, c, 1.8);
    p.drawRoundedRect(QRectF(3, 5, 18, 14), 1.5, 1.5);
    fill(p, c);
    p.drawRect(QRectF(5.5, 7.5, 13, 9));
}

void thumbView(QPainter &p, const QColor &c)
{
    fill(p, c);
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col)
            p.drawRect(QRectF(3 + col * 4.8, 5 + row * 3.8, 3.6, 2.8));
}

void defaultLayout(QPainter &p, const QColor &c)
{
    // a circular arrow around a small window: back to the standard layout
    stroke(p, c, 2.0);
    p.drawArc(QRectF(3, 3, 18, 18), 100 * 16, 290 * 16);
    fill(p, c);
    p.drawPolygon(QPolygonF({QPointF(13.5, 0.6), QPointF(13.5, 7.6), QPointF(8.2, 4)}));
    p.drawRect(QRectF(8.5, 9.5, 7, 5));
}

void info(QPainter &p, const QColor &c)
{
    stroke(p, c, 1.8);
    p.drawEllipse(QPointF(12, 12), 8.5, 8.5);
    fill(p, c);
    p.drawEllipse(QPointF(12, 7.8), 1.4, 1.4);
    p.drawRoundedRect(QRectF(10.9, 10.3, 2.2, 7.2), 0.6, 0.6);
}

void minimize(QPainter &p, const QColor &c)
{
    p.setPen(strokePen(c, 2.2));
    p.drawLine(QPointF(6.5, 16.5), QPointF(17.5, 16.5));
}

void closeCross(QPainter &p, const QColor &c)
{
    p.setPen(strokePen(c, 2.2));
    p.drawLine(QPointF(7, 7), QPointF(17, 17));
    p.drawLine(QPointF(17, 7), QPointF(7, 17));
}

void globe(QPainter &p, const QColor &c)
{
    stroke(p, c, 1.7);
    p.drawEllipse(QPointF(12, 12), 9, 9);
    p.drawEllipse(QPointF(12, 12), 4, 9);
    p.drawLine(QPointF(3, 12), QPointF(21, 12));
    p.setPen(strokePen(c, 1.3));
    p.drawLine(QPointF(4.6, 7.5), QPointF(19.4, 7.5));
    p.drawLine(QPointF(4.6, 16.5), QPointF(19.4, 16.5));
}

void repeat(QPainter &p, const QColor &c)
{
    stroke(p, c, 2.0);
    QPainterPath top;
    top.moveTo(4, 12);
    top.lineTo(4, 9.5);
    top.quadTo(4, 6.5, 7, 6.5);
    top.lineTo(17, 6.5);
    p.drawPath(top);
    QPainterPath bottom;
    bottom.moveTo(20, 12);
    bottom.lineTo(20, 14.5);
    bottom.quadTo(20, 17.5, 17, 17.5);
    bottom.lineTo(7, 17.5);
    p.drawPath(bottom);
    fill(p, c);
    p.drawPolygon(QPolygonF({QPointF(16, 2.8), QPointF(21, 6.5), QPointF(16, 10.2)}));
    p.drawPolygon(QPolygonF({QPointF(8, 13.8), QPointF(3, 17.5), QPointF(8, 21.2)}));
}

void trigger(QPainter &p, const QColor &c)
{
    p.setPen(QPen(c, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(c);
    p.drawPolygon(QPolygonF({QPointF(13.5, 2), QPointF(5, 13.5), QPointF(11, 13.5), QPointF(9.5, 22),
                             QPointF(19, 9.5), QPointF(13, 9.5), QPointF(15.5, 2)}));
}

void search(QPainter &p, const QColor &c)
{
    magnifier(p, c);
}

const QHash<QString, Icon> &icons()
{
    static const QHash<QString, Icon> table = {
        {QStringLiteral("open"), folder},
        {QStringLiteral("save_image"), saveImage},
        {QStringLiteral("print"), printer},
        {QStringLiteral("film"), film},
        {QStringLiteral("backup"), backup},
        {QStringLiteral("settings"), gear},
        {QStringLiteral("back_fast"), backFast},
        {QStringLiteral("previous"), previousFrame},
        {QStringLiteral("back_play"), backPlay},
        {QStringLiteral("pause"), pause},
        {QStringLiteral("play"), play},
        {QStringLiteral("next"), nextFrame},
        {QStringLiteral("play_fast"), playFast},
        {QStringLiteral("zoom_in"), zoomIn},
        {QStringLiteral("zoom_out"), zoomOut},
        {QStringLiteral("single_view"), singleView},
        {QStringLiteral("thumb_view"), thumbView},
        {QStringLiteral("default_layout"), defaultLayout},
        {QStringLiteral("info"), info},
        {QStringLiteral("minimize"), minimize},
        {QStringLiteral("close"), closeCross},
        {QStringLiteral("globe"), globe},
        {QStringLiteral("repeat"), repeat},
        {QStringLiteral("trigger"), trigger},
        {QStringLiteral("search"), search},
    };
    return table;
}

} // namespace

bool IconPainter::knows(const QString &name)
{
    return icons().contains(name);
}

bool IconPainter::paint(QPainter &painter, const QString &name, const QRectF &box, const QColor &color)
{
    const auto it = icons().constFind(name);
    if (it == icons().constEnd())
        return false;
    const qreal side = qMin(box.width(), box.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    painter.scale(side / 24.0, side / 24.0);
    (*it)(painter, color);
    painter.restore();
    return true;
}
