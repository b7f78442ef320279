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
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestCardWindows : public QObject {
    Q_OBJECT

    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static bool writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    static QJsonObject cli(const QStringList &args)
    {
        QProcess process;
        process.start(TUMBO_CLI_PATH, args);
        return process.waitForFinished() && process.exitCode() == 0
            ? QJsonDocument::fromJson(process.readAllStandardOutput()).object() : QJsonObject();
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
        QCOMPARE(manager.volumeNameAtIndex(2), QString());
        // Only the two USB whole disks with a medium, in order of arrival.
        const QJsonDocument expected = QJsonDocument::fromJson(
            R"({"disks": [{"device": "/dev/sdb", "name": "Generic Card Reader", "volume": "CARDVOL", "size": 8000000000},
                          {"device": "/dev/sdc", "name": "Late Disk", "volume": null, "size": 8000000000}]})");
        QCOMPARE(cli({"devices"}), expected.object());
        fake.removeDisk("sdb");
        QTRY_COMPARE(manager.disks().size(), 1);
        QCOMPARE(manager.disks().first().name, QString("Late Disk"));
    }

    void format_data()
    {
        QTest::addColumn<bool>("mounted");
        QTest::addColumn<bool>("backup");
        QTest::addColumn<QStringList>("trouble");  // methods that fail, or what else goes wrong
        QTest::addColumn<QString>("alert");
        QTest::addColumn<bool>("erased");
        QTest::addColumn<QByteArray>("settings");
        const QStringList none;
        const QByteArray defaults = CameraSettings::defaultConfigText(), own = "[SET]\r\nPASSWORD=9000\r\n";
        QTest::newRow("defaults") << true << false << none << "ready for the camera" << true << defaults;
        QTest::newRow("kept") << true << true << none << "ready for the camera" << true << own;
        QTest::newRow("desktop mounted it") << false << false << QStringList{"desktop"} << "ready for the camera" << true << defaults;
        QTest::newRow("nothing to keep") << false << true << none << "settings" << false << QByteArray();
        QTest::newRow("no row") << true << false << QStringList{"no row"} << "not be formatted" << false << QByteArray();
        QTest::newRow("busy card") << true << true << QStringList{"Unmount"} << "not be formatted" << false << QByteArray();
        QTest::newRow("erase refused") << true << false << QStringList{"Format"} << "not be formatted" << true << QByteArray();
        QTest::newRow("mount refused") << true << true << QStringList{"Mount"} << "not be formatted" << true << QByteArray();
        QTest::newRow("folder blocked") << true << false << QStringList{"log"} << "folders or settings" << true << QByteArray();
    }

    void format()
    {
        QFETCH(bool, mounted);
        QFETCH(bool, backup);
        QFETCH(QStringList, trouble);
        QFETCH(QString, alert);
        QTemporaryDir old, fresh;
        QVERIFY(writeFile(old.filePath("config/set.dat"), "[SET]\r\nPASSWORD=9000\r\n"));
        // A copy left by an earlier format must never reach this card.
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(writeFile(documents + "/set.dat.bak", "[SET]\r\nPASSWORD=7000\r\n"));
        if (trouble.contains("log"))
            QVERIFY(writeFile(fresh.filePath("log"), "a file where a folder goes"));
        FakeUDisks fake;
        fake.addDisk("sdb", "usb", "Generic", "Card Reader");
        fake.addPartition("sdb", 1, mounted ? old.path() : QString());
        fake.behave(trouble, fresh.path(), trouble.contains("desktop"));
        UsbManager manager;
        InitCardWindow window(&manager);
        window.ui()->chkBackupConfig->setChecked(backup);
        QVERIFY(press(window, [&] { window.btnFormat(); }, !trouble.contains("no row")).contains(alert));
        QTEST(fake.calls().join(u' ').contains("Format /org"), "erased");
        QTEST(readFile(fresh.filePath("config/set.dat")), "settings");
        QCOMPARE(cli({"card", fresh.path()}).value("valid").toBool(), QFileInfo::exists(fresh.filePath("config/set.dat")));
        QVERIFY(window.ui()->btnClose->isEnabled());
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
        fake.behave(failing);
        UsbManager manager;
        EjectCardWindow window(&manager);
        QVERIFY(press(window, [&] { window.ui()->btnEject->click(); }).contains(alert));
        QCOMPARE(fake.calls().filter(QRegularExpression("^(Unmount|Eject|PowerOff)")), calls);
        QCOMPARE(window.ui()->tableView->rowCount(), rows);
    }

    void withoutUDisks()
    {
        FakeUDisks bus(false);
        UsbManager manager;
        EjectCardWindow window(&manager);
        QVERIFY(!manager.waitUntilReady());
        QCOMPARE(window.ui()->tableView->rowCount(), 0);
        QVERIFY(!window.ui()->labelMessage->isHidden() && window.ui()->labelMessage->text().contains("udisks2"));
        QCOMPARE(cli({"devices"}), QJsonObject());
    }
};

QTEST_MAIN(TestCardWindows)
#include "test_CardWindows.moc"
