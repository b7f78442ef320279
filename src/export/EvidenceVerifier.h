// Checks an evidence package as a third party would: every file listed in SHA256SUMS is
// hashed again, the manifest's hash of SHA256SUMS must match, and no file of the package may
// be missing or unlisted.
#pragma once

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

class EvidenceVerifier {
public:
    struct Result {
        bool ok = false;
        qint64 checked = 0;
        QStringList mismatched;  // paths relative to the package
        QStringList missing;
        QStringList unlisted;
        QString error;  // why the package could not be checked at all
    };
    using Progress = std::function<void(qint64 done, qint64 total, const QString &path)>;

    static Result check(const QString &folder, const std::atomic_bool &cancel, const Progress &progress = {});
};
