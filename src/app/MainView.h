// The window's content: owns the card folder model, the skin and every widget, draws the
// fixed labels of the instrument panel, turns buttons, menu items and keys into command
// tags, and coordinates playback.
//
// The main view is the hub. Widgets report upwards through their signals, wired to the
// slots below that carry the reporting call's whole name (skinSliderChangeFrameIndex, ...).
// Every call downwards is a signal of this class named after its receiver and operation
// (videoLayoutDrawWithFileVideo, skinSpeedSetSpeed, ...), emitted in the order playback
// needs. A widget joins by connecting its slots to those signals, and its own signals to
// the slots here, in its join function in MainView_parts.cpp; a part that has not joined
// simply receives nothing.
#pragma once

#include "CommandTag.h"
#include "FileLog.h"
#include "FileManager.h"
#include "ListRow.h"
#include "LogGuide.h"
#include "vexa_types.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <optional>

class QThread;

class CardOverviewWindow;
class FileVideo;
class ListView;
class MapView;
class QMenu;
class SkinButton;
class SkinDateTime;
class SkinGraph;
class SkinGps;
class SkinGSensor;
class SkinManager;
class SkinSpeed;
class UsbManager;
class VideoLayout;

class MainView : public QWidget {
    Q_OBJECT

public:
    static constexpr int Width = 1024;
    static constexpr int Height = 768;

    // The command tags, also as MainView::TagPlay and so on.
    using enum CommandTag;

    // Answers the main view needs from parts that join later; an unset one means the part
    // has not joined (see MainView_parts.cpp).
    struct PartAnswers {
        // ListView: "event", "normal" or "log".
        std::function<QString()> selectedTab;
        // LogLayout: the recording and frame of a log record's second.
        std::function<FrameInfo(const _vexa_log_info_t &, bool forward)> infoAtTimestamp;
        // LogLayout: takes the ticked log rows; false when they are not in time order.
        std::function<bool(const QList<ListRow> &)> setLogData;
        // SkinGraph: the current zoom.
        std::function<double()> graphZoom;
    };

    // Builds everything in the fixed order; the skin must not be null.
    explicit MainView(std::unique_ptr<SkinManager> skin, QWidget *parent = nullptr);
    ~MainView() override;

    bool isOpened() const { return _opened; }
    double speed() const { return _speed; }
    bool playContinue() const { return _playContinue; }
    const QString &rootPath() const { return _rootPath; }
    FileManager *fileManager() const { return _fileManager; }
    // The units, date order and zone of everything shown, as the preferences hold them.
    const DisplayFormat &displayFormat() const { return _displayFormat; }
    // Reads the display preferences (format and video flip) again and hands them to the parts.
    void reloadDisplaySettings();
    UsbManager *usbManager() const { return _usbManager; }
    FileVideo *fileVideo() const { return _fileVideo; }
    FileLog *fileLog() const { return _fileLog; }
    FileVideo *logFileVideo() const { return _logFileVideo; }
    qint64 logFrameIndex() const { return _logFrameIndex; }
    SkinManager *skinManager() const { return _skinManager.get(); }
    VideoLayout *videoLayout() const { return _videoLayout; }
    QWidget *logLayout() const { return _logLayout; }
    SkinDateTime *skinDateTime() const { return _skinDateTime; }
    SkinSpeed *skinSpeed() const { return _skinSpeed; }
    SkinGSensor *skinGSensorX() const { return _skinGSensorX; }
    SkinGSensor *skinGSensorY() const { return _skinGSensorY; }
    SkinGSensor *skinGSensorZ() const { return _skinGSensorZ; }
    SkinGps *skinGps() const { return _skinGps; }
    SkinGraph *skinGraph() const { return _skinGraph; }
    ListView *listView() const { return _listView; }
    MapView *mapView() const { return _mapView; }
    // The skinned button of a tag on the main view, or null.
    SkinButton *buttonWithTag(int tag) const;
    bool isFullWindow() const { return _fullWindow; }
    // The tab whose list the play list came from.
    QString selectedTab() const;

    // The playback speed as the label shows it: "0.5" / "-0.5", else the whole number.
    static QString speedText(double speed);
    // Where the speed label is drawn, in Qt coordinates of the view.
    QRect speedLabelRect() const;
    // The label's font for a text: bold, as large as fits inside the badge under it.
    static QFont speedLabelFont(const QString &text);
    static constexpr int SpeedBadgeInside = 20;  // the badge's width less its rim and margins
    // The camera clock line by the read-outs, for the recording or log last shown; empty
    // when nothing is shown or it had no fix. Marked when the clock is more than 2 s off.
    const QString &clockLine() const { return _clockLine; }
    bool clockLineMarked() const { return _clockMarked; }
    QRect clockLineRect() const;
    // The zone of the date read-out ("CET +01:00"), shown beside it; empty without a date.
    const QString &zoneLine() const { return _zoneLine; }
    QRect zoneLineRect() const;
    // The vehicle identifier of the open card's settings, or empty.
    const QString &vehicleId() const { return _vehicleId; }

