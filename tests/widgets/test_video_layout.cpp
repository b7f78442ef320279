// The video area: single and thumbnail divisions, highlight and click rules, captions,
// flip by preference, the slider band and full-window mode, checked on small recordings
// whose frames differ by colour.
#include "FileManager.h"
#include "FileVideo.h"
#include "Geometry.h"
#include "GlyphPicture.h"
#include "SkinManager.h"
#include "Texts.h"
#include "TestCard.h"
#include "VideoLayout.h"
#include "VideoView.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestVideoLayout : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    std::unique_ptr<SkinManager> skin;
    FileVideo *event = nullptr;   // 20 solid frames
    FileVideo *normal = nullptr;  // 12 solid frames
    FileVideo *other = nullptr;   // 20 frames, colours shifted by 5
    std::unique_ptr<QWidget> window;
    VideoLayout *layout = nullptr;

    FileVideo *open(const QString &name, const std::vector<TestCard::Frame> &frames, int type)
    {
        const QString file = name + QStringLiteral(".vdd");
        return TestCard::writeRecording(dir.filePath(file), frames) ? FileVideo::create(dir.path(), file, type, this)
                                                                   : nullptr;
    }

    // Cell k shows frame firstFrame + k where that frame exists, the placeholder elsewhere;
    // only selectCell is highlighted.
    void verifyGrid(qint64 firstFrame, int selectCell, FileVideo *video, int colourShift = 0)
    {
        const QImage shot = GlyphPicture::grab(layout);
        for (int k = 0; k < VideoLayout::CellCount; ++k) {
            VideoView *cell = layout->videoAtIndex(k);
            const qint64 j = firstFrame + k;
            const bool inside = j >= 0 && j < video->frameCount();
            QCOMPARE(cell->showsPlaceholder(), !inside);
            QCOMPARE(cell->isSelected(), k == selectCell);
            if (inside) {
                const QColor seen = shot.pixelColor(cell->geometry().center());
                QVERIFY2(TestCard::near(seen, TestCard::colourOf(int(j) + colourShift)),
                         qPrintable(QStringLiteral("cell %1 should show frame %2").arg(k).arg(j)));
                QCOMPARE(cell->countText(), QStringLiteral("%1 / %2").arg(j + 1).arg(video->frameCount()));
            } else {
                QVERIFY(cell->countText().isEmpty());
                QVERIFY(cell->imgSizeText().isEmpty());
            }
        }
    }

    // One cell, the middle one, fills the area and is not highlighted.
    void verifySingle()
    {
        QCOMPARE(layout->videoAtIndex(8)->geometry(), layout->rect());
        for (int k = 0; k < VideoLayout::CellCount; ++k) {
            QVERIFY(!layout->videoAtIndex(k)->isSelected());
            if (k != 8)
                QVERIFY(layout->videoAtIndex(k)->geometry().isEmpty());
        }
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(dir.isValid());
        skin = SkinManager::create();
        QVERIFY(skin);
        const QSize size(320, 240);  // larger than a grid cell, smaller than the single view
        event = open(QStringLiteral("event"), TestCard::solidFrames(20, size), FileVideo::Event);
        normal = open(QStringLiteral("normal"), TestCard::solidFrames(12, size), FileVideo::Normal);
        std::vector<TestCard::Frame> shifted = TestCard::solidFrames(25, size);
        shifted.erase(shifted.begin(), shifted.begin() + 5);
        other = open(QStringLiteral("other"), shifted, FileVideo::Event);
        QVERIFY(event && normal && other);
        QCOMPARE(event->frameCount(), 20);
    }

    void init()
    {
        window = std::make_unique<QWidget>();
        window->resize(1024, 768);
        layout = new VideoLayout(skin.get(), window.get());
        layout->setPause(true);
    }

    void cleanup()
    {
        window.reset();
        layout = nullptr;
    }

    // Cell 0 at the top left, cell 15 at the bottom right, each a quarter of the area. Steps
    // forward, backward, by several frames and onto another recording with the same frame
    // numbers all show the right pictures, whatever the grid kept from the step before.
    void thumbnailStepsReuseNothingStale()
    {
        layout->changeDivision(VideoLayout::Thumbnail);
        layout->setFileVideo(event);
        QCOMPARE(layout->videoAtIndex(0)->geometry().topLeft(), QPoint(0, 0));
        QCOMPARE(layout->videoAtIndex(15)->geometry().bottomRight(), layout->rect().bottomRight());
        for (qint64 i : {3, 10, 11, 12, 9, 2, 18, 10}) {
            layout->drawWithFileVideo(event, i);
            QCOMPARE(layout->frameIndex(), i);
            verifyGrid(i - 8, 8, event);
        }
        // Another recording drawn straight away, and after becoming the layout's recording.
        layout->drawWithFileVideo(other, 10);
        verifyGrid(10 - 8, 8, other, 5);
        layout->drawWithFileVideo(event, 10);
        layout->setFileVideo(other);
        layout->drawWithFileVideo(other, 10);
        verifyGrid(10 - 8, 8, other, 5);
    }

    void singleDivisionCaptions()
    {
        std::vector<TestCard::Frame> frames = TestCard::solidFrames(3, QSize(64, 48));
        frames[0].recordPhase = 2;
        frames[0].eventType = 1;
        frames[1].recordPhase = 3;
        frames[1].eventType = 1;
        FileVideo *video = open(QStringLiteral("captions"), frames, FileVideo::Event);
        QVERIFY(video);
        layout->setFileVideo(video);
        VideoView *cell = layout->videoAtIndex(8);
        const QString type = DisplayFormat::eventTypeString(1);

        layout->drawWithFileVideo(video, 0);
        QCOMPARE(cell->recTypeText(), QStringLiteral("%1 [%2]").arg(type, Texts::text("gui_rec_pre")));
        QCOMPARE(cell->countText(), QStringLiteral("1 / 3"));
        QCOMPARE(cell->imgSizeText(), VideoView::imgSizeCaption(video->headerAtIndex(0).length));
        QCOMPARE(VideoView::imgSizeCaption(1999), QStringLiteral("1 KB"));  // whole kilobytes
        layout->drawWithFileVideo(video, 2);
        QCOMPARE(cell->recTypeText(), QStringLiteral("%1 [%2]").arg(DisplayFormat::eventTypeString(0),
                                                                    Texts::text("gui_rec_normal")));

        layout->changeDivision(VideoLayout::Thumbnail);
        layout->drawWithFileVideo(video, 1);
        QCOMPARE(cell->recTypeText(), QStringLiteral("[%1]").arg(Texts::text("gui_rec_post")));
        QCOMPARE(layout->videoAtIndex(7)->recTypeText(), QStringLiteral("[%1]").arg(Texts::text("gui_rec_pre")));
    }

    // The captions stand in white, or in red on the highlighted cell; the picture has neither.
    void captionsSitInTheCornersInTheHighlightColour()
    {
        VideoView view(TestCard::solid(QSize(40, 30), QColor(60, 60, 60)), 0);
        view.resize(240, 180);
        _vexa_video_frame_header_t header{};
        header.length = 23456;
        header.record_phase = 2;
        view.drawImage(TestCard::solid(QSize(40, 30), QColor(60, 60, 60)), &header, QStringLiteral("12 / 300"), true);
        const auto count = [&](const QColor &colour, const QRect &region) {
            return TestCard::countNear(GlyphPicture::grab(&view), colour, 40, region);
        };
        // The bottom left stays free for the time the camera burns into its pictures.
        const QRect middle(60, 60, 120, 60), bottomLeft(0, 150, 100, 30);
        for (const QRect &corner : {QRect(0, 0, 100, 30), QRect(140, 0, 100, 30), QRect(140, 150, 100, 30)}) {
            view.setSelect(false);
            QVERIFY(count(Qt::white, corner) > 10 && count(Qt::red, corner) == 0);
            view.setSelect(true);
            QVERIFY(count(Qt::red, corner) > 10 && count(Qt::white, corner) == 0);
        }
        QCOMPARE(count(Qt::red, middle) + count(Qt::white, middle), 0);
        QCOMPARE(count(Qt::red, bottomLeft) + count(Qt::white, bottomLeft), 0);
    }

    void clickWhilePausedMovesTheCurrentFrame()
    {
        QSignalSpy picked(layout, &VideoLayout::fileVideoFrameIndex);
        layout->changeDivision(VideoLayout::Thumbnail);
        layout->setFileVideo(event);
        layout->drawWithFileVideo(event, 10);
        window->show();
        QTest::mouseClick(layout->videoAtIndex(12), Qt::LeftButton);
        QCOMPARE(picked.count(), 1);
        QCOMPARE(picked.at(0).at(0).value<FileVideo *>(), event);
        QCOMPARE(picked.at(0).at(1).toLongLong(), 14);
        QCOMPARE(layout->frameIndex(), 14);
        QCOMPARE(layout->selectVideo(), 12);
        // The pictures stay (frames 2 to 17); only the highlight moves.
        verifyGrid(2, 12, event);

        // The next frame is drawn around the clicked cell: frame 15 in cell 12.
        layout->drawWithFileVideo(event, 15);
        verifyGrid(15 - 12, 12, event);

        // In single division the one cell gives its own frame back.
        layout->changeDivision(VideoLayout::Single);
        QTest::mouseClick(layout->videoAtIndex(12), Qt::LeftButton);
        QCOMPARE(picked.count(), 2);
        QCOMPARE(picked.at(1).at(1).toLongLong(), 15);
    }

    // While playing a click does nothing; outside the recording, or without one, it only
    // moves the highlight; a cell that does not exist changes nothing.
    void clicksThatPickNoFrame()
    {
        QSignalSpy picked(layout, &VideoLayout::fileVideoFrameIndex);
        layout->changeDivision(VideoLayout::Thumbnail);
        layout->setFileVideo(event);
        layout->drawWithFileVideo(event, 3);
        layout->setPause(false);
        layout->videoViewSelectIndex(12);
        QCOMPARE(layout->selectVideo(), 8);
        layout->setPause(true);
        layout->videoViewSelectIndex(0);  // frame -5
        QCOMPARE(layout->selectVideo(), 0);
        QVERIFY(layout->videoAtIndex(0)->isSelected());
        layout->videoViewSelectIndex(16);
        QCOMPARE(layout->selectVideo(), 0);
        QCOMPARE(layout->frameIndex(), 3);
        layout->setFileVideo(nullptr);
        layout->videoViewSelectIndex(3);
        QCOMPARE(layout->selectVideo(), 3);
        QCOMPARE(picked.count(), 0);
    }

    // A normal recording keeps a 40-high slider band at the bottom, an event recording none;
    // full-window mode covers the window without the band and gives everything back after.
    void sliderBandAndFullWindow()
    {
        auto *slider = new QWidget;
        layout->setSlider(slider);
        QCOMPARE(slider->parentWidget(), layout);
        QSignalSpy given(layout, &VideoLayout::sliderFileVideo);
        window->show();
        const QRect skinFrame = layout->geometry();
        QCOMPARE(skinFrame, Geometry::toQt(skin->rectForKey(VideoLayout::AreaKey), 768));
        const auto fromQt = [&](QWidget *w) { return Geometry::fromQt(w->geometry(), layout->height()); };

        layout->setFileVideo(normal);
        QCOMPARE(given.count(), 1);
        QCOMPARE(given.at(0).at(0).value<FileVideo *>(), normal);
        QVERIFY(slider->isVisible());
        QCOMPARE(fromQt(slider), QRect(0, 0, layout->width(), 40));
        const QRect area(0, 40, layout->width(), layout->height() - 40);
        QCOMPARE(layout->availableRect(), area);
        QCOMPARE(fromQt(layout->videoAtIndex(8)), area);
        layout->changeDivision(VideoLayout::Thumbnail);
        QCOMPARE(fromQt(layout->videoAtIndex(12)).y(), 40);
        QCOMPARE(fromQt(layout->videoAtIndex(0)).bottom(), Geometry::fromQt(layout->rect(), layout->height()).bottom());

        layout->drawWithFileVideo(normal, 6);
        layout->setFullWindow(true);
        QVERIFY(layout->isFullWindow());
        QCOMPARE(layout->geometry(), QRect(0, 0, 1024, 768));
        QCOMPARE(layout->videoAtIndex(15)->geometry().bottomRight(), QPoint(1023, 767));
        QVERIFY(!slider->isVisible());
        verifyGrid(6 - 8, 8, normal);
        layout->setFullWindow(false);
        QCOMPARE(layout->geometry(), skinFrame);
        QVERIFY(slider->isVisible());
        QCOMPARE(layout->availableRect(), area);

        const int told = int(given.count());
        layout->setFileVideo(event);
        QVERIFY(!slider->isVisible());
        QCOMPARE(layout->availableRect(), QRect(QPoint(0, 0), layout->size()));
        QCOMPARE(fromQt(layout->videoAtIndex(12)).y(), 0);
        QCOMPARE(given.count(), told);
    }

    // A division change redraws at once; clear returns to one empty cell.
    void divisionChangeAndClear()
    {
        layout->setFileVideo(event);
        layout->drawWithFileVideo(event, 5);
        QCOMPARE(layout->division(), VideoLayout::Single);
        verifySingle();
        layout->changeDivision(VideoLayout::Thumbnail);
        verifyGrid(5 - 8, 8, event);
        layout->changeDivision(4);  // not a division: nothing changes
        QCOMPARE(layout->division(), VideoLayout::Thumbnail);
        layout->clear();
        QCOMPARE(layout->division(), VideoLayout::Single);
        QCOMPARE(layout->fileVideo(), nullptr);
        QCOMPARE(layout->frameIndex(), -1);
        QVERIFY(!layout->isPaused());
        verifySingle();
        for (int k = 0; k < VideoLayout::CellCount; ++k)
            QVERIFY(layout->videoAtIndex(k)->showsPlaceholder());
        // A late draw without a recording set still works and keeps single division.
        layout->drawWithFileVideo(event, 2);
        QVERIFY(TestCard::near(GlyphPicture::grab(layout).pixelColor(layout->rect().center()), TestCard::colourOf(2)));
    }

    void flipTurnsPicturesButNotCaptions()
    {
        std::vector<TestCard::Frame> frames = TestCard::solidFrames(2, QSize(320, 240));
        frames[0].picture = TestCard::quarters(QSize(320, 240));
        frames[1].picture = TestCard::solid(QSize(320, 240), Qt::darkCyan);
        FileVideo *video = open(QStringLiteral("quarters"), frames, FileVideo::Event);
        QVERIFY(video);
        layout->setFileVideo(video);
        layout->drawWithFileVideo(video, 0);
        const QRect cell = layout->videoAtIndex(8)->geometry();
        const QPoint topLeft = cell.topLeft() + QPoint(cell.width() / 4, cell.height() / 4);
        const QList<QColor> expectTopLeft{Qt::red, Qt::blue, Qt::green, Qt::white};
        for (int flip = 0; flip <= 4; ++flip) {
            layout->setVideoFlip(flip);
            const QColor seen = GlyphPicture::grab(layout).pixelColor(topLeft);
            const QColor expected = flip < 4 ? expectTopLeft[flip] : QColor(Qt::red);  // unknown: upright
            QVERIFY2(TestCard::near(seen, expected, 40),
                     qPrintable(QStringLiteral("flip %1").arg(flip)));
        }

        // On a solid picture every flip gives the same cell: the captions read normally.
        layout->drawWithFileVideo(video, 1);
        layout->setVideoFlip(0);
        const QImage upright = GlyphPicture::grab(layout);
        for (int flip : {1, 2, 3}) {
            layout->setVideoFlip(flip);
            QCOMPARE(GlyphPicture::grab(layout), upright);
        }
    }

    void placeholderIsNeverFlipped()
    {
        VideoView view(TestCard::quarters(QSize(80, 60)), 0);
        view.resize(80, 60);
        view.drawImage(QImage(), nullptr, QString(), false);
        const QImage upright = GlyphPicture::grab(&view);
        view.setFlip(3);
        QCOMPARE(GlyphPicture::grab(&view), upright);
        QVERIFY(TestCard::near(upright.pixelColor(20, 15), Qt::red, 0));

        view.drawImage(TestCard::quarters(QSize(80, 60)), nullptr, QString(), false);
        QVERIFY(TestCard::near(GlyphPicture::grab(&view).pixelColor(20, 15), Qt::white, 0));
    }
};

QTEST_MAIN(TestVideoLayout)
#include "test_video_layout.moc"
