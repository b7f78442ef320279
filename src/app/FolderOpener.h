// Opening a card folder: the folder chooser, then the loading window.
#pragma once

#include <QString>

class FileManager;
class QWidget;

class FolderOpener {
public:
    // Asks for a folder, starting at the last one opened; null when cancelled.
    static QString chooseFolder(QWidget *window);
    // Loads a chosen folder behind the loading window; on success it becomes the last
    // folder opened. Returns the load result, also kept as the model's validFolder().
    static bool loadFolder(QWidget *window, FileManager *fileManager, const QString &folder);
};
