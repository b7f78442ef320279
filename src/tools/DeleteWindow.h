// Deletes every recording and log of a card while showing progress, then reports what
// could not be removed. The folders themselves stay.
#pragma once

#include "ToolWindow.h"

#include <QStringList>

#include <memory>

namespace Ui {
class DeleteWindow;
}

class DeleteWindow : public ToolWindow {
    Q_OBJECT
public:
    DeleteWindow(const QString &path, QWidget *parent);
    ~DeleteWindow() override;

    // Shows the window while it deletes and closes it when done; an alert names the entries
    // that stayed. True when everything went.
    bool runModal();
    // Entries that could not be removed, relative to the card folder.
    const QStringList &failedEntries() const { return _failed; }

    // Removes every entry of "log", "CH1/event" and "CH1/normal" under path (missing folders
    // have none), reporting each entry as done; returns those that stayed, and the data
    // folders that are links, whose contents are left alone.
    static QStringList deleteRecordedData(const QString &path, const Progress &progress);

private:
    static bool removeEntry(const QString &path);
    void reportFailures();

    std::unique_ptr<Ui::DeleteWindow> _ui;
    QString _path;
    QStringList _failed;
};
