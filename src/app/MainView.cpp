#include "MainView.h"

#include "AboutBox.h"
#include "CameraSettings.h"
#include "FileLog.h"
#include "FileVideo.h"
#include "FolderOpener.h"
#include "Geometry.h"
#include "ListView.h"
#include "LogLayout.h"
#include "MapView.h"
#include "OpenFileCache.h"
#include "PopupMenus.h"
#include "Preferences.h"
#include "ProductVariant.h"
#include "SkinButton.h"
#include "SkinDateTime.h"
#include "SkinGSensor.h"
#include "SkinGps.h"
#include "SkinGraph.h"
#include "SkinManager.h"
#include "SkinSpeed.h"
#include "Texts.h"
#include "UsbManager.h"
#include "VideoLayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QThread>

#include <cmath>

MainView::MainView(std::unique_ptr<SkinManager> skin, QWidget *parent)
    : QWidget(parent), _skinManager(std::move(skin))
{
    // Skin rectangles are laid out in the 1024 x 768 window; everything is placed for it.
    resize(Width, Height);
    setFocusPolicy(Qt::StrongFocus);
    // Built in a fixed order: models, video area and log page, date, read-outs, graph,
    // lists and map, buttons; then each part is joined.
    _fileManager = new FileManager(this);
    _usbManager = new UsbManager(UsbManager::busFromEnvironment(), this);
    _backImage = _skinManager->imageForKey(0);
    createParts();
    createReadouts();
    createPanels();
    createButtons();
    joinFileManager();
    joinVideoLayout();
    joinLogLayout();
    joinReadouts();
    joinSkinGraph();
    joinListView();
    joinMapView();
    reloadDisplaySettings();
}

MainView::~MainView()
{
    // The models stop before the widgets they report to go away.
    if (_fileVideo)
        _fileVideo->pause();
    if (_fileLog)
        _fileLog->pause();
    _fileManager->disconnect(this);
    // Each reads at most a bounded sample of comments, so waiting is short.
    for (QThread *thread : std::as_const(_clockThreads)) {
        thread->disconnect(this);
        thread->wait();
        delete thread;
    }
}

// The video area first, then the log page in the same place, the date strip beside them.
void MainView::createParts()
{
    _videoLayout = new VideoLayout(_skinManager.get(), this);
    _skinDateTime = new SkinDateTime(_videoLayout, this);
}

void MainView::createReadouts()
{
    auto place = [this](QWidget *widget, const QRect &frame) {
        widget->setGeometry(Geometry::toQt(frame, Height));
    };
    _skinSpeed = new SkinSpeed(this);
    place(_skinSpeed, QRect(55, 161, 62, 29));
    _skinGSensorX = new SkinGSensor(this);
    place(_skinGSensorX, QRect(85, 128, 67, 20));
    _skinGSensorY = new SkinGSensor(this);
    place(_skinGSensorY, QRect(85, 100, 67, 20));
    _skinGSensorZ = new SkinGSensor(this);
    place(_skinGSensorZ, QRect(85, 72, 67, 20));
    _skinGps = new SkinGps(this);
    place(_skinGps, QRect(11, 14, 168, 45));
}

// The G-sensor graph, the file lists and the map, in this order.
void MainView::createPanels()
{
    _skinGraph = new SkinGraph(_skinManager.get(), _fileManager, this);
    _listView = new ListView(*_skinManager, _fileManager, this);
    _mapView = new MapView(_skinManager.get(), _fileManager, this);
}

