// Shared pieces of the viewer tests: a generated card, the real main window, a catcher for
// the alerts the viewer shows, and a recorder of the main view's fan-out.
#pragma once

#include "TestCard.h"

#include <QByteArray>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

class MainView;
class MainWindow;

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

} // namespace ViewerTest

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
