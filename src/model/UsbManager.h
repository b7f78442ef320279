// The USB disks attached to the computer, as the UDisks2 service sees them, and the two
// things the viewer does to one: erase it to a single FAT volume, and eject it.
#pragma once

#include "DiskTree.h"

#include <QDBusConnection>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <optional>

class QDBusError;
class QDBusMessage;
class QDBusPendingCall;
class QDBusPendingCallWatcher;

class UsbManager : public QObject {
    Q_OBJECT
public:
    // ok, what the operation gives back (a mount point) or why it failed.
    using Done = std::function<void(bool ok, const QString &text)>;

    // The label a formatted card gets, which the camera looks for.
    static QString cardLabel();
    // The bus whose address is in TUMBO_UDISKS_BUS, else the system bus.
    static QDBusConnection busFromEnvironment();

    // Asks UDisks2 on bus for the disks at once; the answer arrives later (see
    // waitUntilReady()). mediaRoots: see DiskTree.
    explicit UsbManager(const QDBusConnection &bus, QObject *parent = nullptr,
        const QStringList &mediaRoots = DiskTree::defaultMediaRoots());
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

    // The listed disk whose device is "/dev/sdX", or nothing.
    std::optional<UsbDisk> diskAt(const QString &device) const;
    bool looksLikeCard(const UsbDisk &disk) const { return DiskTree::looksLikeCard(disk, cardLabel()); }

    // Both operations first read the disks again from UDisks2 and refuse, having changed
    // nothing, unless disk is still the same drive of the same size, a whole USB disk and
    // no system disk. Calls done on this thread, and only while context lives.
    // New DOS partition table, one FAT partition labelled label, mounted; done gets the mount
    // point.
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

    using Steps = std::function<void(const DiskTree &now, const std::shared_ptr<Operation> &)>;

    void readManagedObjects(const QDBusPendingCall &call);
    void updateDisks();

    // Runs the steps of an operation one after another; a failed step ends it. The first
    // step reads the disks again and checks disk; then steps adds the rest from that reading.
    void startChecked(const UsbDisk &disk, QObject *context, Done done, const Steps &steps);
    void checkDisk(const UsbDisk &disk, const Steps &steps, const std::shared_ptr<Operation> &operation);
    void appendUnmounts(const DiskTree &now, const QString &diskPath, const std::shared_ptr<Operation> &operation);
    void appendFormat(const QString &path, const QString &label, const std::shared_ptr<Operation> &operation);
    static void finish(const std::shared_ptr<Operation> &operation, bool ok, const QString &text);
    void runStep(const std::shared_ptr<Operation> &operation);
    // recover may take over a failed call (and return true) instead of ending the operation.
    using Recover = std::function<bool(const QDBusError &, const std::shared_ptr<Operation> &)>;
    void callAsync(const std::shared_ptr<Operation> &operation, const QString &path,
        const QString &interface, const QString &method, const QVariantList &args,
        const Recover &recover = {});

    QDBusConnection _bus;
    DiskTree _tree;
    QList<UsbDisk> _disks;
    std::unique_ptr<QDBusPendingCallWatcher> _initial;
    bool _available = false;
    QString _error;
};
