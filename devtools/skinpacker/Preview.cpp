#include "Preview.h"

#include "ButtonArt.h"

#include <QFont>
#include <QMap>
#include <QPainter>

#include <algorithm>

namespace {

const int WindowHeight = 768;

// Bottom-left window rectangle of the viewer's fixed frames, as Qt geometry.
QRect fixedRect(int x, int y, int w, int h)
{
    return QRect(x, WindowHeight - y - h, w, h);
}

QRect inWindow(const SkinPacker &packer, const SkinItem &item)
{
    return item.rect.translated(packer.source().spaceOrigin(item.space));
}

QList<QImage> cut(const QImage &strip, int count)
{
    QList<QImage> parts;
    const int w = strip.width() / count;
    for (int i = 0; i < count; ++i)
        parts.append(strip.copy(i * strip.width() / count, 0, w, strip.height()));
    return parts;
}

// Glyphs placed left to right with a gap, bottoms on one line.
int drawGlyphs(QPainter &p, const QList<QImage> &glyphs, const QList<int> &indexes, int x, int bottom, int gap)
{
    for (int i : indexes) {
        if (i >= 0 && i < glyphs.size()) {
            p.drawImage(x, bottom - glyphs[i].height(), glyphs[i]);
            x += glyphs[i].width();
        }
        x += gap;
    }
    return x;
}

void drawSampleInstruments(QPainter &p, const SkinPacker &packer)
{
    const QList<QImage> dateNum = cut(packer.resource(QStringLiteral("digit_date_num")), 10);
    const QList<QImage> dateDot = cut(packer.resource(QStringLiteral("digit_date_dot")), 2);
    const QList<QImage> dow = cut(packer.resource(QStringLiteral("digit_date_dow")), 7);
    const QList<QImage> timeNum = cut(packer.resource(QStringLiteral("digit_time_num")), 12);
    const QList<QImage> speed = cut(packer.resource(QStringLiteral("digit_speed_num")), 11);
    const QList<QImage> gpsNum = cut(packer.resource(QStringLiteral("digit_gps_num")), 11);
    const QList<QImage> gpsDot = cut(packer.resource(QStringLiteral("digit_gps_dot")), 4);
    const QList<QImage> gpsDir = cut(packer.resource(QStringLiteral("digit_gps_dir")), 4);
    const QRect key1 = packer.source().item(1) ? packer.source().item(1)->rect : QRect();

    // date and time strip: 2026.03.14 SAT 14:27:05
    const QRect date = fixedRect(key1.right() + 1 - 230, 166, 230, 24);
    p.fillRect(date, Qt::black);
    const int base = date.bottom() + 1 - 4;
    int x = drawGlyphs(p, dateNum, {2, 0, 2, 6}, date.left() + 5, base, 2);
    x = drawGlyphs(p, dateDot, {0}, x, base, 2);
    x = drawGlyphs(p, dateNum, {0, 3}, x, base, 2);
    x = drawGlyphs(p, dateDot, {0}, x, base, 2);
    x = drawGlyphs(p, dateNum, {1, 4}, x, base, 5);
    x = drawGlyphs(p, dow, {6}, x, base, 5);
    x = drawGlyphs(p, timeNum, {1}, x, base, 2);
    x = drawGlyphs(p, timeNum, {4, 11, 2}, x, base, 0);
    x = drawGlyphs(p, timeNum, {7}, x + 2, base, 0);
    x = drawGlyphs(p, timeNum, {10}, x, base, 0);
    drawGlyphs(p, dateNum, {0, 5}, x + 2, base, 3);

    // speed 87 in the two right-hand slots, scaled to the read-out's height
    const QRect sp = fixedRect(55, 161, 62, 29);
    const int w = speed[10].width();
    for (int slot = 1; slot < 3; ++slot)
        p.drawImage(QRect(sp.left() + 2 + slot * (w + 2), sp.top() + 4, w, sp.height() - 4),
                    speed[slot == 1 ? 8 : 7]);

    // G-sensor X, Y, Z: 0.12, -0.05, 0.98
    const int rows[3][4] = {{128, 0, 1, 2}, {100, 0, 0, 5}, {72, 0, 9, 8}};
    for (int r = 0; r < 3; ++r) {
        const QRect g = fixedRect(85, rows[r][0], 67, 20);
        const int bottom = g.bottom() + 1;
        const int gw = gpsNum[0].width();
        if (r == 1)
            drawGlyphs(p, gpsNum, {10}, g.left() + 2, bottom, 0);
        int gx = drawGlyphs(p, gpsNum, {rows[r][1]}, g.left() + 2 + gw + 2, bottom, 2);
        gx = drawGlyphs(p, gpsDot, {0}, gx, bottom, 2);
        drawGlyphs(p, gpsNum, {rows[r][2], rows[r][3]}, gx, bottom, 2);
    }

    // GPS: 37 31' 30.00" N over 126 58' 12.00" E; '_' is an empty slot
    const QRect gps = fixedRect(11, 14, 168, 45);
    const QString gpsRows[2] = {QStringLiteral("_37o31'30.00\"N"), QStringLiteral("126o58'12.00\"E")};
    for (int row = 0; row < 2; ++row) {
        const int bottom = gps.bottom() + 1 - (row == 0 ? 24 : 2);
        int gx = gps.left();
        for (const QChar c : gpsRows[row]) {
            if (c.isDigit())
                gx = drawGlyphs(p, gpsNum, {c.digitValue()}, gx, bottom, 2);
            else if (c == QLatin1Char('_'))
                gx += gpsNum[0].width() + 2;
            else if (QStringLiteral(".o'\"").contains(c))
                gx = drawGlyphs(p, gpsDot, {int(QStringLiteral(".o'\"").indexOf(c))}, gx, bottom, 2);
            else
                gx = drawGlyphs(p, gpsDir, {int(QStringLiteral("NSEW").indexOf(c))}, gx, bottom - 1, 2);
        }
    }
}

// The labels the main view draws over the plate, and the graph's empty plot.
void drawSampleLabels(QPainter &p, const SkinPacker &packer)
{
    QFont bold(QStringLiteral("DejaVu Sans"));
    bold.setBold(true);
    bold.setPixelSize(14);
    p.setFont(bold);
    p.setPen(Qt::black);
    p.drawText(QPoint(130, WindowHeight - 161 - 3), QStringLiteral("km/h"));
    bold.setPixelSize(12);
    p.setFont(bold);
    p.setPen(QColor(200, 0, 0));
    p.drawText(QPoint(61, WindowHeight - 129 - 3), QStringLiteral("X"));
    p.setPen(QColor(0, 140, 0));
    p.drawText(QPoint(61, WindowHeight - 101 - 3), QStringLiteral("Y"));
    p.setPen(QColor(0, 0, 220));
    p.drawText(QPoint(61, WindowHeight - 73 - 3), QStringLiteral("Z"));
    if (const SkinItem *fast = packer.source().item(23)) {
        const QRect r(fast->rect.right() + 1, fast->rect.top() + 17, 30, fast->rect.height());
        p.setPen(Qt::black);
        p.drawText(r, Qt::AlignCenter, QStringLiteral("1"));
    }
    if (const SkinItem *graph = packer.source().item(2)) {
        const QRect g = graph->rect;
        const QRect plot(g.left() + 30, g.top() + 4, g.width() - 40, g.height() - 24);
        p.fillRect(plot, QColor(120, 120, 120));
        QPen dash(QColor(100, 100, 100), 1, Qt::DashLine);
        dash.setDashPattern({3, 2});
        p.setPen(dash);
        for (int i = 0; i <= 4; ++i)
            p.drawLine(plot.left() + 1, plot.top() + 1 + i * (plot.height() - 2) / 4, plot.right() - 1,
                       plot.top() + 1 + i * (plot.height() - 2) / 4);
        for (int i = 1; i <= 3; ++i)
            p.drawLine(plot.left() + 1 + i * (plot.width() - 2) / 4, plot.top() + 1,
                       plot.left() + 1 + i * (plot.width() - 2) / 4, plot.bottom() - 1);
        QFont small(QStringLiteral("DejaVu Sans"));
        small.setPixelSize(11);
        p.setFont(small);
        p.setPen(Qt::black);
        const char *labels[] = {"2.0", "1.0", "0.0", "-1.0", "-2.0"};
        for (int i = 0; i < 5; ++i)
            p.drawText(QRect(g.left(), plot.top() - 6 + i * plot.height() / 4, 27, 14),
                       Qt::AlignRight | Qt::AlignVCenter, QString::fromLatin1(labels[i]));
    }
}

void drawTitle(QPainter &p, const QRect &r, const SkinItem &item)
{
    if (item.use.isEmpty())
        return;
    static const QHash<int, QString> titles = {
        {33, QStringLiteral("File")}, {34, QStringLiteral("Edit")}, {35, QStringLiteral("View")},
        {36, QStringLiteral("Play")}, {37, QStringLiteral("Tools")}, {38, QStringLiteral("Help")},
        {29, QStringLiteral("Event")}, {46, QStringLiteral("Normal")}, {30, QStringLiteral("Log")},
        {26, QStringLiteral("Load")}, {49, QStringLiteral("All")}, {50, QStringLiteral("CSV")},
        {27, QStringLiteral("Close")}, {31, QStringLiteral("Play list")}, {32, QStringLiteral("Search")}};
    const auto it = titles.constFind(item.key);
    if (it == titles.constEnd())
        return;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(r, Qt::AlignCenter, *it);
}

} // namespace

