// Erases a USB card for the camera: one FAT volume, the camera's folders, and its settings
// either kept from the card or defaulted.
#pragma once

#include "CardWindow.h"

#include <memory>

namespace Ui {
class InitCardWindow;
}

class InitCardWindow : public CardWindow {
    Q_OBJECT
public:
    InitCardWindow(UsbManager *usbManager, QWidget *parent = nullptr);
    ~InitCardWindow() override;

    Ui::InitCardWindow *ui() const { return _ui.get(); }

public slots:
    void btnFormat();
    void btnClose();

protected:
    void setBusy(bool busy) override;

private:
    void formatted(bool ok, const QString &mountPoint, const QByteArray &settings);

    std::unique_ptr<Ui::InitCardWindow> _ui;
};
