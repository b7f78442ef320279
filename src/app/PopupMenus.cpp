#include "PopupMenus.h"

#include "CommandTag.h"
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
    m.item("menu_file_select_folder", TagOpen, true);
    const MenuBuilder load = m.submenu("menu_file_load");
    load.item("menu_file_load_event", TagEventList, s.opened);
    load.item("menu_file_load_normal", TagNormalList, s.opened);
    load.item("menu_file_load_log", TagLogList, s.opened);
    m.item("menu_file_list", TagFileList, s.fileVideo);
    m.separator();
    m.item("menu_file_print", TagPrint, s.fileVideo || s.fileLog);
    m.separator();
    m.item("menu_file_setting", TagViewerSetting, true);
    m.separator();
    m.item("menu_file_exit", TagExit, true);
}

void editMenu(const MenuBuilder &m, const PopupMenus::State &s)
{
    m.item("menu_edit_select_all", TagSelectAll, s.opened);
    m.item("menu_edit_unselect_all", TagUnselectAll, s.opened);
}

void viewMenu(const MenuBuilder &m, const PopupMenus::State &s)
{
    const MenuBuilder layout = m.submenu("menu_view_layout");
    layout.item("menu_view_layout_single", TagSingleView, true);
    layout.item("menu_view_layout_thumb", TagThumbView, true);
    const MenuBuilder graph = m.submenu("menu_view_gsgraph");
    graph.item("menu_view_gsgraph_scale1", TagGraphScale1, true);
    graph.item("menu_view_gsgraph_scale2", TagGraphScale2, true);
    graph.item("menu_view_gsgraph_scale3", TagGraphScale3, true);
    graph.item("menu_view_gsgraph_scale4", TagGraphScale4, true);
    const MenuBuilder full = m.submenu("menu_view_full");
    full.item("menu_view_full_window", TagFullWindow, s.fileVideo);
    full.item("menu_view_full_screen", TagFullScreen, s.fileVideo);
    m.separator();
    m.item("menu_view_overview", TagCardOverview, s.opened);
}

void playMenu(const MenuBuilder &m)
{
    m.item("menu_play_play", TagPlay, true);
    m.item("menu_play_fast_play", TagFastPlay, true);
    m.item("menu_play_next_frame", TagNextFrame, true);
    m.item("menu_play_back_play", TagBackPlay, true);
    m.item("menu_play_prev_frame", TagPrevFrame, true);
    m.item("menu_play_fast_back_play", TagFastBackPlay, true);
    m.item("menu_play_stop", TagStop, true);
}

void toolMenu(const MenuBuilder &m, const PopupMenus::State &s)
{
    m.item("menu_tool_setting", TagDeviceSetting, s.opened);
    m.item("menu_tool_sd_init", TagFormatCard, true);
    m.item("menu_tool_sd_eject", TagEjectCard, true);
    m.separator();
    m.item("menu_tool_save_avi", TagSaveAvi, s.fileVideo);
    m.item("menu_tool_save_jpg", TagSaveJpg, s.fileVideo);
    m.separator();
    m.item("menu_tool_backup", TagBackup, s.opened);
    m.item("menu_tool_evidence", TagEvidence, s.opened);
}

void helpMenu(const MenuBuilder &m)
{
    m.item("menu_help_version", TagAbout, true);
    m.separator();
    m.item("menu_help_homepage", TagHomePage, true);
}

} // namespace

QMenu *PopupMenus::build(int menuTag, const State &state, QWidget *parent,
                         const std::function<void(int)> &command)
{
    if (menuTag < TagFileMenu || menuTag > TagHelpMenu)
        return nullptr;
    auto *menu = new QMenu(parent);
    const MenuBuilder m(menu, command);
    switch (menuTag) {
    case TagFileMenu:
        fileMenu(m, state);
        break;
    case TagEditMenu:
        editMenu(m, state);
        break;
    case TagViewMenu:
        viewMenu(m, state);
        break;
    case TagPlayMenu:
        playMenu(m);
        break;
    case TagToolMenu:
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
