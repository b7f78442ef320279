#include "UsbManager.h"

#include "Texts.h"

#include <QDBusArgument>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString Service = QStringLiteral("org.freedesktop.UDisks2");
const QString Root = QStringLiteral("/org/freedesktop/UDisks2");
const QString ObjectManager = QStringLiteral("org.freedesktop.DBus.ObjectManager");
const QString Properties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString Block = QStringLiteral("org.freedesktop.UDisks2.Block");
const QString Drive = QStringLiteral("org.freedesktop.UDisks2.Drive");
const QString Partition = QStringLiteral("org.freedesktop.UDisks2.Partition");
const QString PartitionTable = QStringLiteral("org.freedesktop.UDisks2.PartitionTable");
const QString Filesystem = QStringLiteral("org.freedesktop.UDisks2.Filesystem");

// Erasing waits for the user to authorise it and for the card to be written.
constexpr int FormatTimeout = 30 * 60 * 1000;
constexpr int CallTimeout = 5 * 60 * 1000;

QString mountPointAfterMount(const QVariant &answer)
{
    if (!answer.canConvert<QDBusVariant>())
        return answer.toString();
    QList<QByteArray> points;
    const QVariant value = answer.value<QDBusVariant>().variant();
    if (value.canConvert<QDBusArgument>())
        value.value<QDBusArgument>() >> points;
    else
        points = value.value<QList<QByteArray>>();
    QByteArray first = points.value(0);
    if (first.endsWith('\0'))
        first.chop(1);
    return QString::fromLocal8Bit(first);
}

} // namespace

struct UsbManager::Operation {
    QString diskPath;
    QPointer<QObject> context;
    Done done;
    QList<std::function<void(const std::shared_ptr<Operation> &)>> steps;
    QDBusMessage reply;
    QString result;
};

QString UsbManager::cardLabel()
{
    return QStringLiteral("TREMOLAX1");
}

QDBusConnection UsbManager::busFromEnvironment()
{
    const QString address = qEnvironmentVariable("TUMBO_UDISKS_BUS");
    if (address.isEmpty())
        return QDBusConnection::systemBus();
    return QDBusConnection::connectToBus(address, QStringLiteral("tumbo-udisks ") + address);
}

UsbManager::UsbManager(const QDBusConnection &bus, QObject *parent, const QStringList &mediaRoots)
    : QObject(parent)
    , _bus(bus)
    , _tree(mediaRoots)
{
    qDBusRegisterMetaType<QList<QByteArray>>();
    qDBusRegisterMetaType<DiskTree::Interfaces>();
    if (!_bus.isConnected()) {
        _error = tr("No connection to the D-Bus bus: %1").arg(_bus.lastError().message());
        return;
    }
    _bus.connect(Service, Root, ObjectManager, QStringLiteral("InterfacesAdded"), this,
        SLOT(interfacesAdded(QDBusMessage)));
    _bus.connect(Service, Root, ObjectManager, QStringLiteral("InterfacesRemoved"), this,
        SLOT(interfacesRemoved(QDBusMessage)));
    // Mounting and unmounting change properties of objects below the root.
    _bus.connect(Service, QString(), Properties, QStringLiteral("PropertiesChanged"), this,
        SLOT(propertiesChanged(QDBusMessage)));
    const QDBusMessage call
        = QDBusMessage::createMethodCall(Service, Root, ObjectManager, QStringLiteral("GetManagedObjects"));
    _initial = std::make_unique<QDBusPendingCallWatcher>(_bus.asyncCall(call), this);
    connect(_initial.get(), &QDBusPendingCallWatcher::finished, this,
        [this](QDBusPendingCallWatcher *watcher) { readManagedObjects(*watcher); });
}

UsbManager::~UsbManager() = default;

bool UsbManager::waitUntilReady()
{
    if (_initial && !_initial->isFinished())
        _initial->waitForFinished();
    if (_initial)
        readManagedObjects(*_initial);
    return _available;
}

void UsbManager::readManagedObjects(const QDBusPendingCall &call)
{
    if (!_initial)
        return;
    _initial.release()->deleteLater();
    const QDBusMessage reply = call.reply();
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        _error = tr("The disk service UDisks2 does not answer: %1").arg(call.error().message());
        return;
    }
    _available = true;
    _tree.read(reply.arguments().constFirst().value<QDBusArgument>());
    updateDisks();
}

