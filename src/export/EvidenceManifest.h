// The package's own records: SHA256SUMS (in the form `sha256sum -c` reads) and manifest.json,
// with the facts the certificate page repeats.
#pragma once

#include "EvidencePackage.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

class EvidenceManifest {
public:
    struct Chosen {
        QString path;  // relative to the package
        qint64 frame = 0;
        qint64 frameMsec = 0;  // the frame's UTC time
        std::optional<qint64> clockOffsetMsec;
    };

    EvidenceManifest(const EvidencePackage::Options &options, const QList<EvidencePackage::Entry> &originals,
                     const QList<EvidencePackage::Entry> &derived, const QList<Chosen> &chosen);

    // One "HASH  PATH" line per original and derived file.
    QByteArray sums() const;
    bool writeSums(const QString &root, QString *error);
    bool writeManifest(const QString &root, const QList<EvidencePackage::Entry> &reports, QString *error) const;
    QByteArray json(const QList<EvidencePackage::Entry> &reports) const;

    const EvidencePackage::Options &options() const { return _options; }
    const QList<EvidencePackage::Entry> &originals() const { return _originals; }
    const QList<Chosen> &chosen() const { return _chosen; }
    const QDateTime &created() const { return _created; }
    QByteArray sumsHash() const { return _sumsHash; }
    // "Europe/Berlin (UTC+01:00)" for the package's moment.
    QString zoneText() const;
    static QString sizeText(qint64 bytes);
    // "+1200 ms", or the given text without a fix.
    static QString offsetText(const std::optional<qint64> &offset, const QString &none);

    static const char *sumsName() { return "SHA256SUMS"; }
    static const char *manifestName() { return "manifest.json"; }

private:
    const EvidencePackage::Options &_options;
    const QList<EvidencePackage::Entry> &_originals;
    const QList<EvidencePackage::Entry> &_derived;
    QList<Chosen> _chosen;
    QDateTime _created;
    QByteArray _sumsHash;
};
