#include "SkinSource.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

bool readRect(const QJsonValue &value, QRect &rect)
{
    const QJsonArray a = value.toArray();
    if (a.size() != 4)
        return false;
    const int left = a[0].toInt(), top = a[1].toInt(), right = a[2].toInt(), bottom = a[3].toInt();
    if (right < left || bottom < top)
        return false;
    rect = QRect(left, top, right - left, bottom - top);
    return true;
}

bool readItem(const QJsonObject &o, SkinItem &item)
{
    item.key = o.value(QLatin1String("key")).toInt(-1);
    item.kind = o.value(QLatin1String("kind")).toString();
    item.space = o.value(QLatin1String("space")).toString(QStringLiteral("window"));
    item.visible = o.value(QLatin1String("visible")).toBool(true);
    item.art = o.value(QLatin1String("art")).toString();
    item.style = o.value(QLatin1String("style")).toString();
    item.icon = o.value(QLatin1String("icon")).toString();
    item.use = o.value(QLatin1String("use")).toString();
    static const QStringList kinds = {QStringLiteral("image"), QStringLiteral("button"),
                                      QStringLiteral("check"), QStringLiteral("rect")};
    return item.key >= 0 && kinds.contains(item.kind) && readRect(o.value(QLatin1String("rect")), item.rect);
}

} // namespace

int SkinItem::binaryKind() const
{
    if (kind == QLatin1String("image"))
        return 2;
    return isButton() ? 3 : 1;
}

bool SkinSource::load(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1").arg(path);
        return false;
    }
    QJsonParseError parseError;
    const QJsonObject root = QJsonDocument::fromJson(file.readAll(), &parseError).object();
    if (parseError.error != QJsonParseError::NoError) {
        *error = QStringLiteral("%1: %2").arg(path, parseError.errorString());
        return false;
    }
    const QJsonObject spaceObject = root.value(QLatin1String("spaces")).toObject();
    for (auto it = spaceObject.begin(); it != spaceObject.end(); ++it) {
        const QJsonArray a = it.value().toArray();
        spaces.insert(it.key(), QSize(a.at(0).toInt(), a.at(1).toInt()));
    }
    for (const QJsonValue &v : root.value(QLatin1String("items")).toArray()) {
        SkinItem item;
        if (!readItem(v.toObject(), item) || !spaces.contains(item.space)) {
            *error = QStringLiteral("bad item: %1").arg(QString::fromUtf8(QJsonDocument(v.toObject()).toJson(QJsonDocument::Compact)));
            return false;
        }
        items.append(item);
    }
    for (const QJsonValue &v : root.value(QLatin1String("decor")).toArray()) {
        DecorItem d;
        d.art = v.toObject().value(QLatin1String("art")).toString();
        readRect(v.toObject().value(QLatin1String("rect")), d.rect);
        decor.append(d);
    }
    for (const QJsonValue &v : root.value(QLatin1String("glyphs")).toArray()) {
        const QJsonObject o = v.toObject();
        glyphs.append({o.value(QLatin1String("name")).toString(), o.value(QLatin1String("count")).toInt(),
                       o.value(QLatin1String("width")).toInt(), o.value(QLatin1String("height")).toInt(),
                       o.value(QLatin1String("art")).toString()});
    }
    for (const QJsonValue &v : root.value(QLatin1String("pictures")).toArray()) {
        const QJsonObject o = v.toObject();
        pictures.append({o.value(QLatin1String("name")).toString(), o.value(QLatin1String("width")).toInt(),
                         o.value(QLatin1String("height")).toInt(), o.value(QLatin1String("art")).toString()});
    }
    if (items.isEmpty()) {
        *error = QStringLiteral("%1 has no items").arg(path);
        return false;
    }
    return true;
}

const SkinItem *SkinSource::item(int key) const
{
    for (const SkinItem &i : items)
        if (i.key == key)
            return &i;
    return nullptr;
}

QPoint SkinSource::spaceOrigin(const QString &space) const
{
    const SkinItem *host = nullptr;
    if (space == QLatin1String("list"))
        host = item(4);
    else if (space == QLatin1String("logpage"))
        host = item(1);
    return host ? host->rect.topLeft() : QPoint(0, 0);
}