void UsbManager::interfacesAdded(const QDBusMessage &message)
{
    const QList<QVariant> args = message.arguments();
    if (args.size() < 2)
        return;
    DiskTree::Interfaces added;
    args.at(1).value<QDBusArgument>() >> added;
    DiskTree::Interfaces &object = _tree.objects()[args.at(0).value<QDBusObjectPath>().path()];
    for (auto it = added.cbegin(); it != added.cend(); ++it)
        object.insert(it.key(), it.value());
    updateDisks();
}

void UsbManager::interfacesRemoved(const QDBusMessage &message)
{
    const QList<QVariant> args = message.arguments();
    if (args.size() < 2)
        return;
    const QString path = args.at(0).value<QDBusObjectPath>().path();
    auto object = _tree.objects().find(path);
    if (object == _tree.objects().end())
        return;
    for (const QString &interface : args.at(1).toStringList())
        object->remove(interface);
    if (object->isEmpty())
        _tree.objects().erase(object);
    updateDisks();
}

void UsbManager::propertiesChanged(const QDBusMessage &message)
{
    const QList<QVariant> args = message.arguments();
    auto object = _tree.objects().find(message.path());
    if (args.size() < 2 || object == _tree.objects().end() || !object->contains(args.at(0).toString()))
        return;
    QVariantMap changed;
    args.at(1).value<QDBusArgument>() >> changed;
    QVariantMap &properties = (*object)[args.at(0).toString()];
    for (auto it = changed.cbegin(); it != changed.cend(); ++it)
        properties.insert(it.key(), it.value());
    updateDisks();
}

// Keeps the order of arrival: disks still present stay where they were, new ones go last.
void UsbManager::updateDisks()
{
    QList<UsbDisk> now;
    for (const UsbDisk &disk : std::as_const(_disks)) {
        // Another drive under the same name is a new disk.
        if (_tree.isUsbWholeDisk(disk.path) && _tree.describe(disk.path).id == disk.id)
            now.append(_tree.describe(disk.path));
        else
            emit diskDisappeared(disk);
    }
    for (auto it = _tree.objects().cbegin(); it != _tree.objects().cend(); ++it) {
        const bool known = std::any_of(now.cbegin(), now.cend(),
            [&](const UsbDisk &disk) { return disk.path == it.key(); });
        if (!known && _tree.isUsbWholeDisk(it.key())) {
            now.append(_tree.describe(it.key()));
            emit diskAppeared(now.constLast());
        }
    }
    _disks = now;
    emit disksChanged();
}

QString UsbManager::mountPoint(const UsbDisk &disk) const
{
    const QStringList mountPoints = _tree.mountPointsOf(_tree.firstPartitionOf(disk.path));
    return mountPoints.isEmpty() ? QString() : mountPoints.constFirst();
}

QString UsbManager::volumeName(const UsbDisk &disk) const
{
    const QString path = mountPoint(disk);
    return path.isEmpty() ? QString() : QFileInfo(path).fileName();
}

QString UsbManager::volumeNameAtIndex(int index) const
{
    return index >= 0 && index < _disks.size() ? volumeName(_disks.at(index)) : QString();
}

std::optional<UsbDisk> UsbManager::diskAt(const QString &device) const
{
    for (const UsbDisk &disk : _disks)
        if (disk.device == device)
            return disk;
    return std::nullopt;
}

void UsbManager::startChecked(const UsbDisk &disk, QObject *context, Done done, const Steps &steps)
{
    auto operation = std::make_shared<Operation>();
    operation->context = context;
    operation->done = std::move(done);
    operation->diskPath = disk.path;
    // The list may be minutes old: a pulled reader's name can belong to another disk now.
    operation->steps.append([this](const std::shared_ptr<Operation> &op) {
        callAsync(op, Root, ObjectManager, QStringLiteral("GetManagedObjects"), {});
    });
    operation->steps.append([this, disk, steps](const std::shared_ptr<Operation> &op) { checkDisk(disk, steps, op); });
    runStep(operation);
}

void UsbManager::checkDisk(const UsbDisk &disk, const Steps &steps, const std::shared_ptr<Operation> &operation)
{
    DiskTree now(_tree);
    const QVariant answer = operation->reply.arguments().value(0);
    if (!answer.canConvert<QDBusArgument>()) {
        finish(operation, false, Texts::text("msg_disk_gone").arg(disk.device));
        return;
    }
    now.read(answer.value<QDBusArgument>());
    if (const QString why = now.changedSince(disk); !why.isEmpty()) {
        finish(operation, false, why);
        return;
    }
    steps(now, operation);
    runStep(operation);
}

