// The command switch, split by menu: every tag of a button, menu item or key, its
// precondition and the alert shown when that fails, and its action.
#include "MainView.h"

#include "BackupWindow.h"
#include "CardOverviewWindow.h"
#include "DeviceSettingWindow.h"
#include "EjectCardWindow.h"
#include "EvidenceWindow.h"
#include "FileVideo.h"
#include "InitCardWindow.h"
#include "LogLayout.h"
#include "MainWindow.h"
#include "Preferences.h"
#include "PrintWindow.h"
#include "ProductVariant.h"
#include "ReportPictures.h"
#include "SaveJpgWindow.h"
#include "SaveAviWindow.h"
#include "SettingWindow.h"
#include "SkinButton.h"
#include "SkinGraph.h"
#include "SkinLogGraph.h"
#include "Texts.h"
#include "VideoLayout.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

void MainView::tagCommand(int tag)
{
    fileCommand(tag) || editCommand(tag) || viewCommand(tag) || playMenuCommand(tag)
        || toolCommand(tag) || helpCommand(tag);
}

// The file menu, with the tabs and the close button of the list page.
bool MainView::fileCommand(int tag)
{
    switch (tag) {
    case TagOpen:
        openFolder();
        return true;
    case TagEventList:
    case TagLogList:
    case TagNormalList:
        listTabCommand(tag);
        return true;
    case TagFileList:
        emit listViewClose();
        return true;
    case TagPrint:
        exportCommand(tag);
        return true;
    case TagViewerSetting:
        viewerSettingCommand();
        return true;
    case TagClose:
        close();
        return true;
    default:
        return false;
    }
}

bool MainView::editCommand(int tag)
{
    if (tag != TagSelectAll && tag != TagUnselectAll)
        return false;
    emit listViewCheckAll(tag == TagSelectAll);
    return true;
}

// The view menu, with the layout and graph zoom buttons and the full-window keys.
bool MainView::viewCommand(int tag)
{
    switch (tag) {
    case TagSingleView:
        emit videoLayoutChangeDivision(VideoLayout::Single);
        return true;
    case TagThumbView:
        emit videoLayoutChangeDivision(VideoLayout::Thumbnail);
        return true;
    case TagZoomIn:
    case TagZoomOut:
        if (_answers.graphZoom)
            setGraphZoom(_answers.graphZoom() + (tag == TagZoomIn ? 1.0 : -1.0));
        return true;
    case TagDefaultZoom:
        setGraphZoom(3.0);
        return true;
    case TagGraphScale1:
    case TagGraphScale2:
    case TagGraphScale3:
    case TagGraphScale4:
        setGraphZoom(4.0 - (tag - TagGraphScale1));
        return true;
    case TagFullWindow:
        if (_fileVideo)
            enterFullWindow();
        return true;
    case TagCardOverview:
        if (!_opened)
            showAlert(Texts::text("msg_no_event_loaded"));
        else
            cardOverviewCommand();
        return true;
    case TagFullScreen:
        // The full-screen key leaves full screen too, as on the desktop.
        if (_fullScreen) {
            leaveFullScreen();
            setFocus();
            leaveFullWindow();
        } else if (_fileVideo) {
            enterFullScreen();
            enterFullWindow();
        }
        return true;
    case TagLeaveFullWindow:
        leaveFullWindow();
        return true;
    default:
        return false;
    }
}

bool MainView::playMenuCommand(int tag)
{
    switch (tag) {
    case TagFastBackPlay:
    case TagBackPlay:
    case TagPlay:
    case TagFastPlay:
        playCommand(tag);
        return true;
    case TagPrevFrame:
    case TagNextFrame:
        stepCommand(tag == TagNextFrame);
        return true;
    case TagStop:
        stopCommand();
        return true;
    case TagPlayPause:
        playMenuCommand(_speed == 0 ? TagPlay : TagStop);
        return true;
    default:
        return false;
    }
}

