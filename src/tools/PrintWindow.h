// The print report window: which frames get a page (the current one, or a series from it
// at a chosen number of pictures per second over a chosen number of seconds), a title and a
// comment. Its caller captures the pictures and asks it to print or to save a PDF; the
// pages are painted on a worker thread while the window shows the progress.
#pragma once

#include "ReportPainter.h"
#include "ToolWindow.h"

#include <QList>
#include <QPointer>

#include <memory>

class FileVideo;
class QPagedPaintDevice;

namespace Ui {
class PrintWindow;
}

class PrintWindow : public ToolWindow {
    Q_OBJECT
public:
    // runModal() answers one of these.
    enum Result { Closed = 0, Print = 1, SavePdf = 2 };

    // video may be null (a log with no recording at its time): then only the log pages print.
    PrintWindow(QWidget *parent, FileVideo *video, qint64 frameIndex);
    ~PrintWindow() override;

    Ui::PrintWindow *ui() const { return _ui.get(); }
    const QList<qint64> &indices() const { return _indices; }
    QString title() const;
    QString comment() const;

    // The PDF's suggested name: the recording's or log's file name and the local time of
    // the frame or record shown, "0000000012_20261121_080005.pdf".
    static QString defaultPdfName(const ReportPainter::Content &content);
    // Asks for the printer (or the PDF's name) and paints the report with the window as its
    // progress. False when the user cancelled or the report could not be finished; a failure
    // other than cancelling is also shown as an alert.
    bool printReport(const ReportPainter::Content &content, Result how);
    // The painting alone, on device (a printer or a PDF writer set up by the caller) or, with
    // pdfPath, into a new PDF file.
    bool paintReport(const ReportPainter::Content &content, QPagedPaintDevice *device,
                     const QString &pdfPath = QString());

public slots:
    void chkCurrent();
    void chkSelected();
    void btnOK();
    void btnPdf();
    void btnClose();

private:
    void applyTexts();
    void fillLists();
    void rebuildIndices();
    void setBusy(bool busy);

    std::unique_ptr<Ui::PrintWindow> _ui;
    QPointer<FileVideo> _fileVideo;
    qint64 _frameIndex = 0;
    int _fps = 0;
    QList<qint64> _indices;
    QList<bool> _enabledBefore;
};
