#include "LogLayout.h"

#include "FileVideo.h"
#include "Geometry.h"
#include "LogResultModel.h"
#include "NumberFormatter.h"
#include "SkinButton.h"
#include "SkinLogGraph.h"
#include "SkinManager.h"
#include "Texts.h"
#include "VideoView.h"
#include "vexa_time.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QTableView>

#include <algorithm>
#include <cmath>

namespace {

const QColor kPanel(60, 60, 60);
const QColor kLightGray = QColor::fromRgbF(2.0 / 3, 2.0 / 3, 2.0 / 3);
// Pure blue is hard to read on the dark panel; this one still says "Z".
const QColor kAxisBlue(110, 150, 255);

QString dmsText(double nmea, char positive, char negative)
{
    const _vexa_dms_t dms = nmea_to_dms(nmea);
    return QStringLiteral("%1%2 %3%4 %5%6 %7")
        .arg(dms.degrees)
        .arg(QChar(0x02DA))
        .arg(dms.minutes)
        .arg(QChar(0x2019))
        .arg(double(dms.seconds), 0, 'f', 2)
        .arg(QChar(0x201D))
        .arg(QChar(nmea >= 0 ? positive : negative));
}

// The font, made smaller until the text fits the width (long labels of some languages).
QFont fittedFont(QFont font, const QString &text, int width)
{
    while (QFontMetrics(font).horizontalAdvance(text) > width && font.pointSizeF() > 6)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    return font;
}

int wholeNumber(double v)
{
    return std::isfinite(v) ? int(std::clamp(std::trunc(v), -1e9, 1e9)) : 0;
}

} // namespace

LogLayout::LogLayout(SkinManager *skinManager, FileManager *fileManager, QWidget *parent)
    : QWidget(parent), _fileManager(fileManager)
{
    if (skinManager)
        setGeometry(Geometry::toQt(skinManager->rectForKey(FrameKey), SkinManager::WindowHeight));
    const int h = height();
    const QImage back = skinManager ? skinManager->imageForKey(VideoBackKey) : QImage();
    _videoView = new VideoView(back, 0, this);
    _videoView->setGeometry(qtRect(QRect(0, h - 220, 320, 220)));
    _skinLogGraph = new SkinLogGraph(this);
    _skinLogGraph->setGeometry(qtRect(QRect(0, 0, 640, 135)));
    _skinLogGraph->setFileManager(fileManager);
    connect(_skinLogGraph, &SkinLogGraph::changeFileLog, this,
            &LogLayout::skinLogGraphChangeFileLog);
    // The event search takes a row under the table.
    buildTable(QRect(320, h - 166, 320, 166));
    buildSearchControls(skinManager);
    hide();
}

LogLayout::~LogLayout() = default;

QRect LogLayout::qtRect(const QRect &bottomUp) const
{
    return Geometry::toQt(bottomUp, height());
}

void LogLayout::buildTable(const QRect &frame)
{
    _tableData = new LogResultModel(this);
    _tableData->setEventText([this](const _vexa_log_info_t &r) { return logEventString(r); });
    _tableView = new QTableView(this);
    _tableView->setGeometry(qtRect(frame));
    _tableView->setModel(_tableData);
    _tableView->setFrameShape(QFrame::Box);
    _tableView->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    _tableView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    _tableView->setAttribute(Qt::WA_MacShowFocusRect, false);
    _tableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    _tableView->setSelectionMode(QAbstractItemView::SingleSelection);
    _tableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    _tableView->verticalHeader()->hide();
    _tableView->verticalHeader()->setDefaultSectionSize(18);
    _tableView->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    const int widths[] = {50, 160, 100};
    for (int c = 0; c < 3; ++c)
        _tableView->setColumnWidth(c, widths[c]);
    _tableView->horizontalHeader()->setStretchLastSection(true);
    // A row chosen by keys or mouse moves the viewer there; clicking the chosen row again
    // goes back to it after playback moved on.
    connect(_tableView->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (!current.isValid())
                    return;
                _rowChangedByPress = QGuiApplication::mouseButtons() != Qt::NoButton;
                chooseRow(current.row());
            });
    connect(_tableView, &QTableView::clicked, this, [this](const QModelIndex &index) {
        if (_rowChangedByPress) {
            _rowChangedByPress = false;
            return;
        }
        if (index.isValid())
            chooseRow(index.row());
    });
}

