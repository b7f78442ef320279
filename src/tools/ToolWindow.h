// The base of the tool windows: centred over the main window when shown, run modally, and
// able to run one long job on a worker thread with progress and cancel.
#pragma once

#include <QDialog>

#include <atomic>
#include <functional>

class QProgressBar;

class ToolWindow : public QDialog {
    Q_OBJECT
public:
    // What a job reports as it goes: done out of total (any unit), and a line of text.
    using Progress = std::function<void(qint64 done, qint64 total, const QString &text)>;
    // A job runs off the main thread; it polls cancel and returns whether it succeeded.
    using Job = std::function<bool(const std::atomic_bool &cancel, const Progress &progress)>;

    explicit ToolWindow(QWidget *parent = nullptr);
    ~ToolWindow() override;

    // Where files go when the user has not chosen a folder yet: the Desktop, or the home
    // folder on desktops that have none.
    static QString defaultFolder();

    // Shows the window modally and returns the result set with done() or setResult().
    int runModal();

    // The one message a finished job ends with: message, then the file or folder it wrote
    // (target), with a button that opens the folder holding it (or target itself when it is
    // a folder). Information for a success, a warning otherwise.
    void showFinished(const QString &message, const QString &target, bool success = true);
    // A typed or chosen folder becomes the window's remembered folder (the preferences key);
    // an empty field is left unremembered.
    static void rememberFolder(const QString &field, const char *preferencesKey);
    // The remembered folder of a window, else defaultFolder().
    static QString rememberedFolder(const char *preferencesKey);

    // Runs job on a worker thread while a nested event loop keeps this window responsive;
    // progress lands in bar (if any) and in progressed(). Escape or closing the window asks
    // the job to cancel. Returns the job's result; cancelled() tells whether it was asked to stop.
    bool runJob(const Job &job, QProgressBar *bar = nullptr);
    bool isRunningJob() const { return _running; }
    bool cancelled() const { return _cancel.load(); }

public slots:
    // Asks the running job to stop at its next check; does nothing when idle.
    void cancelJob();

signals:
    void progressed(qint64 done, qint64 total, const QString &text);

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void placeOverParent();

    std::atomic_bool _cancel{false};
    bool _running = false;
};
