// A card for the overview tests: the map card's normal recording and positioned event
// recording, and a 3,000-second log over them, so one trip of 3,000 route points.
#pragma once

#include "MapTestCard.h"
#include "TripBuilder.h"

inline bool loadOverviewCard(const QTemporaryDir &dir, FileManager &fileManager)
{
    const QString root = dir.path();
    return TestCard::makeLayout(root)
        && TestCard::writeRecording(root + "/CH1/normal/0000000001.vdd", mapFrames(600, 0))
        && TestCard::writeRecording(root + "/CH1/event/0000000001.vdd", mapFrames(30, 15))
        && TestCard::writeLog(root + "/log/0000000001.log", TestCard::utc(2026, 5, 1, 8, 0, 0), 3000)
        && fileManager.loadFiles(root);
}