void LogLayout::buildSearchControls(SkinManager *skinManager)
{
    if (skinManager)
        _searchButton = SkinButton::create(*skinManager, SearchKey, this,
                                           Texts::text("button_log_search"),
                                           Texts::text("tooltip_search_log"));
    QPoint b(319, 260);
    if (_searchButton) {
        _searchButton->move(_tableView->x() - 1, _searchButton->y());
        b = Geometry::fromQt(_searchButton->geometry(), height()).topLeft();
        connect(_searchButton, &SkinButton::triggered, this, &LogLayout::didSearch);
    }
    addEventSearch(QRect(320, height() - 192, 320, 26));
    const int bx = b.x(), by = b.y();
    addButton(QRect(bx + 15, by - 28, 20, 20), TagSpeed);
    addButton(QRect(bx + 15, by - 60, 20, 20), TagGSensor);
    addButton(QRect(bx + 280, by - 60, 20, 20), TagAxisX);
    addButton(QRect(bx + 280, by - 83, 20, 20), TagAxisY);
    addButton(QRect(bx + 280, by - 106, 20, 20), TagAxisZ);
    _speed = addField(QRect(bx + 200, by - 29, 50, 18), QStringLiteral("60"), 3, 0);
    const int fieldY[] = {by - 59, by - 82, by - 105};
    for (int axis = 0; axis < 3; ++axis)
        _sensor[axis] = addField(QRect(bx + 200, fieldY[axis], 50, 18), QStringLiteral("0.40"), 4, 2);
}

// A row of its own: a box and the kind of driving event to list.
void LogLayout::addEventSearch(const QRect &row)
{
    const int x = row.x() + 14;
    const int y = row.y() + 2;
    QCheckBox *box = addButton(QRect(x, y + 1, 20, 20), TagEvent);
    box->setToolTip(Texts::text("tooltip_search_events"));
    _eventKind = new QComboBox(this);
    _eventKind->setGeometry(qtRect(QRect(x + 26, y, row.right() - 8 - (x + 26), 22)));
    _eventKind->addItem(Texts::text("gui_all_events"), -1);
    for (int k = 0; k <= int(DrivingEvents::Kind::Speeding); ++k) {
        const auto kind = DrivingEvents::Kind(k);
        QPixmap dot(10, 10);
        dot.fill(DrivingEvents::colourOf(kind));
        _eventKind->addItem(QIcon(dot), Texts::text(DrivingEvents::kindTextId(kind)), k);
    }
    _eventKind->setToolTip(Texts::text("tooltip_search_events"));
    // Choosing a kind asks for the event search.
    connect(_eventKind, &QComboBox::activated, box, [box] { box->setChecked(true); });
}

QCheckBox *LogLayout::addButton(const QRect &frame, int tag)
{
    auto *box = new QCheckBox(this);
    box->setGeometry(qtRect(frame));
    box->setProperty("tag", tag);
    _checks[tag] = box;
    return box;
}

QLineEdit *LogLayout::addField(const QRect &frame, const QString &text, int maxLength,
                               int fractionDigits)
{
    auto *field = new QLineEdit(text, this);
    field->setGeometry(qtRect(frame));
    field->setFrame(false);
    field->setAlignment(Qt::AlignCenter);
    auto *formatter = new NumberFormatter(maxLength, field);
    formatter->setMinimumFractionDigits(fractionDigits);
    field->setValidator(formatter);
    return field;
}

QCheckBox *LogLayout::checkBox(int tag) const
{
    const auto it = _checks.find(tag);
    return it == _checks.end() ? nullptr : it->second;
}

QList<FileLog *> LogLayout::logFiles() const
{
    QList<FileLog *> logs;
    for (const QPointer<FileLog> &log : _logData)
        if (log)
            logs.append(log);
    return logs;
}

// ---- Loading and position ----

bool LogLayout::setData(const QList<ListRow> &rows)
{
    QList<FileLog *> logs;
    std::vector<const vexa_log_file *> files;
    for (const ListRow &row : rows) {
        FileLog *log = _fileManager ? _fileManager->logAtIndex(row.idx) : nullptr;
        if (!log || log->count() == 0)
            continue;
        logs.append(log);
        files.push_back(&log->file());
    }
    // Checked before anything changes, so a refused choice leaves the page whole.
    if (LogSearch::outOfOrderAt(files) >= 0)
        return false;
    _tableData->clear();
    _logData.clear();
    _videoData.clear();
    for (FileLog *log : logs)
        _logData.append(log);
    if (!logs.isEmpty())
        for (FileVideo *video : _fileManager->videoWithFromDate(logs.first()->logAtIndex(0).time,
                                                                logs.last()->lastLog().time))
            _videoData.append(video);
    _skinLogGraph->loadWithFileLogs(logs);
    return true;
}

