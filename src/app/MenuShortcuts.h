// The keys of the menu items, in one table: the desktop's standard keys where Qt knows one
// for the item, and a fixed key. The menus show them; the main window acts on them.
#pragma once

#include <QKeySequence>
#include <QList>

#include <vector>

class MenuShortcuts {
public:
    struct Entry {
        int tag;                             // the command the key sends
        QKeySequence::StandardKey standard;  // UnknownKey: none
        const char *fallback;                // used when the desktop has no standard key
        // True: a window shortcut. False: a playback key the main window reads itself, so
        // it works whatever has focus (except a text field); the menu only shows it.
        bool windowShortcut;
    };

    static const std::vector<Entry> &table();
    // The keys of a command tag, the first one shown in its menu item; empty for none.
    static QList<QKeySequence> keysFor(int tag);
    static QList<QKeySequence> keysOf(const Entry &entry);
};