// Formatting and ejecting both start by unmounting every mounted file system of the disk.
void UsbManager::appendUnmounts(const DiskTree &now, const QString &diskPath, const std::shared_ptr<Operation> &operation)
{
    for (const QString &fileSystem : now.fileSystemsOf(diskPath))
        if (!now.mountPointsOf(fileSystem).isEmpty())
            operation->steps.append([this, fileSystem](const std::shared_ptr<Operation> &op) {
                callAsync(op, fileSystem, Filesystem, QStringLiteral("Unmount"), {QVariantMap()});
            });
}

void UsbManager::formatDisk(const UsbDisk &disk, const QString &label, QObject *context, Done done)
{
    startChecked(disk, context, std::move(done), [this, label](const DiskTree &now, const std::shared_ptr<Operation> &op) {
        appendUnmounts(now, op->diskPath, op);
        appendFormat(op->diskPath, label, op);
    });
}

void UsbManager::appendFormat(const QString &path, const QString &label, const std::shared_ptr<Operation> &operation)
{
    operation->steps.append([this, path](const std::shared_ptr<Operation> &op) {
        callAsync(op, path, Block, QStringLiteral("Format"), {QStringLiteral("dos"), QVariantMap()});
    });
    operation->steps.append([this, path, label](const std::shared_ptr<Operation> &op) {
        const QVariantMap fatOptions{{QStringLiteral("label"), label}};
        // 0x0c: FAT32 with LBA, what cameras expect in the partition map.
        callAsync(op, path, PartitionTable, QStringLiteral("CreatePartitionAndFormat"),
            {qulonglong(0), qulonglong(0), QStringLiteral("0x0c"), QString(), QVariantMap(),
                QStringLiteral("vfat"), fatOptions});
    });
    operation->steps.append([this](const std::shared_ptr<Operation> &op) {
        const QString partition = op->reply.arguments().value(0).value<QDBusObjectPath>().path();
        // The desktop may mount the new volume first; then ask where.
        callAsync(op, partition, Filesystem, QStringLiteral("Mount"), {QVariantMap()},
            [this, partition](const QDBusError &error, const std::shared_ptr<Operation> &again) {
                if (!error.name().endsWith(u".AlreadyMounted"))
                    return false;
                callAsync(again, partition, Properties, QStringLiteral("Get"),
                    {Filesystem, QStringLiteral("MountPoints")});
                return true;
            });
    });
    operation->steps.append([](const std::shared_ptr<Operation> &op) {
        op->result = mountPointAfterMount(op->reply.arguments().value(0));
        op->steps.clear();
        finish(op, !op->result.isEmpty(), op->result);
    });
}

void UsbManager::ejectDisk(const UsbDisk &disk, QObject *context, Done done)
{
    startChecked(disk, context, std::move(done), [this](const DiskTree &now, const std::shared_ptr<Operation> &op) {
        appendUnmounts(now, op->diskPath, op);
        const QString drivePath = now.drivePathOf(op->diskPath);
        op->steps.append([this, drivePath](const std::shared_ptr<Operation> &step) {
            callAsync(step, drivePath, Drive, QStringLiteral("Eject"), {QVariantMap()});
        });
        if (now.drive(op->diskPath).value(QStringLiteral("CanPowerOff")).toBool())
            op->steps.append([this, drivePath](const std::shared_ptr<Operation> &step) {
                callAsync(step, drivePath, Drive, QStringLiteral("PowerOff"), {QVariantMap()});
            });
    });
}

void UsbManager::finish(const std::shared_ptr<Operation> &operation, bool ok, const QString &text)
{
    operation->steps.clear();
    if (operation->context && operation->done)
        operation->done(ok, text);
}

void UsbManager::runStep(const std::shared_ptr<Operation> &operation)
{
    if (operation->steps.isEmpty()) {
        finish(operation, true, operation->result);
        return;
    }
    const auto step = operation->steps.takeFirst();
    step(operation);
}

void UsbManager::callAsync(const std::shared_ptr<Operation> &operation, const QString &path,
    const QString &interface, const QString &method, const QVariantList &args, const Recover &recover)
{
    QDBusMessage call = QDBusMessage::createMethodCall(Service, path, interface, method);
    call.setArguments(args);
    const int timeout = method == u"Format" || method == u"CreatePartitionAndFormat" ? FormatTimeout : CallTimeout;
    auto *watcher = new QDBusPendingCallWatcher(_bus.asyncCall(call, timeout), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
        [this, operation, method, recover](QDBusPendingCallWatcher *finished) {
            finished->deleteLater();
            if (finished->isError() && recover && recover(finished->error(), operation))
                return;
            if (finished->isError()) {
                finish(operation, false, QStringLiteral("%1: %2").arg(method, finished->error().message()));
                return;
            }
            operation->reply = finished->reply();
            runStep(operation);
        });
}
