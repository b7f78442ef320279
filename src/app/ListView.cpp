#include "ListView.h"

#include "EventListView.h"
#include "FileManager.h"
#include "FileTableView.h"
#include "Geometry.h"
#include "PlayListView.h"
#include "SkinButton.h"
#include "SkinCheckButton.h"
#include "SkinManager.h"
#include "Texts.h"
#include "TriggerListView.h"
#include "TripListView.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QMenu>
#include <QTableWidget>
#include <QPainter>

namespace {

const QString kEvent = QStringLiteral("event");
const QString kNormal = QStringLiteral("normal");
const QString kLog = QStringLiteral("log");
const QString kTrips = QStringLiteral("trips");

} // namespace

ListView::ListView(const SkinManager &skin, FileManager *fileManager, QWidget *parent)
    : QWidget(parent), _skinManager(skin), _fileManager(fileManager)
{
    setGeometry(Geometry::toQt(skin.rectForKey(KeyArea), SkinManager::WindowHeight));
    _backImage = skin.imageForKey(KeyBackground);
    _backRect = Geometry::toQt(skin.rectForKey(KeyBackground, height()), height());
    createTables();
    createButtons();
    if (_fileManager)
        connect(_fileManager, &FileManager::fileVideoIndexChanged, this, &ListView::fileVideoIndexChanged);
}

void ListView::fileVideoIndexChanged(FileVideo *fileVideo)
{
    for (FileTableView *table : {_eventTableView, _normalTableView}) {
        const QList<FileVideo *> &videos =
            table == _eventTableView ? _fileManager->eventVideos() : _fileManager->normalVideos();
        const qsizetype index = videos.indexOf(fileVideo);
        if (index < 0)
            continue;
        const QList<ListRow> rows = _fileManager->listViewData(table->type(), _format);
        if (index < rows.size())
            table->updateRow(rows[index]);
    }
}

ListView::~ListView() = default;

void ListView::setDisplayFormat(const DisplayFormat &format)
{
    _format = format;
    _triggerListView->setDisplayFormat(format);
    _eventListView->setDisplayFormat(format);
}

// The three tables, the play list and the trigger list share one frame; the event table
// shows until a folder chooses otherwise.
void ListView::createTables()
{
    const QRect frame = listFrame();
    _eventTableView = new FileTableView(kEvent, this);
    _normalTableView = new FileTableView(kNormal, this);
    _logTableView = new FileTableView(kLog, this);
    _playListView = new PlayListView(this);
    _triggerListView = new TriggerListView(this);
    _triggerListView->setFileManager(_fileManager);
    for (QWidget *list : {static_cast<QWidget *>(_eventTableView),
                          static_cast<QWidget *>(_normalTableView),
                          static_cast<QWidget *>(_logTableView),
                          static_cast<QWidget *>(_playListView),
                          static_cast<QWidget *>(_triggerListView)})
        list->setGeometry(frame);
    addEvidenceMenu(_eventTableView);
    addEvidenceMenu(_normalTableView);
    _normalTableView->hide();
    _logTableView->hide();
    _playListView->hide();
    _triggerListView->hide();
    _eventListView = new EventListView(this);
    _eventListView->hide();
    _tripListView = new TripListView(this);
    _tripListView->setGeometry(frame);
    _tripListView->hide();
}

void ListView::showEventList(bool on)
{
    const QRect frame = listFrame();
    // The list keeps the upper part; the events take the rest.
    const int listHeight = on ? frame.height() * 11 / 20 : frame.height();
    const QRect upper(frame.x(), frame.y(), frame.width(), listHeight);
    for (QWidget *list : {static_cast<QWidget *>(_logTableView), static_cast<QWidget *>(_playListView),
                          static_cast<QWidget *>(_triggerListView)})
        list->setGeometry(upper);
    _eventListView->setGeometry(frame.x(), frame.y() + listHeight + 4, frame.width(),
                                frame.height() - listHeight - 4);
    _eventListView->setVisible(on);
}

