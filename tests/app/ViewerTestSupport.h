// Shared pieces of the viewer tests: a generated card, the real main window, a catcher for
// the alerts the viewer shows, and a recorder of the main view's fan-out.
#pragma once

#include "FileManager.h"
#include "FileVideo.h"
#include "ListView.h"
#include "MainView.h"
#include "MainWindow.h"
#include "PlayListView.h"
#include "TestCard.h"
#include "VideoLayout.h"

#include <QList>
#include <QObject>
#include <QSignalSpy>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class FanOutRecorder;
class PlayListTable;

namespace ViewerTest {

// Fixed time zone, English texts, private preferences, the default product. The distance
// window that every log load opens is closed at once.
void setUpApplication();
// The lines of the distance window closed last.
QStringList lastDistanceLines();
// A small generated card (2 event, 3 normal recordings of 3 s at 10 frames/s, one log).
bool makeCard(const QString &folder, int eventCount = 2, int normalCount = 3);
std::unique_ptr<MainWindow> makeWindow();
// As the user does it: the tab of type, only row `index` ticked, Load (which plays the row
// from frame 0 and pauses), then the play list moves to `frame` when it is not 0.
void showRecording(MainView *view, const QString &type, qint64 index, qint64 frame = 0);
// Ticks every row of the tab and loads them into the play list (row 0 shown).
void loadPlayList(MainView *view, const QString &type);
// The shown recording at a glance: "event 1 frame 9 speed 0 paused", or "event 1 speed 1
// playing" while it plays; the file's own frame or speed after a slash where they differ
// from the view's.
QString state(MainView *view);
void clickRow(PlayListTable *table, int row);

} // namespace ViewerTest

// A test of the real main window over a generated card; every test function gets a new
// window, an alert catcher and a fan-out recorder (made after the card is opened).
class ViewerTestCase : public QObject {
    Q_OBJECT
public:
    explicit ViewerTestCase(int eventCount = 2, int normalCount = 3, bool openAtStart = false);
    ~ViewerTestCase() override;

protected:
    void openCard();
    void show(const QString &type, qint64 index, qint64 frame = 0);
    QString state() const { return ViewerTest::state(_view); }
    FileVideo *video(const QString &type, qint64 index) const;

    QTemporaryDir _dir;
    QString _card;
    std::unique_ptr<MainWindow> _window;
    MainView *_view = nullptr;
    std::unique_ptr<AlertCatcher> _alerts;
    std::unique_ptr<FanOutRecorder> _recorder;

private slots:
    void initTestCase();
    void init();
    void cleanup();

private:
    int _eventCount, _normalCount;
    bool _openAtStart;
};

// Every signal the main view emits, by name, in emission order.
class FanOutRecorder : public QObject {
    Q_OBJECT
public:
    explicit FanOutRecorder(MainView *view);
    const QStringList &calls() const { return _calls; }
    void clear() { _calls.clear(); }
    int count(const QString &name) const { return int(_calls.count(name)); }

public slots:
    void record();

private:
    MainView *_view;
    QStringList _calls;
};
