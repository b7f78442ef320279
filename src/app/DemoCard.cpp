#include "DemoCard.h"

#include "CardGenerator.h"
#include "DurableWrite.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace {

// Written last, so a card interrupted while being generated is not taken for a whole one.
// It names the drive's generation: a card of an older drive (without its hard stops or its
// later trips) is made again.
const char *const CompleteMarker = ".complete";
const QByteArray Generation = QByteArrayLiteral("drive 3\n");

bool isComplete(const QString &path)
{
    QFile marker(QDir(path).filePath(QLatin1String(CompleteMarker)));
    return marker.open(QIODevice::ReadOnly) && marker.read(64) == Generation;
}

// Two more drives after the first, so the card holds several trips: the same afternoon and
// the next morning, each starting somewhere else on the loop. Their files are numbered on
// from their own base, as a camera goes on counting.
struct ExtraDrive {
    uint64_t seed;
    int64_t startUtc;
    int events;
    int normals;
    int64_t sequenceBase;
};
const ExtraDrive ExtraDrives[] = {
    {2, 1795248000 + 4 * 3600 + 1800, 1, 4, 100},   // 2026-11-21 12:30 UTC
    {3, 1795248000 + 23 * 3600 + 900, 1, 5, 200},   // 2026-11-22 07:15 UTC
};

bool addDrive(const QString &card, const ExtraDrive &drive, QString *error)
{
    const QString part = card + QStringLiteral(".drive%1").arg(drive.seed);
    QDir(part).removeRecursively();
    CardGenerator::Options options;
    options.seed = drive.seed;
    options.startUtc = drive.startUtc;
    options.eventCount = drive.events;
    options.normalCount = drive.normals;
    CardGenerator generator(options);
    bool ok = generator.generate(part);
    if (!ok)
        *error = generator.errorString();
    for (const char *folder : {"CH1/event", "CH1/normal", "log"}) {
        const QDir from(QDir(part).filePath(QLatin1String(folder)));
        const QDir to(QDir(card).filePath(QLatin1String(folder)));
        for (const QString &name : from.entryList(QDir::Files)) {
            if (!ok)
                break;
            const qint64 sequence = name.left(10).toLongLong() + drive.sequenceBase;
            const QString renamed = QStringLiteral("%1").arg(sequence, 10, 10, QLatin1Char('0')) + name.mid(10);
            if (!QFile::rename(from.filePath(name), to.filePath(renamed))) {
                *error = QStringLiteral("cannot move %1 to %2").arg(from.filePath(name), to.filePath(renamed));
                ok = false;
            }
        }
    }
    QDir(part).removeRecursively();
    return ok;
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
    for (const ExtraDrive &drive : ExtraDrives) {
        if (!addDrive(staging, drive, error)) {
            QDir(staging).removeRecursively();
            return false;
        }
    }
    // The marker and the folder reach the disk before the rename makes the card whole.
    const std::string marker = QDir(staging).filePath(QLatin1String(CompleteMarker)).toStdString();
    const bool marked = DurableWrite::writeFile(marker, Generation.toStdString())
                        && DurableWrite::syncFolder(staging.toStdString());
    if (!marked || !QDir().rename(staging, path)) {
        *error = QStringLiteral("cannot write the demo card to %1").arg(path);
        QDir(staging).removeRecursively();
        return false;
    }
    return true;
}
