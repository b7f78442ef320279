// The entries the camera-settings combo boxes offer: a shown text and the number stored
// in the settings file (the pre/post options add their total seconds).
#pragma once

#include <QList>
#include <QString>

class SettingEntries {
public:
    struct Entry {
        QString str;
        int val = 0;
        int sec = 0;  // pre/post options only: seconds before plus after an event
    };

    static QList<Entry> methods();
    static QList<Entry> resolutions();
    // Method 2 offers 30 frames a second only with a 20-second pre/post option.
    static QList<Entry> frameRates(int method, int prePostSeconds);
    // The lower resolution (2) stores smaller qualities than the higher one.
    static QList<Entry> qualities(int resolution);
    static QList<Entry> recordModes();
    static QList<Entry> prePostOptions();
    // Sensitivity and trigger threshold indexes 0..8, shown 1..9.
    static QList<Entry> levels();
    static QList<Entry> gpsTimes();
    static QList<Entry> alarmDurations();

    // The first entry with val, or 0 (the first entry) when none has it.
    static int indexOf(const QList<Entry> &entries, int val);
    // The pre/post option with these seconds before and after, or the (12, 20) option.
    static int prePostIndex(int preSeconds, int postSeconds);
};