void MainView::createButtons()
{
    addButtonWithKey(TagMinimize, nullptr, "tooltip_minimize");
    addButtonWithKey(TagExit, nullptr, "tooltip_exit");
    addButtonWithKey(TagOpen, nullptr, "tooltip_open");
    addButtonWithKey(TagSaveJpg, nullptr, "tooltip_save_image");
    addButtonWithKey(TagPrint, nullptr, "tooltip_print_image");
    addButtonWithKey(TagSaveAvi, nullptr, "tooltip_save_avi");
    addButtonWithKey(TagBackup, nullptr, "tooltip_backup");
    addButtonWithKey(TagDeviceSetting, nullptr, "tooltip_setting");
    addButtonWithKey(TagAbout, nullptr, "tooltip_about");
    addButtonWithKey(TagFastBackPlay, nullptr, "tooltip_back_fast");
    addButtonWithKey(TagPrevFrame, nullptr, "tooltip_previous");
    addButtonWithKey(TagBackPlay, nullptr, "tooltip_back_play");
    addButtonWithKey(TagStop, nullptr, "tooltip_pause");
    addButtonWithKey(TagPlay, nullptr, "tooltip_play");
    addButtonWithKey(TagNextFrame, nullptr, "tooltip_next");
    addButtonWithKey(TagFastPlay, nullptr, "tooltip_play_fast");
    addButtonWithKey(TagZoomIn, nullptr, "tooltip_zoom_in");
    addButtonWithKey(TagZoomOut, nullptr, "tooltip_zoom_out");
    addButtonWithKey(TagDefaultZoom, nullptr, "tooltip_default");
    addButtonWithKey(TagFileMenu, "menu_file", nullptr);
    addButtonWithKey(TagEditMenu, "menu_edit", nullptr);
    addButtonWithKey(TagViewMenu, "menu_view", nullptr);
    addButtonWithKey(TagPlayMenu, "menu_play", nullptr);
    addButtonWithKey(TagToolMenu, "menu_tool", nullptr);
    addButtonWithKey(TagHelpMenu, "menu_help", nullptr);
    addButtonWithKey(TagSingleView, nullptr, "tooltip_single_view");
    addButtonWithKey(TagThumbView, nullptr, "tooltip_thumb_view");
    unifyMenuTitles();
}

// Titles shrunk one by one would come out in mixed sizes (long German words): the menu bar
// uses one size, the largest that fits every title.
void MainView::unifyMenuTitles()
{
    QFont common = font();
    qreal size = common.pointSizeF();
    for (int tag = TagFileMenu; tag <= TagHelpMenu; ++tag) {
        if (const SkinButton *button = buttonWithTag(tag)) {
            QFont fitted = button->font();
            SkinButtonBase::fittedTitle(button->text(), button->width() - 4, &fitted);
            size = std::min(size, fitted.pointSizeF());
        }
    }
    common.setPointSizeF(size);
    for (int tag = TagFileMenu; tag <= TagHelpMenu; ++tag)
        if (SkinButton *button = buttonWithTag(tag))
            button->setFont(common);
}

// One skinned button of the skin item `key`, tagged with the key; the minimize button
// acts on the window, menu buttons pop up their menu, every other one is a command.
void MainView::addButtonWithKey(int key, const char *title, const char *tooltip)
{
    SkinButton *button = SkinButton::create(*_skinManager, key, this,
                                            title ? Texts::text(title) : QString(),
                                            tooltip ? Texts::text(tooltip) : QString());
    if (!button)
        return;
    _buttons[key] = button;
    if (key == TagMinimize)
        connect(button, &SkinButton::triggered, this, [this] { window()->showMinimized(); });
    else if (key >= TagFileMenu && key <= TagHelpMenu)
        connect(button, &SkinButton::triggered, this, &MainView::didMenu);
    else
        connect(button, &SkinButton::triggered, this, &MainView::didCommand);
}

SkinButton *MainView::buttonWithTag(int tag) const
{
    const auto it = _buttons.find(tag);
    return it == _buttons.end() ? nullptr : it->second;
}

// ---- Drawing ----

QString MainView::speedText(double speed)
{
    if (speed == 0.5 || speed == -0.5)
        return QString::number(speed, 'f', 1);
    return QString::number(qint64(std::trunc(speed)));
}

// The zone and clock lines share the free band left of the date read-out.
QRect MainView::clockLineRect() const
{
    return zoneLineRect().translated(0, 14);
}

QRect MainView::zoneLineRect() const
{
    if (!_skinDateTime)
        return {};
    const QRect date = _skinDateTime->geometry();
    return QRect(date.x() - 236, date.y() + 1, 230, 14);
}

QRect MainView::speedLabelRect() const
{
    const SkinButton *fast = buttonWithTag(TagFastPlay);
    if (!fast)
        return {};
    const QRect button = Geometry::fromQt(fast->geometry(), Height);
    return Geometry::toQt(QRect(button.x() + button.width(), button.y() - 17, 30, button.height()),
                          Height);
}

QFont MainView::speedLabelFont(const QString &text)
{
    QFont font;
    font.setPointSize(12);
    font.setBold(true);
    SkinButtonBase::fittedTitle(text, SpeedBadgeInside, &font);
    return font;
}

// Text drawn with its line box standing on y (bottom-left coordinates of the window).
void MainView::drawText(QPainter &painter, const QString &text, int x, int y, int pointSize,
                        const QColor &color)
{
    QFont font = painter.font();
    font.setPointSize(pointSize);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(color);
    const int lineHeight = QFontMetrics(font).height();
    painter.drawText(QRect(x, Height - y - lineHeight, Width - x, lineHeight),
                     Qt::AlignLeft | Qt::AlignBottom, text);
}

