// The texts: every key the code shows has a clean text in every language, which loads as expected.

#include "Texts.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString translationsDir = QStringLiteral(TUMBO_SOURCE_DIR "/resources/translations");
const QString sourceDir = QStringLiteral(TUMBO_SOURCE_DIR "/src");

QStringList knownKeys()
{
    QFile file(translationsDir + QStringLiteral("/text-keys.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList keys;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            keys.append(line);
    }
    return keys;
}

// What lrelease says of a language's source: its messages, or the reason it is not clean
// (a parse error, duplicate or id-less messages, unfinished texts).
struct Release {
    int generated = -1;
    QString problem;
};

Release releaseTs(const QString &language)
{
    QTemporaryDir dir;
    QProcess lrelease;
    lrelease.setProcessChannelMode(QProcess::MergedChannels);
    lrelease.start(QStringLiteral(TUMBO_LRELEASE),
                   {QStringLiteral("-idbased"), translationsDir + QStringLiteral("/tumbo_%1.ts").arg(language),
                    QStringLiteral("-qm"), dir.filePath(QStringLiteral("check.qm"))});
    Release release;
    if (!lrelease.waitForFinished(60000) || lrelease.exitCode() != 0)
        release.problem = QStringLiteral("lrelease failed: ") + lrelease.errorString() + u'\n';
    const QString output = QString::fromLocal8Bit(lrelease.readAll());
    static const QRegularExpression summary(
        QStringLiteral(R"(Generated (\d+) translation\(s\) \((\d+) finished and 0 unfinished\))"));
    const QRegularExpressionMatch match = summary.match(output);
    if (match.hasMatch() && match.captured(1) == match.captured(2))
        release.generated = match.captured(1).toInt();
    if (output.contains(QLatin1String("Warning")) || output.contains(QLatin1String("Dropped"))
        || !match.hasMatch())
        release.problem += output;
    return release;
}

// Key literals in the sources: whole string literals of the key families, including
// ids of Designer forms. A family prefix alone (built up at run time) is not a key.
QMap<QString, QString> keysInSources()
{
    static const QRegularExpression literal(
        QStringLiteral(R"re("((?:gui|msg|tooltip|menu|button)_[a-z0-9_]*[a-z0-9])")re"));
    static const QRegularExpression uiText(
        QStringLiteral(R"re(<string[^>]*>((?:gui|msg|tooltip|menu|button)_[a-z0-9_]*[a-z0-9])</string>)re"));
    QMap<QString, QString> found;  // key -> first place
    QDirIterator it(sourceDir, {QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("*.ui")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            for (const QRegularExpression *re : {&literal, &uiText}) {
                auto matches = re->globalMatch(lines[i]);
                while (matches.hasNext()) {
                    const QString key = matches.next().captured(1);
                    if (!found.contains(key))
                        found.insert(key, QDir(TUMBO_SOURCE_DIR).relativeFilePath(path)
                                              + QLatin1Char(':') + QString::number(i + 1));
                }
            }
        }
    }
    return found;
}

// The numbered arguments of a text, sorted ("%1", "%2"), and any left-over
// platform-style object argument.
QStringList argumentsOf(const QString &text)
{
    static const QRegularExpression argument(QStringLiteral("%(?:L?[1-9][0-9]?|@)"));
    QStringList args;
    auto matches = argument.globalMatch(text);
    while (matches.hasNext())
        args.append(matches.next().captured());
    args.sort();
    return args;
}

} // namespace

class TestTexts : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        _keys = knownKeys();
        QVERIFY2(_keys.size() > 100, qPrintable(translationsDir + "/text-keys.txt"));
        QCOMPARE(QSet<QString>(_keys.begin(), _keys.end()).size(), _keys.size());
        QVERIFY(Texts::setLanguage(QStringLiteral("en")));
        for (const QString &key : _keys)
            _english.insert(key, Texts::text(key));
    }

    void languages_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : Texts::languages())
            QTest::newRow(qPrintable(language)) << language;
    }

    // Every language: lrelease finds its source clean, with as many texts as known keys;
    // the program has a text for each key, with the English arguments.
    void languages()
    {
        QFETCH(QString, language);
        const Release release = releaseTs(language);
        QVERIFY2(release.problem.isEmpty(), qPrintable(release.problem));
        QVERIFY(Texts::setLanguage(language) && Texts::language() == language);
        QStringList problems;
        for (const QString &key : _keys) {
            const QString text = Texts::text(key);
            const QStringList expected = argumentsOf(_english.value(key));
            if (text.trimmed().isEmpty() || text == key)
                problems << key + QStringLiteral(": no text");
            else if (argumentsOf(text) != expected || expected.contains(QStringLiteral("%@")))
                problems << key + QStringLiteral(": arguments differ from English [")
                                + expected.join(QLatin1Char(' ')) + QLatin1Char(']');
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n"))));
        // All present and none over: no text for a key missing from text-keys.txt.
        QCOMPARE(release.generated, _keys.size());
        QCOMPARE(qtTrId("gui_ok"), Texts::text("gui_ok"));
        QCOMPARE(Texts::text("gui_no_such_key"), QStringLiteral("gui_no_such_key"));
    }

    void keysUsedInCodeHaveEnglishTexts()
    {
        const QMap<QString, QString> used = keysInSources();
        QStringList problems;
        for (auto it = used.cbegin(); it != used.cend(); ++it)
            if (!_keys.contains(it.key()))
                problems.append(it.key() + QStringLiteral(" (") + it.value() + QLatin1Char(')'));
        QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("keys without a text: ")
                                                + problems.join(QStringLiteral(", "))));
        // The one formatted text of the list keeps its argument.
        QCOMPARE(argumentsOf(_english.value(QStringLiteral("gui_total_distance"))),
                 QStringList{"%1"});
    }

    void languageFollowsLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "de" << "Abbrechen";
        QTest::newRow("Swiss German") << QLocale(QLocale::German, QLocale::Switzerland) << "de" << "Abbrechen";
        QTest::newRow("Korean") << QLocale(QLocale::Korean, QLocale::SouthKorea) << "ko" << "취소";
        QTest::newRow("French falls back") << QLocale(QLocale::French, QLocale::France) << "en" << "Cancel";
        QTest::newRow("C falls back") << QLocale::c() << "en" << "Cancel";
    }

    void languageFollowsLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, language);
        QCOMPARE(Texts::install(locale), language);
        QCOMPARE(Texts::language(), language);
        QTEST(Texts::text("gui_cancel"), "cancel");
    }

    void unknownLanguageChangesNothing()
    {
        QVERIFY(Texts::setLanguage(QStringLiteral("de")));
        QVERIFY(!Texts::setLanguage(QStringLiteral("fr")));
        QVERIFY(!Texts::setLanguage(QString()));
        QCOMPARE(Texts::language(), QStringLiteral("de"));
        QCOMPARE(Texts::text("gui_cancel"), QStringLiteral("Abbrechen"));
    }

private:
    QStringList _keys;
    QMap<QString, QString> _english;
};

QTEST_GUILESS_MAIN(TestTexts)
#include "test_texts.moc"
