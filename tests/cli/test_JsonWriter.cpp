#include "JsonWriter.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <cmath>
#include <cstdlib>
#include <limits>

class TestJsonWriter : public QObject {
    Q_OBJECT

private slots:
    // Keys in the order written; inline containers stay inline all the way down.
    void keepsKeyOrderAndNests()
    {
        JsonWriter json;
        json.beginObject();
        json.field("zeta", 1);
        json.field("alpha", QStringLiteral("a"));
        json.key("list");
        json.beginArray(JsonWriter::Layout::Inline);
        json.value(true);
        json.null();
        json.beginObject();
        json.field("inner", 2.5);
        json.endObject();
        json.endArray();
        json.key("empty");
        json.beginArray();
        json.endArray();
        json.key("rows");
        json.beginArray();
        for (int i = 0; i < 2; ++i) {
            json.beginObject(JsonWriter::Layout::Inline);
            json.field("i", i);
            json.endObject();
        }
        json.endArray();
        json.endObject();
        QCOMPARE(json.finish(), QByteArray("{\n  \"zeta\": 1,\n  \"alpha\": \"a\",\n  \"list\": [true, null, {\"inner\": 2.5}],\n"
                                           "  \"empty\": [],\n  \"rows\": [\n    {\"i\": 0},\n    {\"i\": 1}\n  ]\n}\n"));
    }

    void escapesStrings()
    {
        const QString nasty = QStringLiteral("q\"b\\n\nt\tc\x01 \u00e4\u20ac");
        JsonWriter json;
        json.beginObject();
        json.field(QStringLiteral("k\"ey"), nasty);
        json.endObject();
        const QByteArray text = json.finish();
        QVERIFY(text.contains("\\u0001"));
        const QJsonObject o = QJsonDocument::fromJson(text).object();
        QCOMPARE(o.value(QStringLiteral("k\"ey")).toString(), nasty);
    }

    void numbersRoundTripAndNonFiniteIsNull()
    {
        const double values[] = {0.1, 1.0 / 3.0, 4808.2446, -12658.2, 1e300, 5e-324, 18.520000457763672, 0.0};
        for (double v : values) {
            const QByteArray text = JsonWriter::number(v);
            QCOMPARE(std::strtod(text.constData(), nullptr), v);
        }
        QCOMPARE(JsonWriter::number(0.1), QByteArray("0.1"));
        QCOMPARE(JsonWriter::number(4808.0), QByteArray("4808"));
        QCOMPARE(JsonWriter::number(std::nan("")), QByteArray("null"));
        QCOMPARE(JsonWriter::number(std::numeric_limits<double>::infinity()), QByteArray("null"));

        JsonWriter json;
        json.beginArray(JsonWriter::Layout::Inline);
        json.value(std::numeric_limits<int64_t>::min());
        json.value(std::numeric_limits<uint64_t>::max());
        json.value(-std::numeric_limits<double>::infinity());
        json.endArray();
        QCOMPARE(json.finish(), QByteArray("[-9223372036854775808, 18446744073709551615, null]\n"));
    }
};

QTEST_GUILESS_MAIN(TestJsonWriter)
#include "test_JsonWriter.moc"