bool MainView::toolCommand(int tag)
{
    switch (tag) {
    case TagSaveJpg:
    case TagSaveAvi:
        exportCommand(tag);
        return true;
    case TagBackup:
    case TagEvidence:
        if (!_opened)
            showAlert(Texts::text("msg_no_event_loaded"));
        else if (tag == TagBackup)
            emit listViewBackup();
        else
            emit listViewEvidence();
        return true;
    case TagDeviceSetting:
        if (!_opened)
            showAlert(Texts::text("msg_no_sdcard"));
        else
            deviceSettingCommand();
        resetButton(TagToolMenu);
        return true;
    case TagEjectCard:
        ejectCardCommand();
        return true;
    case TagFormatCard:
        formatCardCommand();
        return true;
    default:
        return false;
    }
}

bool MainView::helpCommand(int tag)
{
    if (tag == TagAbout)
        showHelp();
    else if (tag == TagHomePage)
        openHomePage();
    else
        return false;
    return true;
}

// Print, save image and save movie: they need a picture, and the two saves a recording.
void MainView::exportCommand(int tag)
{
    FileVideo *video = nullptr;
    qint64 frameIndex = -1;
    if (!currentPicture(&video, &frameIndex))
        showAlert(Texts::text("msg_no_event_loaded"));
    else if (tag == TagPrint)
        printReport(video, frameIndex);
    else if (!video)
        showAlert(Texts::text("msg_no_preview_img"));
    else if (tag == TagSaveJpg)
        SaveJpgWindow(window(), video, frameIndex, _displayFormat).runModal();
    else
        SaveAviWindow(video, frameIndex, _rootPath, _displayFormat, window()).runModal();
}

// The picture the export commands act on: the recording matched to the current log
// record on the log page, else the current recording's frame.
bool MainView::currentPicture(FileVideo **video, qint64 *frameIndex) const
{
    if (_fileLog) {
        *video = _logFileVideo;
        *frameIndex = _logFrameIndex;
        return true;
    }
    if (_fileVideo) {
        *video = _fileVideo;
        *frameIndex = _fileVideo->currentIndex();
        return true;
    }
    return false;
}

void MainView::listTabCommand(int tag)
{
    emit listViewClose();
    emit listViewSelectTab(tag);
    QString tab = tag == TagEventList    ? QStringLiteral("event")
                  : tag == TagNormalList ? QStringLiteral("normal")
                                         : QStringLiteral("log");
    if (_answers.selectedTab)
        tab = _answers.selectedTab();
    listViewSelectedTab(tab);
}

void MainView::setGraphZoom(double zoom)
{
    emit skinGraphSetZoom(zoom);
    emit logGraphSetZoom(zoom);
}

// Only the video area stays, filling the window; playback goes on as it was.
void MainView::enterFullWindow()
{
    if (!_fullWindow) {
        _fullWindowShown.clear();
        for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (child->isVisibleTo(this))
                _fullWindowShown.append(child);
    }
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->hide();
    _fullWindow = true;
    _videoLayout->show();
    emit videoLayoutSetFullWindow(true);
    resetButton(TagViewMenu);
    update();
}

void MainView::leaveFullWindow()
{
    // What was shown before comes back, and only that: leaving while the log page is shown
    // does not put the video area back in its place.
    if (!_fullWindow)
        return;
    _videoLayout->hide();
    for (const QPointer<QWidget> &child : std::as_const(_fullWindowShown))
        if (child)
            child->show();
    _fullWindowShown.clear();
    _fullWindow = false;
    emit videoLayoutSetFullWindow(false);
    update();
}

void MainView::enterFullScreen()
{
    _fullScreen = true;
    if (auto *main = qobject_cast<MainWindow *>(window()))
        main->setFullScreen(true);
    else
        window()->showFullScreen();
}

void MainView::leaveFullScreen()
{
    _fullScreen = false;
    if (auto *main = qobject_cast<MainWindow *>(window()))
        main->setFullScreen(false);
    else
        window()->showNormal();
}

void MainView::resetButton(int tag)
{
    if (SkinButton *button = buttonWithTag(tag))
        button->updateImage(SkinButton::StateNormal);
}

void MainView::viewerSettingCommand()
{
    SettingWindow window(this->window());
    if (window.runModal())
        unload();
    resetButton(TagFileMenu);
}

