// The preferences window: selection from the stored values, OK and Cancel.
#include "DisplayFormat.h"
#include "Preferences.h"
#include "PrivacyZoneEditor.h"
#include "SettingWindow.h"
#include "ui_SettingWindow.h"

#include <QButtonGroup>
#include <QDoubleSpinBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

class TestSettingWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
    }

    void init()
    {
        QSettings().clear();
    }

    // It opens centred with the defaults and Cancel focused; Cancel stores nothing.
    void opensWithDefaultsAndCancelChangesNothing()
    {
        QWidget parent;
        parent.resize(1024, 768);
        parent.show();
        SettingWindow window(&parent);
        bool visible = false;
        QWidget *focused = nullptr;
        QPoint centre;
        QList<int> selected;
        QTimer::singleShot(0, &window, [&] {
            visible = window.isVisible();
            focused = window.focusWidget();
            centre = window.frameGeometry().center();
            selected = {window.matrixDate()->checkedId(), window.matrixSpeed()->checkedId(),
                        window.ui()->comboFlip->currentIndex()};
            window.ui()->radioDate1->click();
            window.ui()->comboFlip->setCurrentIndex(2);
            window.ui()->btnCancel->click();
        });
        QVERIFY(!window.runModal());
        QVERIFY(visible);
        QCOMPARE(focused, window.ui()->btnCancel);
        QVERIFY((centre - parent.frameGeometry().center()).manhattanLength() <= 6);
        QCOMPARE(selected, (QList<int>{0, 0, 0}));
        QVERIFY(QSettings().allKeys().isEmpty());
    }

    // Stored values are selected (one out of range as the first row); OK stores the selection
    // and reloads the display settings at once.
    void okStoresTheSelection()
    {
        Preferences::setDateFormat(1);
        Preferences::setSpeedFormat(3);
        Preferences::setVideoFlip(7);
        SettingWindow window;
        QCOMPARE(window.matrixDate()->checkedId(), 1);
        QCOMPARE(window.matrixSpeed()->checkedId(), 0);
        QCOMPARE(window.ui()->comboFlip->currentIndex(), 0);
        QTimer::singleShot(0, &window, [&] {
            window.ui()->radioSpeed2->click();
            window.ui()->comboFlip->setCurrentIndex(3);
            window.ui()->spinTripGap->setValue(12);
            PrivacyZoneEditor *zones = window.privacyZones();
            zones->latitude()->setValue(48.1);
            zones->longitude()->setValue(11.5);
            zones->radius()->setValue(250);
            zones->btnAdd();
            window.ui()->btnOK->click();
        });
        QVERIFY(window.runModal());
        QCOMPARE(Preferences::dateFormat(), 1);
        QCOMPARE(Preferences::speedFormat(), 2);
        QCOMPARE(Preferences::videoFlip(), 3);
        QCOMPARE(Preferences::intValue(Preferences::TripGap), 720);
        QCOMPARE(DisplayFormat::fromPreferences().dateFormat(), 1);
        QCOMPARE(DisplayFormat::fromPreferences().speedFormat(), QStringLiteral("kn"));
        const PrivacyZones stored = PrivacyZones::stored();
        QCOMPARE(stored.zones().size(), 1);
        QVERIFY(stored.contains(48.1, 11.502) && !stored.contains(48.1, 11.51));
    }
};

QTEST_MAIN(TestSettingWindow)
#include "test_SettingWindow.moc"