    // A fresh pop-up menu of a menu button (TagFileMenu to TagHelpMenu), items enabled by
    // the state.
    QMenu *buildMenu(int menuTag, QWidget *parent);
    PartAnswers &partAnswers() { return _answers; }

    // Opens a card folder without the chooser, as the open command would after it.
    // False when the folder is not a valid card.
    bool openFolderPath(const QString &folder);

public slots:
    // The action of every button and menu item. TagContinuousPlay reads the sending check
    // button's state; TagExit ends the program; every other tag goes to tagCommand.
    void didCommand(int tag);
    void setPlayContinue(bool on) { _playContinue = on; }
    // The command switch: each menu's commands in turn; an unknown tag does nothing.
    void tagCommand(int tag);
    // Pops up the menu of a menu button (TagFileMenu to TagHelpMenu) under it.
    void didMenu(int menuTag);

    void openFolder();
    void pause();
    void close();
    void unload();
    void showAlert(const QString &message);
    void stopOnUnreadableCard(FileVideo *fileVideo);
    void openHomePage();
    void showHelp();

    // Reports of the models, forwarded by the folder model.
    void fileManagerFileVideoFrameIndex(FileVideo *fileVideo, qint64 frameIndex);
    void fileManagerFileLogFrameIndex(FileLog *fileLog, qint64 frameIndex);

    // File lists.
    void listViewSelectedTab(const QString &tab);
    void listViewLoadDataSelectedTab(const QList<ListRow> &rows, const QString &tab);
    // The play list loaded rows of a tab (their file indices, in order).
    void playListViewLoadDataType(const QList<qint64> &fileIndices, const QString &type);
    // Makes recording fileIndex of the play list's tab current at frameIndex (-1 = last
    // frame). A user's choice pauses there; a move of continuous play keeps playing at
    // the current speed and direction.
    void playListViewSelectedRowFrameIndexSelectByUser(qint64 fileIndex, qint64 frameIndex,
                                                      bool selectByUser);
    void triggerListViewSelectedRow(qint64 frameIndex);

    // Positioning widgets.
    void mapViewClickCameraWithFileIndexFrameIndex(qint64 fileIndex, qint64 frameIndex);
    void mapViewClickRouteWithFrameIndex(qint64 frameIndex);
    void mapViewClickLogCameraWithPosition(qint64 msec);
    void skinGraphFileVideoFrameIndex(FileVideo *fileVideo, qint64 frameIndex);
    void skinGraphFileLogFrameIndex(FileLog *fileLog, qint64 frameIndex);
    void skinSliderChangeFrameIndex(qint64 frameIndex);
    void logLayoutSelectedLogLogIndexSelectByUser(FileLog *fileLog, qint64 logIndex,
                                                 bool selectByUser);
    void videoLayoutFileVideoFrameIndex(FileVideo *fileVideo, qint64 frameIndex);

signals:
    // Video area.
    void videoLayoutDrawWithFileVideo(FileVideo *fileVideo, qint64 frameIndex);
    void videoLayoutSetPause(bool pause);
    void videoLayoutSetFileVideo(FileVideo *fileVideo);
    void videoLayoutClear();
    void videoLayoutChangeDivision(int division);
    void videoLayoutSetFullWindow(bool flag);
    // Read-outs and date.
    void skinSpeedSetSpeed(int kmh);
    void skinGpsSetLatitude(double latitude, double longitude);
    void skinGSensorXSetVal(double g);
    void skinGSensorYSetVal(double g);
    void skinGSensorZSetVal(double g);
    void skinDateTimeSetDate(const _vexa_time_t *localTime);
    // Timeline slider and G-sensor graph.
    void skinSliderSetFrameIndex(qint64 frameIndex);
    void skinGraphSetFrameIndex(qint64 frameIndex);
    void skinGraphLoadWithFileVideo(FileVideo *fileVideo, qint64 frameIndex);
    void skinGraphLoadWithFileLog(FileLog *fileLog, qint64 frameIndex);
    void skinGraphSetZoom(double zoom);
    void skinGraphClear();
    // Map.
    void mapViewMoveCenterWithLatitude(double latitude, double longitude);
    void mapViewLoadWithFileVideo(FileVideo *fileVideo, qint64 frameIndex);
    void mapViewLoadWithData(const QList<qint64> &fileIndices, const QString &type);
    void mapViewClear();
    // The recordings made during the loaded logs, centred on the log of logIndex.
    void mapViewLoadWithLogs(const QList<LogGuide> &guides, qint64 logIndex);
    // The route of the loaded logs.
    void mapViewLoadWithLogRoute(const QList<FileLog *> &logs);
    // Log page and its graph.
    void logLayoutVideoViewDrawImage(const QImage &picture,
                                     const _vexa_video_frame_header_t *header,
                                     const QString &count, bool thumbnail);
    void logLayoutSetFileLog(FileLog *fileLog, qint64 logIndex);
    void logLayoutPlayNext();
    void logLayoutPlayPrevious();
    void logLayoutClear();
    void logGraphSetZoom(double zoom);
    void logGraphSetPosition(qint64 msec);
    // File lists, play list and trigger list.
    void listViewLoad();
    void listViewClear();
    void listViewClose();
    void listViewSelectTab(int tag);
    void listViewCheckAll(bool flag);
    void listViewBackup();
    void listViewEvidence();
    void playListViewPlayNext();
    void playListViewPlayPrevious();
    void playListViewPlayWithFileIndex(qint64 fileIndex, qint64 frameIndex);
    void triggerListViewLoadWithIndex(qint64 fileIndex);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Construction, in order.
    void createParts();
    void createReadouts();
    void createPanels();
    void createButtons();
    void addButtonWithKey(int key, const char *title, const char *tooltip);
    void unifyMenuTitles();
    // Join functions: one per widget, MainView_parts.cpp.
    void joinFileManager();
    void joinVideoLayout();
    void joinLogLayout();
    void joinReadouts();
    void joinSkinGraph();
    void joinListView();
    void joinMapView();

