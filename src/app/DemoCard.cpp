#include "DemoCard.h"

#include "CardGenerator.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace {

// Written last, so a card interrupted while being generated is not taken for a whole one.
// It names the drive's generation: a card of an older drive (without its hard stops) is
// made again.
const char *const CompleteMarker = ".complete";
const QByteArray Generation = QByteArrayLiteral("drive 2\n");

bool isComplete(const QString &path)
{
    QFile marker(QDir(path).filePath(QLatin1String(CompleteMarker)));
    return marker.open(QIODevice::ReadOnly) && marker.read(64) == Generation;
}

} // namespace

QString DemoCard::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
           QStringLiteral("/demo-card");
}

bool DemoCard::ensure(const QString &path, QString *error)
{
    if (isComplete(path))
        return true;
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *error = QStringLiteral("cannot create %1").arg(QFileInfo(path).absolutePath());
        return false;
    }
    // Two viewers started together would otherwise remove each other's half-made card.
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(0);
    if (!lock.lock()) {
        *error = QStringLiteral("cannot lock %1").arg(lock.fileName());
        return false;
    }
    if (isComplete(path))
        return true;
    // Generate beside the target and rename, so the card appears whole or not at all.
    const QString staging = path + QStringLiteral(".partial");
    QDir(staging).removeRecursively();
    QDir(path).removeRecursively();
    CardGenerator generator{CardGenerator::Options{}};
    if (!generator.generate(staging)) {
        *error = generator.errorString();
        QDir(staging).removeRecursively();
        return false;
    }
    QFile marker(QDir(staging).filePath(QLatin1String(CompleteMarker)));
    const bool marked = marker.open(QIODevice::WriteOnly) && marker.write(Generation) == Generation.size()
                        && marker.flush();
    marker.close();
    if (!marked || !QDir().rename(staging, path)) {
        *error = QStringLiteral("cannot write the demo card to %1").arg(path);
        QDir(staging).removeRecursively();
        return false;
    }
    return true;
}
