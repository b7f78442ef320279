// The certificate that ends each evidence report: what was copied with its size and hash,
// the hash of SHA256SUMS, the camera clock offset, the time zone, who made the package and
// when, the driving events of the span, and how anyone can check it. Long lists of originals run on over further pages.
#pragma once

#include "DrivingEvents.h"

#include <QList>
#include <QRectF>
#include <QString>

#include <functional>

class EvidenceManifest;
class QPainter;

class EvidenceCertificate {
public:
    using Page = std::function<void(QPainter *painter, const QRectF &page)>;
    // A driving event of the span and the package file it was found in.
    struct SpanEvent {
        DrivingEvents::Event event;
        QString file;
    };

    // The pages, painting in points on a top-left-origin page box; events sorted by start.
    static QList<Page> pages(const EvidenceManifest &manifest, const QList<SpanEvent> &events = {},
                             int units = 0);
    static QString reportTitle();
};
