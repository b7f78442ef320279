#include "MenuShortcuts.h"

#include "MainView.h"

const std::vector<MenuShortcuts::Entry> &MenuShortcuts::table()
{
    using K = QKeySequence;
    static const std::vector<Entry> entries = {
        {MainView::TagOpen, K::Open, "Ctrl+O", true},
        {MainView::TagPrint, K::Print, "Ctrl+P", true},
        {MainView::TagSaveJpg, K::Save, "Ctrl+S", true},
        {MainView::TagViewerSetting, K::Preferences, "Ctrl+,", true},
        {MainView::TagExit, K::Quit, "Ctrl+Q", true},
        {MainView::TagSelectAll, K::SelectAll, "Ctrl+A", true},
        {MainView::TagUnselectAll, K::Deselect, "Ctrl+Shift+A", true},
        {MainView::TagFullScreen, K::FullScreen, "F11", true},
        {MainView::TagAbout, K::HelpContents, "F1", true},
        // The keys the viewer always had.
        {MainView::TagFullWindow, K::UnknownKey, "Return", false},
        {MainView::TagPlay, K::UnknownKey, "Space", false},
        {MainView::TagStop, K::UnknownKey, "Space", false},
        {MainView::TagNextFrame, K::UnknownKey, "Right", false},
        {MainView::TagPrevFrame, K::UnknownKey, "Left", false},
    };
    return entries;
}

QList<QKeySequence> MenuShortcuts::keysOf(const Entry &entry)
{
    QList<QKeySequence> keys;
    if (entry.standard != QKeySequence::UnknownKey)
        keys = QKeySequence::keyBindings(entry.standard);
    const QKeySequence fallback(QString::fromLatin1(entry.fallback));
    // Some desktops know no key for an item (preferences, full screen); the fixed key also
    // works where the desktop's differs, as users of other desktops expect it.
    if (!keys.contains(fallback))
        keys.append(fallback);
    return keys;
}

QList<QKeySequence> MenuShortcuts::keysFor(int tag)
{
    for (const Entry &entry : table())
        if (entry.tag == tag)
            return keysOf(entry);
    return {};
}
