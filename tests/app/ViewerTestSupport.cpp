#include "ViewerTestSupport.h"

#include "CardGenerator.h"
#include "FileManager.h"
#include "FileTableView.h"
#include "ListView.h"
#include "LogDistanceWindow.h"
#include "MainView.h"
#include "MainWindow.h"
#include "PlayListView.h"
#include "ProductVariant.h"
#include "SkinManager.h"
#include "Texts.h"

#include <QPushButton>
#include <QApplication>
#include <QLocale>
#include <QMetaMethod>
#include <QStandardPaths>

#include <ctime>

namespace ViewerTest {

namespace {
QStringList distanceLines;
}

QStringList lastDistanceLines()
{
    return distanceLines;
}

void setUpApplication()
{
    qputenv("TZ", "Europe/Berlin");
    tzset();
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("TumboTest"));
    QCoreApplication::setApplicationName(QStringLiteral("ViewerTest"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Tumbo Viewer"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    ProductVariant::setIdentifier(QStringLiteral("com.tumbo.viewer"));
    Texts::install(QLocale(QLocale::English));
    FileManager::setDisplaySettings(0, 0, 0);
    auto *closer = new QTimer(qApp);
    QObject::connect(closer, &QTimer::timeout, [] {
        if (auto *w = qobject_cast<LogDistanceWindow *>(QApplication::activeModalWidget())) {
            distanceLines = w->lines();
            w->accept();
        }
    });
    closer->start(20);
}

bool makeCard(const QString &folder, int eventCount, int normalCount)
{
    CardGenerator::Options options;
    options.eventCount = eventCount;
    options.normalCount = normalCount;
    options.recordingSeconds = 3;
    options.framesPerSecond = 10;
    options.resolution = QSize(160, 120);
    options.logCount = 1;
    options.logSeconds = 120;
    CardGenerator generator(options);
    return generator.generate(folder);
}

std::unique_ptr<MainWindow> makeWindow()
{
    std::unique_ptr<SkinManager> skin = SkinManager::create();
    if (!skin)
        return nullptr;
    return std::make_unique<MainWindow>(std::move(skin));
}

void showRecording(MainView *view, const QString &type, qint64 index, qint64 frame)
{
    view->tagCommand(type == QLatin1String("event") ? MainView::TagEventList
                                                    : MainView::TagNormalList);
    ListView *list = view->listView();
    list->selectedView()->checkAll(false);
    list->selectedView()->setChecked(int(index), true);
    list->didLoad();
    if (frame != 0)
        list->playListView()->playWithFileIndex(index, frame);
}

void loadPlayList(MainView *view, const QString &type)
{
    view->tagCommand(type == QLatin1String("event") ? MainView::TagEventList
                                                    : MainView::TagNormalList);
    view->listView()->selectedView()->checkAll(true);
    view->listView()->didLoad();
}

} // namespace ViewerTest

FanOutRecorder::FanOutRecorder(MainView *view) : _view(view)
{
    const QMetaObject *meta = view->metaObject();
    const QMetaMethod slot = metaObject()->method(metaObject()->indexOfSlot("record()"));
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() == QMetaMethod::Signal)
            connect(view, method, this, slot);
    }
}

void FanOutRecorder::record()
{
    const QMetaMethod signal = _view->metaObject()->method(senderSignalIndex());
    _calls << QString::fromLatin1(signal.name());
}
