// Writes the ticked driving logs into one CSV file: folder and name, progress of the
// current log and a logs-done counter, Cancel keeping the lines written so far.
#pragma once

#include "DisplayFormat.h"
#include "ListRow.h"
#include "ToolWindow.h"
#include "TrackExport.h"

#include <QList>

#include <memory>

class FileManager;

namespace Ui {
class ExportCSVWindow;
}

class ExportCSVWindow : public ToolWindow {
    Q_OBJECT

public:
    // format: the zone of the lines' local times.
    ExportCSVWindow(const QList<ListRow> &rows, const FileManager &fileManager, const DisplayFormat &format,
                    QWidget *parent = nullptr);
    ~ExportCSVWindow() override;

    // The path Start writes: folder/name.csv.
    QString path() const;
    const TrackExport::Result &lastResult() const { return _result; }

    Ui::ExportCSVWindow *ui() const { return _ui.get(); }

public slots:
    void btnStartClicked();

private:
    void windowDidLoad();
    void btnFolderClicked();
    void setExporting(bool exporting);
    void endExport(const QString &path);

    std::unique_ptr<Ui::ExportCSVWindow> _ui;
    TrackExport::Logs _array;
    DisplayFormat _format;
    TrackExport::Result _result;
};
