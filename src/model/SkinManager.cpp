#include "SkinManager.h"

#include "vexa_chk_file.h"
#include "vexa_dsc_file.h"

#include <QFile>

#include <algorithm>
#include <limits>

namespace {

const char *const DscResource = ":/skin/brumoset.dsc";
const char *const ChkResource = ":/skin/brumoset.chk";
const char *const ResourceFolder = ":/resources/";

// Rectangle arithmetic on untrusted numbers, kept inside int.
int clampToInt(qint64 value)
{
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

QRect itemRect(const _vexa_skin_item_t &item, int viewHeight)
{
    const qint64 width = qint64(item.right) - item.left;
    const qint64 height = qint64(item.bottom) - item.top;
    const qint64 y = qint64(viewHeight) - (qint64(item.top) + height);
    return QRect(item.left, clampToInt(y), clampToInt(width), clampToInt(height));
}

bool readAll(const QString &path, QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return true;
}

bool loadDescriptor(vexa_dsc_file &dsc, const QString &path)
{
    QByteArray bytes;
    return readAll(path, bytes)
        && dsc.load(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
}

// Files on disk stay open and are read on demand; resources are copied into memory.
bool openContainer(vexa_chk_file &chk, const QString &path)
{
    if (!path.startsWith(QLatin1Char(':')))
        return chk.open(QFile::encodeName(path).constData());
    QByteArray bytes;
    if (!readAll(path, bytes))
        return false;
    return chk.open(std::vector<uint8_t>(bytes.cbegin(), bytes.cend()));
}

} // namespace

SkinManager::SkinManager()
    : _dsc_file(std::make_unique<vexa_dsc_file>())
    , _chk_file(std::make_unique<vexa_chk_file>())
{
}

SkinManager::~SkinManager() = default;

std::unique_ptr<SkinManager> SkinManager::create()
{
    return create(QString::fromLatin1(DscResource), QString::fromLatin1(ChkResource));
}

std::unique_ptr<SkinManager> SkinManager::create(const QString &dscPath, const QString &chkPath)
{
    std::unique_ptr<SkinManager> skin(new SkinManager);
    if (!loadDescriptor(*skin->_dsc_file, dscPath) || !openContainer(*skin->_chk_file, chkPath))
        return nullptr;
    return skin;
}

bool SkinManager::containsKey(int key) const
{
    return _dsc_file->contains(key);
}

int SkinManager::kindForKey(int key) const
{
    return _dsc_file->item(key).kind;
}

QImage SkinManager::imageForKey(int key) const
{
    const _vexa_skin_item_t item = _dsc_file->item(key);
    if (item.kind != KindImage)
        return QImage();
    const std::vector<uint8_t> bmp = _chk_file->read_bmp_data(item.bmp_offset);
    return imageWithData(bmp.data(), qsizetype(bmp.size()));
}

QRect SkinManager::rectForKey(int key) const
{
    return rectForKey(key, WindowHeight);
}

QRect SkinManager::rectForKey(int key, int viewHeight) const
{
    return itemRect(_dsc_file->item(key), viewHeight);
}

std::optional<SkinButtonInfo> SkinManager::buttonForKey(int key, int viewHeight) const
{
    const _vexa_skin_item_t item = _dsc_file->item(key);
    if (item.kind != KindButton)
        return std::nullopt;
    const std::vector<uint8_t> bmp = _chk_file->read_bmp_data(item.bmp_offset);
    const QByteArray data(reinterpret_cast<const char *>(bmp.data()), qsizetype(bmp.size()));
    const QList<QImage> states = imageArrayWithData(data, 4);
    if (states.size() != 4 || states.first().isNull())
        return std::nullopt;
    SkinButtonInfo info;
    info.imageNormal = states[0];
    info.imagePressed = states[1];
    info.imageHover = states[2];
    info.imageDisabled = states[3];
    info.position = itemRect(item, viewHeight);
    info.visible = item.visible != 0;
    return info;
}

QImage SkinManager::imageWithData(const uchar *data, qsizetype len)
{
    // Only the two formats the skin and the camera use; other decoders never see the bytes.
    if (!data || len < 2)
        return QImage();
    const char *format = nullptr;
    if (data[0] == 'B' && data[1] == 'M')
        format = "BMP";
    else if (data[0] == 0xFF && data[1] == 0xD8)
        format = "JPEG";
    else
        return QImage();
    return QImage::fromData(QByteArrayView(data, len), format);
}

QList<QImage> SkinManager::imageArrayWithData(const QByteArray &data, int count)
{
    if (count < 1)
        return {};
    const QImage strip = imageWithData(reinterpret_cast<const uchar *>(data.constData()),
                                       data.size());
    const int width = strip.width() / count;
    if (strip.isNull() || width < 1)
        return {};
    QList<QImage> images;
    images.reserve(count);
    for (int i = 0; i < count; ++i)
        images.append(strip.copy(int(qint64(i) * strip.width() / count), 0, width, strip.height()));
    return images;
}

QString SkinManager::resourcePath(const QString &name, const QString &type)
{
    if (type.isEmpty() || name.endsWith(QLatin1Char('.') + type))
        return QLatin1String(ResourceFolder) + name;
    return QLatin1String(ResourceFolder) + name + QLatin1Char('.') + type;
}

QByteArray SkinManager::resourceData(const QString &name, const QString &type)
{
    QByteArray bytes;
    readAll(resourcePath(name, type), bytes);
    return bytes;
}

QImage SkinManager::resourceImage(const QString &name, const QString &type)
{
    const QByteArray bytes = resourceData(name, type);
    return imageWithData(reinterpret_cast<const uchar *>(bytes.constData()), bytes.size());
}

QList<QImage> SkinManager::resourceImageArray(const QString &name, int count)
{
    return imageArrayWithData(resourceData(name), count);
}
