// ListView is a plain widget, not a QAbstractItemView: it owns the file tables, their buttons
// and the play and trigger lists.
// The list page: the event, normal and log tables in one place switched by three tab
// buttons, the row of skinned buttons under them, and the play list and trigger list that
// take the tables' place once ticked recordings are loaded.
//
// States: idle (no folder: tabs and Load disabled), table mode (one table shown, Load and
// All enabled) and play-list mode (entered by Load on the event or normal tab, left by
// Close). Reports go up through the signals; the main view also receives the Close and
// continuous-play buttons through command().
#pragma once

#include "CommandTag.h"
#include "ListRow.h"

#include <QImage>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include <map>

#include "FileManager.h"
class EventListView;
class FileTableView;
class PlayListView;
class SkinButton;
class SkinButtonBase;
class SkinCheckButton;
class SkinManager;
class TriggerListView;
class TripListView;

class ListView : public QWidget {
    Q_OBJECT

public:
    // Skin keys of the page; a button's tag is its key, the main view's command where it
    // sends one.
    enum Tag {
        KeyArea = 4,
        KeyBackground = 48,
        TagLoad = 26,
        TagClose = CommandTag::TagClose,
        TagEvent = CommandTag::TagEventList,
        TagLog = CommandTag::TagLogList,
        TagPlayList = 31,
        TagGoogleEarth = 44,
        TagContinuousPlay = CommandTag::TagContinuousPlay,
        TagNormal = CommandTag::TagNormalList,
        TagShowTrigger = 47,
        TagAll = CommandTag::TagSelectAll,
        TagCsv = 50,
        // Not a skin key: the Trips tab wears the Log tab's pictures.
        TagTrips = 1000,
    };

    // Placed on the skin rectangle of the list area inside the 768-high window.
    ListView(const SkinManager &skin, FileManager *fileManager, QWidget *parent = nullptr);
    ~ListView() override;

    // Fills the tables from the folder model after a folder was opened and shows the
    // event table (the normal table when there are no event recordings).
    void load();
    // Shows the table of tab 29, 46 or 30; any tag is remembered as the selected tab.
    void selectTab(int tag);
    // Ticks or unticks every row of the selected table and sets the All button.
    void checkAll(bool flag);
    // "event" for 29, "normal" for 46, "trips" for the Trips tab (or the recordings' list
    // its Load played), "log" otherwise.
    QString selectedTab() const;
    int selectedTabTag() const { return _selectedTab; }
    // The table of the selected tab (the log table for any tag but 29 and 46).
    FileTableView *selectedView() const;
    // Leaves play-list mode: the tabs and the selected table come back.
    void close();
    // Empties the tables after the folder was unloaded and returns to the idle look.
    void clear();
    // Hands the ticked rows of all three tables to the backup.
    void backup();
    // Hands the ticked event and normal rows to the evidence package.
    void evidence();

    FileTableView *eventTableView() const { return _eventTableView; }
    FileTableView *normalTableView() const { return _normalTableView; }
    FileTableView *logTableView() const { return _logTableView; }
    FileTableView *tableView(const QString &type) const;
    PlayListView *playListView() const { return _playListView; }
    TriggerListView *triggerListView() const { return _triggerListView; }
    EventListView *eventListView() const { return _eventListView; }
    // The zone and date order of every list; rows take it at their next load.
    void setDisplayFormat(const DisplayFormat &format);
    const DisplayFormat &displayFormat() const { return _format; }
    TripListView *tripListView() const { return _tripListView; }
    // The driving events under the loaded list (the play list or the log table), or not.
    void showEventList(bool on);
    // The page's button of a tag, or null.
    SkinButtonBase *buttonWithTag(int tag) const;
    SkinButton *skinButton(int tag) const;
    SkinCheckButton *checkButton(int tag) const;
    // Whether continuous play is switched on (button 45).
    bool continuousPlay() const;
    // Where the background picture is drawn, in this widget's coordinates.
    const QRect &backRect() const { return _backRect; }
    // Where the tables and lists sit, in this widget's coordinates.
    QRect listFrame() const;

public slots:
    // The action of every page button but Load.
    void didCommand(int tag);
    // Load: the ticked rows of the selected table become the play list (event, normal) or
    // go to the log page (log).
    void didLoad();
    // A recording's first use changed its row (damage the full index revealed).
    void fileVideoIndexChanged(FileVideo *fileVideo);

signals:
    // A tab button was pressed; the tab's name.
    void tabSelected(const QString &tab);
    // Ticked rows were loaded from a tab.
    void loadDataSelectedTab(const QList<ListRow> &rows, const QString &tab);
    // Buttons the main view handles itself: Close (27) and continuous play (45).
    void command(int tag);
    // Export of the ticked log rows (never empty).
    void exportCSV(const QList<ListRow> &rows);
    void exportKML(const QList<ListRow> &rows);
    // The ticked rows of the three tables, for the backup window (may all be empty).
    void backupData(const QList<ListRow> &event, const QList<ListRow> &normal,
                    const QList<ListRow> &log);
    // Recordings for an evidence package (both may be empty).
    void evidenceData(const QList<ListRow> &event, const QList<ListRow> &normal);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void createTables();
    void createButtons();
    // "Evidence package…" on a recording table: its ticked rows, or the row under the mouse.
    void addEvidenceMenu(FileTableView *view);
    template <typename Button>
    Button *makeButton(int key, const char *title, const char *tooltip, bool shown,
                       bool enabled);
    void addButton(int key, const char *title, const char *tooltip, bool shown, bool enabled);
    void addCheckButton(int key, const char *title, const char *tooltip, bool shown,
                        bool enabled);
    void setShown(int tag, bool shown);
    void setSkinEnabled(int tag, bool enabled);
    void setPushMode(int tag, bool pushMode);
    void setCheckState(int tag, bool on);
    void tabCommand(int tag);
    void showTriggerList(bool on);
    void enterPlayList(const QList<ListRow> &rows, const QString &tab);
    void exportLogs(int tag);
    void showAlert(const QString &message);
    void addTripsTab();
    void loadTrips();

    const SkinManager &_skinManager;
    QPointer<FileManager> _fileManager;
    DisplayFormat _format;
    QImage _backImage;
    QRect _backRect;
    int _selectedTab = 0;
    EventListView *_eventListView = nullptr;
    FileTableView *_eventTableView = nullptr;
    FileTableView *_normalTableView = nullptr;
    FileTableView *_logTableView = nullptr;
    PlayListView *_playListView = nullptr;
    TriggerListView *_triggerListView = nullptr;
    TripListView *_tripListView = nullptr;
    // The list the Trips tab's Load put in the play list; empty outside that play list.
    QString _tripsPlayType;
    std::map<int, SkinButtonBase *> _buttons;
};
