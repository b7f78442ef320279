#include "DiskTree.h"

#include "Texts.h"

#include <QDBusArgument>
#include <QDBusObjectPath>

#include <algorithm>

namespace {

const QString Block = QStringLiteral("org.freedesktop.UDisks2.Block");
const QString BlockLvm = QStringLiteral("org.freedesktop.UDisks2.Block.LVM2");
const QString Drive = QStringLiteral("org.freedesktop.UDisks2.Drive");
const QString Encrypted = QStringLiteral("org.freedesktop.UDisks2.Encrypted");
const QString Filesystem = QStringLiteral("org.freedesktop.UDisks2.Filesystem");
const QString LogicalVolume = QStringLiteral("org.freedesktop.UDisks2.LogicalVolume");
const QString Partition = QStringLiteral("org.freedesktop.UDisks2.Partition");
const QString PhysicalVolume = QStringLiteral("org.freedesktop.UDisks2.PhysicalVolume");
const QString Swapspace = QStringLiteral("org.freedesktop.UDisks2.Swapspace");

// UDisks2 gives byte strings with a closing NUL ("ay"); several of them as "aay".
QString byteString(QByteArray bytes)
{
    if (bytes.endsWith('\0'))
        bytes.chop(1);
    return QString::fromLocal8Bit(bytes);
}

QStringList byteStrings(const QVariant &value)
{
    QList<QByteArray> list;
    if (value.canConvert<QDBusArgument>())
        value.value<QDBusArgument>() >> list;
    else
        list = value.value<QList<QByteArray>>();
    QStringList strings;
    for (const QByteArray &bytes : std::as_const(list))
        strings.append(byteString(bytes));
    return strings;
}

// An object path property; "" for none, which UDisks2 spells "/".
QString objectPath(const QVariantMap &properties, const char *name)
{
    const QString path = properties.value(QLatin1String(name)).value<QDBusObjectPath>().path();
    return path == u"/" ? QString() : path;
}

} // namespace

QStringList DiskTree::defaultMediaRoots()
{
    return {QStringLiteral("/media"), QStringLiteral("/run/media"), QStringLiteral("/mnt")};
}

void DiskTree::read(const QDBusArgument &argument)
{
    _objects.clear();
    argument.beginMap();
    while (!argument.atEnd()) {
        QDBusObjectPath path;
        Interfaces interfaces;
        argument.beginMapEntry();
        argument >> path >> interfaces;
        argument.endMapEntry();
        _objects.insert(path.path(), interfaces);
    }
    argument.endMap();
}

bool DiskTree::isUsbWholeDisk(const QString &path) const
{
    const Interfaces object = _objects.value(path);
    if (!object.contains(Block) || object.contains(Partition))
        return false;
    if (object.value(Block).value(QStringLiteral("Size")).toLongLong() <= 0)
        return false;
    if (drive(path).value(QStringLiteral("ConnectionBus")).toString() != u"usb")
        return false;
    return !isSystemDisk(path);
}

bool DiskTree::isSystemDisk(const QString &diskPath) const
{
    const QSet<QString> blocks = blocksOn(diskPath);
    return std::any_of(blocks.cbegin(), blocks.cend(), [this](const QString &path) { return usedBySystem(path); });
}

QString DiskTree::changedSince(const UsbDisk &disk) const
{
    if (!_objects.value(disk.path).contains(Block))
        return Texts::text("msg_disk_gone").arg(disk.device);
    const UsbDisk now = describe(disk.path);
    if (now.id != disk.id || now.size != disk.size || now.device != disk.device)
        return Texts::text("msg_disk_swapped").arg(disk.device, now.name);
    if (isSystemDisk(disk.path))
        return Texts::text("msg_disk_system").arg(disk.device);
    if (!isUsbWholeDisk(disk.path))
        return Texts::text("msg_disk_gone").arg(disk.device);
    return {};
}

bool DiskTree::looksLikeCard(const UsbDisk &disk, const QString &cardLabel)
{
    constexpr qint64 LargestCard = 512'000'000'000;
    return disk.size <= LargestCard && (disk.type == u"vfat" || disk.type == u"exfat") && disk.label == cardLabel;
}