QRect ListView::listFrame() const
{
    return Geometry::toQt(QRect(7, 42, width() - 14, height() - 66), height());
}

void ListView::createButtons()
{
    addButton(TagEvent, "button_event", "tooltip_event", true, false);
    addButton(TagNormal, "button_normal", "tooltip_normal", true, false);
    addButton(TagLog, "button_log", "tooltip_log", false, true);
    addButton(TagPlayList, "button_play_list", nullptr, false, false);
    addCheckButton(TagAll, "button_all", "tooltip_all", true, false);
    addCheckButton(TagContinuousPlay, nullptr, "tooltip_continuous_play", false, true);
    addCheckButton(TagShowTrigger, nullptr, "tooltip_show_trigger", false, true);
    addButton(TagGoogleEarth, nullptr, "tooltip_google_earth", false, true);
    addButton(TagCsv, "button_csv", "tooltip_csv", false, true);
    addButton(TagLoad, "button_load", "tooltip_load", true, false);
    addButton(TagClose, "button_close", "tooltip_close", false, true);
    addTripsTab();
}

// Four tabs share the row the skin gives three; the Trips tab takes the Log tab's pictures.
void ListView::addTripsTab()
{
    const std::optional<SkinButtonInfo> info = _skinManager.buttonForKey(TagLog, height());
    SkinButtonBase *event = buttonWithTag(TagEvent);
    if (!info || !event)
        return;
    auto *trips = new SkinButton(*info, height(), Texts::text("button_trips"), this);
    trips->setToolTip(Texts::text("tooltip_trips"));
    trips->setTabLook(true);
    trips->setVisible(false);
    _buttons[TagTrips] = trips;
    connect(trips, &SkinButton::triggered, this, [this] { didCommand(TagTrips); });
    const QRect first = event->geometry();
    const int right = buttonWithTag(TagClose) ? buttonWithTag(TagClose)->geometry().right() : first.x() + 4 * first.width();
    const int step = (right - first.x() + 2) / 4;
    int i = 0;
    for (int tag : {TagEvent, TagNormal, TagLog, TagTrips})
        if (SkinButtonBase *tab = buttonWithTag(tag))
            tab->setGeometry(first.x() + i++ * step, first.y(), step - 2, first.height());
}

// The skin's button of key, shown and enabled as asked and kept under its tag; null when
// the skin has none.
template <typename Button>
Button *ListView::makeButton(int key, const char *title, const char *tooltip, bool shown,
                             bool enabled)
{
    Button *button = Button::create(_skinManager, key, this,
                                    title ? Texts::text(title) : QString(),
                                    tooltip ? Texts::text(tooltip) : QString());
    if (!button)
        return nullptr;
    button->setVisible(shown);
    button->setSkinEnabled(enabled);
    _buttons[key] = button;
    return button;
}

void ListView::addButton(int key, const char *title, const char *tooltip, bool shown,
                         bool enabled)
{
    SkinButton *button = makeButton<SkinButton>(key, title, tooltip, shown, enabled);
    if (!button)
        return;
    if (key == TagEvent || key == TagNormal || key == TagLog)
        button->setTabLook(true);
    if (key == TagPlayList)
        button->setDimmedWhenDisabled(false);  // the play list's heading
    if (key == TagLoad)
        connect(button, &SkinButton::triggered, this, &ListView::didLoad);
    else
        connect(button, &SkinButton::triggered, this, &ListView::didCommand);
}

void ListView::addCheckButton(int key, const char *title, const char *tooltip, bool shown,
                              bool enabled)
{
    SkinCheckButton *button = makeButton<SkinCheckButton>(key, title, tooltip, shown, enabled);
    if (button)
        connect(button, &SkinCheckButton::triggered, this, &ListView::didCommand);
}

