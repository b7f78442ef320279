// The card list, format and eject against a fake UDisks2 service on a private bus.
#include "EjectCardWindow.h"
#include "FakeUDisks.h"
#include "InitCardWindow.h"
#include "TestCard.h"
#include "ui_EjectCardWindow.h"
#include "ui_InitCardWindow.h"

#include "CameraSettings.h"
#include "Texts.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestCardWindows : public QObject {
    Q_OBJECT

    QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Runs the action with row 0 selected (or none) and waits for the window's alert.
    template<class Window> QString press(Window &window, const std::function<void()> &action, bool select = true)
    {
        AlertCatcher alerts;
        if (select)
            window.ui()->tableView->selectRow(0);
        QSignalSpy finished(&window, &CardWindow::finished);
        action();
        if (finished.isEmpty())
            finished.wait(60000);
        return alerts.texts().join(u'|');
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Texts::install(QLocale(QLocale::English));
    }

    void listsUsbWholeDisksOnly()
    {
        FakeUDisks fake;
        QVERIFY(fake.isRunning());
        QTemporaryDir mount;
        fake.addDisk("sda", "ata", "ACME", "SSD");
        fake.addDisk("sdb", "usb", "Generic", "Card Reader");
        fake.addPartition("sdc", 1);          // the partition shows up before its disk
        fake.addDisk("sdd", "usb", "Empty", "Slot", 0);
        fake.addDisk("sde", "usb", "System", "Stick");
        fake.addPartition("sde", 1, "/");
        UsbManager manager;
        QVERIFY(manager.waitUntilReady());
        fake.addDisk("sdc", "usb", "Late", "Disk");
        fake.addPartition("sdb", 1, mount.path() + "/CARDVOL");  // mounted while we watch
        QTRY_COMPARE(manager.volumeNameAtIndex(0), QString("CARDVOL"));
        QStringList names;
        for (const UsbDisk &disk : manager.disks())
            names << disk.name + " " + disk.device;
        QCOMPARE(names, QStringList({"Generic Card Reader /dev/sdb", "Late Disk /dev/sdc"}));
        QCOMPARE(manager.volumeNameAtIndex(1), QString());
        QCOMPARE(manager.volumeNameAtIndex(2), QString());
        fake.removeDisk("sdb");
        QTRY_COMPARE(manager.disks().size(), 1);
        QCOMPARE(manager.disks().first().name, QString("Late Disk"));
    }

    void format_data()
    {
        QTest::addColumn<bool>("mounted");
        QTest::addColumn<bool>("backup");
        QTest::addColumn<QStringList>("failing");
        QTest::addColumn<QString>("alert");
        QTest::addColumn<bool>("erased");
        QTest::addColumn<QByteArray>("settings");
        const QStringList none;
        const QByteArray defaults = CameraSettings::defaultConfigText();
        const QByteArray own = "[SET]\r\nPASSWORD=9000\r\n";
        QTest::newRow("defaults") << true << false << none << "ready for the camera" << true << defaults;
        QTest::newRow("kept") << true << true << none << "ready for the camera" << true << own;
        QTest::newRow("nothing to keep") << false << true << none << "settings" << false << QByteArray();
        QTest::newRow("erase refused") << true << false << QStringList{"Format"} << "not be formatted" << true << QByteArray();
        QTest::newRow("mount refused") << true << true << QStringList{"Mount"} << "not be formatted" << true << QByteArray();
        QTest::newRow("desktop mounted it") << false << false << QStringList{"desktop"} << "ready for the camera" << true << defaults;
        QTest::newRow("busy card") << true << true << QStringList{"Unmount"} << "not be formatted" << false << QByteArray();
    }

    void format()
    {
        QFETCH(bool, mounted);
        QFETCH(bool, backup);
        QFETCH(QStringList, failing);
        QFETCH(QString, alert);
        QFETCH(bool, erased);
        QFETCH(QByteArray, settings);
        QTemporaryDir old, fresh;
        QVERIFY(QDir(old.path()).mkpath("config"));
        QFile file(old.filePath("config/set.dat"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("[SET]\r\nPASSWORD=9000\r\n") > 0);
        file.close();
        // A copy left by an earlier format must never reach this card.
        const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        documents.mkpath(".");
        QFile stale(documents.filePath("set.dat.bak"));
        QVERIFY(stale.open(QIODevice::WriteOnly) && stale.write("[SET]\r\nPASSWORD=7000\r\n") > 0);
        stale.close();

        FakeUDisks fake;
        fake.addDisk("sdb", "usb", "Generic", "Card Reader");
        fake.addPartition("sdb", 1, mounted ? old.path() : QString());
        fake.setMountFolder(fresh.path(), failing.contains("desktop"));
        fake.setFailing(failing);
        UsbManager manager;
        InitCardWindow window(&manager);
        window.ui()->chkBackupConfig->setChecked(backup);
        QVERIFY(press(window, [&] { window.ui()->btnFormat->click(); }).contains(alert));
        QCOMPARE(fake.calls().join(u' ').contains("Format /org"), erased);
        QCOMPARE(readFile(fresh.filePath("config/set.dat")), settings);
        QCOMPARE(QDir(fresh.filePath("CH1/event")).exists(), !settings.isEmpty());
        QVERIFY(window.ui()->btnClose->isEnabled());
        if (!settings.isEmpty()) {
            QProcess cli;
            cli.start(TUMBO_CLI_PATH, {"config", fresh.path()});
            QVERIFY(cli.waitForFinished());
            QCOMPARE(cli.exitCode(), 0);
        }
    }

    void formatWithoutRowOrCardFolder()
    {
        FakeUDisks fake;
        fake.addDisk("sdb", "usb", "Generic", "Card Reader");
        QTemporaryDir fresh;
        QVERIFY(QFile(fresh.filePath("log")).open(QIODevice::WriteOnly));  // a file where a folder goes
        fake.setMountFolder(fresh.path());
        UsbManager manager;
        InitCardWindow window(&manager);
        window.ui()->chkBackupConfig->setChecked(false);
        QVERIFY(press(window, [&] { window.btnFormat(); }, false).contains("not be formatted"));
        QVERIFY(fake.calls().filter("Format").isEmpty());
        QVERIFY(press(window, [&] { window.ui()->btnFormat->click(); }).contains("folders or settings"));
    }

    void eject_data()
    {
        QTest::addColumn<QStringList>("failing");
        QTest::addColumn<QString>("alert");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<int>("rows");
        const QString part = "Unmount /org/freedesktop/UDisks2/block_devices/sdb1";
        const QString drive = "/org/freedesktop/UDisks2/drives/sdb";
        QTest::newRow("ejected") << QStringList() << "removed safely" << QStringList{part, "Eject " + drive, "PowerOff " + drive} << 0;
        QTest::newRow("busy") << QStringList{"Unmount"} << "not be ejected" << QStringList{part} << 1;
        QTest::newRow("refused") << QStringList{"Eject"} << "not be ejected" << QStringList{part, "Eject " + drive} << 1;
    }

    void eject()
    {
        QFETCH(QStringList, failing);
        QFETCH(QString, alert);
        QFETCH(QStringList, calls);
        QFETCH(int, rows);
        QTemporaryDir mount;
        FakeUDisks fake;
        fake.addDisk("sdb", "usb", "Generic", "Card Reader");
        fake.addPartition("sdb", 1, mount.path());
        fake.setFailing(failing);
        UsbManager manager;
        EjectCardWindow window(&manager);
        QVERIFY(press(window, [&] { window.ui()->btnEject->click(); }).contains(alert));
        QCOMPARE(fake.calls().filter(QRegularExpression("^(Unmount|Eject|PowerOff)")), calls);
        QCOMPARE(window.ui()->tableView->rowCount(), rows);
    }

    void withoutUDisks()
    {
        QProcess daemon;
        daemon.start("dbus-daemon", {"--session", "--print-address", "--nofork"});
        QVERIFY(daemon.waitForReadyRead());
        qputenv("TUMBO_UDISKS_BUS", daemon.readLine().trimmed());
        UsbManager manager;
        EjectCardWindow window(&manager);
        QVERIFY(!manager.waitUntilReady());
        QCOMPARE(window.ui()->tableView->rowCount(), 0);
        QVERIFY(!window.ui()->labelMessage->isHidden());
        QVERIFY(window.ui()->labelMessage->text().contains("udisks2"));
        daemon.kill();
        daemon.waitForFinished();
    }

    void devicesCommand()
    {
        FakeUDisks fake;
        QTemporaryDir mount;
        fake.addDisk("sda", "sata", "ACME", "SSD");
        fake.addDisk("sdb", "usb", "Generic", "Card Reader", 1000);
        fake.addPartition("sdb", 1, mount.path() + "/CARD");
        fake.addDisk("sdc", "usb", "Other", "Stick", 2000);
        QProcess cli;
        cli.start(TUMBO_CLI_PATH, {"devices"});
        QVERIFY(cli.waitForFinished());
        QCOMPARE(cli.exitCode(), 0);
        const QJsonDocument expected = QJsonDocument::fromJson(
            R"({"disks": [{"device": "/dev/sdb", "name": "Generic Card Reader", "volume": "CARD", "size": 1000},
                          {"device": "/dev/sdc", "name": "Other Stick", "volume": null, "size": 2000}]})");
        QCOMPARE(QJsonDocument::fromJson(cli.readAllStandardOutput()), expected);
    }
};

QTEST_MAIN(TestCardWindows)
#include "test_CardWindows.moc"