// The disk, its partitions, and every block device built on any of them: unlocked
// encrypted volumes, RAID arrays and LVM logical volumes, and partitions of those.
QSet<QString> DiskTree::blocksOn(const QString &diskPath) const
{
    QSet<QString> blocks{diskPath};
    for (bool grew = true; grew;) {
        grew = false;
        for (auto it = _objects.cbegin(); it != _objects.cend(); ++it) {
            if (!blocks.contains(it.key()) && it->contains(Block) && stacksOn(it.key(), *it, blocks)) {
                blocks.insert(it.key());
                grew = true;
            }
        }
    }
    return blocks;
}

bool DiskTree::stacksOn(const QString &path, const Interfaces &object, const QSet<QString> &below) const
{
    const QVariantMap block = object.value(Block);
    if (below.contains(objectPath(object.value(Partition), "Table"))
        || below.contains(objectPath(block, "CryptoBackingDevice")))
        return true;
    const QString raid = objectPath(block, "MDRaid");
    const QString group = objectPath(_objects.value(objectPath(object.value(BlockLvm), "LogicalVolume")).value(LogicalVolume), "VolumeGroup");
    for (const QString &member : below) {
        const Interfaces lower = _objects.value(member);
        if (!raid.isEmpty() && objectPath(lower.value(Block), "MDRaidMember") == raid)
            return true;
        if (!group.isEmpty() && objectPath(lower.value(PhysicalVolume), "VolumeGroup") == group)
            return true;
        if (objectPath(lower.value(Encrypted), "CleartextDevice") == path)
            return true;
    }
    return false;
}

bool DiskTree::usedBySystem(const QString &path) const
{
    const Interfaces object = _objects.value(path);
    const QVariantMap block = object.value(Block);
    if (block.value(QStringLiteral("HintSystem")).toBool()
        || object.value(Swapspace).value(QStringLiteral("Active")).toBool()
        || !objectPath(object.value(Encrypted), "CleartextDevice").isEmpty()
        || !objectPath(block, "CryptoBackingDevice").isEmpty())
        return true;
    for (const QString &mountPoint : mountPointsOf(path)) {
        const bool media = std::any_of(_mediaRoots.cbegin(), _mediaRoots.cend(), [&](const QString &root) {
            return mountPoint.startsWith(root + u'/');
        });
        if (!media)
            return true;
    }
    return false;
}

QStringList DiskTree::fileSystemsOf(const QString &diskPath) const
{
    QStringList paths;
    for (auto it = _objects.cbegin(); it != _objects.cend(); ++it) {
        const QString table = objectPath(it->value(Partition), "Table");
        if (it->contains(Filesystem) && (it.key() == diskPath || table == diskPath))
            paths.append(it.key());
    }
    return paths;
}

QStringList DiskTree::mountPointsOf(const QString &path) const
{
    return byteStrings(_objects.value(path).value(Filesystem).value(QStringLiteral("MountPoints")));
}

QString DiskTree::firstPartitionOf(const QString &diskPath) const
{
    QString first;
    uint lowest = 0;
    for (auto it = _objects.cbegin(); it != _objects.cend(); ++it) {
        const QVariantMap partition = it->value(Partition);
        const uint number = partition.value(QStringLiteral("Number")).toUInt();
        if (objectPath(partition, "Table") == diskPath && (first.isEmpty() || number < lowest)) {
            first = it.key();
            lowest = number;
        }
    }
    return first.isEmpty() && _objects.value(diskPath).contains(Filesystem) ? diskPath : first;
}

QString DiskTree::drivePathOf(const QString &path) const
{
    return objectPath(_objects.value(path).value(Block), "Drive");
}

QVariantMap DiskTree::drive(const QString &path) const
{
    return _objects.value(drivePathOf(path)).value(Drive);
}

UsbDisk DiskTree::describe(const QString &path) const
{
    const QVariantMap block = _objects.value(path).value(Block);
    const QVariantMap drive = this->drive(path);
    UsbDisk disk;
    disk.path = path;
    disk.device = byteString(block.value(QStringLiteral("Device")).toByteArray());
    disk.name = QStringList({drive.value(QStringLiteral("Vendor")).toString().trimmed(),
                                drive.value(QStringLiteral("Model")).toString().trimmed()})
                    .join(u' ')
                    .trimmed();
    if (disk.name.isEmpty())
        disk.name = disk.device;
    disk.id = drive.value(QStringLiteral("Id")).toString();
    disk.size = block.value(QStringLiteral("Size")).toLongLong();
    const QVariantMap first = _objects.value(firstPartitionOf(path)).value(Block);
    disk.label = first.value(QStringLiteral("IdLabel")).toString();
    disk.type = first.value(QStringLiteral("IdType")).toString();
    return disk;
}
