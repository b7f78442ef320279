// The card list, format and eject against a fake UDisks2 service on a private bus.
#include "EjectCardWindow.h"
#include "FakeUDisks.h"
#include "InitCardWindow.h"
#include "TestCard.h"
#include "ui_EjectCardWindow.h"
#include "ui_InitCardWindow.h"

#include "CameraSettings.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QInputDialog>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// trouble: methods that fail, or what else goes wrong
struct FormatRow { bool mounted{}; bool backup{}; QStringList trouble; QString alert; bool erased{};
    QByteArray settings; };

struct EjectRow { QStringList failing; QString alert; QStringList calls; int rows{}; };

class TestCardWindows : public QObject {
    Q_OBJECT

    static QJsonObject cli(const QStringList &args, int *code = nullptr)
    {
        int exit = -1;
        const QByteArray out = TestCard::run(TUMBO_CLI_PATH, args, &exit);
        if (code)
            *code = exit;
        return exit == 0 ? QJsonDocument::fromJson(out).object() : QJsonObject();
    }
    // The calls that change a disk.
    static QStringList writing(const QStringList &calls)
    {
        return calls.filter(QRegularExpression("^(Unmount|Format|CreatePartitionAndFormat|Mount|Eject|PowerOff) "));
    }
    // Runs a format or eject of the manager and gives back why it failed ("" when it did not).
    static QString refusal(UsbManager &manager, const UsbDisk &disk, bool format)
    {
        QEventLoop loop;
        QString why;
        bool finished = false;
        const auto done = [&](bool ok, const QString &text) {
            why = ok ? QString() : text;
            finished = true;
            loop.quit();
        };
        if (format)
            manager.formatDisk(disk, UsbManager::cardLabel(), &loop, done);
        else
            manager.ejectDisk(disk, &loop, done);
        if (!finished)
            loop.exec();
        return why;
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
    void initTestCase() { TestCard::prepareEnvironment(); }

    void listsUsbWholeDisksOnly()
    {
        FakeUDisks fake;
        fake.addDisk("sda", "ata", "ACME", "SSD");
        fake.addDisk("sdb", "usb", "Generic", "Card Reader");
        fake.addPartition("sdc", 1);          // the partition shows up before its disk
        fake.addDisk("sdd", "usb", "Empty", "Slot", 0);
        fake.addDisk("sde", "usb", "System", "Stick");
        fake.addPartition("sde", 1, "/");
        UsbManager manager(fake.bus());
        QVERIFY(manager.waitUntilReady());
        fake.addDisk("sdc", "usb", "Late", "Disk");
        fake.addPartition("sdb", 1, "/media/user/CARDVOL");  // mounted while we watch
        QTRY_COMPARE(manager.volumeNameAtIndex(0), QString("CARDVOL"));
        QCOMPARE(manager.volumeNameAtIndex(2), QString());
        // Only the two USB whole disks with a medium, in order of arrival.
        const QJsonDocument expected = QJsonDocument::fromJson(
            R"({"disks": [{"device": "/dev/sdb", "name": "Generic Card Reader", "id": "Generic-Card Reader-sdb", "volume": "CARDVOL", "size": 8000000000},
                          {"device": "/dev/sdc", "name": "Late Disk", "id": "Late-Disk-sdc", "volume": null, "size": 8000000000}]})");
        QCOMPARE(cli({"devices"}), expected.object());
        fake.removeDisk("sdb");
        QTRY_COMPARE(manager.disks().size(), 1);
        QCOMPARE(manager.disks().first().name, QString("Late Disk"));
    }

    void format_data()
    {
        QTest::addColumn<FormatRow>("row");
        const QStringList none;
        const QByteArray defaults = CameraSettings::defaultConfigText(), own = "[SET]\r\nPASSWORD=9000\r\n";
        QTest::newRow("defaults") << FormatRow{true, false, none, "ready for the camera", true, defaults};
        QTest::newRow("kept") << FormatRow{true, true, none, "ready for the camera", true, own};
        QTest::newRow("desktop mounted it") << FormatRow{false, false, {"desktop"}, "ready for the camera", true,
            defaults};
        QTest::newRow("nothing to keep") << FormatRow{false, true, none, "settings", false, {}};
        QTest::newRow("no row") << FormatRow{true, false, {"no row"}, "not be formatted", false, {}};
        QTest::newRow("busy card") << FormatRow{true, true, {"Unmount"}, "not be formatted", false, {}};
        QTest::newRow("erase refused") << FormatRow{true, false, {"Format"}, "not be formatted", true, {}};
        QTest::newRow("mount refused") << FormatRow{true, true, {"Mount"}, "not be formatted", true, {}};
        QTest::newRow("folder blocked") << FormatRow{true, false, {"log"}, "folders or settings", true, {}};
    }

    void format()
    {
        QFETCH(FormatRow, row);
        QTemporaryDir old, fresh;
        QVERIFY(TestCard::writeFile(old.filePath("config/set.dat"), "[SET]\r\nPASSWORD=9000\r\n"));
        // A copy left by an earlier format must never reach this card.
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(TestCard::writeFile(documents + "/set.dat.bak", "[SET]\r\nPASSWORD=7000\r\n"));
        if (row.trouble.contains("log"))
            QVERIFY(TestCard::writeFile(fresh.filePath("log"), "a file where a folder goes"));
        FakeUDisks fake;
        fake.addDisk("sdb", "usb", "Generic", "Card Reader");
        fake.addPartition("sdb", 1, row.mounted ? old.path() : QString());
        fake.behave(row.trouble, fresh.path(), row.trouble.contains("desktop"));
        // The old card is mounted in a temporary folder, which stands for the media folders.
        UsbManager manager(fake.bus(), nullptr, {QDir::tempPath()});
        InitCardWindow window(&manager);
        window.ui()->chkBackupConfig->setChecked(row.backup);
        QVERIFY(press(window, [&] { window.btnFormat(); }, !row.trouble.contains("no row")).contains(row.alert));
        QCOMPARE(fake.calls().join(u' ').contains("Format /org"), row.erased);
        QCOMPARE(TestCard::readFile(fresh.filePath("config/set.dat")), row.settings);
        QCOMPARE(cli({"card", fresh.path()}).value("valid").toBool(), QFileInfo::exists(fresh.filePath("config/set.dat")));
        QVERIFY(window.ui()->btnClose->isEnabled());
    }

    void eject_data()
    {
        QTest::addColumn<EjectRow>("row");
        const QString part = "Unmount /org/freedesktop/UDisks2/block_devices/sdb1";
        const QString drive = "/org/freedesktop/UDisks2/drives/sdb";
        QTest::newRow("ejected") << EjectRow{{}, "removed safely", {part, "Eject " + drive, "PowerOff " + drive}, 0};
        QTest::newRow("busy") << EjectRow{{"Unmount"}, "not be ejected", {part}, 1};
        QTest::newRow("refused") << EjectRow{{"Eject"}, "not be ejected", {part, "Eject " + drive}, 1};
    }

    void eject()
    {
        QFETCH(EjectRow, row);
        FakeUDisks fake;
        fake.addDisk("sdb", "usb", "Generic", "Card Reader");
        fake.addPartition("sdb", 1, "/media/user/TREMOLAX1");
        fake.behave(row.failing);
        UsbManager manager(fake.bus());
        EjectCardWindow window(&manager);
        QVERIFY(press(window, [&] { window.ui()->btnEject->click(); }).contains(row.alert));
        QCOMPARE(fake.calls().filter(QRegularExpression("^(Unmount|Eject|PowerOff)")), row.calls);
        QCOMPARE(window.ui()->tableView->rowCount(), row.rows);
    }

    // What changed between listing and erasing: both operations refuse and change nothing.
    void refusesWhatChanged_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("why");
        QTest::newRow("backup disk took its place") << "swapped" << "Another disk (Big Backup) is now at /dev/sdb";
        QTest::newRow("/home mounted after listing") << "home" << "running system now uses /dev/sdb";
        QTest::newRow("root inside LUKS") << "luks" << "running system now uses /dev/sdb";
        QTest::newRow("active swap") << "swap" << "running system now uses /dev/sdb";
        QTest::newRow("/boot/firmware") << "firmware" << "running system now uses /dev/sdb";
    }

    void refusesWhatChanged()
    {
        QFETCH(QString, change);
        QFETCH(QString, why);
        FakeUDisks fake;
        fake.addDisk("sdb", "usb", "Generic", "Card Reader");
        fake.addPartition("sdb", 1);
        UsbManager manager(fake.bus());
        QVERIFY(manager.waitUntilReady() && manager.disks().size() == 1);
        const UsbDisk listed = manager.disks().constFirst();
        if (change == "swapped") {
            fake.removeDisk("sdb");
            fake.addDisk("sdb", "usb", "Big", "Backup", 2'000'000'000'000);
            fake.addPartition("sdb", 1, "/media/user/BACKUP", "BACKUP", "ext4");
        } else if (change == "home") {
            fake.mount("sdb1", "/home", false);
        } else if (change == "luks") {
            fake.addLuks("sdb", 2, "/");
        } else if (change == "swap") {
            fake.addSwap("sdb", 2);
        } else {
            fake.mount("sdb1", "/boot/firmware");
        }
        for (const bool format : {true, false}) {
            const QString refused = refusal(manager, listed, format);
            QVERIFY2(refused.contains(why), qPrintable(refused));
        }
        int code = 0;
        cli({"format", "/dev/sdb", "--id", listed.id, "--yes"}, &code);
        QCOMPARE(code, 1);
        QCOMPARE(writing(fake.calls()), QStringList());
    }

    // Scripts erase and eject exactly the drive they name, as the windows do.
    void commandLine()
    {
        QTemporaryDir fresh;
        FakeUDisks fake;
        fake.addDisk("sda", "ata", "ACME", "SSD");
        fake.addDisk("sdb", "usb", "Generic", "Card Reader");
        fake.addPartition("sdb", 1, "/media/user/OLD");
        fake.behave({}, fresh.path());
        const QString id = "Generic-Card Reader-sdb";
        for (const QStringList &refused : {QStringList{"format", "/dev/sdb", "--id", id},
                 {"format", "/dev/sdb", "--id", "Big-Backup-sdb", "--yes"}, {"format", "/dev/sda", "--id", "ACME-SSD-sda", "--yes"},
                 {"eject", "/dev/sdb", "--id", "Big-Backup-sdb"}}) {
            int code = 0;
            cli(refused, &code);
            QCOMPARE(code, 1);
        }
        QCOMPARE(writing(fake.calls()), QStringList());
        const QJsonObject formatted = cli({"format", "/dev/sdb", "--id", id, "--yes"});
        QCOMPARE(formatted, QJsonDocument::fromJson(QStringLiteral(R"({"device": "/dev/sdb", "volume": "TREMOLAX1", "mount": "%1"})")
                                                        .arg(fresh.path()).toUtf8()).object());
        const QString disk = "/org/freedesktop/UDisks2/block_devices/sdb";
        QCOMPARE(writing(fake.callsWithArguments()), (QStringList{"Unmount " + disk + "1 {}", "Format " + disk + " dos {}",
            "CreatePartitionAndFormat " + disk + " 0 0 0x0c \"\" {} vfat {label=TREMOLAX1}", "Mount " + disk + "1 {}"}));
        QVERIFY(QFileInfo(fresh.filePath("CH1/normal")).isDir() && QFileInfo::exists(fresh.filePath("config/set.dat")));
        fake.mount("sdb1", "/media/user/TREMOLAX1");
        QCOMPARE(cli({"eject", "/dev/sdb", "--id", id}).value("ejected").toBool(), true);
        QCOMPARE(writing(fake.calls()).mid(4), (QStringList{"Unmount " + disk + "1", "Eject /org/freedesktop/UDisks2/drives/sdb",
                                                   "PowerOff /org/freedesktop/UDisks2/drives/sdb"}));
    }

    // A disk that is no camera card is erased only when its volume name is typed.
    void asksBeforeErasingAnotherDisk()
    {
        QTemporaryDir fresh;
        FakeUDisks fake;
        fake.addDisk("sdb", "usb", "Big", "Backup", 2'000'000'000'000);
        fake.addPartition("sdb", 1, {}, "BACKUP", "ext4");
        fake.behave({}, fresh.path());
        UsbManager manager(fake.bus());
        InitCardWindow window(&manager);
        window.ui()->chkBackupConfig->setChecked(false);
        QCOMPARE(window.ui()->tableView->item(0, 2)->text(), QString("BACKUP"));
        for (const QString typed : {"backup", "BACKUP"}) {
            QTimer typist;
            connect(&typist, &QTimer::timeout, this, [&] {
                if (auto *question = qobject_cast<QInputDialog *>(QApplication::activeModalWidget())) {
                    question->setTextValue(typed);
                    question->accept();
                }
            });
            typist.start(10);
            if (typed == "backup") {
                window.ui()->tableView->selectRow(0);
                window.btnFormat();
                QCOMPARE(writing(fake.calls()), QStringList());
            } else {
                QVERIFY(press(window, [&] { window.btnFormat(); }).contains("ready for the camera"));
            }
        }
        QVERIFY(fake.calls().contains("Format /org/freedesktop/UDisks2/block_devices/sdb"));
    }

    void withoutUDisks()
    {
        FakeUDisks bus(false);
        UsbManager manager(bus.bus());
        EjectCardWindow window(&manager);
        QVERIFY(!manager.waitUntilReady());
        QCOMPARE(window.ui()->tableView->rowCount(), 0);
        QVERIFY(!window.ui()->labelMessage->isHidden() && window.ui()->labelMessage->text().contains("udisks2"));
        QCOMPARE(cli({"devices"}), QJsonObject());
    }
};

QTEST_MAIN(TestCardWindows)
#include "test_CardWindows.moc"
