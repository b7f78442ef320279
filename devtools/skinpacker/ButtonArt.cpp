#include "ButtonArt.h"

#include "IconPainter.h"
#include "Palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

using Face = ButtonArt::Face;

QLinearGradient vertical(const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

// Tabs have square lower corners so they sit on the table below them.
QPainterPath keyShape(const QRectF &r, qreal radius, bool tab)
{
    QPainterPath path;
    if (!tab) {
        path.addRoundedRect(r, radius, radius);
        return path;
    }
    path.moveTo(r.left(), r.bottom());
    path.lineTo(r.left(), r.top() + radius);
    path.quadTo(r.left(), r.top(), r.left() + radius, r.top());
    path.lineTo(r.right() - radius, r.top());
    path.quadTo(r.right(), r.top(), r.right(), r.top() + radius);
    path.lineTo(r.right(), r.bottom());
    path.closeSubpath();
    return path;
}

void paintDarkKey(QPainter &p, const QRectF &r, Face face)
{
    const QPainterPath shape = keyShape(r.adjusted(0.5, 0.5, -0.5, -0.5), 5, false);
    switch (face) {
    case Face::Normal:
        p.fillPath(shape, vertical(r, Palette::keyTop, Palette::keyBottom));
        p.strokePath(shape, QPen(Palette::edgeDark, 1));
        break;
    case Face::Hover:
        p.fillPath(shape, vertical(r, Palette::keyHoverTop, Palette::keyHoverBottom));
        p.strokePath(shape, QPen(Palette::accent, 1.2));
        break;
    case Face::Pressed:
        p.fillPath(shape, vertical(r, Palette::keyPressedTop, Palette::keyPressedBottom));
        p.strokePath(shape, QPen(Palette::accentDark, 1.2));
        break;
    case Face::Disabled:
        p.fillPath(shape, Palette::keyDisabled);
        p.strokePath(shape, QPen(Palette::edgeDark, 1));
        break;
    }
    if (face == Face::Normal || face == Face::Hover) {
        // a thin light edge along the top reads as a raised key
        p.setPen(QPen(QColor(255, 255, 255, face == Face::Hover ? 70 : 45), 1));
        p.drawLine(QPointF(r.left() + 4, r.top() + 1.5), QPointF(r.right() - 4, r.top() + 1.5));
    }
}

void paintSilverKey(QPainter &p, const QRectF &r, Face face, bool tab)
{
    const QPainterPath shape = keyShape(r.adjusted(0.5, 0.5, -0.5, tab ? 0 : -0.5), tab ? 6 : 5, tab);
    switch (face) {
    case Face::Normal:
        p.fillPath(shape, vertical(r, Palette::silverTop, Palette::silverBottom));
        p.strokePath(shape, QPen(Palette::silverEdge, 1));
        p.setPen(QPen(QColor(255, 255, 255, 200), 1));
        p.drawLine(QPointF(r.left() + 4, r.top() + 1.5), QPointF(r.right() - 4, r.top() + 1.5));
        break;
    case Face::Hover:
        p.fillPath(shape, vertical(r, Palette::accentLight, Palette::accentDark));
        p.strokePath(shape, QPen(Palette::accentDark.darker(140), 1));
        p.setPen(QPen(QColor(255, 255, 255, 110), 1));
        p.drawLine(QPointF(r.left() + 4, r.top() + 1.5), QPointF(r.right() - 4, r.top() + 1.5));
        break;
    case Face::Pressed:
        p.fillPath(shape, vertical(r, Palette::silverPressedTop, Palette::silverPressedBottom));
        p.strokePath(shape, QPen(Palette::silverEdge.darker(130), 1));
        p.setPen(QPen(QColor(0, 0, 0, 60), 1));
        p.drawLine(QPointF(r.left() + 3, r.top() + 1.5), QPointF(r.right() - 3, r.top() + 1.5));
        break;
    case Face::Disabled:
        p.fillPath(shape, vertical(r, Palette::silverDisabledTop, Palette::silverDisabledBottom));
        p.strokePath(shape, QPen(Palette::silverEdge.darker(120), 1));
        break;
    }
}

void paintTitleKey(QPainter &p, const QRectF &r, Face face, bool closeKey)
{
    const QPainterPath shape = keyShape(r.adjusted(1.5, 1.5, -1.5, -1.5), 4, false);
    switch (face) {
    case Face::Normal:
        break;
    case Face::Hover:
        p.fillPath(shape, closeKey ? Palette::danger : QColor(255, 255, 255, 38));
        break;
    case Face::Pressed:
        p.fillPath(shape, closeKey ? Palette::danger.darker(135) : QColor(0, 0, 0, 110));
        break;
    case Face::Disabled:
        break;
    }
}

QColor darkSymbolColor(Face face)
{
    switch (face) {
    case Face::Hover:
        return Palette::symbolHover;
    case Face::Pressed:
        return Palette::accentLight;
    case Face::Disabled:
        return Palette::symbolDisabled;
    default:
        return Palette::symbol;
    }
}

QRectF symbolBox(const QRectF &r, Face face)
{
    const qreal side = qMin(r.height() - 12, r.width() - 12);
    QRectF box(0, 0, side, side);
    box.moveCenter(r.center());
    return face == Face::Pressed ? box.translated(0, 1) : box;
}

void paintCheckMark(QPainter &p, const QRectF &box, bool on, bool hover)
{
    const QRectF b = box.adjusted(0.5, 0.5, -0.5, -0.5);
    const QColor border = hover ? QColor(255, 255, 255) : Palette::silverEdge;
    QColor face = hover ? QColor(255, 255, 255, 40) : QColor(255, 255, 255);
    if (on)
        face = hover ? QColor(255, 255, 255) : Palette::accent;
    p.setPen(QPen(border, 1));
    p.setBrush(face);
    p.drawRoundedRect(b, 2.5, 2.5);
    if (!on)
        return;
    p.setPen(QPen(hover ? Palette::accentDark : QColor(255, 255, 255), 2.0, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(b.left() + b.width() * 0.22, b.top() + b.height() * 0.52),
                              QPointF(b.left() + b.width() * 0.43, b.top() + b.height() * 0.74),
                              QPointF(b.left() + b.width() * 0.80, b.top() + b.height() * 0.28)}));
}