    // Drawing.
    void drawText(QPainter &painter, const QString &text, int x, int y, int pointSize,
                  const QColor &color);
    void reloadVehicleId();
    void setRootPath(const QString &path);

    // Playback (MainView_playback.cpp).
    void playCommand(int tag);
    void startPlay(double speed);
    void stepCommand(bool forward);
    void stopCommand();
    static double nextSpeed(int tag, double speed);
    void showFrameTelemetry(const _vexa_video_frame_header_t &header, qint64 frameIndex);
    void showPosition(bool valid, int speed, double latitude, double longitude);
    void showGSensor(int16_t x, int16_t y, int16_t z);
    void showLocalDate(const _vexa_time_t &utc);
    void showLogVideo(const _vexa_log_info_t &record);
    void showClockOffset(QObject *file, std::optional<qint64> offsetMsec);
    void showVideoClockOffset(FileVideo *fileVideo);
    void moveOnThroughPlayList(int direction);

    // Commands (MainView_commands.cpp). Each menu's part of the switch, with the buttons and
    // keys of its commands; false when the tag is not one of them.
    bool fileCommand(int tag);
    bool editCommand(int tag);
    bool viewCommand(int tag);
    bool playMenuCommand(int tag);
    bool toolCommand(int tag);
    bool helpCommand(int tag);
    void exportCommand(int tag);
    bool currentPicture(FileVideo **video, qint64 *frameIndex) const;
    // The evidence window for the ticked recordings, else for the current one at its frame.
    void evidenceCommand(const QList<ListRow> &event, const QList<ListRow> &normal);
    void cardOverviewCommand();
    void printReport(FileVideo *video, qint64 frameIndex);
    void listTabCommand(int tag);
    void setGraphZoom(double zoom);
    void enterFullWindow();
    void leaveFullWindow();
    void enterFullScreen();
    void leaveFullScreen();
    void resetButton(int tag);
    void viewerSettingCommand();
    void deviceSettingCommand();
    void ejectCardCommand();
    void formatCardCommand();
    void openedFolder();
    void showSkippedFiles(const QStringList &files);

    bool _opened = false;
    double _speed = 0;
    bool _playContinue = false;
    // Continuous play: the move asked for while one is under way (+1 next, -1 previous),
    // and whether the loop that carries out the moves is running.
    int _pendingMove = 0;
    bool _movingOn = false;
    QString _rootPath;
    DisplayFormat _displayFormat;
    FileManager *_fileManager = nullptr;
    UsbManager *_usbManager = nullptr;
    QPointer<FileVideo> _fileVideo;
    QPointer<FileLog> _fileLog;
    QPointer<CardOverviewWindow> _cardOverview;
    std::unique_ptr<SkinManager> _skinManager;
    QImage _backImage;
    VideoLayout *_videoLayout = nullptr;
    QPointer<QWidget> _logLayout;
    SkinDateTime *_skinDateTime = nullptr;
    SkinSpeed *_skinSpeed = nullptr;
    SkinGSensor *_skinGSensorX = nullptr;
    SkinGSensor *_skinGSensorY = nullptr;
    SkinGSensor *_skinGSensorZ = nullptr;
    SkinGps *_skinGps = nullptr;
    SkinGraph *_skinGraph = nullptr;
    ListView *_listView = nullptr;
    MapView *_mapView = nullptr;
    QPointer<FileVideo> _logFileVideo;
    qint64 _logFrameIndex = -1;

    std::map<int, SkinButton *> _buttons;
    PartAnswers _answers;
    QString _playListType;
    QString _vehicleId;
    QPointer<QObject> _clockFile;
    // Camera clock offsets of recordings by path, once a worker has read them.
    QHash<QString, std::optional<qint64>> _clockOffsets;
    QList<QThread *> _clockThreads;
    QSet<QString> _clockPending;
    QString _clockLine;
    QString _zoneLine;
    bool _clockMarked = false;
    bool _fullWindow = false;
    // The children shown before the full window, shown again when it is left.
    QList<QPointer<QWidget>> _fullWindowShown;
    bool _fullScreen = false;
};
