// Edits the camera's settings on the card behind its PIN: recording, G-sensor, system and
// an optional manual clock. Checks the card before saving, warns when a change makes the
// recorded data unusable, and leads to the card's reset and formatting.
#pragma once

#include "CameraSettings.h"
#include "ToolWindow.h"


#include <array>
#include <functional>
#include <memory>

class FileManager;
class QComboBox;

namespace Ui {
class DeviceSettingWindow;
}

class DeviceSettingWindow : public ToolWindow {
    Q_OBJECT
public:
    // runModal() results besides 0 (closed without saving).
    enum Result { Saved = 1, FormatStarted = -1 };

    DeviceSettingWindow(const QString &rootPath, FileManager *fileManager, QWidget *parent,
                        CameraSettings::Variant variant = CameraSettings::Variant::Default);
    ~DeviceSettingWindow() override;

    // Runs the backup window modally; true when the backup was made.
    void setBackupRunner(std::function<bool()> runner) { _backupRunner = std::move(runner); }
    // Closes the card and runs the format window; without one the format button is off.
    void setFormatRunner(std::function<void()> runner);

    // Asks for the card's PIN first, when it has one; nothing of the window shows before it
    // is given. 0 when it is not.
    int runModal();

    FileManager *fileManager() const { return _fileManager; }
    // Whether recordings or logs were deleted while the window was open.
    bool dataDeleted() const { return _dataDeleted; }

    Ui::DeviceSettingWindow *ui() const { return _ui.get(); }

private:
    // The settings whose change makes the recordings on the card unusable.
    using BreakingValues = std::array<long, 5>;

    void applyTexts();
    void fillFixedLists();
    void loadControls(const CameraSettings &settings);
    CameraSettings collectSettings() const;
    void rebuildFrameRates();
    void rebuildQualities();
    void updateSensorMode();
    void updateDatePicker();

    void btnOK();
    void btnInitCard();
    void btnInitData();
    bool askOpeningPin();

    bool confirmPin();
    bool cardFoldersOwn();
    bool cardWritable();
    bool askDataBreaking(const BreakingValues &before, const BreakingValues &after);
    // backedUp: the user has just made a backup of the whole card.
    bool deleteData(bool backedUp = false);
    enum class Deletion { BackUpFirst, Delete, Cancel };
    // What will go (counts and size), with backing up first as the default answer.
    Deletion askDeletion(bool backedUp);
    bool saveSettings(bool withClock);
    void resetSettings();

    static BreakingValues breakingValues(const CameraSettings &settings);
    static int value(const QComboBox *combo);
    // Index of the pressed button (0, the first, is the default and Escape).
    int ask(const char *message, const QList<const char *> &buttons);
    void alert(const char *message, bool critical);

    std::unique_ptr<Ui::DeviceSettingWindow> _ui;
    QString _rootPath;
    FileManager *_fileManager;  // not owned
    CameraSettings::Variant _variant;
    std::function<bool()> _backupRunner;
    std::function<void()> _formatRunner;
    int _storedPin = 0;
    bool _dataDeleted = false;
};