void MainView::deviceSettingCommand()
{
    const auto variant = ProductVariant::current() == ProductVariant::Orvisto
                             ? CameraSettings::Variant::Orvisto
                             : CameraSettings::Variant::Default;
    DeviceSettingWindow window(_rootPath, _fileManager, this->window(), variant);
    window.setBackupRunner([this] {
        BackupWindow backup(_fileManager, _rootPath, this->window());
        backup.runModal();
        return backup.completed();
    });
    window.setFormatRunner([this] {
        unload();
        InitCardWindow format(_usbManager, this->window());
        format.runModal();
    });
    // The lists would still show recordings the window deleted.
    if (window.runModal() == DeviceSettingWindow::Saved || window.dataDeleted())
        unload();
}

// The card is closed before the window opens, so no file of ours keeps it busy.
void MainView::ejectCardCommand()
{
    unload();
    EjectCardWindow window(_usbManager, this->window());
    window.runModal();
    resetButton(TagToolMenu);
}

void MainView::formatCardCommand()
{
    QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(),
                    Texts::text("msg_init_sdcard"), QMessageBox::NoButton, window());
    QPushButton *cancel = box.addButton(Texts::text("gui_cancel"), QMessageBox::RejectRole);
    QPushButton *ok = box.addButton(Texts::text("gui_ok"), QMessageBox::AcceptRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == ok) {
        unload();
        InitCardWindow window(_usbManager, this->window());
        window.runModal();
    }
    resetButton(TagToolMenu);
}

// Without a browser the user still gets the address, selectable so it can be copied.
void MainView::openHomePage()
{
    const QString address = ProductVariant::homePage(ProductVariant::current());
    if (QDesktopServices::openUrl(QUrl(address)))
        return;
    QMessageBox box(QMessageBox::Information, QGuiApplication::applicationDisplayName(),
                    Texts::text("msg_homepage_address").arg(address), QMessageBox::Ok, window());
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

// The print loop: the window asks what to print, the pictures are drawn from what the graphs
// show now, and a failed or cancelled print shows the window again.
void MainView::printReport(FileVideo *video, qint64 frameIndex)
{
    PrintWindow window(this, video, frameIndex);
    for (;;) {
        const int how = window.runModal();
        if (how != PrintWindow::Print && how != PrintWindow::SavePdf)
            break;
        ReportPainter::Content content;
        content.format = _displayFormat;
        content.zones = PrivacyZones::stored();
        content.flip = Preferences::videoFlip();
        content.video = video;
        content.log = _fileLog;
        content.indices = window.indices();
        content.currentFrame = frameIndex;
        content.title = window.title();
        content.comment = window.comment();
        content.graph = ReportPictures::graph(_skinGraph->picture());
        auto *log = qobject_cast<LogLayout *>(_logLayout.data());
        if (log)
            content.logGraph = ReportPictures::logGraph(log->logGraph()->picture());
        if (_fileLog && log)
            content.map = ReportPictures::route(log->logGraph()->picture(), content.zones);
        else if (video)
            content.map = ReportPictures::route(*video, frameIndex, content.zones);
        if (window.printReport(content, PrintWindow::Result(how)))
            break;
    }
}

void MainView::evidenceCommand(const QList<ListRow> &event, const QList<ListRow> &normal)
{
    QStringList paths;
    for (const auto &[rows, type] : {std::pair{&event, QStringLiteral("event")}, std::pair{&normal, QStringLiteral("normal")}})
        for (const ListRow &row : *rows)
            if (const FileVideo *video = _fileManager->videoAtIndex(row.idx, type))
                paths.append(video->path());
    FileVideo *video = nullptr;
    qint64 frameIndex = -1;
    if (paths.isEmpty() && currentPicture(&video, &frameIndex) && video)
        paths.append(video->path());
    if (paths.isEmpty()) {
        showAlert(Texts::text("msg_evidence_none_chosen"));
        return;
    }
    EvidenceWindow evidence(_fileManager, _rootPath, paths, video ? frameIndex : -1, window());
    evidence.setDisplayFormat(_displayFormat);
    evidence.runModal();
}

// One overview window, kept while the viewer runs and drawn afresh each time it is opened.
void MainView::cardOverviewCommand()
{
    if (!_cardOverview)
        _cardOverview = new CardOverviewWindow(this, window());
    _cardOverview->reload();
    _cardOverview->show();
    _cardOverview->raise();
    _cardOverview->activateWindow();
}
