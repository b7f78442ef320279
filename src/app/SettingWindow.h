// The viewer preferences window: date format, units, video flip, time zone, event
// thresholds, the trip gap and the privacy zones left out of shared tracks.
#pragma once

#include <QDialog>

#include <memory>

class PrivacyZoneEditor;
class QButtonGroup;
namespace Ui {
class SettingWindow;
}

class SettingWindow : public QDialog {
    Q_OBJECT
public:
    explicit SettingWindow(QWidget *parent = nullptr);
    ~SettingWindow() override;

    // Runs the window; true when the user confirmed (the new settings are then stored).
    bool runModal();

    // The flip options, index = stored "video_flip" value.
    static QStringList flipOptions();
    QButtonGroup *matrixDate() const { return _matrixDate; }
    QButtonGroup *matrixSpeed() const { return _matrixSpeed; }
    Ui::SettingWindow *ui() const { return _ui.get(); }
    PrivacyZoneEditor *privacyZones() const { return _privacy; }

public slots:
    void btnOK();
    void btnCancel();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillZones();
    void prepareThresholds();
    void applyTexts();
    void loadSelection();
    void placeOverParent();

    std::unique_ptr<Ui::SettingWindow> _ui;
    QButtonGroup *_matrixDate;
    QButtonGroup *_matrixSpeed;
    PrivacyZoneEditor *_privacy = nullptr;
    bool _result = false;
};
