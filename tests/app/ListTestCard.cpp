#include "ListTestCard.h"

#include "CardGenerator.h"
#include "FileManager.h"
#include "Texts.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>

namespace ListTestCard {

bool generate(const QString &folder, int events, int normals, int logs, quint64 seed)
{
    CardGenerator::Options options;
    options.seed = seed;
    options.eventCount = events;
    options.normalCount = normals;
    options.logCount = logs;
    options.recordingSeconds = 4;
    options.framesPerSecond = 5;
    options.resolution = QSize(96, 64);
    options.reusePictures = true;
    CardGenerator generator(options);
    return generator.generate(folder);
}

void prepareEnvironment()
{
    qputenv("TZ", "Europe/Berlin");
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
    Texts::install(QLocale(QLocale::English));
    FileManager::setDisplaySettings(0, 0, 0);
}

} // namespace ListTestCard

AlertCloser::AlertCloser()
{
    _timer.setInterval(10);
    connect(&_timer, &QTimer::timeout, this, &AlertCloser::poll);
    _timer.start();
}

void AlertCloser::poll()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box)
        return;
    _texts << box->text();
    box->done(QMessageBox::Ok);
}
