// The main window and main view as the user meets them: buttons, menus, keys, drawing,
// full-window mode and dragging the window.
#include "ViewerTestSupport.h"

#include "CameraSettings.h"
#include "FileTableView.h"
#include "Geometry.h"
#include "MenuShortcuts.h"
#include "PopupMenus.h"
#include "SkinButton.h"
#include "SkinManager.h"
#include "Texts.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>

#include <map>

using TestCard::countNear;

class TestMainView : public ViewerTestCase {
    Q_OBJECT

private slots:
    void buildsEveryButtonFromTheSkin()
    {
        using enum CommandTag;
        // A sample of the tooltips; every button's place is the skin's.
        const std::map<int, const char *> tooltips = {
            {TagMinimize, "tooltip_minimize"}, {TagSaveAvi, "tooltip_save_avi"}, {TagBackPlay, "tooltip_back_play"},
            {TagStop, "tooltip_pause"}, {TagZoomIn, "tooltip_zoom_in"}, {TagThumbView, "tooltip_thumb_view"}};
        const SkinManager &skin = *_view->skinManager();
        for (const auto &[tag, tooltip] : tooltips) {
            SkinButton *button = _view->buttonWithTag(tag);
            QVERIFY2(button, qPrintable(QString::number(tag)));
            QCOMPARE(button->toolTip(), Texts::text(tooltip));
            QCOMPARE(button->geometry(), Geometry::toQt(skin.rectForKey(tag), MainView::Height));
        }
        const std::map<int, const char *> titles = {
            {TagFileMenu, "menu_file"}, {TagEditMenu, "menu_edit"}, {TagViewMenu, "menu_view"},
            {TagPlayMenu, "menu_play"}, {TagToolMenu, "menu_tool"}, {TagHelpMenu, "menu_help"}};
        for (const auto &[tag, title] : titles)
            QCOMPARE(_view->buttonWithTag(tag) ? _view->buttonWithTag(tag)->text() : QString(), Texts::text(title));
        QCOMPARE(_window->size(), QSize(1024, 768));
        QVERIFY(_window->windowFlags() & Qt::FramelessWindowHint);
    }

    void drawsLabelsAndSpeed()
    {
        const QImage paused = _view->grab().toImage();
        // "X" in red beside the X read-out, "Y" in green beside the Y read-out.
        QVERIFY(countNear(paused, Qt::red, 55, QRect(58, 619, 24, 22)) > 5);
        QVERIFY(countNear(paused, Qt::green, 55, QRect(58, 647, 24, 22)) > 5);

        openCard();
        show(QStringLiteral("event"), 0, 0);
        _view->tagCommand(MainView::TagFastPlay);
        _view->tagCommand(MainView::TagFastPlay);
        _view->tagCommand(MainView::TagStop);
        const QImage zero = _view->grab().toImage();
        _view->tagCommand(MainView::TagFastPlay);
        _view->tagCommand(MainView::TagFastPlay);
        const QImage four = _view->grab().toImage();
        _view->tagCommand(MainView::TagStop);
        // The label's rectangle reaches into the video area; compare the part above it.
        const QRect label = _view->speedLabelRect().intersected(QRect(0, 0, 1024, 86));
        QVERIFY(zero.copy(label) != four.copy(label));
        QVERIFY(zero.copy(label) == paused.copy(label));
    }

    void drawsTheVehicleIdentifierOfTheCard()
    {
        QTemporaryDir dir;
        const QString card = dir.filePath(QStringLiteral("card"));
        QVERIFY(ViewerTest::makeCard(card, 1, 1));
        const QRect strip(225, 0, 140, 30);
        QVERIFY(_view->openFolderPath(card));
        QVERIFY(_view->vehicleId().isEmpty());
        const int before = countNear(_view->grab().toImage(), Qt::white, 20, strip);

        CameraSettings settings = CameraSettings::read(card.toStdString());
        settings.set("VEHICLEID", "BUS 42");
        QVERIFY(settings.write(card.toStdString()));
        QVERIFY(_view->openFolderPath(card));
        QCOMPARE(_view->vehicleId(), QStringLiteral("BUS 42"));
        QVERIFY(countNear(_view->grab().toImage(), Qt::white, 20, strip) > before + 20);
    }

