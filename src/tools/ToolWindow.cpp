#include "ToolWindow.h"

#include "Preferences.h"
#include "Texts.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>

ToolWindow::ToolWindow(QWidget *parent)
    : QDialog(parent)
{
}

ToolWindow::~ToolWindow() = default;

QString ToolWindow::defaultFolder()
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return QFileInfo(desktop).isDir() ? desktop : QDir::homePath();
}

int ToolWindow::runModal()
{
    return exec();
}

QString ToolWindow::rememberedFolder(const char *preferencesKey)
{
    const QString folder = preferencesKey ? Preferences::stringValue(preferencesKey) : QString();
    return folder.isEmpty() ? defaultFolder() : folder;
}

void ToolWindow::rememberFolder(const QString &field, const char *preferencesKey)
{
    const QString path = QDir::fromNativeSeparators(field.trimmed());
    if (!path.isEmpty())
        Preferences::setStringValue(preferencesKey, path);
}

void ToolWindow::showFinished(const QString &message, const QString &target, bool success)
{
    const QFileInfo info(target);
    const QString folder = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
    QMessageBox box(success ? QMessageBox::Information : QMessageBox::Warning,
                    QGuiApplication::applicationDisplayName(),
                    message + QStringLiteral("\n\n") + QDir::toNativeSeparators(target),
                    QMessageBox::NoButton, isVisible() || !parentWidget() ? this : parentWidget());
    QPushButton *open = box.addButton(Texts::text("gui_open_folder"), QMessageBox::ActionRole);
    QPushButton *ok = box.addButton(Texts::text("gui_ok"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    // A folder the job never made (nothing written) has nothing to show.
    open->setEnabled(QFileInfo(folder).isDir());
    box.exec();
    if (box.clickedButton() == open)
        QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

void ToolWindow::placeOverParent()
{
    const QWidget *parent = parentWidget() ? parentWidget()->window() : nullptr;
    if (!parent)
        return;
    const QRect frame = parent->frameGeometry();
    move(frame.x() + (frame.width() - width()) / 2, frame.y() + (frame.height() - height()) / 2);
}

void ToolWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    placeOverParent();
}

bool ToolWindow::runJob(const Job &job, QProgressBar *bar)
{
    if (_running)
        return false;
    _running = true;
    _cancel = false;
    QPointer<ToolWindow> self(this);
    // Progress crosses to this thread queued; the window may be gone by the time it lands.
    const Progress progress = [self](qint64 done, qint64 total, const QString &text) {
        QMetaObject::invokeMethod(
            self,
            [self, done, total, text] {
                if (self)
                    emit self->progressed(done, total, text);
            },
            Qt::QueuedConnection);
    };
    QMetaObject::Connection barLink;
    if (bar)
        barLink = connect(this, &ToolWindow::progressed, bar, [bar](qint64 done, qint64 total) {
            // QProgressBar holds ints; keep large totals in range.
            const int scale = total > 1'000'000'000 ? 1000 : 1;
            bar->setRange(0, int(total / scale));
            bar->setValue(int(done / scale));
        });
    bool ok = false;
    QEventLoop loop;
    QThread *worker = QThread::create([&] { ok = job(_cancel, progress); });
    connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec();
    worker->wait();
    delete worker;
    // Deliver the last queued progress before the caller reads the bar.
    QCoreApplication::sendPostedEvents(this);
    disconnect(barLink);
    _running = false;
    return ok;
}

void ToolWindow::cancelJob()
{
    if (_running)
        _cancel = true;
}

void ToolWindow::reject()
{
    // Escape while a job runs cancels the job; the window closes only when idle.
    if (_running) {
        cancelJob();
        return;
    }
    QDialog::reject();
}

void ToolWindow::closeEvent(QCloseEvent *event)
{
    if (_running) {
        cancelJob();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}
