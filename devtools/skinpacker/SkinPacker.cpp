#include "SkinPacker.h"

#include "BackgroundArt.h"
#include "BmpWriter.h"
#include "ButtonArt.h"
#include "GlyphArt.h"
#include "IconPainter.h"
#include "PictureArt.h"

#include <QDir>
#include <QSaveFile>
#include <QSet>
#include <QtEndian>

#include <algorithm>

namespace {

void putI32(QByteArray &out, qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

bool saveFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

const QStringList ButtonStyles = {QStringLiteral("key"), QStringLiteral("key_check"), QStringLiteral("title"),
                                  QStringLiteral("close"), QStringLiteral("menu"), QStringLiteral("tab"),
                                  QStringLiteral("text"), QStringLiteral("text_check")};

} // namespace

bool SkinPacker::render(QString *error)
{
    QSet<int> keys;
    for (const SkinItem &item : source_.items) {
        if (keys.contains(item.key)) {
            *error = QStringLiteral("key %1 is described twice").arg(item.key);
            return false;
        }
        keys.insert(item.key);
    }
    // Backgrounds first: buttons are drawn over the piece of their space they cover.
    for (const SkinItem &item : source_.items) {
        if (item.kind == QLatin1String("image") && !renderItem(item, error))
            return false;
    }
    backgrounds_.insert(QStringLiteral("window"), images_.value(0));
    if (const SkinItem *list = source_.item(48))
        backgrounds_.insert(QStringLiteral("list"), images_.value(list->key));
    backgrounds_.insert(QStringLiteral("logpage"), BackgroundArt::logPage(source_.spaceSize(QStringLiteral("logpage"))));
    for (const SkinItem &item : source_.items) {
        if (item.isButton() && !renderItem(item, error))
            return false;
    }
    for (const StripSpec &entry : source_.glyphs) {
        const QImage strip = GlyphArt::strip(entry);
        if (strip.isNull()) {
            *error = QStringLiteral("glyph strip %1 has unknown art %2").arg(entry.name, entry.art);
            return false;
        }
        resources_.insert(entry.name, strip);
    }
    for (const PictureSpec &entry : source_.pictures) {
        const QImage picture = PictureArt::picture(entry);
        if (picture.isNull()) {
            *error = QStringLiteral("picture %1 has unknown art %2").arg(entry.name, entry.art);
            return false;
        }
        resources_.insert(entry.name, picture);
    }
    return true;
}

bool SkinPacker::renderItem(const SkinItem &item, QString *error)
{
    if (item.kind == QLatin1String("image")) {
        const QImage image = BackgroundArt::forItem(source_, item);
        if (image.isNull()) {
            *error = QStringLiteral("key %1 has unknown art %2").arg(item.key).arg(item.art);
            return false;
        }
        images_.insert(item.key, image);
        return true;
    }
    const QImage space = backgrounds_.value(item.space);
    if (space.isNull() || !space.rect().contains(item.rect)) {
        *error = QStringLiteral("key %1 lies outside its space %2").arg(item.key).arg(item.space);
        return false;
    }
    if (!ButtonStyles.contains(item.style) || (!item.icon.isEmpty() && !IconPainter::knows(item.icon))) {
        *error = QStringLiteral("key %1 has unknown style or icon").arg(item.key);
        return false;
    }
    images_.insert(item.key, ButtonArt::strip(item, space.copy(item.rect)));
    return true;
}

QByteArray SkinPacker::descriptor(QByteArray *container) const
{
    QList<SkinItem> items = source_.items;
    std::sort(items.begin(), items.end(), [](const SkinItem &a, const SkinItem &b) { return a.key < b.key; });
    QByteArray dsc;
    putI32(dsc, qint32(items.size() - 1));
    container->clear();
    for (const SkinItem &item : items) {
        quint32 offset = 0;
        const QImage image = images_.value(item.key);
        if (!image.isNull()) {
            offset = quint32(container->size());
            container->append(BmpWriter::encode(image));
        }
        putI32(dsc, item.key);
        putI32(dsc, item.binaryKind());
        putI32(dsc, item.rect.left());
        putI32(dsc, item.rect.top());
        putI32(dsc, item.rect.left() + item.rect.width());
        putI32(dsc, item.rect.top() + item.rect.height());
        dsc.append(8, '\0');
        putI32(dsc, qint32(offset));
        dsc.append(char(item.visible ? 1 : 0));
        dsc.append(11, '\0');
    }
    return dsc;
}

bool SkinPacker::write(const QString &dir, QString *error) const
{
    const QDir out(dir);
    if (!out.mkpath(QStringLiteral("skin")) || !out.mkpath(QStringLiteral("resources"))) {
        *error = QStringLiteral("cannot create %1").arg(dir);
        return false;
    }
    QByteArray chk;
    const QByteArray dsc = descriptor(&chk);
    if (!saveFile(out.filePath(QStringLiteral("skin/brumoset.dsc")), dsc, error)
        || !saveFile(out.filePath(QStringLiteral("skin/brumoset.chk")), chk, error))
        return false;
    for (auto it = resources_.begin(); it != resources_.end(); ++it) {
        const QString path = out.filePath(QStringLiteral("resources/%1.bmp").arg(it.key()));
        if (!saveFile(path, BmpWriter::encode(it.value()), error))
            return false;
    }
    return true;
}