void MainView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    // Only the exposed part of the background: every instrument update repaints below it.
    const QRect exposed = event->rect();
    const qreal sx = qreal(_backImage.width()) / width();
    const qreal sy = qreal(_backImage.height()) / height();
    painter.drawImage(QRectF(exposed), _backImage,
                      QRectF(exposed.x() * sx, exposed.y() * sy, exposed.width() * sx,
                             exposed.height() * sy));
    if (_fullWindow)
        return;
    drawText(painter, _displayFormat.speedFormat(), 130, 161, 14, Qt::black);
    drawText(painter, Texts::text("gui_gsensor_x"), 61, 129, 12, Qt::red);
    drawText(painter, Texts::text("gui_gsensor_y"), 61, 101, 12, Qt::green);
    drawText(painter, Texts::text("gui_gsensor_z"), 61, 73, 12, Qt::blue);

    const QString speed = speedText(_speed);
    painter.setFont(speedLabelFont(speed));
    painter.setPen(Qt::black);
    painter.drawText(speedLabelRect(), Qt::AlignCenter, speed);

    if (!_zoneLine.isEmpty()) {
        painter.setFont(QFont(font().family(), 9));
        painter.setPen(QColor(40, 40, 40));
        painter.drawText(zoneLineRect(), Qt::AlignRight | Qt::AlignVCenter, _zoneLine);
    }
    if (!_clockLine.isEmpty()) {
        painter.setFont(QFont(font().family(), 9));
        painter.setPen(_clockMarked ? QColor(190, 20, 10) : QColor(40, 40, 40));
        painter.drawText(clockLineRect(), Qt::AlignRight | Qt::AlignVCenter,
                         _clockMarked ? QStringLiteral("\u26a0 ") + _clockLine : _clockLine);
    }

    if (!_rootPath.isEmpty() && !_vehicleId.isEmpty())
        drawText(painter, _vehicleId, ProductVariant::vehicleIdX(ProductVariant::current()),
                 Height - 24, 12, Qt::white);
}

// The identifier is read when the root folder changes, not on every repaint.
void MainView::reloadVehicleId()
{
    _vehicleId.clear();
    if (_rootPath.isEmpty())
        return;
    const CameraSettings settings = CameraSettings::read(_rootPath.toStdString());
    _vehicleId = QString::fromStdString(settings.string("VEHICLEID"));
}

void MainView::setRootPath(const QString &path)
{
    _rootPath = path;
    reloadVehicleId();
    update();
}

void MainView::resizeEvent(QResizeEvent *)
{
    if (_fullWindow)
        emit videoLayoutSetFullWindow(true);
}

// ---- Keyboard ----

