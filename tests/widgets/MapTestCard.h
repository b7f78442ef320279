// A card for the map tests. Frame k of a recording lies at 48 + k/1000 degrees north,
// 11.5 degrees east, 10 frames a second.
//   normal 0: 60 s, a position in every frame.
//   event 0: 3 s; frames 0-9 before the event, 10-29 after it; positions from frame 15.
//   event 1: 1 s, no position at all.
// The overview card has the first two and a 3,000-second log over them: one trip of 3,000
// route points.
#pragma once

#include "FileManager.h"
#include "TestCard.h"
#include "TripBuilder.h"

#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

inline std::vector<TestCard::Frame> mapFrames(int count, int firstPosition)
{
    std::vector<TestCard::Frame> frames = TestCard::frames(count, TestCard::utc(2026, 5, 1, 8, 0, 0));
    for (int k = 0; k < count; ++k) {
        frames[k].recordPhase = k < 10 ? 2 : 3;
        frames[k].gps = firstPosition >= 0 && k >= firstPosition;
        frames[k].latitude = 4800.0 + k * 0.06;
        frames[k].longitude = 1130.0;
    }
    return frames;
}

inline bool loadMapCard(const QTemporaryDir &dir, FileManager &fileManager)
{
    const QString root = dir.path();
    return TestCard::makeLayout(root)
        && TestCard::writeRecording(root + "/CH1/normal/0000000001.vdd", mapFrames(600, 0))
        && TestCard::writeRecording(root + "/CH1/event/0000000001.vdd", mapFrames(30, 15))
        && TestCard::writeRecording(root + "/CH1/event/0000000002.vdd", mapFrames(10, -1))
        && fileManager.loadFiles(root);
}

inline bool loadOverviewCard(const QTemporaryDir &dir, FileManager &fileManager)
{
    const QString root = dir.path();
    return TestCard::makeLayout(root)
        && TestCard::writeRecording(root + "/CH1/normal/0000000001.vdd", mapFrames(600, 0))
        && TestCard::writeRecording(root + "/CH1/event/0000000001.vdd", mapFrames(30, 15))
        && TestCard::writeLog(root + "/log/0000000001.log", TestCard::utc(2026, 5, 1, 8, 0, 0), 3000)
        && fileManager.loadFiles(root);
}

// What the page's script gives back, waiting up to a minute for it.
inline QVariant runScript(QWebEngineView *view, const QString &script)
{
    QVariant result;
    bool done = false;
    view->page()->runJavaScript(script, [&](const QVariant &v) {
        result = v;
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, 60000))
        qWarning("no answer from the page to %s", qPrintable(script));
    return result;
}
