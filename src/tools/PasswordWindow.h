// Asks for the camera PIN and accepts only the expected one; a wrong PIN keeps asking.
#pragma once

#include "ToolWindow.h"

#include <memory>

namespace Ui {
class PasswordWindow;
}

class PasswordWindow : public ToolWindow {
    Q_OBJECT
public:
    PasswordWindow(int password, QWidget *parent);
    ~PasswordWindow() override;

    // True only when the expected PIN was entered.
    bool runModal();

    Ui::PasswordWindow *ui() const { return _ui.get(); }

private:
    void btnOK();

    std::unique_ptr<Ui::PasswordWindow> _ui;
    int _password;
};