    // Every item of the six menus, and which of them are disabled without a card, with a
    // card and with a recording shown.
    void menuItemsFollowTheState()
    {
        using enum CommandTag;
        auto items = [this] {  // every item, and the disabled ones
            QList<int> all, off;
            for (int menuTag = TagFileMenu; menuTag <= TagHelpMenu; ++menuTag) {
                std::unique_ptr<QMenu> menu(_view->buildMenu(menuTag, nullptr));
                for (QAction *action : menu->findChildren<QAction *>())  // the submenus' items too
                    if (PopupMenus::tagOf(action) >= 0)
                        (action->isEnabled() ? all : off) << PopupMenus::tagOf(action);
            }
            std::sort(off.begin(), off.end());
            all += off;
            std::sort(all.begin(), all.end());
            return std::pair{all, off};
        };
        QCOMPARE(items().first, (QList<int>{
            TagAbout, TagExit, TagOpen, TagSaveJpg, TagPrint, TagSaveAvi, TagBackup,
            TagDeviceSetting, TagFastBackPlay, TagPrevFrame, TagBackPlay, TagStop, TagPlay,
            TagNextFrame, TagFastPlay, TagEventList, TagLogList, TagSingleView, TagThumbView,
            TagNormalList, TagSelectAll, TagViewerSetting, TagGraphScale1, TagGraphScale2,
            TagGraphScale3, TagGraphScale4, TagFileList, TagEjectCard, TagFormatCard,
            TagEvidence, TagCardOverview, TagUnselectAll, TagFullWindow, TagFullScreen, TagHomePage}));
        QCOMPARE(items().second, (QList<int>{
            TagSaveJpg, TagPrint, TagSaveAvi, TagBackup, TagDeviceSetting, TagEventList,
            TagLogList, TagNormalList, TagSelectAll, TagFileList, TagEvidence, TagCardOverview, TagUnselectAll,
            TagFullWindow, TagFullScreen}));
        openCard();
        QCOMPARE(items().second, (QList<int>{
            TagSaveJpg, TagPrint, TagSaveAvi, TagFileList, TagFullWindow, TagFullScreen}));
        show(QStringLiteral("normal"), 0, 0);
        QVERIFY(items().second.isEmpty());

        // The item order and separators of the File menu.
        std::unique_ptr<QMenu> file(_view->buildMenu(MainView::TagFileMenu, nullptr));
        QStringList layout;
        for (QAction *action : file->actions())
            layout << (action->isSeparator() ? QStringLiteral("-") : action->text().section(u'\t', 0, 0));
        QCOMPARE(layout, (QStringList{Texts::text("menu_file_select_folder"), Texts::text("menu_file_load"),
                                      Texts::text("menu_file_list"), QStringLiteral("-"),
                                      Texts::text("menu_file_print"), QStringLiteral("-"),
                                      Texts::text("menu_file_setting"), QStringLiteral("-"),
                                      Texts::text("menu_file_exit")}));
    }