void LogLayout::setFileLog(FileLog *fileLog, qint64 logIndex)
{
    _fileLog = fileLog;
    _skinLogGraph->setFileLog(fileLog, logIndex);
    if (fileLog && logIndex >= 0 && logIndex < fileLog->count())
        _log_info = fileLog->logAtIndex(logIndex);
    else
        _log_info.reset();
    update(qtRect(QRect(0, 145, 320, 115)));
}

void LogLayout::clear()
{
    _tableData->clear();
    _videoView->drawImage(QImage(), nullptr, QString(), false);
    _logData.clear();
    _videoData.clear();
    _fileLog = nullptr;
    _skinLogGraph->clear();
    _log_info.reset();
    update();
}

FrameInfo LogLayout::infoAtTimestamp(const _vexa_log_info_t &record, bool forward) const
{
    for (const QPointer<FileVideo> &video : _videoData) {
        if (!video)
            continue;
        const qint64 index = video->indexAtTimestamp(record.time, forward);
        if (index != -1)
            return {video, index};
    }
    return {};
}

QString LogLayout::logEventString(const _vexa_log_info_t &record) const
{
    const FrameInfo info = infoAtTimestamp(record, true);
    if (!info.file || info.index < 0 || info.index >= info.file->frameCount())
        return QString();
    return DisplayFormat::eventTypeString(info.file->headerAtIndex(info.index).event_type);
}

void LogLayout::playPrevious()
{
    const qsizetype at = _logData.indexOf(_fileLog);
    if (!_fileLog || at <= 0)
        return;
    FileLog *log = _logData[at - 1];
    if (!log)
        return;
    setFileLog(log, log->count() - 1);
    emit selectedLog(log, log->count() - 1, false);
}

void LogLayout::playNext()
{
    const qsizetype at = _logData.indexOf(_fileLog);
    if (!_fileLog || at < 0 || at + 1 >= _logData.size())
        return;
    FileLog *log = _logData[at + 1];
    if (!log)
        return;
    setFileLog(log, 0);
    emit selectedLog(log, 0, false);
}

// A click right of every record reports no log; there is nothing to move to.
void LogLayout::skinLogGraphChangeFileLog(FileLog *fileLog, qint64 logIndex)
{
    if (!fileLog)
        return;
    setFileLog(fileLog, logIndex);
    emit selectedLog(fileLog, logIndex, true);
}

void LogLayout::chooseRow(int row)
{
    if (row < 0 || row >= _tableData->rows().size())
        return;
    const LogResultModel::Row &r = _tableData->rows()[row];
    if (!r.file)
        return;
    FileLog *log = r.file;
    const qint64 index = r.index;
    setFileLog(log, index);
    emit selectedLog(log, index, true);
}

void LogLayout::setDisplayFormat(const DisplayFormat &format)
{
    _format = format;
    _skinLogGraph->setDisplayFormat(format);
    _tableData->setDisplayFormat(format);
    update();
}

void LogLayout::setVideoFlip(int flip)
{
    _videoView->setFlip(flip);
}

// ---- Search ----

LogSearch::Criteria LogLayout::criteria() const
{
    LogSearch::Criteria c;
    c.speedOn = checkBox(TagSpeed)->isChecked();
    c.gOn = checkBox(TagGSensor)->isChecked();
    c.xOn = checkBox(TagAxisX)->isChecked();
    c.yOn = checkBox(TagAxisY)->isChecked();
    c.zOn = checkBox(TagAxisZ)->isChecked();
    c.speedLimit = _speed->text().toDouble();
    c.xLimit = _sensor[0]->text().toDouble();
    c.yLimit = _sensor[1]->text().toDouble();
    c.zLimit = _sensor[2]->text().toDouble();
    c.eventOn = checkBox(TagEvent)->isChecked();
    const int kind = _eventKind->currentData().toInt();
    if (kind >= 0)
        c.eventKind = DrivingEvents::Kind(kind);
    c.thresholds = DrivingEvents::storedThresholds(_format);
    c.format = _format;
    return c;
}

