#include "EvidenceManifest.h"

#include "Sha256.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTimeZone>

#include <cstdlib>

namespace {

QJsonArray entriesJson(const QList<EvidencePackage::Entry> &entries, bool withTime)
{
    QJsonArray array;
    for (const EvidencePackage::Entry &entry : entries) {
        QJsonObject object{{"path", entry.path},
                           {"size", entry.size},
                           {"sha256", QString::fromLatin1(entry.sha256)}};
        if (withTime)
            object.insert("modified_utc", entry.modified.toUTC().toString(Qt::ISODateWithMs));
        array.append(object);
    }
    return array;
}

// The package's display zone; the system's when the format names none.
QTimeZone timeZoneOf(const DisplayZone &zone)
{
    return zone.isSystem() ? QTimeZone::systemTimeZone() : QTimeZone(zone.id());
}

QJsonValue textOrNull(const QString &text)
{
    return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
}

} // namespace

EvidenceManifest::EvidenceManifest(const EvidencePackage::Options &options,
                                   const QList<EvidencePackage::Entry> &originals,
                                   const QList<EvidencePackage::Entry> &derived, const QList<Chosen> &chosen)
    : _options(options)
    , _originals(originals)
    , _derived(derived)
    , _chosen(chosen)
    , _created(QDateTime::currentDateTime())
{
}

QByteArray EvidenceManifest::sums() const
{
    QByteArray text;
    for (const QList<EvidencePackage::Entry> *list : {&_originals, &_derived})
        for (const EvidencePackage::Entry &entry : *list)
            text += entry.sha256 + "  " + entry.path.toUtf8() + '\n';
    return text;
}

bool EvidenceManifest::writeSums(const QString &root, QString *error)
{
    const QByteArray text = sums();
    _sumsHash = Sha256::hexOf(text);
    return EvidenceFiles::write(root + u'/' + QLatin1String(sumsName()), text, error);
}

QString EvidenceManifest::zoneText() const
{
    const QTimeZone zone = timeZoneOf(_options.format.zone());
    const int offset = zone.offsetFromUtc(_created);
    const QString sign = offset < 0 ? QStringLiteral("-") : QStringLiteral("+");
    return QStringLiteral("%1 (UTC%2%3:%4)")
        .arg(QString::fromUtf8(zone.id()), sign)
        .arg(std::abs(offset) / 3600, 2, 10, QLatin1Char('0'))
        .arg(std::abs(offset) % 3600 / 60, 2, 10, QLatin1Char('0'));
}

QString EvidenceManifest::sizeText(qint64 bytes)
{
    return QLocale(QLocale::English).toString(bytes) + QStringLiteral(" B");
}

QString EvidenceManifest::offsetText(const std::optional<qint64> &offset, const QString &none)
{
    return offset ? QStringLiteral("%1%2 ms").arg(*offset > 0 ? QStringLiteral("+") : QString()).arg(*offset) : none;
}

QByteArray EvidenceManifest::json(const QList<EvidencePackage::Entry> &reports) const
{
    QJsonArray chosen;
    for (const Chosen &c : _chosen)
        chosen.append(QJsonObject{
            {"recording", c.path},
            {"frame", c.frame},
            {"frame_time_utc", QDateTime::fromMSecsSinceEpoch(c.frameMsec, Qt::UTC).toString(Qt::ISODateWithMs)},
            {"clock_offset_ms", c.clockOffsetMsec ? QJsonValue(*c.clockOffsetMsec) : QJsonValue(QJsonValue::Null)}});
    const QTimeZone zone = timeZoneOf(_options.format.zone());
    const QDateTime createdLocal = _created.toTimeZone(zone);
    const QJsonObject manifest{
        {"tool", QJsonObject{{"name", _options.toolName}, {"version", _options.toolVersion}}},
        {"created_utc", _created.toUTC().toString(Qt::ISODateWithMs)},
        {"created_local", createdLocal.toOffsetFromUtc(createdLocal.offsetFromUtc()).toString(Qt::ISODateWithMs)},
        {"time_zone", QString::fromUtf8(zone.id())},
        {"source_card", QDir(_options.cardRoot).absolutePath()},
        {"margin_seconds", _options.marginSeconds},
        {"operator", textOrNull(_options.operatorName)},
        {"note", textOrNull(_options.note)},
        {"chosen", chosen},
        {"clock_offset_note", "camera time minus GPS time, median over the frames with a fix; null without a fix"},
        {"originals", entriesJson(_originals, true)},
        {"derived", entriesJson(_derived, false)},
        {"reports", entriesJson(reports, false)},
        {"sha256sums", QString::fromLatin1(_sumsHash)},
    };
    return QJsonDocument(manifest).toJson(QJsonDocument::Indented);
}

bool EvidenceManifest::writeManifest(const QString &root, const QList<EvidencePackage::Entry> &reports,
                                     QString *error) const
{
    return EvidenceFiles::write(root + u'/' + QLatin1String(manifestName()), json(reports), error);
}
