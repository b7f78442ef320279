// The certificate that ends each evidence report: what was copied with its size and hash,
// the hash of SHA256SUMS, the camera clock offset, the time zone, who made the package and
// when, and how anyone can check it. Long lists of originals run on over further pages.
#pragma once

#include <QList>
#include <QRectF>
#include <QString>

#include <functional>

class EvidenceManifest;
class QPainter;

class EvidenceCertificate {
public:
    using Page = std::function<void(QPainter *painter, const QRectF &page)>;

    // The pages, painting in points on a top-left-origin page box.
    static QList<Page> pages(const EvidenceManifest &manifest);
    static QString reportTitle();
};
