// The USB disks attached to the computer, as the UDisks2 service sees them, and the two
// things the viewer does to one: erase it to a single FAT volume, and eject it.
#pragma once

#include <QDBusConnection>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <memory>

class QDBusError;
class QDBusMessage;
class QDBusPendingCall;
class QDBusPendingCallWatcher;

// One whole USB disk.
struct UsbDisk {
    QString path;   // the UDisks2 object of its block device
    QString device; // "/dev/sdX"
    QString name;   // the drive's vendor and model
    qint64 size = 0;
};

class UsbManager : public QObject {
    Q_OBJECT
public:
    // Object path -> interface -> property -> value.
    using Interfaces = QMap<QString, QVariantMap>;
    using ObjectTree = QMap<QString, Interfaces>;
    // ok, what the operation gives back (a mount point) or why it failed.
    using Done = std::function<void(bool ok, const QString &text)>;

    // Talks to the bus whose address is in TUMBO_UDISKS_BUS, else to the system bus, and asks
    // for the disks at once; the answer arrives later (see waitUntilReady()).
    explicit UsbManager(QObject *parent = nullptr);
    ~UsbManager() override;

    // Waits for the first answer about the disks; false when there is no UDisks2 to ask.
    bool waitUntilReady();
    bool available() const { return _available; }
    QString errorString() const { return _error; }

    // Whole USB disks in order of arrival.
    const QList<UsbDisk> &disks() const { return _disks; }
    // Where the disk's first partition is mounted (or the disk itself, when it has no
    // partitions), or "" when it is not mounted.
    QString mountPoint(const UsbDisk &disk) const;
    // The last component of mountPoint(), or "".
    QString volumeName(const UsbDisk &disk) const;
    QString volumeNameAtIndex(int index) const;

    // New DOS partition table, one FAT partition labelled label, mounted; done gets the mount
    // point. Calls done on this thread, and only while context lives.
    void formatDisk(const UsbDisk &disk, const QString &label, QObject *context, Done done);
    // Unmounts every mounted file system of the disk, then ejects it and powers it off when
    // the drive can be.
    void ejectDisk(const UsbDisk &disk, QObject *context, Done done);

signals:
    void diskAppeared(const UsbDisk &disk);
    void diskDisappeared(const UsbDisk &disk);
    void disksChanged();

private slots:
    void interfacesAdded(const QDBusMessage &message);
    void interfacesRemoved(const QDBusMessage &message);
    void propertiesChanged(const QDBusMessage &message);

private:
    struct Operation;

    void readManagedObjects(const QDBusPendingCall &call);
    void updateDisks();
    bool isUsbWholeDisk(const QString &path, const Interfaces &object) const;
    bool holdsSystemMount(const QString &diskPath) const;
    QStringList fileSystemsOf(const QString &diskPath) const;
    QStringList mountPointsOf(const QString &path) const;
    QString firstPartitionOf(const QString &diskPath) const;
    UsbDisk describe(const QString &path, const Interfaces &object) const;

    // Runs the steps of an operation one after another; a failed step ends it.
    std::shared_ptr<Operation> unmountingOperation(const UsbDisk &disk, QObject *context, Done done);
    void runStep(const std::shared_ptr<Operation> &operation);
    // recover may take over a failed call (and return true) instead of ending the operation.
    using Recover = std::function<bool(const QDBusError &, const std::shared_ptr<Operation> &)>;
    void callAsync(const std::shared_ptr<Operation> &operation, const QString &path,
        const QString &interface, const QString &method, const QVariantList &args,
        const Recover &recover = {});

    QDBusConnection _bus;
    ObjectTree _objects;
    QList<UsbDisk> _disks;
    std::unique_ptr<QDBusPendingCallWatcher> _initial;
    bool _available = false;
    QString _error;
};
