// The derived half of the evidence package, made from the verified copies rather than the
// card: a captioned movie and a still of each chosen recording, GPX and KML tracks of the
// logs, and an event report per chosen recording that ends in the certificate.
#pragma once

#include "EvidenceCertificate.h"
#include "EvidenceManifest.h"
#include "EvidencePackage.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>

class EvidenceDerived {
public:
    // root: the package folder being built.
    EvidenceDerived(const EvidencePackage::Options &options, QString root);

    // A chosen recording's or log's copy inside the package.
    void addChosen(const QString &copyPath, qint64 frame, const QImage &graph);
    void addLog(const QString &copyPath);
    // The package's time span (UTC), whose driving events the certificate lists.
    void setSpan(qint64 fromMsec, qint64 toMsec);

    // Movies, stills and tracks into derived/, each hashed as written.
    bool write(const std::atomic_bool &cancel, const EvidencePackage::Progress &progress, QString *error);
    // The event reports with the certificate, beside SHA256SUMS (which they quote).
    bool writeReports(const EvidenceManifest &manifest, QString *error);

    const QList<EvidencePackage::Entry> &entries() const { return _entries; }
    const QList<EvidencePackage::Entry> &reports() const { return _reports; }
    const QList<EvidenceManifest::Chosen> &chosen() const { return _chosen; }

private:
    struct Recording {
        QString path;
        qint64 frame;
        QImage graph;
    };
    bool describe(Recording &recording, QString *error);
    bool movie(const Recording &recording, const std::atomic_bool &cancel,
               const std::function<void(qint64, qint64)> &progress, QString *error);
    bool still(const Recording &recording, QString *error);
    bool tracks(const std::atomic_bool &cancel, QString *error);
    // The events of the chosen recordings and the logs within the span, sorted by start.
    QList<EvidenceCertificate::SpanEvent> spanEvents(const DrivingEvents::Thresholds &thresholds) const;
    // Flushes and hashes a file the other engines wrote and lists it.
    bool adopt(const QString &relative, QList<EvidencePackage::Entry> &list, QString *error);

    const EvidencePackage::Options &_options;
    QString _root;
    QList<Recording> _recordings;
    QStringList _logs;
    qint64 _spanFrom = 0, _spanTo = 0;
    QList<EvidencePackage::Entry> _entries;
    QList<EvidencePackage::Entry> _reports;
    QList<EvidenceManifest::Chosen> _chosen;
};
