// LogLayout is a widget, not a QLayout: it owns the log page's graph, picture, read-out and search.
// The log page, shown instead of the video area while the log tab is chosen: a read-out
// of the current log record, the picture of the recording that covers its second, the
// log graph across the bottom, and the search panel with its result table. Choosing a
// row or clicking the graph moves the page, and through selectedLog the whole viewer.
//
// Positions are given in the page's bottom-left coordinates (640 x 480).
#pragma once

#include "FileManager.h"
#include "ListRow.h"
#include "LogSearch.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <map>
#include <optional>

class LogResultModel;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QTableView;
class SkinButton;
class SkinLogGraph;
class SkinManager;
class VideoView;

class LogLayout : public QWidget {
    Q_OBJECT

public:
    static constexpr int FrameKey = 1;
    static constexpr int SearchKey = 32;
    static constexpr int VideoBackKey = 42;
    // Tags of the search check boxes.
    enum CheckTag { TagSpeed = 1, TagGSensor = 2, TagEvent = 3, TagAxisX = 21, TagAxisY = 22, TagAxisZ = 23 };

    // Placed at the skin's page rectangle (an empty frame without a skin); starts hidden.
    LogLayout(SkinManager *skinManager, FileManager *fileManager, QWidget *parent = nullptr);
    ~LogLayout() override;

    VideoView *videoView() const { return _videoView; }
    SkinLogGraph *logGraph() const { return _skinLogGraph; }
    QList<FileLog *> logFiles() const;
    FileLog *fileLog() const { return _fileLog; }
    QTableView *tableView() const { return _tableView; }
    LogResultModel *results() const { return _tableData; }
    SkinButton *searchButton() const { return _searchButton; }
    QCheckBox *checkBox(int tag) const;
    QLineEdit *speedField() const { return _speed; }
    // The driving event kind the event search looks for: every kind first, then each kind.
    QComboBox *eventKindBox() const { return _eventKind; }
    QLineEdit *sensorField(int axis) const { return _sensor[axis]; }

    // Takes the log rows ("idx" into the folder model's logs) in the given order. False,
    // and the page left as it was, when a log ends after the next one starts.
    bool setData(const QList<ListRow> &rows);
    // The recording, and its frame, that covers a record's second; file null for none.
    FrameInfo infoAtTimestamp(const _vexa_log_info_t &record, bool forward) const;
    QString logEventString(const _vexa_log_info_t &record) const;
    // What the check boxes and fields ask for.
    LogSearch::Criteria criteria() const;
    // The five value lines of the read-out (date, latitude, longitude, speed and
    // altitude, satellites), empty without a current record.
    QStringList readoutTexts() const;
    static QStringList readoutTexts(const _vexa_log_info_t &record, const DisplayFormat &format);
    // The units, date order and zone of the page, and how its picture turns frames.
    void setDisplayFormat(const DisplayFormat &format);
    void setVideoFlip(int flip);

public slots:
    // -1: no record.
    void setFileLog(FileLog *fileLog, qint64 logIndex);
    void clear();
    void playPrevious();
    void playNext();
    void didSearch();

signals:
    void selectedLog(FileLog *fileLog, qint64 logIndex, bool selectByUser);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void buildTable(const QRect &frame);
    void buildSearchControls(SkinManager *skinManager);
    QCheckBox *addButton(const QRect &frame, int tag);
    QLineEdit *addField(const QRect &frame, const QString &text, int maxLength, int fractionDigits);
    void addEventSearch(const QRect &row);
    QRect qtRect(const QRect &bottomUp) const;
    void drawText(QPainter &painter, const QString &text, int x, int y, const QColor &colour);
    void skinLogGraphChangeFileLog(FileLog *fileLog, qint64 logIndex);
    void chooseRow(int row);

    QPointer<FileManager> _fileManager;
    QList<QPointer<FileLog>> _logData;
    QPointer<FileLog> _fileLog;
    QList<QPointer<FileVideo>> _videoData;
    VideoView *_videoView = nullptr;
    SkinLogGraph *_skinLogGraph = nullptr;
    QTableView *_tableView = nullptr;
    LogResultModel *_tableData = nullptr;
    SkinButton *_searchButton = nullptr;
    std::map<int, QCheckBox *> _checks;
    QLineEdit *_speed = nullptr;
    QComboBox *_eventKind = nullptr;
    QLineEdit *_sensor[3] = {};
    // A copy: the log may go away with the card before the page is cleared.
    std::optional<_vexa_log_info_t> _log_info;
    LogSearch _search;
    DisplayFormat _format;
    bool _rowChangedByPress = false;
};
