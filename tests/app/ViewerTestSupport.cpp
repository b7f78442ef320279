#include "ViewerTestSupport.h"

#include "CardGenerator.h"
#include "FileManager.h"
#include "FileTableView.h"
#include "FileVideo.h"
#include "ListView.h"
#include "LogDistanceWindow.h"
#include "MainView.h"
#include "MainWindow.h"
#include "MapView.h"
#include "PlayListTable.h"
#include "ProductVariant.h"
#include "SkinManager.h"
#include "Texts.h"

#include <QApplication>
#include <QLocale>
#include <QMetaMethod>
#include <QStandardPaths>
#include <QTest>

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
    auto window = std::make_unique<MainWindow>(std::move(skin));
    // The viewer's tests do not need the browser engine behind the map.
    window->mainView()->mapView()->setPageEnabled(false);
    return window;
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

QString state(MainView *view)
{
    FileVideo *v = view->fileVideo();
    if (!v)
        return QStringLiteral("no video");
    const FileManager *fm = view->fileManager();
    const bool event = fm->eventVideos().contains(v);
    const qint64 index = (event ? fm->eventVideos() : fm->normalVideos()).indexOf(v);
    QString text = QStringLiteral("%1 %2").arg(event ? "event" : "normal").arg(index);
    // While it plays, the file runs a frame ahead of the picture.
    if (!v->isPlaying())
        text += QStringLiteral(" frame %1").arg(view->videoLayout()->frameIndex());
    if (!v->isPlaying() && v->currentIndex() != view->videoLayout()->frameIndex())
        text += QStringLiteral("/%1").arg(v->currentIndex());
    text += QStringLiteral(" speed %1").arg(view->speed());
    if (v->speed() != view->speed())
        text += QStringLiteral("/%1").arg(v->speed());
    if (v->isPlaying())
        text += QStringLiteral(" playing");
    if (view->videoLayout()->isPaused())
        text += QStringLiteral(" paused");
    return text;
}

void clickRow(PlayListTable *table, int row)
{
    const QPoint centre = table->visualRect(table->model()->index(row, 0)).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, centre);
}

} // namespace ViewerTest

ViewerTestCase::ViewerTestCase(int eventCount, int normalCount, bool openAtStart)
    : _eventCount(eventCount), _normalCount(normalCount), _openAtStart(openAtStart)
{
}

ViewerTestCase::~ViewerTestCase() = default;

void ViewerTestCase::initTestCase()
{
    ViewerTest::setUpApplication();
    _card = _dir.filePath(QStringLiteral("card"));
    QVERIFY(ViewerTest::makeCard(_card, _eventCount, _normalCount));
}

void ViewerTestCase::init()
{
    ProductVariant::setIdentifier(QStringLiteral("com.tumbo.viewer"));
    _window = ViewerTest::makeWindow();
    QVERIFY(_window);
    _view = _window->mainView();
    _window->show();
    QVERIFY(QTest::qWaitForWindowExposed(_window.get()));
    _alerts = std::make_unique<AlertCatcher>();
    if (_openAtStart)
        openCard();
    _recorder = std::make_unique<FanOutRecorder>(_view);
}

void ViewerTestCase::cleanup()
{
    _recorder.reset();
    _window.reset();
    _alerts.reset();
}

void ViewerTestCase::openCard()
{
    QVERIFY(_view->openFolderPath(_card));
}

void ViewerTestCase::show(const QString &type, qint64 index, qint64 frame)
{
    ViewerTest::showRecording(_view, type, index, frame);
}

FileVideo *ViewerTestCase::video(const QString &type, qint64 index) const
{
    return _view->fileManager()->videoAtIndex(index, type);
}

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
