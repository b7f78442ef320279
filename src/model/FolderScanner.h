// Recursive listing of the files of one kind under a folder, in a stable order.
#pragma once

#include <QString>
#include <QStringList>

class FolderScanner {
public:
    // Paths relative to root of the files whose extension matches (letter case ignored:
    // FAT cards may show upper-case names), sorted by path. Linked folders are not entered,
    // so a link back into the tree cannot make the walk endless.
    static QStringList files(const QString &root, const QString &extension);
};
