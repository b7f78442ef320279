// The timeline slider: where the thumb and the marks are drawn, its labels, and the frame
// a click or a drag on it asks for.
#include "FileManager.h"
#include "SkinManager.h"
#include "SkinSlider.h"
#include "TestCard.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

struct ThumbRow { int frames{}; int index{}; int x{}; };

struct ClickRow { int frames{}; QPointF point; int index{}; };

class TestSkinSlider : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QMap<int, FileVideo *> videos;  // normal recordings by frame count

    FileVideo *normal(int count)
    {
        if (!videos.contains(count)) {
            std::vector<TestCard::Frame> frames = TestCard::solidFrames(count, QSize(4, 4));
            frames[0].eventType = 1;
            // A steady speed: no driving event's mark covers the trigger mark.
            for (TestCard::Frame &f : frames)
                f.speed = 40;
            const QString file = QString::number(count) + QStringLiteral(".vdd");
            TestCard::writeRecording(dir.filePath(file), frames);
            videos[count] = FileVideo::create(dir.path(), file, FileVideo::Normal, this);
        }
        return videos[count];
    }
    static void mouse(QWidget *w, QEvent::Type type, QPointF specPoint)
    {
        const QPointF p(specPoint.x(), w->height() - specPoint.y());
        QMouseEvent event(type, p, w->mapToGlobal(p), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(w, &event);
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
    }

    // The thumb's picture sits where the frame puts it, kept inside the ends; a mark at
    // frame 0 is drawn at x 10; the labels are the times of the start, quarters and end.
    void thumbAndMark_data()
    {
        QTest::addColumn<ThumbRow>("row");
        QTest::newRow("1,201 frames, frame 600") << ThumbRow{1201, 600, 290};
        QTest::newRow("frame 0") << ThumbRow{1201, 0, 5};
        QTest::newRow("last frame") << ThumbRow{1201, 1200, 610 - 25};
        QTest::newRow("one frame") << ThumbRow{1, 0, 5};
    }
    void thumbAndMark()
    {
        QFETCH(ThumbRow, row);
        SkinSlider slider;
        slider.resize(610, 40);
        slider.setFileVideo(normal(row.frames));
        slider.setFrameIndex(row.index);
        QCOMPARE(slider.thumbRect().x(), double(row.x));
        const QImage image = slider.grab().toImage();
        const QImage thumb = SkinManager::resourceImage(QStringLiteral("slider_thumb"));
        QCOMPARE(image.copy(row.x, 40 - 14 - 20, 20, 20), thumb.convertToFormat(image.format()));
        if (row.index != 600)
            return;
        QCOMPARE(image.pixel(10, 40 - 27), qRgb(255, 255, 0));
        // Frames 0, 300, 600, 900 and 1,200 of a recording from 09:00 local time.
        QCOMPARE(slider.timeArray(), (QStringList{"09:00:00", "09:00:30", "09:01:00", "09:01:30", "09:02:00"}));
    }

    // Bands one point wide per frame: more frames than points take the lowest band under
    // the pointer, fewer take the nearest frame; below the bands nothing.
    void clicks_data()
    {
        QTest::addColumn<ClickRow>("row");
        QTest::newRow("1,201 frames at 300") << ClickRow{1201, QPointF(300, 20), 599};
        QTest::newRow("below the bands") << ClickRow{1201, QPointF(300, 5), -1};
        QTest::newRow("between bands, nearer 2") << ClickRow{61, QPointF(23, 20), 2};
        QTest::newRow("between bands, nearer 3") << ClickRow{61, QPointF(28, 20), 3};
        QTest::newRow("right of the last band") << ClickRow{1201, QPointF(608, 20), 1200};
        QTest::newRow("one frame") << ClickRow{1, QPointF(400, 30), 0};
    }
    void clicks()
    {
        QFETCH(ClickRow, row);
        SkinSlider slider;
        slider.resize(610, 40);
        slider.setFileVideo(normal(row.frames));
        QSignalSpy spy(&slider, &SkinSlider::changeFrameIndex);
        mouse(&slider, QEvent::MouseButtonPress, row.point);
        QCOMPARE(spy.size(), row.index < 0 ? 0 : 1);
        if (row.index >= 0)
            QCOMPARE(spy[0][0].toLongLong(), qint64(row.index));
    }

    // Only a press on the thumb drags; an event recording leaves the slider empty.
    void dragAndOtherRecordings()
    {
        SkinSlider slider;
        slider.resize(610, 40);
        slider.setFileVideo(normal(1201));
        slider.setFrameIndex(600);
        QSignalSpy spy(&slider, &SkinSlider::changeFrameIndex);
        mouse(&slider, QEvent::MouseButtonPress, {100, 20});
        mouse(&slider, QEvent::MouseMove, {200, 20});
        mouse(&slider, QEvent::MouseButtonRelease, {200, 20});
        mouse(&slider, QEvent::MouseButtonPress, {295, 20});
        mouse(&slider, QEvent::MouseMove, {400, 20});
        QCOMPARE(spy.size(), 3);
        QCOMPARE(spy[2][0].toLongLong(), 799);

        normal(61);
        FileVideo *event = FileVideo::create(dir.path(), QStringLiteral("61.vdd"), FileVideo::Event, this);
        slider.setFileVideo(event);
        slider.setFrameIndex(3);
        QCOMPARE(slider.frameCount(), 0);
        QCOMPARE(slider.frameIndex(), 600);
    }
};

QTEST_MAIN(TestSkinSlider)
#include "test_skin_slider.moc"
