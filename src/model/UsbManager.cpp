#include "UsbManager.h"

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

QDBusConnection connectBus()
{
    const QString address = qEnvironmentVariable("TUMBO_UDISKS_BUS");
    if (address.isEmpty())
        return QDBusConnection::systemBus();
    return QDBusConnection::connectToBus(address, QStringLiteral("tumbo-udisks ") + address);
}

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

UsbManager::ObjectTree readTree(const QDBusArgument &argument)
{
    UsbManager::ObjectTree tree;
    argument.beginMap();
    while (!argument.atEnd()) {
        QDBusObjectPath path;
        UsbManager::Interfaces interfaces;
        argument.beginMapEntry();
        argument >> path >> interfaces;
        argument.endMapEntry();
        tree.insert(path.path(), interfaces);
    }
    argument.endMap();
    return tree;
}

bool isSystemMount(const QString &mountPoint)
{
    static const QStringList system = {"/", "/boot", "/boot/efi", "/efi", "/home", "/usr", "/var"};
    return system.contains(mountPoint);
}

} // namespace

struct UsbManager::Operation {
    QPointer<QObject> context;
    Done done;
    QList<std::function<void(const std::shared_ptr<Operation> &)>> steps;
    QDBusMessage reply;
    QString result;
};

UsbManager::UsbManager(QObject *parent)
    : QObject(parent)
    , _bus(connectBus())
{
    qDBusRegisterMetaType<QList<QByteArray>>();
    qDBusRegisterMetaType<Interfaces>();
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
    _objects = readTree(reply.arguments().constFirst().value<QDBusArgument>());
    updateDisks();
}

void UsbManager::interfacesAdded(const QDBusMessage &message)
{
    const QList<QVariant> args = message.arguments();
    if (args.size() < 2)
        return;
    Interfaces added;
    args.at(1).value<QDBusArgument>() >> added;
    Interfaces &object = _objects[args.at(0).value<QDBusObjectPath>().path()];
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
    auto object = _objects.find(path);
    if (object == _objects.end())
        return;
    for (const QString &interface : args.at(1).toStringList())
        object->remove(interface);
    if (object->isEmpty())
        _objects.erase(object);
    updateDisks();
}

void UsbManager::propertiesChanged(const QDBusMessage &message)
{
    const QList<QVariant> args = message.arguments();
    auto object = _objects.find(message.path());
    if (args.size() < 2 || object == _objects.end() || !object->contains(args.at(0).toString()))
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
        const auto object = _objects.constFind(disk.path);
        if (object != _objects.cend() && isUsbWholeDisk(disk.path, *object))
            now.append(describe(disk.path, *object));
        else
            emit diskDisappeared(disk);
    }
    for (auto it = _objects.cbegin(); it != _objects.cend(); ++it) {
        const bool known = std::any_of(now.cbegin(), now.cend(),
            [&](const UsbDisk &disk) { return disk.path == it.key(); });
        if (!known && isUsbWholeDisk(it.key(), it.value())) {
            now.append(describe(it.key(), it.value()));
            emit diskAppeared(now.constLast());
        }
    }
    _disks = now;
    emit disksChanged();
}

// A block device of a drive on the USB bus, holding partitions rather than being one, with a
// medium in it, and carrying nothing the running system lives on.
bool UsbManager::isUsbWholeDisk(const QString &path, const Interfaces &object) const
{
    if (!object.contains(Block) || object.contains(Partition))
        return false;
    const QVariantMap block = object.value(Block);
    if (block.value(QStringLiteral("HintSystem")).toBool() || block.value(QStringLiteral("Size")).toLongLong() <= 0)
        return false;
    const QString drivePath = block.value(QStringLiteral("Drive")).value<QDBusObjectPath>().path();
    const QVariantMap drive = _objects.value(drivePath).value(Drive);
    if (drive.value(QStringLiteral("ConnectionBus")).toString() != u"usb")
        return false;
    return !holdsSystemMount(path);
}

bool UsbManager::holdsSystemMount(const QString &diskPath) const
{
    for (const QString &fileSystem : fileSystemsOf(diskPath))
        for (const QString &mountPoint : mountPointsOf(fileSystem))
            if (isSystemMount(mountPoint))
                return true;
    return false;
}

// The disk itself when it carries a file system, and every partition of it that does.
QStringList UsbManager::fileSystemsOf(const QString &diskPath) const
{
    QStringList paths;
    for (auto it = _objects.cbegin(); it != _objects.cend(); ++it) {
        const QString table = it->value(Partition).value(QStringLiteral("Table")).value<QDBusObjectPath>().path();
        if (it->contains(Filesystem) && (it.key() == diskPath || table == diskPath))
            paths.append(it.key());
    }
    return paths;
}

