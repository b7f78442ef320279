// What the format and eject windows share: the list of USB disks (name, size, volume),
// following the disks as they come and go, a busy state while UDisks2 works (controls disabled, the bar turning, the window
// staying open), and their alerts.
#pragma once

#include "ToolWindow.h"
#include "UsbManager.h"

#include <QList>
#include <QPointer>

class QLabel;
class QProgressBar;
class QTableWidget;

class CardWindow : public ToolWindow {
    Q_OBJECT
public:
    CardWindow(UsbManager *usbManager, QWidget *parent);
    ~CardWindow() override;

    bool isBusy() const { return _busy; }
    const QList<UsbDisk> &array() const { return _array; }

signals:
    // A format or eject has finished and its alert has been answered.
    void finished(bool ok);

protected:
    // Connects the window's own controls; call from the derived constructor after setupUi.
    void setUpList(QTableWidget *table, QProgressBar *progress, QLabel *message);
    void reloadTable();
    int selectedRow() const;
    // Erasing a disk that does not look like one of the camera's cards: the user types its
    // volume name (or ERASE when it has none). True when typed right.
    bool confirmErase(const UsbDisk &disk);
    // Turns the bar and disables the list; the derived window disables its own buttons.
    virtual void setBusy(bool busy);
    void showAlert(const QString &key, bool ok, const QString &detail = {});

    void reject() override;
    void closeEvent(QCloseEvent *event) override;

    QPointer<UsbManager> _usbManager;
    QList<UsbDisk> _array;

private:
    void disksChanged();

    QTableWidget *_table = nullptr;
    QProgressBar *_progress = nullptr;
    bool _busy = false;
};
