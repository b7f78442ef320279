// Asks what a reset covers: the camera's settings file, its recorded data, or both.
#pragma once

#include "ToolWindow.h"

#include <memory>

namespace Ui {
class InitDataWindow;
}

class InitDataWindow : public ToolWindow {
    Q_OBJECT
public:
    explicit InitDataWindow(QWidget *parent);
    ~InitDataWindow() override;

    // True after OK; then configChecked() and recordChecked() say what to reset.
    bool runModal();
    bool configChecked() const;
    bool recordChecked() const;

    Ui::InitDataWindow *ui() const { return _ui.get(); }

private:
    std::unique_ptr<Ui::InitDataWindow> _ui;
};