void paintIndicator(QPainter &p, const QRectF &r, bool on)
{
    const QPointF c(r.right() - 6, r.top() + 6);
    p.setPen(QPen(QColor(0, 0, 0, 150), 1));
    p.setBrush(on ? Palette::led : QColor(0x1b, 0x1f, 0x24));
    p.drawEllipse(c, 2.3, 2.3);
    if (on) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(Palette::led.red(), Palette::led.green(), Palette::led.blue(), 70));
        p.drawEllipse(c, 4.2, 4.2);
    }
}

void paintFace(QPainter &p, const SkinItem &item, const QRectF &r, Face face, bool checkedOn)
{
    const QString &style = item.style;
    if (style == QLatin1String("key") || style == QLatin1String("key_check")) {
        paintDarkKey(p, r, face);
        QColor color = darkSymbolColor(face);
        if (checkedOn)
            color = face == Face::Hover ? Palette::accentLight.lighter(115) : Palette::accentLight;
        IconPainter::paint(p, item.icon, symbolBox(r, face), color);
        if (style == QLatin1String("key_check"))
            paintIndicator(p, r, checkedOn);
    } else if (style == QLatin1String("title") || style == QLatin1String("close")) {
        paintTitleKey(p, r, face, style == QLatin1String("close"));
        QColor color = face == Face::Disabled ? Palette::symbolDisabled : QColor(0xb8, 0xc0, 0xc9);
        if (face == Face::Hover || face == Face::Pressed)
            color = Qt::white;
        IconPainter::paint(p, item.icon, symbolBox(r, Face::Normal).adjusted(-2, -2, 2, 2), color);
    } else {
        // silver keys: text, tab, menu, text_check
        paintSilverKey(p, r, face, style == QLatin1String("tab"));
        const QColor ink = face == Face::Hover ? QColor(Qt::white) : QColor(0x10, 0x12, 0x15);
        const qreal side = r.height() - 10;
        const QRectF lead(r.left() + 7, r.top() + (r.height() - side) / 2, side, side);
        if (style == QLatin1String("text_check"))
            paintCheckMark(p, lead.adjusted(1, 1, -1, -1), checkedOn, face == Face::Hover);
        else if (!item.icon.isEmpty())
            IconPainter::paint(p, item.icon, lead, ink);
    }
}

} // namespace

QImage ButtonArt::state(const SkinItem &item, const QImage &backdrop, int index)
{
    QImage image = backdrop.convertToFormat(QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0, 0, image.width(), image.height());
    if (item.kind == QLatin1String("check")) {
        // off, off-hover, on, on-hover
        const bool on = index >= 2;
        paintFace(p, item, r, index % 2 ? Face::Hover : Face::Normal, on);
    } else {
        static const Face faces[] = {Face::Normal, Face::Pressed, Face::Hover, Face::Disabled};
        paintFace(p, item, r, faces[qBound(0, index, 3)], false);
    }
    return image;
}

QImage ButtonArt::strip(const SkinItem &item, const QImage &backdrop)
{
    const int w = backdrop.width();
    QImage strip(w * 4, backdrop.height(), QImage::Format_RGB32);
    QPainter p(&strip);
    for (int i = 0; i < 4; ++i)
        p.drawImage(i * w, 0, state(item, backdrop, i));
    return strip;
}