void LogLayout::didSearch()
{
    _tableData->clear();
    const QList<FileLog *> logs = logFiles();
    std::vector<const vexa_log_file *> files;
    for (FileLog *log : logs)
        files.push_back(&log->file());
    QList<LogResultModel::Row> rows;
    for (const LogSearch::Row &hit : _search.search(files, criteria()))
        rows.append({logs[hit.log], hit.index, hit.number, hit.kind});
    _tableData->setRows(std::move(rows));
}

// ---- Drawing ----

QStringList LogLayout::readoutTexts() const
{
    return _log_info ? readoutTexts(*_log_info, _format) : QStringList();
}

QStringList LogLayout::readoutTexts(const _vexa_log_info_t &r, const DisplayFormat &format)
{
    const QString comma(QChar(0xFF0C));
    const QString speedUnit = format.speedFormat();
    const QString altitudeUnit = format.altitudeFormat();
    QStringList lines{format.dateString(r.time)};
    if (r.gps_valid) {
        lines << dmsText(r.latitude, 'N', 'S') << dmsText(r.longitude, 'E', 'W')
              << QStringLiteral("%1 %2  [%3]%4  %5 %6")
                     .arg(wholeNumber(format.speedValue(r.speed)))
                     .arg(speedUnit, DisplayFormat::courseString(r.course), comma)
                     .arg(format.altitudeValue(r.altitude), 0, 'f', 0)
                     .arg(altitudeUnit);
    } else {
        const QString marks = QString(QChar(0x02DA)) + QStringLiteral(" --") + QChar(0x2019)
                              + QStringLiteral(" --.--") + QChar(0x201D);
        lines << QStringLiteral("--") + marks + QStringLiteral(" N")
              << QStringLiteral("---") + marks + QStringLiteral(" E")
              << QStringLiteral("- %1 [-]%2  -%3").arg(speedUnit, comma, altitudeUnit);
    }
    lines << QString::asprintf("%d/%d (%.2f)", r.satellites_used, r.satellites_in_view,
                               double(r.hdop));
    return lines;
}

// Text whose line box stands on y.
void LogLayout::drawText(QPainter &painter, const QString &text, int x, int y,
                         const QColor &colour)
{
    const int lineHeight = painter.fontMetrics().height();
    painter.setPen(colour);
    painter.drawText(QRect(x, height() - y - lineHeight, width() - x, lineHeight),
                     Qt::AlignLeft | Qt::AlignBottom, text);
}

void LogLayout::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    p.fillRect(event->rect(), Qt::white);
    p.fillRect(qtRect(QRect(1, 145, 318, 170)), kPanel);
    p.fillRect(qtRect(QRect(320, 145, 320, 143)), kPanel);
    p.fillRect(qtRect(QRect(320, height() - 192, 320, 26)), kPanel);

    const int rows[] = {235, 215, 195, 175, 155};
    const QString labels[] = {
        Texts::text("gui_date_time"), Texts::text("gui_latitude"), Texts::text("gui_longitude"),
        QStringLiteral("%1, %2").arg(Texts::text("gui_speed"), Texts::text("gui_altitude")),
        QStringLiteral("%1 (HDOP)").arg(Texts::text("gui_satelite"))};
    const QFont font = p.font();
    for (int i = 0; i < 5; ++i) {
        p.setFont(fittedFont(font, labels[i], 128));
        drawText(p, labels[i], 10, rows[i], kLightGray);
        p.setFont(font);
        drawText(p, QStringLiteral(":"), 140, rows[i], kLightGray);
    }
    drawText(p, Texts::text("gui_gps_speed_over"), 360, 234, kLightGray);
    drawText(p, _format.speedFormat(), 593, 234, kLightGray);
    drawText(p, Texts::text("gui_gsensor_x_over"), 360, 203, Qt::red);
    drawText(p, Texts::text("gui_gsensor_y_over"), 360, 180, Qt::green);
    drawText(p, Texts::text("gui_gsensor_z_over"), 360, 157, kAxisBlue);
    // Ticked axes are searched together: a record must exceed every one of them.
    QFont note = font;
    note.setPointSizeF(font.pointSizeF() * 0.8);
    p.setFont(fittedFont(note, Texts::text("gui_all_ticked_axes"), 180));
    p.setPen(kLightGray);
    p.drawText(qtRect(QRect(440, 145, 198, 13)), Qt::AlignRight | Qt::AlignVCenter,
               Texts::text("gui_all_ticked_axes"));
    p.setFont(font);

    const QStringList values = readoutTexts();
    for (qsizetype i = 0; i < values.size() && i < 5; ++i)
        drawText(p, values[i], 150, rows[i], kLightGray);
}
