#include "EvidenceVerifier.h"

#include "EvidenceManifest.h"
#include "Sha256.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace {

// SHA256SUMS and the manifest are small; anything larger is not ours.
constexpr qint64 kMaxListing = 64 * 1024 * 1024;

QByteArray readSmall(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return {};
    }
    if (file.size() > kMaxListing) {
        *error = QStringLiteral("%1: too large").arg(path);
        return {};
    }
    return file.readAll();
}

// A listed path must stay inside the package.
bool safePath(const QString &path)
{
    return !path.isEmpty() && !QDir::isAbsolutePath(path) && QDir::cleanPath(path) == path && !path.startsWith(u"..");
}

} // namespace

EvidenceVerifier::Result EvidenceVerifier::check(const QString &folder, const std::atomic_bool &cancel,
                                                 const Progress &progress)
{
    Result result;
    const QDir root(folder);
    const QByteArray sums = readSmall(root.filePath(QLatin1String(EvidenceManifest::sumsName())), &result.error);
    const QByteArray manifestText = result.error.isEmpty()
        ? readSmall(root.filePath(QLatin1String(EvidenceManifest::manifestName())), &result.error) : QByteArray();
    if (!result.error.isEmpty())
        return result;
    const QJsonObject manifest = QJsonDocument::fromJson(manifestText).object();
    if (manifest.value("sha256sums").toString().toLatin1() != Sha256::hexOf(sums))
        result.mismatched.append(QLatin1String(EvidenceManifest::sumsName()));

    QSet<QString> listed{QLatin1String(EvidenceManifest::sumsName()), QLatin1String(EvidenceManifest::manifestName())};
    QList<QPair<QString, QByteArray>> files;
    for (const QByteArray &line : sums.split('\n')) {
        if (line.isEmpty())
            continue;
        const QString path = QString::fromUtf8(line.mid(66));
        if (line.size() < 67 || line.mid(64, 2) != "  " || !safePath(path)) {
            result.mismatched.append(QString::fromUtf8(line.left(200)));
            continue;
        }
        files.append({path, line.left(64).toLower()});
        listed.insert(path);
    }
    // The reports quote SHA256SUMS, so the manifest carries their hashes instead.
    for (const QJsonValue &report : manifest.value("reports").toArray()) {
        const QString path = report.toObject().value("path").toString();
        if (safePath(path) && !listed.contains(path)) {
            files.append({path, report.toObject().value("sha256").toString().toLatin1()});
            listed.insert(path);
        }
    }
    for (qsizetype i = 0; i < files.size() && !cancel.load(); ++i) {
        const auto &[path, expected] = files[i];
        if (progress)
            progress(i, files.size(), path);
        if (!QFileInfo(root.filePath(path)).isFile()) {
            result.missing.append(path);
            continue;
        }
        QString error;
        if (Sha256::hexOfFile(root.filePath(path), &error) != expected)
            result.mismatched.append(path);
        ++result.checked;
    }
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = root.relativeFilePath(it.next());
        if (!listed.contains(path))
            result.unlisted.append(path);
    }
    result.unlisted.sort();
    if (cancel.load())
        result.error = QStringLiteral("cancelled");
    result.ok = result.error.isEmpty() && result.mismatched.isEmpty() && result.missing.isEmpty() && result.unlisted.isEmpty();
    return result;
}
