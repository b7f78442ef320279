// SkinManager on hand-made skin pairs (rectangles, kinds, broken pictures, strip cutting)
// and on the skin the build draws (every key, button strips, glyph strips, fixed places).
#include "SkinManager.h"
#include "TestCard.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

using TestCard::bmpOf;
using TestCard::strip;
using TestCard::skinDescriptor;
using TestCard::writeFile;

int litPixels(const QImage &image)
{
    int lit = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            lit += qGray(image.pixel(x, y)) > 60;
    return lit;
}

} // namespace

class TestSkinManager : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        QByteArray chk = bmpOf(strip({Qt::red}, 10, 20));
        const quint32 imageAt = 0;
        const quint32 buttonAt = quint32(chk.size());
        chk += bmpOf(strip({Qt::red, Qt::green, Qt::blue, Qt::yellow}, 12, 8));
        const quint32 garbageAt = quint32(chk.size());
        chk += QByteArray("not a bitmap at all, just text");
        const quint32 lateAt = quint32(chk.size());
        QByteArray truncated = bmpOf(strip({Qt::cyan}, 6, 6));
        truncated.chop(10);  // its header promises more than is there
        chk += truncated;

        dsc_ = dir_.filePath(QStringLiteral("brumoset.dsc"));
        chk_ = dir_.filePath(QStringLiteral("brumoset.chk"));
        QVERIFY(writeFile(chk_, chk));
        QVERIFY(writeFile(dsc_, skinDescriptor({
                                    {5, 2, 0, 0, 10, 20, imageAt},
                                    {7, 3, 200, 100, 212, 108, buttonAt, 0},
                                    {9, 1, 10, 20, 110, 70},
                                    {11, 3, 0, 0, 4, 4, garbageAt},
                                    {12, 2, 0, 0, 6, 6, lateAt},
                                    {13, 2, 0, 0, 6, 6, 0x7FFFFFF0u},
                                    {14, 3, INT_MIN, INT_MIN, INT_MAX, INT_MAX, buttonAt},
                                })));
    }

    void missingOrMalformedPairGivesNoSkin()
    {
        QVERIFY(SkinManager::create(dsc_, chk_));
        QVERIFY(!SkinManager::create(dir_.filePath(QStringLiteral("none.dsc")), chk_));
        QVERIFY(!SkinManager::create(dsc_, dir_.filePath(QStringLiteral("none.chk"))));
        QByteArray bad = skinDescriptor({{1, 1, 0, 0, 1, 1}});
        bad.append('\0');
        const QString badPath = dir_.filePath(QStringLiteral("bad.dsc"));
        QVERIFY(writeFile(badPath, bad));
        QVERIFY(!SkinManager::create(badPath, chk_));
    }

    void rectangles()
    {
        const auto skin = SkinManager::create(dsc_, chk_);
        QVERIFY(skin);
        QCOMPARE(skin->rectForKey(9), QRect(10, 698, 100, 50));
        QCOMPARE(skin->rectForKey(9, 480), QRect(10, 410, 100, 50));
        QCOMPARE(skin->rectForKey(999, 300), QRect(0, 300, 0, 0));
        // extreme numbers from a damaged descriptor stay inside int
        const QRect huge = skin->rectForKey(14, 768);
        QCOMPARE(huge.size(), QSize(INT_MAX, INT_MAX));
    }

    void kindsDecideWhatAKeyGives()
    {
        const auto skin = SkinManager::create(dsc_, chk_);
        QVERIFY(skin);
        QVERIFY(skin->imageForKey(7).isNull());           // a button is not a single image
        QVERIFY(!skin->buttonForKey(5, 768).has_value());  // an image is not a button
        QVERIFY(skin->imageForKey(9).isNull());           // a rectangle has no picture
        QVERIFY(!skin->buttonForKey(999, 768).has_value());
        QCOMPARE(QPair(skin->kindForKey(7), skin->kindForKey(999)), QPair(3, 0));
        QCOMPARE(skin->imageForKey(5), strip({Qt::red}, 10, 20));

        const std::optional<SkinButtonInfo> button = skin->buttonForKey(7, 300);
        QVERIFY(button.has_value());
        QCOMPARE(button->position, QRect(200, 192, 12, 8));
        QVERIFY(!button->visible);
        const QList<QImage> states = {button->imageNormal, button->imagePressed, button->imageHover,
                                      button->imageDisabled};
        const QList<QColor> colors = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(states[i], strip({colors[i]}, 12, 8));
    }

    void brokenPicturesGiveNothing()
    {
        const auto skin = SkinManager::create(dsc_, chk_);
        QVERIFY(skin);
        QVERIFY(!skin->buttonForKey(11, 768).has_value());  // offset at bytes other than "BM"
        QVERIFY(skin->imageForKey(12).isNull());            // size runs past the container
        QVERIFY(skin->imageForKey(13).isNull());            // offset past the container
    }

    // Each part of a strip whose width does not divide is W / n wide, starting at i * W / n.
    void stripCutting()
    {
        QImage odd = strip({Qt::red}, 10, 2);
        for (int x = 0; x < 10; ++x)
            odd.setPixel(x, 0, qRgb(x * 20, 0, 0));
        const QList<QImage> thirds = SkinManager::imageArrayWithData(bmpOf(odd), 3);
        QCOMPARE(thirds.size(), 3);
        for (int i = 0; i < 3; ++i)  // parts from x 0, 3 and 6
            QCOMPARE(QPair(thirds[i].size(), qRed(thirds[i].pixel(0, 0))), QPair(QSize(3, 2), i * 60));
        QVERIFY(SkinManager::imageArrayWithData(bmpOf(odd), 0).isEmpty());
        QVERIFY(SkinManager::imageArrayWithData(bmpOf(odd), 13).isEmpty());  // narrower than the count
        QVERIFY(SkinManager::imageArrayWithData(QByteArray("junk"), 2).isEmpty());
    }

    // The viewer's picture formats are BMP and JPEG; a short or missing buffer is nothing.
    void imageWithDataDecodesBmpAndJpeg()
    {
        QImage picture(16, 8, QImage::Format_RGB32);
        picture.fill(QColor(0, 0, 255));
        const auto decode = [&](const char *format, int size = -1) {
            const QByteArray bytes = bmpOf(picture, format);
            return SkinManager::imageWithData(reinterpret_cast<const uchar *>(bytes.constData()),
                                              size < 0 ? bytes.size() : size);
        };
        QCOMPARE(decode("JPG").size(), QSize(16, 8));
        QVERIFY(qBlue(decode("JPG").pixel(8, 4)) > 200);
        QCOMPARE(decode("BMP").size(), QSize(16, 8));
        QVERIFY(decode("PNG").isNull());
        QVERIFY(decode("BMP", 0).isNull());
        QVERIFY(decode("BMP", 20).isNull());
        QVERIFY(SkinManager::imageWithData(nullptr, 10).isNull());
        QVERIFY(SkinManager::resourceImage(QStringLiteral("no_such_picture")).isNull());
    }

    // Every key of the built skin with its kind; every button a strip of four distinct
    // states of its item's size, hidden where the list starts without it.
    void builtSkinKeysAndButtons()
    {
        const auto skin = SkinManager::create();
        QVERIFY2(skin, "the built-in skin pair must load");
        for (int key : {1, 2, 3, 4}) {
            QVERIFY2(skin->containsKey(key), qPrintable(QString::number(key)));
            QVERIFY(!skin->rectForKey(key).isEmpty());
        }
        for (int key : {0, 42, 48})
            QCOMPARE(skin->kindForKey(key), SkinManager::KindImage);
        QCOMPARE(skin->rectForKey(0), QRect(0, 0, 1024, 768));
        QCOMPARE(skin->imageForKey(42).size(), skin->rectForKey(1).size());
        const QRect list = skin->rectForKey(4);
        QCOMPARE(skin->rectForKey(48, list.height()), QRect(QPoint(0, 0), list.size()));

        const QList<int> listButtons = {26, 27, 29, 30, 31, 44, 45, 46, 47, 49, 50};
        const QList<int> initiallyHidden = {27, 30, 31, 44, 45, 47, 50};
        for (int key : {8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26,
                        27, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 40, 41, 43, 44, 45, 46, 47, 49, 50}) {
            QCOMPARE(skin->kindForKey(key), SkinManager::KindButton);
            const int height = listButtons.contains(key) ? list.height() : 768;
            const auto button = skin->buttonForKey(key, height);
            QVERIFY2(button.has_value(), qPrintable(QString::number(key)));
            for (const QImage *state : {&button->imageNormal, &button->imagePressed, &button->imageHover, &button->imageDisabled})
                QCOMPARE(state->size(), button->position.size());
            QCOMPARE(button->position, skin->rectForKey(key, height));
            QCOMPARE(button->visible, !initiallyHidden.contains(key));
            QVERIFY(button->imageNormal != button->imageHover && button->imagePressed != button->imageHover);
        }
    }

    void builtGlyphStrips()
    {
        for (const auto &[name, count] : {std::pair{"digit_date_num", 10}, {"digit_date_dot", 2}, {"digit_date_dow", 7},
                                          {"digit_time_num", 12}, {"digit_speed_num", 11}, {"digit_gps_num", 11},
                                          {"digit_gps_dot", 4}, {"digit_gps_dir", 4}}) {
            const QImage strip = SkinManager::resourceImage(name);
            QVERIFY2(!strip.isNull(), name);
            QCOMPARE(strip.width() % count, 0);
            const QList<QImage> glyphs = SkinManager::resourceImageArray(name, count);
            QCOMPARE(glyphs.size(), count);
            for (int i = 0; i < count; ++i)
                QVERIFY2(litPixels(glyphs[i]) > 0, qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(i)));
        }
        // The dash lights less than an eight.
        const QList<QImage> speed = SkinManager::resourceImageArray(QStringLiteral("digit_speed_num"), 11);
        QVERIFY(speed[1] != speed[7] && litPixels(speed[10]) < litPixels(speed[8]) / 3);
    }

    void builtPictures()
    {
        QCOMPARE(SkinManager::resourceImage(QStringLiteral("slider_thumb")).size(), QSize(20, 20));
        const QImage back = SkinManager::resourceImage(QStringLiteral("slider_back"));
        QVERIFY(!back.isNull() && back.height() <= 22);  // the bar starts 18 up in a 40-high slider
        const auto skin = SkinManager::create();
        QVERIFY(skin);
        for (const QString &name : {QStringLiteral("map_connect.bmp"), QStringLiteral("map_disconnect")})
            QCOMPARE(SkinManager::resourceImage(name).size(), skin->rectForKey(3).size());
    }

    void builtLayoutHasNoOverlaps()
    {
        const auto skin = SkinManager::create();
        QVERIFY(skin);
        QList<QPair<QString, QRect>> areas;
        for (int key : {1, 2, 3, 4, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 33, 34, 35, 36,
                        37, 38, 40, 41, 43})
            areas.append({QString::number(key), skin->rectForKey(key)});
        for (int i = 0; i < areas.size(); ++i)
            for (int j = i + 1; j < areas.size(); ++j)
                QVERIFY2(!areas[i].second.intersects(areas[j].second),
                         qPrintable(areas[i].first + QStringLiteral(" overlaps ") + areas[j].first));

        // list buttons shown together never overlap
        const int h = skin->rectForKey(4).height();
        const QList<QList<int>> together = {{29, 46, 30, 49, 26, 44, 50}, {31, 27, 45, 47}};
        for (const QList<int> &group : together)
            for (int i = 0; i < group.size(); ++i)
                for (int j = i + 1; j < group.size(); ++j)
                    QVERIFY(!skin->rectForKey(group[i], h).intersects(skin->rectForKey(group[j], h)));
    }

private:
    QTemporaryDir dir_;
    QString dsc_, chk_;
};

QTEST_GUILESS_MAIN(TestSkinManager)
#include "test_SkinManager.moc"
