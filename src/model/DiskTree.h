// What UDisks2 reports about the block devices at one moment, and the questions the viewer
// asks of it before it lists, erases or ejects a disk: is it a whole USB disk, does anything
// the running system uses live on it (directly or through encryption, LVM or RAID), and what
// does it carry.
#pragma once

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <utility>

class QDBusArgument;

// One whole USB disk.
struct UsbDisk {
    QString path;   // the UDisks2 object of its block device
    QString device; // "/dev/sdX"
    QString name;   // the drive's vendor and model
    QString id;     // the drive's UDisks2 Id, which carries its serial number
    qint64 size = 0;
    QString label;  // the volume label of its first file system, "" when it has none
    QString type;   // the type of that file system ("vfat", "exfat", "ntfs", ...), "" when none
};

class DiskTree {
public:
    // Object path -> interface -> property -> value.
    using Interfaces = QMap<QString, QVariantMap>;
    using ObjectTree = QMap<QString, Interfaces>;

    // mediaRoots: folders below which removable media are mounted; a file system mounted
    // anywhere else counts as the system's.
    explicit DiskTree(QStringList mediaRoots = defaultMediaRoots()) : _mediaRoots(std::move(mediaRoots)) {}
    static QStringList defaultMediaRoots();
    // Takes the answer of ObjectManager.GetManagedObjects.
    void read(const QDBusArgument &argument);

    ObjectTree &objects() { return _objects; }
    const ObjectTree &objects() const { return _objects; }

    // A block device of a drive on the USB bus, holding partitions rather than being one,
    // with a medium in it, and carrying nothing the running system lives on.
    bool isUsbWholeDisk(const QString &path) const;
    // Anything on the disk or stacked on it is used by the running system: a system hint,
    // an active swap, an unlocked encrypted volume, or a file system mounted outside the
    // folders removable media are mounted in.
    bool isSystemDisk(const QString &diskPath) const;
    // Why the disk at disk.path is not the one listed (another drive, another size, no
    // longer a whole USB disk, now a system disk); "" when it still is.
    QString changedSince(const UsbDisk &disk) const;

    // The camera's own cards: at most 512 GB, one FAT or exFAT volume labelled cardLabel.
    static bool looksLikeCard(const UsbDisk &disk, const QString &cardLabel);

    UsbDisk describe(const QString &path) const;
    // The disk itself when it carries a file system, and every partition of it that does.
    QStringList fileSystemsOf(const QString &diskPath) const;
    QStringList mountPointsOf(const QString &path) const;
    QString firstPartitionOf(const QString &diskPath) const;
    QString drivePathOf(const QString &path) const;
    QVariantMap drive(const QString &path) const;

private:
    QSet<QString> blocksOn(const QString &diskPath) const;
    bool stacksOn(const QString &path, const Interfaces &object, const QSet<QString> &below) const;
    bool usedBySystem(const QString &path) const;

    QStringList _mediaRoots;
    ObjectTree _objects;
};