    void menuButtonRunsTheChosenCommand()
    {
        openCard();
        show(QStringLiteral("event"), 0, 0);
        // Choose "menu_view_layout_thumb" in the pop-up of the View button.
        QTimer::singleShot(50, this, [] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction *item : menu->findChildren<QAction *>())  // the submenus' items too
                if (PopupMenus::tagOf(item) == MainView::TagThumbView)
                    return menu->close(), item->trigger();
            QFAIL("no thumbnail item");
        });
        QTest::mouseClick(_view->buttonWithTag(MainView::TagViewMenu), Qt::LeftButton);
        QTRY_COMPARE(_view->videoLayout()->division(), int(VideoLayout::Thumbnail));
        QCOMPARE(_view->buttonWithTag(MainView::TagViewMenu)->imageState(), int(SkinButton::StateNormal));
    }

    // From frame 10 of a recording. Steps: a button's tag (a number above 9) to click, or a
    // key for the view (w:key for the window).
    void buttonsAndKeysAreCommands_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("state");
        const auto tag = [](int t) { return QString::number(t); };
        QTest::newRow("play") << tag(MainView::TagPlay) << "event 1 speed 1 playing";
        QTest::newRow("stop") << tag(MainView::TagPlay) + u' ' + tag(MainView::TagStop)
                              << "event 1 frame 10 speed 0 paused";
        QTest::newRow("next frame") << tag(MainView::TagNextFrame) << "event 1 frame 11 speed 0 paused";
        QTest::newRow("space") << "Space" << "event 1 speed 1 playing";
        QTest::newRow("6 and right") << "6 Right" << "event 1 frame 12 speed 0 paused";
        QTest::newRow("4 and left") << "4 Left" << "event 1 frame 8 speed 0 paused";
        QTest::newRow("space in the window") << "w:Space" << "event 1 speed 1 playing";
    }

    void buttonsAndKeysAreCommands()
    {
        QFETCH(QString, steps);
        openCard();
        show(QStringLiteral("event"), 1, 10);
        for (const QString &step : steps.split(u' ')) {
            bool isTag = false;
            const int tag = step.toInt(&isTag);
            const Qt::Key key = QKeySequence::fromString(step.section(u':', -1))[0].key();
            if (isTag && tag > 9)
                QTest::mouseClick(_view->buttonWithTag(tag), Qt::LeftButton);
            else
                QTest::keyClick(step.startsWith(u"w:") ? static_cast<QWidget *>(_window.get()) : _view, key);
        }
        QTEST(state(), "state");
    }

    // The menu keys: each item shows its key after a tab, and the key is the desktop's
    // standard one or the fixed one the table names.
    void menuKeys()
    {
        using enum CommandTag;
        for (const auto &[menu, tag, key] : {std::tuple{TagFileMenu, TagOpen, "Ctrl+O"}, {TagFileMenu, TagPrint, "Ctrl+P"},
                                             {TagFileMenu, TagExit, "Ctrl+Q"}, {TagEditMenu, TagSelectAll, "Ctrl+A"},
                                             {TagViewMenu, TagFullScreen, "F11"}, {TagViewMenu, TagFullWindow, "Return"},
                                             {TagPlayMenu, TagPlay, "Space"}, {TagPlayMenu, TagNextFrame, "Right"},
                                             {TagPlayMenu, TagPrevFrame, "Left"}, {TagHelpMenu, TagAbout, "F1"}}) {
            const QList<QKeySequence> keys = MenuShortcuts::keysFor(tag);
            QVERIFY2(keys.contains(QKeySequence(QLatin1String(key))), key);
            std::unique_ptr<QMenu> built(_view->buildMenu(menu, nullptr));
            QStringList shown;
            for (QAction *action : built->findChildren<QAction *>())
                if (PopupMenus::tagOf(action) == tag)
                    shown << action->text();
            QCOMPARE(shown.size(), 1);
            QVERIFY2(shown.first().endsWith(u'\t' + keys.first().toString(QKeySequence::NativeText)), qPrintable(shown.first()));
        }
    }

    // The window keys act: F11 enters and leaves full screen, Ctrl+A ticks every row.
    void windowKeysAct()
    {
        openCard();
        show(QStringLiteral("event"), 0, 5);
        _window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(_window.get()));
        QTest::keyClick(_window.get(), Qt::Key_F11);
        QTRY_VERIFY(_window->isFullScreen());
        QVERIFY(_view->isFullWindow());
        QTest::keyClick(_window.get(), Qt::Key_F11);
        QTRY_VERIFY(!_window->isFullScreen());
        QVERIFY(!_view->isFullWindow());
        QTRY_COMPARE(_window->size(), QSize(1024, 768));
        QCOMPARE(_window->minimumSize(), _window->maximumSize());
        _view->tagCommand(MainView::TagFileList);
        QTest::keyClick(_window.get(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(_view->listView()->tableView(QStringLiteral("event"))->checkedRows().size(), 2);
    }

    // Playback keys work after a click in a table, not in a text field.
    void playbackKeysWhateverHasFocus()
    {
        openCard();
        show(QStringLiteral("event"), 1, 10);
        QWidget *table = nullptr;
        for (QAbstractItemView *view : _view->listView()->findChildren<QAbstractItemView *>())
            if (view->isVisible() && !table)
                table = view;
        QVERIFY(table);
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Space);
        QCOMPARE(state(), QStringLiteral("event 1 speed 1 playing"));
        QTest::keyClick(table, Qt::Key_Space);
        auto *field = new QLineEdit(_view);
        field->show();
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Space);
        QCOMPARE(field->text(), QStringLiteral(" "));
        QCOMPARE(_view->speed(), 0.0);
        delete field;
    }

    // Return in the window: the video alone fills the window, and play goes on; Escape
    // brings the rest back. Without a recording Return does nothing. (F11 is full screen.)
    void fullWindowMode()
    {
        QTest::keyClick(_window.get(), Qt::Key_Return);
        QVERIFY(!_view->isFullWindow());
        openCard();
        show(QStringLiteral("normal"), 0, 5);
        _view->tagCommand(MainView::TagPlay);
        QList<QWidget *> shown;
        for (QWidget *child : _view->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (child->isVisibleTo(_view))
                shown << child;
        QTest::keyClick(_window.get(), Qt::Key_Return);
        QVERIFY(_view->isFullWindow());
        QCOMPARE(_view->speed(), 1.0);
        for (QWidget *child : _view->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            QCOMPARE(child->isVisibleTo(_view), child == _view->videoLayout());
        QCOMPARE(_view->videoLayout()->geometry(), QRect(0, 0, 1024, 768));
        QVERIFY(_view->videoLayout()->isFullWindow());

        QTest::keyClick(_window.get(), Qt::Key_Escape);
        QVERIFY(!_view->isFullWindow());
        for (QWidget *child : _view->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            QCOMPARE(child->isVisibleTo(_view), shown.contains(child));
        QCOMPARE(_view->videoLayout()->geometry(),
                 Geometry::toQt(_view->skinManager()->rectForKey(1), MainView::Height));

        _view->tagCommand(MainView::TagStop);
    }

    void dragByTheTopStrip()
    {
        const QScreen *screen = _window->screen();
        const QRect area = screen->availableGeometry();
        _window->move(area.topLeft() + QPoint(10, 100));
        QTRY_COMPARE(_window->pos(), area.topLeft() + QPoint(10, 100));
        const QPoint start = _window->pos();

        // 734 up from the bottom edge is below the strip: no drag.
        QTest::mousePress(_view, Qt::LeftButton, {}, QPoint(300, 768 - 734));
        QVERIFY(!_window->isDragging());
        QTest::mouseMove(_view, QPoint(340, 768 - 734 + 30));
        QTest::mouseRelease(_view, Qt::LeftButton, {}, QPoint(340, 768 - 734 + 30));
        QCOMPARE(_window->pos(), start);

        // 735 is in the strip: the window follows the mouse.
        QTest::mousePress(_view, Qt::LeftButton, {}, QPoint(300, 768 - 735));
        QVERIFY(_window->isDragging());
        QTest::mouseMove(_view, QPoint(340, 768 - 735 + 30));
        QTRY_COMPARE(_window->pos(), start + QPoint(40, 30));
        QTest::mouseRelease(_view, Qt::LeftButton, {}, QPoint(340, 768 - 735 + 30));
        QVERIFY(!_window->isDragging());
    }

    void dragStopsAtTheScreenTop()
    {
        QCOMPARE(MainWindow::draggedOrigin(QPoint(50, 40), QPoint(-30, -100), 25), QPoint(20, 25));
        // Sideways and downwards are free, even off the screen.
        QCOMPARE(MainWindow::draggedOrigin(QPoint(50, 40), QPoint(-500, 900), 0), QPoint(-450, 940));
    }

    void exitClosesTheWindow()
    {
        QVERIFY(_window->isVisible());
        QTest::mouseClick(_view->buttonWithTag(MainView::TagExit), Qt::LeftButton);
        QVERIFY(!_window->isVisible());
    }

};

QTEST_MAIN(TestMainView)
#include "test_main_view.moc"
