#include "DemoCard.h"
#include "FileManager.h"
#include "FileTableView.h"
#include "ListView.h"
#include "LogDistanceWindow.h"
#include "LogLayout.h"
#include "MainView.h"
#include "MainWindow.h"
#include "MapView.h"
#include "PlayListView.h"
#include "ProductVariant.h"
#include "RuntimeDir.h"
#include "SkinManager.h"
#include "Texts.h"
#include "ViewerOptions.h"

#include <QApplication>
#include <QCheckBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QTimer>
#include <QFileInfo>
#include <QIcon>
#include <QLoggingCategory>
#include <QPixmap>
#include <QTimer>
#include <QWebEngineView>

#include <cstdio>

namespace {

void printError(const QString &message)
{
    std::fprintf(stderr, "%s: %s\n", TUMBO_VIEWER_BINARY, qPrintable(message));
}

// What the user does: pick the tab, tick the recording, Load, and move to the frame.
bool showRecording(MainView *view, const ViewerOptions &options)
{
    const bool event = options.showType == QLatin1String("event");
    view->tagCommand(event ? MainView::TagEventList : MainView::TagNormalList);
    ListView *list = view->listView();
    if (options.showIndex >= list->selectedView()->data().size()) {
        printError(QStringLiteral("the card has no %1 recording %2")
                       .arg(options.showType)
                       .arg(options.showIndex));
        return false;
    }
    list->selectedView()->setChecked(int(options.showIndex), true);
    list->didLoad();
    if (options.showFrame != 0)
        list->playListView()->playWithFileIndex(options.showIndex, options.showFrame);
    return true;
}

// Tick the log, Load (the distance window opens), move to the record, search.
bool showLog(MainView *view, const ViewerOptions &options)
{
    view->tagCommand(MainView::TagLogList);
    ListView *list = view->listView();
    if (options.showIndex >= list->selectedView()->data().size()) {
        printError(QStringLiteral("the card has no log %1").arg(options.showIndex));
        return false;
    }
    // A screenshot run has no one to close the distance window.
    QTimer closer;
    if (!options.screenshot.isEmpty()) {
        QObject::connect(&closer, &QTimer::timeout, [] {
            if (auto *window = qobject_cast<LogDistanceWindow *>(QApplication::activeModalWidget()))
                window->accept();
        });
        closer.start(50);
    }
    list->selectedView()->setChecked(int(options.showIndex), true);
    list->didLoad();
    auto *page = qobject_cast<LogLayout *>(view->logLayout());
    if (!page || !view->fileLog())
        return false;
    if (options.showFrame != 0)
        view->logLayoutSelectedLogLogIndexSelectByUser(view->fileLog(), options.showFrame, true);
    if (options.logSearch >= 0) {
        page->checkBox(LogLayout::TagSpeed)->setChecked(true);
        page->speedField()->setText(QString::number(options.logSearch));
        page->didSearch();
    }
    return true;
}

// Puts the window into the state the options ask for: a card, a recording, a division.
bool applyOptions(MainView *view, const ViewerOptions &options)
{
    QString folder = options.openFolder;
    if (options.demo) {
        folder = DemoCard::defaultPath();
        QString error;
        if (!DemoCard::ensure(folder, &error)) {
            printError(QStringLiteral("cannot make the demo card: %1").arg(error));
            return false;
        }
    }
    if (folder.isEmpty())
        return true;
    if (!QFileInfo(folder).isDir()) {
        printError(QStringLiteral("%1: the folder does not exist").arg(folder));
        if (!options.screenshot.isEmpty())
            return false;
    }
    if (!options.screenshot.isEmpty() && !FileManager::checkFolder(folder)) {
        printError(QStringLiteral("%1 is not a card folder").arg(folder));
        return false;
    }
    if (!view->openFolderPath(folder))
        return options.screenshot.isEmpty();
    const bool log = options.showType == QLatin1String("log");
    if (options.showIndex >= 0 && !(log ? showLog(view, options) : showRecording(view, options)))
        return false;
    if (options.showIndex >= 0) {
        if (options.thumbnails && !log)
            view->tagCommand(MainView::TagThumbView);
        if (options.play)
            view->tagCommand(MainView::TagPlay);
    }
    return true;
}

// A map with something to show gets its page, and time to draw it, before the picture.
void waitForMap(MapView *map)
{
    if (!map || !map->isWebViewShown())
        return;
    map->createPage();
    if (!map->webView())
        return;
    QEventLoop loop;
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    QObject::connect(map, &MapView::pageLoaded, &loop, &QEventLoop::quit);
    if (!map->isPageLoaded())
        loop.exec();
    // The calls sent on load have run once a later evaluation answers; then one more frame.
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    map->webView()->page()->runJavaScript(QStringLiteral("0"), [&loop](const QVariant &) {
        QTimer::singleShot(500, &loop, &QEventLoop::quit);
    });
    loop.exec();
}

int saveScreenshot(QWidget *window, const QString &path)
{
    QApplication::processEvents();
    if (!window->grab().save(path)) {
        printError(QStringLiteral("cannot write %1").arg(path));
        return 1;
    }
    return 0;
}

// Before any application object, so --help and --version work without a display.
QStringList commandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

} // namespace

int main(int argc, char *argv[])
{
    const ViewerOptions options = ViewerOptions::parse(commandLine(argc, argv));
    if (!options.error.isEmpty()) {
        printError(options.error);
        std::fputs(qPrintable(ViewerOptions::usage().arg(TUMBO_VIEWER_BINARY)), stderr);
        return 2;
    }
    if (options.help) {
        std::fputs(qPrintable(ViewerOptions::usage().arg(TUMBO_VIEWER_BINARY)), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("%s %s\n", TUMBO_VIEWER_BINARY, TUMBO_VERSION);
        return 0;
    }

    // The map's browser engine reports its graphics set-up on every start; not for users.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    RuntimeDir::ensure();
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral(TUMBO_APP_ID));
    QCoreApplication::setApplicationName(QStringLiteral(TUMBO_VIEWER_BINARY));
    QCoreApplication::setApplicationVersion(QStringLiteral(TUMBO_VERSION));
    QGuiApplication::setApplicationDisplayName(QStringLiteral(TUMBO_APP_NAME));
    QGuiApplication::setDesktopFileName(QStringLiteral(TUMBO_VIEWER_BINARY));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/desktop/viewer-icon.svg")));
    ProductVariant::setIdentifier(QStringLiteral(TUMBO_APP_ID));
    Texts::install();

    std::unique_ptr<SkinManager> skin = SkinManager::create();
    if (!skin) {
        printError(QStringLiteral("the built-in skin (brumoset.dsc / brumoset.chk) is missing or "
                                  "damaged; the window cannot be drawn"));
        return 1;
    }
    MainWindow window(std::move(skin));
    window.mainView()->mapView()->setPageEnabled(options.mapPage);
    window.show();
    if (!applyOptions(window.mainView(), options))
        return 1;
    if (!options.screenshot.isEmpty()) {
        waitForMap(window.mainView()->mapView());
        return saveScreenshot(&window, options.screenshot);
    }
    return app.exec();
}
