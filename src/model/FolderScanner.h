// Recursive listing of the files of one kind under a folder, in a stable order.
#pragma once

#include <QString>
#include <QStringList>

class FolderScanner {
public:
    // Paths relative to root of the files whose extension matches (letter case ignored:
    // FAT cards may show upper-case names), sorted by path. Symbolic links are skipped:
    // a linked folder could make the walk endless, and a linked file could point anywhere
    // outside the card (a FAT card holds no links, so nothing the camera wrote is lost).
    static QStringList files(const QString &root, const QString &extension);
    // The .vdx sidecar of a recording: the lower-case name, or the upper-case one when only
    // that exists.
    static QString sidecarPath(const QString &vddPath);
};
