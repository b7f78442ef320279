#include "FolderOpener.h"

#include "FileLoadProgress.h"
#include "FileManager.h"
#include "Preferences.h"
#include "Texts.h"

#include <QFileDialog>

QString FolderOpener::chooseFolder(QWidget *window)
{
    return QFileDialog::getExistingDirectory(
        window, Texts::text("gui_select_sd_folder"), Preferences::latestFolder(),
        QFileDialog::ShowDirsOnly);
}

bool FolderOpener::loadFolder(QWidget *window, FileManager *fileManager, const QString &folder)
{
    FileLoadProgress progress(window, fileManager, folder);
    const bool loaded = progress.doModal();
    fileManager->setValidFolder(loaded);
    if (loaded)
        Preferences::setLatestFolder(folder);
    return loaded;
}
