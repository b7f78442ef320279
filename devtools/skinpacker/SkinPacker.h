// Renders every picture of the skin from its description and writes the binary pair
// ("brumoset.dsc", "brumoset.chk") and the BMP resources.
#pragma once

#include "SkinSource.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QMap>

class SkinPacker {
public:
    explicit SkinPacker(const SkinSource &source) : source_(source) {}

    bool render(QString *error);
    // Writes <dir>/skin/brumoset.{dsc,chk} and <dir>/resources/<name>.bmp.
    bool write(const QString &dir, QString *error) const;

    const SkinSource &source() const { return source_; }
    // The picture of an image item or the four-state strip of a button.
    QImage itemImage(int key) const { return images_.value(key); }
    QImage resource(const QString &name) const { return resources_.value(name); }
    // What lies under the items of a space.
    QImage background(const QString &space) const { return backgrounds_.value(space); }

    // The descriptor and container for items in key order.
    QByteArray descriptor(QByteArray *container) const;

private:
    bool renderItem(const SkinItem &item, QString *error);

    const SkinSource &source_;
    QMap<int, QImage> images_;
    QMap<QString, QImage> resources_;
    QHash<QString, QImage> backgrounds_;
};
