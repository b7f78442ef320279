// Ejects a USB card: every mounted volume of it unmounted, then the drive ejected.
#pragma once

#include "CardWindow.h"

#include <memory>

namespace Ui {
class EjectCardWindow;
}

class EjectCardWindow : public CardWindow {
    Q_OBJECT
public:
    EjectCardWindow(UsbManager *usbManager, QWidget *parent = nullptr);
    ~EjectCardWindow() override;

    Ui::EjectCardWindow *ui() const { return _ui.get(); }

public slots:
    void btnEject();
    void btnClose();

protected:
    void setBusy(bool busy) override;

private:
    std::unique_ptr<Ui::EjectCardWindow> _ui;
};
