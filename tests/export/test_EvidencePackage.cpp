// The evidence package of a generated card, checked by the real sha256sum and the verifier.
#include "EvidencePackage.h"
#include "EvidenceVerifier.h"
#include "FolderScanner.h"
#include "TestCard.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestEvidencePackage : public QObject {
    Q_OBJECT

    QTemporaryDir _dir;
    QString _card;
    QString _chosen;
    EvidencePackage::Result _made;

    EvidencePackage::Options options() const
    {
        EvidencePackage::Options o;
        o.cardRoot = _card;
        o.chosen = {{_chosen, -1, {}}};
        o.operatorName = QStringLiteral("Test Operator");
        o.toolName = QStringLiteral("test");
        o.toolVersion = QStringLiteral("1");
        o.format = DisplayFormat(0, 0, DisplayZone(QByteArrayLiteral("Asia/Seoul")));
        o.recordings = EvidencePackage::cardRecordings(_card);
        o.logs = EvidencePackage::cardLogs(_card);
        return o;
    }

    // A fresh copy of the made package to spoil.
    QString copyOfPackage(const QString &name)
    {
        const QString copy = _dir.filePath(name);
        int code = -1;
        TestCard::run(QStringLiteral("cp"), {QStringLiteral("-r"), _made.folder, copy}, &code);
        return code == 0 ? copy : QString();
    }

private slots:
    void initTestCase()
    {
        TestCard::prepareEnvironment();
        _card = _dir.filePath("card");
        QVERIFY(TestCard::generate(_card, 1, 2, 1));
        const QStringList events = FolderScanner::files(_card + "/CH1/event", "vdd");
        QVERIFY(!events.isEmpty());
        _chosen = _card + "/CH1/event/" + events.first();
        std::atomic_bool cancel{false};
        _made = EvidencePackage(options()).run(_dir.filePath("out"), cancel);
        QVERIFY2(_made.ok, qPrintable(_made.error));
    }

    void checkedBySha256sumAndVerifier()
    {
        int code = -1;
        const QByteArray out = TestCard::run(QStringLiteral("sha256sum"), {"-c", "SHA256SUMS"}, &code, _made.folder);
        QCOMPARE(code, 0);
        QVERIFY(out.contains("originals/" + QDir(_card).relativeFilePath(_chosen).toUtf8() + ": OK"));
        QVERIFY(out.contains("derived/track.gpx: OK"));
        QVERIFY(out.contains("originals/config/set.dat: OK"));
        std::atomic_bool cancel{false};
        const EvidenceVerifier::Result result = EvidenceVerifier::check(_made.folder, cancel);
        QVERIFY(result.ok);
        QCOMPARE(entriesOf(_dir.filePath("out")), QStringList{QFileInfo(_made.folder).fileName()});
        const QJsonObject manifest = QJsonDocument::fromJson(TestCard::readFile(_made.folder + "/manifest.json")).object();
        QCOMPARE(manifest.value("sha256sums").toString().toLatin1(), _made.sha256sums);
        QCOMPARE(manifest.value("operator").toString(), QStringLiteral("Test Operator"));
        // Local times in the package's zone, not the system's.
        QCOMPARE(manifest.value("time_zone").toString(), QStringLiteral("Asia/Seoul"));
        QVERIFY(manifest.value("created_local").toString().endsWith(QStringLiteral("+09:00")));
    }

    void tamperingIsNamed_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("byte flipped") << "mismatched";
        QTest::newRow("file removed") << "missing";
        QTest::newRow("file added") << "unlisted";
    }
    void tamperingIsNamed()
    {
        QFETCH(QString, kind);
        const QString package = copyOfPackage(kind);
        QVERIFY(!package.isEmpty());
        const QString original = "originals/" + QDir(_card).relativeFilePath(_chosen);
        const QString named = kind == "unlisted" ? QStringLiteral("derived/extra.txt") : original;
        if (kind == "mismatched") {
            QByteArray bytes = TestCard::readFile(package + '/' + original);
            bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 0x01);
            QVERIFY(TestCard::writeFile(package + '/' + original, bytes));
        } else if (kind == "missing") {
            QVERIFY(QFile::remove(package + '/' + original));
        } else {
            QVERIFY(TestCard::writeFile(package + '/' + named, "added"));
        }
        std::atomic_bool cancel{false};
        const EvidenceVerifier::Result result = EvidenceVerifier::check(package, cancel);
        QVERIFY(!result.ok);
        const QStringList &list = kind == "mismatched" ? result.mismatched : kind == "missing" ? result.missing : result.unlisted;
        QCOMPARE(list, QStringList{named});
    }

    void changingCardFileFailsAndLeavesNothing()
    {
        EvidencePackage package(options());
        bool changed = false;
        package.setReadHook([&](const QString &source, qint64) {
            if (!changed && source == _chosen) {
                changed = true;
                QFile file(source);
                QVERIFY(file.open(QIODevice::Append));
                file.write("x");
            }
        });
        std::atomic_bool cancel{false};
        const QString out = _dir.filePath("changing");
        const EvidencePackage::Result result = package.run(out, cancel);
        QVERIFY(!result.ok);
        QVERIFY2(result.error.contains(QFileInfo(_chosen).fileName()) && result.error.contains("changed"),
                 qPrintable(result.error));
        QVERIFY(entriesOf(out).isEmpty());
    }

    void certificateHoldsTheHashes()
    {
        const QStringList reports = QDir(_made.folder).entryList({"report_*.pdf"});
        QCOMPARE(reports.size(), 1);
        int code = -1;
        const QByteArray text = TestCard::run(QStringLiteral("pdftotext"), {"-layout", reports.first(), "-"}, &code, _made.folder);
        QCOMPARE(code, 0);
        QVERIFY(text.contains(_made.sha256sums));
        const QList<QByteArray> sums = TestCard::readFile(_made.folder + "/SHA256SUMS").split('\n');
        int originals = 0;
        for (const QByteArray &line : sums)
            if (line.contains("  originals/")) {
                ++originals;
                QVERIFY2(text.contains(line.left(64)), line.constData());
            }
        QVERIFY(originals >= 3);
        // The span's driving events: the impact of the chosen recording.
        const QString recording = QDir(_card).relativeFilePath(_chosen);
        QVERIFY2(QRegularExpression(QStringLiteral("Impact +\\S+Z +\\S+ g +originals/%1").arg(recording))
                     .match(QString::fromUtf8(text)).hasMatch(), text.constData());
    }
};

QTEST_MAIN(TestEvidencePackage)
#include "test_EvidencePackage.moc"
