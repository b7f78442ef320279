#include "PopupMenus.h"

#include "MenuShortcuts.h"
#include "Texts.h"

#include <QAction>
#include <QMenu>

namespace {

class MenuBuilder {
public:
    MenuBuilder(QMenu *menu, const std::function<void(int)> &command)
        : _menu(menu), _command(command) {}

    void item(const char *title, int tag, bool enabled) const
    {
        QString text = Texts::text(title);
        // Shown after a tab, as the menu shows a key; the main window is what acts on it,
        // so keys inside the open menu keep their menu meaning.
        const QList<QKeySequence> keys = MenuShortcuts::keysFor(tag);
        if (!keys.isEmpty())
            text += u'\t' + keys.first().toString(QKeySequence::NativeText);
        QAction *action = _menu->addAction(text);
        action->setData(tag);
        action->setEnabled(enabled);
        if (enabled) {
            auto command = _command;
            QObject::connect(action, &QAction::triggered, action, [command, tag] { command(tag); });
        }
    }
    MenuBuilder submenu(const char *title) const
    {
        QMenu *sub = _menu->addMenu(Texts::text(title));
        sub->menuAction()->setData(-1);
        return MenuBuilder(sub, _command);
    }
    void separator() const { _menu->addSeparator()->setData(-1); }

private:
    QMenu *_menu;
    std::function<void(int)> _command;
};

void fileMenu(const MenuBuilder &m, const PopupMenus::State &s)
{
    m.item("menu_file_select_folder", 11, true);
    const MenuBuilder load = m.submenu("menu_file_load");
    load.item("menu_file_load_event", 29, s.opened);
    load.item("menu_file_load_normal", 46, s.opened);
    load.item("menu_file_load_log", 30, s.opened);
    m.item("menu_file_list", 3300, s.fileVideo);
    m.separator();
    m.item("menu_file_print", 13, s.fileVideo || s.fileLog);
    m.separator();
    m.item("menu_file_setting", 1000, true);
    m.separator();
    m.item("menu_file_exit", 10, true);
}

void editMenu(const MenuBuilder &m, const PopupMenus::State &s)
{
    m.item("menu_edit_select_all", 49, s.opened);
    m.item("menu_edit_unselect_all", 4900, s.opened);
}

void viewMenu(const MenuBuilder &m, const PopupMenus::State &s)
{
    const MenuBuilder layout = m.submenu("menu_view_layout");
    layout.item("menu_view_layout_single", 40, true);
    layout.item("menu_view_layout_thumb", 41, true);
    const MenuBuilder graph = m.submenu("menu_view_gsgraph");
    graph.item("menu_view_gsgraph_scale1", 2400, true);
    graph.item("menu_view_gsgraph_scale2", 2401, true);
    graph.item("menu_view_gsgraph_scale3", 2402, true);
    graph.item("menu_view_gsgraph_scale4", 2403, true);
    const MenuBuilder full = m.submenu("menu_view_full");
    full.item("menu_view_full_window", 35000, s.fileVideo);
    full.item("menu_view_full_screen", 35001, s.fileVideo);
    m.separator();
    m.item("menu_view_overview", 3900, s.opened);
}

void playMenu(const MenuBuilder &m)
{
    m.item("menu_play_play", 21, true);
    m.item("menu_play_fast_play", 23, true);
    m.item("menu_play_next_frame", 22, true);
    m.item("menu_play_back_play", 19, true);
    m.item("menu_play_prev_frame", 18, true);
    m.item("menu_play_fast_back_play", 17, true);
    m.item("menu_play_stop", 20, true);
}

void toolMenu(const MenuBuilder &m, const PopupMenus::State &s)
{
    m.item("menu_tool_setting", 16, s.opened);
    m.item("menu_tool_sd_init", 3701, true);
    m.item("menu_tool_sd_eject", 3700, true);
    m.separator();
    m.item("menu_tool_save_avi", 14, s.fileVideo);
    m.item("menu_tool_save_jpg", 12, s.fileVideo);
    m.separator();
    m.item("menu_tool_backup", 15, s.opened);
    m.item("menu_tool_evidence", 3800, s.opened);
}

void helpMenu(const MenuBuilder &m)
{
    m.item("menu_help_version", 8, true);
    m.separator();
    m.item("menu_help_homepage", 38000, true);
}

} // namespace

QMenu *PopupMenus::build(int menuTag, const State &state, QWidget *parent,
                         const std::function<void(int)> &command)
{
    if (menuTag < 33 || menuTag > 38)
        return nullptr;
    auto *menu = new QMenu(parent);
    const MenuBuilder m(menu, command);
    switch (menuTag) {
    case 33:
        fileMenu(m, state);
        break;
    case 34:
        editMenu(m, state);
        break;
    case 35:
        viewMenu(m, state);
        break;
    case 36:
        playMenu(m);
        break;
    case 37:
        toolMenu(m, state);
        break;
    default:
        helpMenu(m);
        break;
    }
    return menu;
}

int PopupMenus::tagOf(const QAction *action)
{
    bool ok = false;
    const int tag = action ? action->data().toInt(&ok) : -1;
    return ok ? tag : -1;
}
