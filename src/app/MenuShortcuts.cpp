#include "MenuShortcuts.h"

#include "CommandTag.h"

const std::vector<MenuShortcuts::Entry> &MenuShortcuts::table()
{
    using K = QKeySequence;
    static const std::vector<Entry> entries = {
        {TagOpen, K::Open, "Ctrl+O", true},
        {TagPrint, K::Print, "Ctrl+P", true},
        {TagSaveJpg, K::Save, "Ctrl+S", true},
        {TagViewerSetting, K::Preferences, "Ctrl+,", true},
        {TagExit, K::Quit, "Ctrl+Q", true},
        {TagSelectAll, K::SelectAll, "Ctrl+A", true},
        {TagUnselectAll, K::Deselect, "Ctrl+Shift+A", true},
        {TagFullScreen, K::FullScreen, "F11", true},
        {TagAbout, K::HelpContents, "F1", true},
        // The keys the viewer always had.
        {TagFullWindow, K::UnknownKey, "Return", false},
        {TagPlay, K::UnknownKey, "Space", false},
        {TagStop, K::UnknownKey, "Space", false},
        {TagNextFrame, K::UnknownKey, "Right", false},
        {TagPrevFrame, K::UnknownKey, "Left", false},
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