SkinButtonBase *ListView::buttonWithTag(int tag) const
{
    const auto it = _buttons.find(tag);
    return it == _buttons.end() ? nullptr : it->second;
}

SkinButton *ListView::skinButton(int tag) const
{
    return qobject_cast<SkinButton *>(buttonWithTag(tag));
}

SkinCheckButton *ListView::checkButton(int tag) const
{
    return qobject_cast<SkinCheckButton *>(buttonWithTag(tag));
}

void ListView::setShown(int tag, bool shown)
{
    if (SkinButtonBase *button = buttonWithTag(tag))
        button->setVisible(shown);
}

void ListView::setSkinEnabled(int tag, bool enabled)
{
    if (SkinButton *button = skinButton(tag))
        button->setSkinEnabled(enabled);
    else if (SkinCheckButton *check = checkButton(tag))
        check->setSkinEnabled(enabled);
}

void ListView::setPushMode(int tag, bool pushMode)
{
    if (SkinButton *button = skinButton(tag))
        button->setPushMode(pushMode);
}

void ListView::setCheckState(int tag, bool on)
{
    if (SkinCheckButton *check = checkButton(tag))
        check->setState(on);
}

bool ListView::continuousPlay() const
{
    const SkinCheckButton *check = checkButton(TagContinuousPlay);
    return check && check->state();
}

// ---- Tables ----

FileTableView *ListView::tableView(const QString &type) const
{
    if (type == kEvent)
        return _eventTableView;
    if (type == kNormal)
        return _normalTableView;
    if (type == kLog)
        return _logTableView;
    return nullptr;
}

void ListView::load()
{
    if (!_fileManager)
        return;
    _eventTableView->loadData(_fileManager->listViewData(kEvent, _format));
    _normalTableView->loadData(_fileManager->listViewData(kNormal, _format));
    _logTableView->loadData(_fileManager->listViewData(kLog, _format));
    _tripListView->load(*_fileManager, _format);
    _selectedTab = _eventTableView->data().isEmpty() ? TagNormal : TagEvent;
    // Fresh rows are unticked; the All button starts off with them.
    setCheckState(TagAll, false);
    didCommand(TagClose);
    for (int tag : {TagEvent, TagNormal, TagAll, TagLoad})
        setSkinEnabled(tag, true);
}

void ListView::selectTab(int tag)
{
    if (tag == TagEvent || tag == TagNormal || tag == TagLog || tag == TagTrips) {
        setPushMode(TagEvent, tag == TagEvent);
        setPushMode(TagNormal, tag == TagNormal);
        setPushMode(TagLog, tag == TagLog);
        setPushMode(TagTrips, tag == TagTrips);
        _eventTableView->setVisible(tag == TagEvent);
        _normalTableView->setVisible(tag == TagNormal);
        _logTableView->setVisible(tag == TagLog);
        _tripListView->setVisible(tag == TagTrips);
        setShown(TagGoogleEarth, tag == TagLog);
        setShown(TagCsv, tag == TagLog);
    }
    _selectedTab = tag;
}

QString ListView::selectedTab() const
{
    if (_selectedTab == TagEvent)
        return kEvent;
    if (_selectedTab == TagNormal)
        return kNormal;
    if (_selectedTab == TagTrips)
        return _tripsPlayType.isEmpty() ? kTrips : _tripsPlayType;
    return kLog;
}

FileTableView *ListView::selectedView() const
{
    if (_selectedTab == TagNormal)
        return _normalTableView;
    if (_selectedTab == TagEvent)
        return _eventTableView;
    return _logTableView;
}

void ListView::checkAll(bool flag)
{
    if (_selectedTab == TagTrips)
        _tripListView->checkAll(flag);
    else
        selectedView()->checkAll(flag);
    setCheckState(TagAll, flag);
}

