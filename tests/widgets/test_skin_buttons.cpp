// The skinned buttons under synthesized mouse events: they act on mouse-down, once per
// multi-click, keep their look when disabled, and show the state images of their skin.

#include "SkinButton.h"
#include "SkinCheckButton.h"
#include "SkinManager.h"
#include "TestCard.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// Solid state colours, neither black nor white so the title stands out.
const QColor colours[4] = {QColor(200, 40, 40), QColor(40, 160, 40), QColor(40, 40, 200),
                           QColor(150, 150, 40)};

QImage solid(const QColor &colour)
{
    return TestCard::solid(QSize(40, 20), colour);
}

SkinButtonInfo makeInfo()
{
    SkinButtonInfo info;
    info.imageNormal = solid(colours[0]);
    info.imagePressed = solid(colours[1]);
    info.imageHover = solid(colours[2]);
    info.imageDisabled = solid(colours[3]);
    info.position = QRect(10, 20, 40, 20);  // bottom-left origin
    return info;
}

QColor shownColour(QWidget *widget)
{
    return widget->grab().toImage().pixelColor(1, 1);
}

void enter(QWidget *widget)
{
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)));
    QCoreApplication::sendEvent(widget, &event);
}

void leave(QWidget *widget)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &event);
}

// A mouse event with a chosen time stamp, for click sequences QTest cannot time.
void sendMouse(QWidget *widget, QEvent::Type type, quint64 timestamp)
{
    const bool down = type != QEvent::MouseButtonRelease;
    QMouseEvent event(type, QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                      down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    event.setTimestamp(timestamp);
    QCoreApplication::sendEvent(widget, &event);
}

QImage strip()
{
    return TestCard::strip({colours[0], colours[1], colours[2], colours[3]}, 40, 20);
}

// A parent that counts the mouse events its children pass on.
class Recorder : public QWidget {
public:
    int presses = 0;
    int moves = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
    void mouseMoveEvent(QMouseEvent *) override { ++moves; }
};

} // namespace

struct Row { bool check{}; bool enabled{}; bool pushMode{}; QString steps; int runs{}; int slot{}; QColor title; };

