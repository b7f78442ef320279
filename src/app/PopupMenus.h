// The six pop-up menus of the title strip, built fresh at each click from the state of the
// main view. Every item carries its command tag; an item whose condition does not hold is
// shown disabled and sends nothing.
#pragma once

#include <functional>

class QAction;
class QMenu;
class QWidget;

class PopupMenus {
public:
    struct State {
        bool opened = false;     // a card folder is loaded
        bool fileVideo = false;  // a recording is current
        bool fileLog = false;    // a driving log is current
    };

    // The menu of a menu button (TagFileMenu to TagHelpMenu), null for another tag. Choosing an
    // enabled item calls command with its tag.
    static QMenu *build(int menuTag, const State &state, QWidget *parent,
                        const std::function<void(int)> &command);
    // The tag an item carries, -1 for separators and submenu entries.
    static int tagOf(const QAction *action);
};