void ListView::close()
{
    setShown(TagEvent, true);
    setShown(TagNormal, true);
    setShown(TagLog, !_logTableView->data().isEmpty());
    setShown(TagTrips, !_tripListView->trips().empty());
    _tripsPlayType.clear();
    setShown(TagPlayList, false);
    selectTab(_selectedTab);
    _playListView->hide();
    _triggerListView->hide();
    showEventList(false);
    setShown(TagLoad, true);
    setShown(TagAll, true);
    for (int tag : {TagContinuousPlay, TagClose, TagGoogleEarth, TagCsv, TagShowTrigger})
        setShown(tag, false);
}

void ListView::clear()
{
    _eventTableView->loadData({});
    _normalTableView->loadData({});
    _logTableView->loadData({});
    _playListView->clear();
    _triggerListView->clear();
    _eventListView->clear();
    _tripListView->clear();
    didCommand(TagClose);
    setSkinEnabled(TagEvent, false);
    setPushMode(TagEvent, false);
    setSkinEnabled(TagNormal, false);
    setPushMode(TagNormal, false);
    setShown(TagLog, false);
    setPushMode(TagLog, false);
    setShown(TagTrips, false);
    setPushMode(TagTrips, false);
    setCheckState(TagAll, false);
    setSkinEnabled(TagAll, false);
    setSkinEnabled(TagLoad, false);
}

void ListView::backup()
{
    emit backupData(_eventTableView->checkedRows(), _normalTableView->checkedRows(),
                    _logTableView->checkedRows());
}

void ListView::evidence()
{
    emit evidenceData(_eventTableView->checkedRows(), _normalTableView->checkedRows());
}

void ListView::addEvidenceMenu(FileTableView *view)
{
    QTableWidget *table = view->tableView();
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(table, &QWidget::customContextMenuRequested, this, [this, view, table](const QPoint &at) {
        QList<ListRow> rows = view->checkedRows();
        const int row = table->rowAt(at.y());
        if (rows.isEmpty() && row >= 0 && row < view->data().size())
            rows.append(view->data().at(row));
        QMenu menu(this);
        menu.addAction(Texts::text("menu_tool_evidence"))->setEnabled(!rows.isEmpty());
        if (menu.exec(table->viewport()->mapToGlobal(at)) && !rows.isEmpty()) {
            const bool event = view == _eventTableView;
            emit evidenceData(event ? rows : QList<ListRow>(), event ? QList<ListRow>() : rows);
        }
    });
}

// ---- Buttons ----

void ListView::didCommand(int tag)
{
    switch (tag) {
    case TagEvent:
    case TagNormal:
    case TagLog:
    case TagTrips:
        tabCommand(tag);
        break;
    case TagClose:
        close();
        emit command(TagClose);
        break;
    case TagAll:
        if (SkinCheckButton *all = checkButton(TagAll))
            checkAll(all->state());
        break;
    case TagShowTrigger:
        if (SkinCheckButton *trigger = checkButton(TagShowTrigger))
            showTriggerList(trigger->state());
        break;
    case TagContinuousPlay:
        emit command(TagContinuousPlay);
        break;
    case TagCsv:
    case TagGoogleEarth:
        exportLogs(tag);
        break;
    default:
        break;
    }
}

void ListView::tabCommand(int tag)
{
    showEventList(false);
    selectTab(tag);
    emit tabSelected(selectedTab());
}

void ListView::showTriggerList(bool on)
{
    _playListView->setVisible(!on);
    _triggerListView->setVisible(on);
    // The heading names the list shown under it.
    if (SkinButtonBase *heading = buttonWithTag(TagPlayList))
        heading->setText(Texts::text(on ? "button_trigger_list" : "button_play_list"));
}

void ListView::didLoad()
{
    if (_selectedTab == TagTrips) {
        loadTrips();
        return;
    }
    const QString tab = selectedTab();
    const QList<ListRow> rows = selectedView()->checkedRows();
    if (rows.isEmpty()) {
        const char *message = _selectedTab == TagNormal ? "msg_noselected_normal"
                              : _selectedTab == TagEvent ? "msg_noselected_event"
                                                         : "msg_noselected_log";
        showAlert(Texts::text(message));
        return;
    }
    if (tab == kLog) {
        emit loadDataSelectedTab(rows, tab);
        return;
    }
    enterPlayList(rows, tab);
    emit loadDataSelectedTab(rows, tab);
}