class TestSkinButtons : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        _parent = new QWidget;
        _parent->resize(200, 100);
        _parent->show();
        QVERIFY(QTest::qWaitForWindowExposed(_parent));
    }
    void cleanup() { delete _parent; }

    // Mouse sequences on either kind of button: how often it acts and which skin slot it
    // shows afterwards (a button's slots: normal, pressed, hover, disabled; a check button's:
    // off, off + mouse, on, on + mouse).
    void mouseRules_data()
    {
        QTest::addColumn<Row>("row");
        const QColor black(Qt::black), white(Qt::white);
        for (bool check : {false, true}) {
            const char *kind = check ? "check " : "button ";
            const int on = check ? 3 : 0;  // after one click a check button is on, under the mouse
            const int hover = check ? 1 : 2;
            QTest::addRow("%sclick", kind) << Row{check, true, false, "click", 1, on, black};
            QTest::addRow("%striple click acts once", kind) << Row{check, true, false, "triple", 1, on, black};
            QTest::addRow("%sdisabled triple click", kind) << Row{check, false, false, "triple", 0, 0, black};
            QTest::addRow("%slater click acts again", kind) << Row{check, true, false, "triple later", 2,
                (check ? 1 : 0), black};
            QTest::addRow("%sdrag acts once", kind) << Row{check, true, false, "drag", 1, on, black};
            QTest::addRow("%sright button", kind) << Row{check, true, false, "right", 0, 0, black};
            QTest::addRow("%shover", kind) << Row{check, true, false, "enter", 0, hover, white};
            QTest::addRow("%shover ends", kind) << Row{check, true, false, "enter leave", 0, 0, black};
            QTest::addRow("%sdisabled click", kind) << Row{check, false, false, "enter click leave", 0, 0, black};
            QTest::addRow("%sdisabled hover", kind) << Row{check, false, false, "enter", 0, 0, black};
        }
        QTest::newRow("tab shows hover") << Row{false, true, true, "", 0, 2, white};
        QTest::newRow("tab pressed") << Row{false, true, true, "enter press", 1, 1, black};
        QTest::newRow("tab after click") << Row{false, true, true, "enter click leave", 1, 2, white};
    }

    void mouseRules()
    {
        QFETCH(Row, row);
        Recorder view;
        view.resize(200, 100);
        SkinButtonBase *button = make(row.check, &view);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        if (!row.check)
            static_cast<SkinButton *>(button)->setPushMode(row.pushMode);
        row.check ? static_cast<SkinCheckButton *>(button)->setSkinEnabled(row.enabled)
              : static_cast<SkinButton *>(button)->setSkinEnabled(row.enabled);
        QSignalSpy spy(button, &SkinButtonBase::triggered);
        for (const QString &step : row.steps.split(u' ', Qt::SkipEmptyParts)) {
            if (step == u"click") {
                QTest::mouseClick(button, Qt::LeftButton);
            } else if (step == u"press") {
                QTest::mousePress(button, Qt::LeftButton);
            } else if (step == u"drag") {  // the drag stays with the button
                QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
                QTest::mouseMove(button, QPoint(30, 10));
                QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(30, 10));
            } else if (step == u"enter" || step == u"leave") {
                step == u"enter" ? enter(button) : leave(button);
            } else if (step == u"right") {
                QTest::mouseClick(button, Qt::RightButton);
            } else {  // triple, or later: a press, a double click and a press 50 ms apart
                quint64 t = step == u"triple" ? 10000 : 20000;
                for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                          QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease,
                                          QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                    sendMouse(button, type, t += 50);
            }
        }
        QCOMPARE(int(spy.count()), row.runs);
        if (row.enabled)
            QCOMPARE(shownColour(button), colours[row.slot]);
        else
            QVERIFY(shownColour(button) != colours[row.slot]);  // the slot's face, dimmed
        QCOMPARE(button->textColor(), row.title);
        QCOMPARE(view.presses, row.steps == u"right" ? 1 : 0);  // other buttons pass on, as a plain view's
        QCOMPARE(view.moves, 0);
    }

    // Either kind acts on the press, before the release, with its tag and its new look.
    void actsOnPressWithItsTag()
    {
        for (bool check : {false, true}) {
            SkinButtonBase *button = make(check, _parent);
            button->setTag(21);
            button->show();
            QList<int> tags;
            QColor shownWhenTold;
            connect(button, &SkinButtonBase::triggered, this, [&](int tag) {
                tags << tag;
                shownWhenTold = shownColour(button);
            });
            QTest::mousePress(button, Qt::LeftButton);
            QCOMPARE(tags, QList<int>{21});
            QCOMPARE(shownWhenTold, colours[check ? 2 : 1]);  // on / pressed
            QTest::mouseRelease(button, Qt::LeftButton);
            QCOMPARE(tags.size(), 1);
        }
    }

    void disabledTabKeepsItsPushedLook()
    {
        auto *button = new SkinButton(makeInfo(), 100, QString(), _parent);
        button->setPushMode(true);
        button->setSkinEnabled(false);
        QCOMPARE(button->imageState(), int(SkinButton::StateHover));
        button->updateImage(SkinButton::StateDisabled);  // only asked for, the disabled image shows
        QCOMPARE(shownColour(button), colours[3]);

        // A tab that is not selected shows the mouse without taking the selected image.
        button->setSkinEnabled(true);
        button->setPushMode(false);
        button->setTabLook(true);
        enter(button);
        QCOMPARE(button->imageState(), int(SkinButton::StateNormal));
        QVERIFY(button->isHighlighted());
        leave(button);
        QVERIFY(!button->isHighlighted());
        QCOMPARE(shownColour(button), colours[0]);
    }

    // A state outside the four changes nothing; a new skin starts from the normal state.
    void badStateAndNewSkin()
    {
        auto *button = new SkinButton(makeInfo(), 100, QStringLiteral("Go"), _parent);
        button->show();
        button->updateImage(SkinButton::StatePressed);
        const QImage before = button->grab().toImage();
        for (int state : {7, -1, 4})
            button->updateImage(state);
        QCOMPARE(button->imageState(), int(SkinButton::StatePressed));
        QCOMPARE(button->grab().toImage(), before);

        button->setPushMode(true);
        button->setSkinEnabled(false);
        SkinButtonInfo other = makeInfo();
        other.imageNormal = solid(Qt::darkCyan);
        button->setSkin(other);
        QVERIFY(button->isSkinEnabled() && !button->pushMode());
        QCOMPARE(shownColour(button), QColor(Qt::darkCyan));
        QCOMPARE(button->geometry(), QRect(10, 60, 40, 20));  // the place stays
    }

    // The title is painted black, white under the mouse, over the image; one too wide shrinks
    // to a legible size, then is elided.
    void titlePaintedAndFitted()
    {
        auto *button = new SkinButton(makeInfo(), 100, QStringLiteral("HHHH"), _parent);
        button->show();
        QImage shot = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(TestCard::countNear(shot, Qt::black, 0) > 0 && TestCard::countNear(shot, Qt::white, 0) == 0);
        QCOMPARE(shot.pixelColor(0, 0), colours[0]);
        button->updateImage(SkinButton::StateHover);
        shot = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(TestCard::countNear(shot, Qt::white, 0) > 0 && TestCard::countNear(shot, Qt::black, 0) == 0);

        QFont font = button->font();
        const QString shown = SkinButton::fittedTitle(QStringLiteral("Wiedergabe Werkzeuge"), 40, &font);
        QVERIFY(QFontMetrics(font).horizontalAdvance(shown) <= 40);
        QVERIFY(font.pointSizeF() >= SkinButton::MinimumTitlePointSize);
        QVERIFY(font.pointSizeF() < button->font().pointSizeF());
        font = button->font();
        QCOMPARE(SkinButton::fittedTitle(QStringLiteral("OK"), 40, &font), QStringLiteral("OK"));
        QCOMPARE(font, button->font());
    }

    void menuPopsUpAtBottomLeftCorner()
    {
        auto *button = new SkinButton(makeInfo(), 100, QStringLiteral("File"), _parent);
        button->show();
        QMenu menu;
        menu.addAction(QStringLiteral("Open"));
        QPoint shownAt;
        QTimer::singleShot(0, &menu, [&] {
            shownAt = menu.pos();
            menu.close();
        });
        QCOMPARE(button->showMenu(&menu), nullptr);
        QCOMPARE(shownAt, button->mapToGlobal(QPoint(0, button->height())));
        QCOMPARE(button->showMenu(nullptr), nullptr);
    }

    // Set from the program, not the mouse: the plain image, even under the mouse, no action.
    void checkButtonSetStateShowsPlainImage()
    {
        auto *button = new SkinCheckButton(makeInfo(), 100, QString(), _parent);
        button->show();
        QSignalSpy spy(button, &SkinCheckButton::triggered);
        enter(button);
        button->setState(true);
        QCOMPARE(button->shownImage(), SkinCheckButton::ImageCheck);
        QVERIFY(button->isChecked());
        button->setState(false);
        QCOMPARE(button->shownImage(), SkinCheckButton::ImageNormal);
        QCOMPARE(spy.count(), 0);
    }

    // A skin pair: one picture (key 0), a button (21), a hidden button (22), a hidden check
    // button (45).
    void buttonsComeFromSkin()
    {
        QTemporaryDir dir;
        const QString dsc = dir.filePath(QStringLiteral("brumoset.dsc"));
        const QString chk = dir.filePath(QStringLiteral("brumoset.chk"));
        QVERIFY(TestCard::writeSkin(dsc, chk,
                                    {{0, 2, 0, 0, 40, 20}, {21, 3, 300, 700, 340, 720},
                                     {22, 3, 0, 0, 40, 20, 0, 0}, {45, 3, 100, 50, 140, 70, 0, 0}},
                                    {solid(Qt::gray), strip(), strip(), strip()}));
        const std::unique_ptr<SkinManager> skin = SkinManager::create(dsc, chk);
        QVERIFY(skin);

        QWidget view;
        view.resize(1024, 768);
        SkinButton *button = SkinButton::create(*skin, 21, &view, QStringLiteral("Play"),
                                                QStringLiteral("Play it"));
        QVERIFY(button && button->parentWidget() == &view);
        QCOMPARE(button->tag(), 21);
        QCOMPARE(button->text(), QStringLiteral("Play"));
        QCOMPARE(button->toolTip(), QStringLiteral("Play it"));
        QCOMPARE(button->geometry(), QRect(300, 700, 40, 20));  // the item's left and top
        QCOMPARE(shownColour(button), colours[0]);  // the strip's states are the skin manager's
        QVERIFY(SkinButton::create(*skin, 22, &view)->isHidden());

        SkinCheckButton *check = SkinCheckButton::create(*skin, 45, &view);
        QVERIFY(check);
        QCOMPARE(check->tag(), 45);
        QCOMPARE(check->geometry(), QRect(100, 50, 40, 20));
        QVERIFY(check->isHidden());

        QCOMPARE(SkinButton::create(*skin, 0, &view), nullptr);  // a picture, not a button
        QCOMPARE(SkinButton::create(*skin, 99, &view), nullptr);
        QCOMPARE(SkinCheckButton::create(*skin, 0, &view), nullptr);
    }

private:
    static SkinButtonBase *make(bool check, QWidget *parent)
    {
        if (check)
            return new SkinCheckButton(makeInfo(), 100, QStringLiteral("Go"), parent);
        return new SkinButton(makeInfo(), 100, QStringLiteral("Go"), parent);
    }

    QWidget *_parent = nullptr;
};

QTEST_MAIN(TestSkinButtons)
#include "test_skin_buttons.moc"