QImage Preview::window(const SkinPacker &packer)
{
    const SkinSource &source = packer.source();
    QImage image = packer.itemImage(0).convertToFormat(QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (const SkinItem *video = source.item(1))
        p.drawImage(video->rect, packer.itemImage(42));
    if (const SkinItem *map = source.item(3))
        p.drawImage(map->rect, packer.resource(QStringLiteral("map_connect")));
    if (const SkinItem *list = source.item(4)) {
        p.drawImage(list->rect.topLeft(), packer.itemImage(48));
        p.fillRect(QRect(list->rect.left() + 7, list->rect.top() + 24, list->rect.width() - 14,
                         list->rect.height() - 66),
                   QColor(0xf4, 0xf5, 0xf7));
    }
    drawSampleLabels(p, packer);
    drawSampleInstruments(p, packer);
    for (const SkinItem &item : source.items) {
        if (!item.isButton() || !item.visible || item.space == QLatin1String("logpage"))
            continue;
        const QRect r = inWindow(packer, item);
        const QImage strip = packer.itemImage(item.key);
        p.drawImage(r.topLeft(), strip.copy(0, 0, strip.width() / 4, strip.height()));
        drawTitle(p, r, item);
    }
    return image;
}

QImage Preview::layout(const SkinPacker &packer)
{
    QImage image = window(packer);
    QPainter p(&image);
    p.fillRect(image.rect(), QColor(0, 0, 0, 90));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(11);
    p.setFont(font);
    QList<QRect> tags;
    auto outline = [&](const QRect &r, const QColor &c, const QString &label, Qt::PenStyle style) {
        p.setPen(QPen(c, 1, style));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        QRect tag(r.left() + 1, r.top() + 1, p.fontMetrics().horizontalAdvance(label) + 6, 14);
        // keep labels of stacked rectangles readable
        for (int i = 0; i < tags.size(); ++i) {
            if (tags[i].intersects(tag)) {
                tag.translate(0, 15);
                i = -1;
            }
        }
        tags.append(tag);
        p.fillRect(tag, c);
        p.setPen(Qt::black);
        p.drawText(tag, Qt::AlignCenter, label);
    };
    // the frames the viewer places itself
    const QColor fixed(255, 196, 0);
    outline(fixedRect(9, 9, 652, 186), fixed, QStringLiteral("print capture"), Qt::DashLine);
    outline(fixedRect(55, 161, 62, 29), fixed, QStringLiteral("speed"), Qt::SolidLine);
    outline(fixedRect(85, 128, 67, 20), fixed, QStringLiteral("X"), Qt::SolidLine);
    outline(fixedRect(85, 100, 67, 20), fixed, QStringLiteral("Y"), Qt::SolidLine);
    outline(fixedRect(85, 72, 67, 20), fixed, QStringLiteral("Z"), Qt::SolidLine);
    outline(fixedRect(11, 14, 168, 45), fixed, QStringLiteral("GPS"), Qt::SolidLine);
    if (const SkinItem *video = packer.source().item(1))
        outline(fixedRect(video->rect.right() + 1 - 230, 166, 230, 24), fixed, QStringLiteral("date/time"),
                Qt::SolidLine);
    outline(QRect(0, 0, 1024, WindowHeight - 735), fixed, QStringLiteral("drag strip"), Qt::DotLine);
    // items sharing one rectangle get one outline, labelled with all their keys
    QList<QPair<QRect, const SkinItem *>> drawn;
    QMap<int, QString> labels;
    for (const SkinItem &item : packer.source().items) {
        if (item.key == 0)
            continue;
        const QRect r = inWindow(packer, item);
        auto same = std::find_if(drawn.begin(), drawn.end(), [&](const auto &d) { return d.first == r; });
        if (same != drawn.end()) {
            labels[same->second->key] += QLatin1Char('/') + QString::number(item.key);
            continue;
        }
        drawn.append({r, &item});
        labels[item.key] = QString::number(item.key);
    }
    for (const auto &[r, item] : drawn) {
        QColor c(120, 220, 255);
        if (item->space == QLatin1String("list"))
            c = QColor(140, 255, 140);
        else if (item->space == QLatin1String("logpage"))
            c = QColor(255, 140, 220);
        else if (!item->isButton())
            c = QColor(255, 255, 255);
        outline(r, c, labels.value(item->key),
                item->space == QLatin1String("logpage") ? Qt::DashLine : Qt::SolidLine);
    }
    return image;
}

QImage Preview::buttonStates(const SkinPacker &packer)
{
    const int scale = 2, margin = 8, labelWidth = 40;
    QList<const SkinItem *> buttons;
    int width = 0, height = margin;
    for (const SkinItem &item : packer.source().items) {
        if (!item.isButton())
            continue;
        buttons.append(&item);
        width = qMax(width, item.rect.width() * 4 * scale + 3 * margin);
        height += item.rect.height() * scale + margin;
    }
    QImage sheet(labelWidth + width + margin, height, QImage::Format_RGB32);
    sheet.fill(QColor(0x30, 0x30, 0x30));
    QPainter p(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(12);
    p.setFont(font);
    int y = margin;
    for (const SkinItem *item : buttons) {
        const QImage strip = packer.itemImage(item->key);
        const int w = strip.width() / 4;
        p.setPen(Qt::white);
        p.drawText(QRect(0, y, labelWidth - 6, item->rect.height() * scale), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(item->key));
        for (int i = 0; i < 4; ++i) {
            const QImage state = strip.copy(i * w, 0, w, strip.height());
            p.drawImage(QRect(labelWidth + i * (w * scale + margin), y, w * scale, strip.height() * scale), state);
        }
        y += item->rect.height() * scale + margin;
    }
    return sheet;
}