void MainView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
        tagCommand(TagPlayPause);
        return;
    case Qt::Key_4:
    case Qt::Key_Left:
        tagCommand(TagPrevFrame);
        return;
    case Qt::Key_6:
    case Qt::Key_Right:
        tagCommand(TagNextFrame);
        return;
    case Qt::Key_Escape:
        if (_fullScreen) {
            leaveFullScreen();
            setFocus();
            tagCommand(TagLeaveFullWindow);
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

// ---- Menus ----

QMenu *MainView::buildMenu(int menuTag, QWidget *parent)
{
    PopupMenus::State state;
    state.opened = _opened;
    state.fileVideo = _fileVideo != nullptr;
    state.fileLog = _fileLog != nullptr;
    return PopupMenus::build(menuTag, state, parent, [this](int tag) { didCommand(tag); });
}

void MainView::didMenu(int menuTag)
{
    SkinButton *button = buttonWithTag(menuTag);
    if (!button)
        return;
    std::unique_ptr<QMenu> menu(buildMenu(menuTag, this));
    button->showMenu(menu.get());
    // The menu took the mouse release; the button returns to rest whatever was chosen.
    button->updateImage(SkinButton::StateNormal);
}

// ---- Commands ----

void MainView::didCommand(int tag)
{
    if (tag == TagContinuousPlay) {
        if (auto *check = qobject_cast<SkinButtonBase *>(sender()))
            _playContinue = check->isChecked();
        return;
    }
    if (tag == TagExit) {
        window()->close();
        QCoreApplication::quit();
        return;
    }
    tagCommand(tag);
}

// ---- Folder ----

// Cancelling the chooser, or choosing a folder that is no card, leaves the open card as it
// was: the settings window must never act on a folder the user did not open.
void MainView::openFolder()
{
    if (const QString folder = FolderOpener::chooseFolder(window()); !folder.isEmpty())
        openFolderPath(folder);
}

bool MainView::openFolderPath(const QString &folder)
{
    // A typed or remembered path may be gone; that is not a wrong folder.
    if (!QFileInfo(folder).isDir()) {
        showAlert(Texts::text("msg_folder_not_found").arg(QDir::toNativeSeparators(folder)));
        return false;
    }
    if (!FileManager::checkFolder(folder)) {
        showAlert(Texts::text("msg_invalid_sd_folder"));
        return false;
    }
    setRootPath(folder);
    FolderOpener::loadFolder(window(), _fileManager, folder);
    openedFolder();
    return _fileManager->validFolder();
}

// A cancelled load has emptied the model: the viewer is left with no card at all.
void MainView::openedFolder()
{
    if (_fileManager->loadCancelled()) {
        unload();
        return;
    }
    showSkippedFiles(_fileManager->skippedFiles());
    if (!_fileManager->validFolder()) {
        showAlert(Texts::text("msg_invalid_sd_folder"));
        return;
    }
    emit listViewLoad();
    _opened = true;
    update();
}

void MainView::close()
{
    if (_fileVideo)
        _fileVideo->pause();
    if (_fileLog)
        _fileLog->pause();
    emit videoLayoutClear();
    emit skinSpeedSetSpeed(-1);
    emit skinGSensorXSetVal(0.0);
    emit skinGSensorYSetVal(0.0);
    emit skinGSensorZSetVal(0.0);
    emit skinGpsSetLatitude(SkinGps::NoPosition, 0.0);
    emit skinDateTimeSetDate(nullptr);
    _zoneLine.clear();
    update(zoneLineRect());
    emit skinGraphClear();
    emit mapViewClear();
    emit logLayoutClear();
    _fileVideo = nullptr;
    _fileLog = nullptr;
    _logFileVideo = nullptr;
    _logFrameIndex = -1;
    // Nothing on screen reads the card any more: no descriptor may keep it busy.
    OpenFileCache::instance().releaseAll();
    showClockOffset(nullptr, std::nullopt);
    pause();
}

void MainView::unload()
{
    _fileManager->close();
    reloadDisplaySettings();
    // The card is closed: its vehicle leaves the title strip until a card is opened again.
    _vehicleId.clear();
    update();
    emit listViewClear();
    close();
    if (_logLayout)
        _logLayout->hide();
    _videoLayout->show();
    _opened = false;
}

void MainView::reloadDisplaySettings()
{
    _displayFormat = DisplayFormat::fromPreferences();
    const int flip = Preferences::videoFlip();
    _skinSpeed->setDisplayFormat(_displayFormat);
    _skinDateTime->setDisplayFormat(_displayFormat);
    _videoLayout->setDisplayFormat(_displayFormat);
    _videoLayout->setVideoFlip(flip);
    _skinGraph->setDisplayFormat(_displayFormat);
    _listView->setDisplayFormat(_displayFormat);
    _mapView->setDisplayFormat(_displayFormat);
    if (auto *log = qobject_cast<LogLayout *>(_logLayout.data())) {
        log->setDisplayFormat(_displayFormat);
        log->setVideoFlip(flip);
    }
    update();
}

void MainView::showAlert(const QString &message)
{
    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(), message,
                    QMessageBox::Ok, window());
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}

// Names the files that could not be read, the first few in full.
void MainView::showSkippedFiles(const QStringList &files)
{
    if (files.isEmpty())
        return;
    constexpr qsizetype shown = 10;
    QStringList lines = files.first(std::min(shown, files.size()));
    // A log over an hour is refused whole; the user should know it is not damaged.
    for (QString &line : lines)
        if (line.endsWith(u".log", Qt::CaseInsensitive)
            && FileLog::refusedForLength(QDir(_rootPath).filePath(line)))
            line += QStringLiteral(" (%1)").arg(Texts::text("msg_log_too_many_records"));
    QString text = Texts::text("msg_files_skipped").arg(files.size()) + u'\n' + lines.join(u'\n');
    if (files.size() > shown)
        text += QStringLiteral("\n…");
    QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, window());
    box.exec();
}

void MainView::showHelp()
{
    AboutBox::show(window(), _opened, _rootPath);
}
