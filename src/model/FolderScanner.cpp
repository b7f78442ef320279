#include "FolderScanner.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace {

void collect(const QString &root, const QString &relative, const QString &extension,
             QSet<QString> &visited, QStringList &out)
{
    const QDir dir(relative.isEmpty() ? root : root + QLatin1Char('/') + relative);
    const QString canonical = dir.canonicalPath();
    if (canonical.isEmpty() || visited.contains(canonical))
        return;
    visited.insert(canonical);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        const QString path = relative.isEmpty() ? entry.fileName()
                                                : relative + QLatin1Char('/') + entry.fileName();
        if (entry.isSymLink())
            continue;
        if (entry.isDir()) {
            collect(root, path, extension, visited, out);
        } else if (entry.isFile()
                   && entry.suffix().compare(extension, Qt::CaseInsensitive) == 0) {
            out.append(path);
        }
    }
}

} // namespace

QStringList FolderScanner::files(const QString &root, const QString &extension)
{
    QStringList out;
    QSet<QString> visited;
    if (QFileInfo(root).isDir())
        collect(root, QString(), extension, visited, out);
    std::sort(out.begin(), out.end());
    return out;
}

QString FolderScanner::sidecarPath(const QString &vddPath)
{
    const QFileInfo info(vddPath);
    const QString base = vddPath.left(vddPath.size() - info.suffix().size());
    const QString lower = base + QStringLiteral("vdx");
    const QString upper = base + QStringLiteral("VDX");
    return !QFileInfo::exists(lower) && QFileInfo::exists(upper) ? upper : lower;
}