// The ticked trips' recordings become the play list (the normal ones, or the event ones
// where a trip has none) and their logs are ticked on the log tab; trips of logs alone go
// straight to the log page.
void ListView::loadTrips()
{
    const QList<int> ticked = _tripListView->checkedTrips();
    if (ticked.isEmpty()) {
        showAlert(Texts::text("msg_noselected_trip"));
        return;
    }
    QList<ListRow> event = _fileManager->listViewData(kEvent, _format);
    QList<ListRow> normal = _fileManager->listViewData(kNormal, _format);
    QList<ListRow> chosenEvent, chosenNormal, logs;
    for (FileTableView *table : {_eventTableView, _normalTableView, _logTableView})
        table->checkAll(false);
    for (int t : ticked) {
        for (int i : _tripListView->trips()[size_t(t)].sources) {
            const TripBuilder::Source &s = _tripListView->sources()[size_t(i)];
            if (s.isLog) {
                _logTableView->setChecked(int(s.index), true);
                if (s.index < _logTableView->data().size())
                    logs.append(_logTableView->data().at(s.index));
                continue;
            }
            QList<ListRow> &from = s.type == FileVideo::Event ? event : normal;
            if (s.index < from.size()) {
                (s.type == FileVideo::Event ? _eventTableView : _normalTableView)->setChecked(int(s.index), true);
                from[s.index].col1 = true;
                (s.type == FileVideo::Event ? chosenEvent : chosenNormal).append(from[s.index]);
            }
        }
    }
    if (chosenNormal.isEmpty() && chosenEvent.isEmpty()) {
        tabCommand(TagLog);
        emit loadDataSelectedTab(logs, kLog);
        return;
    }
    const bool useNormal = !chosenNormal.isEmpty();
    _tripsPlayType = useNormal ? kNormal : kEvent;
    const QList<ListRow> rows = useNormal ? chosenNormal : chosenEvent;
    // The recordings' page comes first, as a tab press would bring it.
    emit tabSelected(_tripsPlayType);
    enterPlayList(rows, _tripsPlayType);
    emit loadDataSelectedTab(rows, _tripsPlayType);
}

void ListView::enterPlayList(const QList<ListRow> &rows, const QString &tab)
{
    for (int tag : {TagEvent, TagNormal, TagLog, TagTrips})
        setShown(tag, false);
    setShown(TagPlayList, true);
    _tripListView->hide();
    _eventTableView->hide();
    _normalTableView->hide();
    _logTableView->hide();
    // The trigger switch starts off, matching the play list it shows.
    setCheckState(TagShowTrigger, false);
    showTriggerList(false);
    setShown(TagLoad, false);
    setShown(TagAll, false);
    setShown(TagContinuousPlay, true);
    setShown(TagClose, true);
    setShown(TagShowTrigger, tab == kNormal);
    showEventList(true);
    _playListView->loadData(rows, tab);
}

void ListView::exportLogs(int tag)
{
    // The log rows count whatever tab is shown.
    const QList<ListRow> rows = _logTableView->checkedRows();
    if (rows.isEmpty()) {
        showAlert(Texts::text("msg_noselected_log"));
        return;
    }
    if (tag == TagCsv)
        emit exportCSV(rows);
    else
        emit exportKML(rows);
}

void ListView::showAlert(const QString &message)
{
    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(), message,
                    QMessageBox::Ok, window());
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}

void ListView::paintEvent(QPaintEvent *)
{
    if (_backImage.isNull())
        return;
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setOpacity(1.0);
    painter.drawImage(_backRect, _backImage);
}