QStringList UsbManager::mountPointsOf(const QString &path) const
{
    return byteStrings(_objects.value(path).value(Filesystem).value(QStringLiteral("MountPoints")));
}

QString UsbManager::firstPartitionOf(const QString &diskPath) const
{
    QString first;
    uint lowest = 0;
    for (auto it = _objects.cbegin(); it != _objects.cend(); ++it) {
        const QVariantMap partition = it->value(Partition);
        const uint number = partition.value(QStringLiteral("Number")).toUInt();
        if (partition.value(QStringLiteral("Table")).value<QDBusObjectPath>().path() == diskPath
            && (first.isEmpty() || number < lowest)) {
            first = it.key();
            lowest = number;
        }
    }
    return first.isEmpty() && _objects.value(diskPath).contains(Filesystem) ? diskPath : first;
}

UsbDisk UsbManager::describe(const QString &path, const Interfaces &object) const
{
    const QVariantMap block = object.value(Block);
    const QString drivePath = block.value(QStringLiteral("Drive")).value<QDBusObjectPath>().path();
    const QVariantMap drive = _objects.value(drivePath).value(Drive);
    UsbDisk disk;
    disk.path = path;
    disk.device = byteString(block.value(QStringLiteral("Device")).toByteArray());
    disk.name = QStringList({drive.value(QStringLiteral("Vendor")).toString().trimmed(),
                                drive.value(QStringLiteral("Model")).toString().trimmed()})
                    .join(u' ')
                    .trimmed();
    if (disk.name.isEmpty())
        disk.name = disk.device;
    disk.size = block.value(QStringLiteral("Size")).toLongLong();
    return disk;
}

QString UsbManager::mountPoint(const UsbDisk &disk) const
{
    const QStringList mountPoints = mountPointsOf(firstPartitionOf(disk.path));
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

// Formatting and ejecting both start by unmounting every mounted file system of the disk.
std::shared_ptr<UsbManager::Operation> UsbManager::unmountingOperation(const UsbDisk &disk, QObject *context,
                                                                       Done done)
{
    auto operation = std::make_shared<Operation>();
    operation->context = context;
    operation->done = std::move(done);
    for (const QString &fileSystem : fileSystemsOf(disk.path))
        if (!mountPointsOf(fileSystem).isEmpty())
            operation->steps.append([this, fileSystem](const std::shared_ptr<Operation> &op) {
                callAsync(op, fileSystem, Filesystem, QStringLiteral("Unmount"), {QVariantMap()});
            });
    return operation;
}

void UsbManager::formatDisk(const UsbDisk &disk, const QString &label, QObject *context, Done done)
{
    const auto operation = unmountingOperation(disk, context, std::move(done));
    const QString path = disk.path;
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
        const QVariant answer = op->reply.arguments().value(0);
        op->result = answer.canConvert<QDBusVariant>()
            ? byteStrings(answer.value<QDBusVariant>().variant()).value(0)
            : answer.toString();
        op->steps.clear();
        if (op->context && op->done)
            op->done(!op->result.isEmpty(), op->result);
    });
    runStep(operation);
}

void UsbManager::ejectDisk(const UsbDisk &disk, QObject *context, Done done)
{
    const auto operation = unmountingOperation(disk, context, std::move(done));
    const QString drivePath
        = _objects.value(disk.path).value(Block).value(QStringLiteral("Drive")).value<QDBusObjectPath>().path();
    operation->steps.append([this, drivePath](const std::shared_ptr<Operation> &op) {
        callAsync(op, drivePath, Drive, QStringLiteral("Eject"), {QVariantMap()});
    });
    if (_objects.value(drivePath).value(Drive).value(QStringLiteral("CanPowerOff")).toBool())
        operation->steps.append([this, drivePath](const std::shared_ptr<Operation> &op) {
            callAsync(op, drivePath, Drive, QStringLiteral("PowerOff"), {QVariantMap()});
        });
    runStep(operation);
}

void UsbManager::runStep(const std::shared_ptr<Operation> &operation)
{
    if (operation->steps.isEmpty()) {
        if (operation->context && operation->done)
            operation->done(true, operation->result);
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
                operation->steps.clear();
                if (operation->context && operation->done)
                    operation->done(false, QStringLiteral("%1: %2").arg(method, finished->error().message()));
                return;
            }
            operation->reply = finished->reply();
            runStep(operation);
        });
}
