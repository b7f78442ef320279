// Turns the ticked driving logs into a track for a globe viewer: a KML document with
// arrows at a point interval and tracks at a line interval (and, when ticked, a gx:Track to
// replay), a GPX track or GeoJSON, opened with the desktop's application for it when
// complete. Positions inside the stored privacy zones are left out of all of them.
#pragma once

#include "ListRow.h"
#include "KmlExport.h"
#include "ToolWindow.h"
#include "TrackExport.h"

#include <QList>

#include <memory>

class FileManager;

namespace Ui {
class ExportKMLWindow;
}

class ExportKMLWindow : public ToolWindow {
    Q_OBJECT

public:
    enum Format { Kml, Gpx, GeoJson };

    // title: the top folder's name in the KML, which names the product.
    // format: the units, date order and zone of the descriptions.
    ExportKMLWindow(const QList<ListRow> &rows, const FileManager &fileManager, const QString &title,
                    const DisplayFormat &format, QWidget *parent = nullptr);
    ~ExportKMLWindow() override;

    // The path Start writes: folder/default name with the chosen format's extension.
    QString path() const;
    const TrackExport::Result &lastResult() const { return _result; }

    Ui::ExportKMLWindow *ui() const { return _ui.get(); }

public slots:
    void btnStartClicked();

private:
    void windowDidLoad();
    void btnFolderClicked();
    void setExporting(bool exporting);
    void formatChanged();
    KmlExport::Options options() const;
    Format format() const;

    std::unique_ptr<Ui::ExportKMLWindow> _ui;
    TrackExport::Logs _array;
    QString _fileName;
    QString _title;
    DisplayFormat _format;
    TrackExport::Result _result;
};
