#include "EvidenceCertificate.h"

#include "EvidenceManifest.h"
#include "Texts.h"

#include <QDateTime>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QTimeZone>

#include <iterator>
#include <memory>

namespace {

// Lines a page holds at the certificate's line height on A4 with the report's margins.
constexpr int kLinesPerPage = 62;

enum class Kind { Title, Heading, Text, Fixed, Row };
struct Line {
    Kind kind;
    QString text;
};

QFont fontOf(Kind kind)
{
    QFont font = kind == Kind::Fixed ? QFontDatabase::systemFont(QFontDatabase::FixedFont) : QFont();
    font.setPixelSize(kind == Kind::Title ? 17 : kind == Kind::Heading ? 10 : kind == Kind::Fixed || kind == Kind::Row ? 7 : 9);
    font.setBold(kind == Kind::Title || kind == Kind::Heading);
    return font;
}

QString label(const char *key, const QString &value) { return Texts::text(key) + QStringLiteral(": ") + value; }

// Kind, start (UTC), peak and file, tab-separated into the table's columns.
void appendEvents(QList<Line> &lines, const QList<EvidenceCertificate::SpanEvent> &events, int units)
{
    lines.append({Kind::Heading, Texts::text("ev_cert_events")});
    if (events.isEmpty())
        lines.append({Kind::Text, Texts::text("gui_no_events")});
    for (const EvidenceCertificate::SpanEvent &e : events)
        lines.append({Kind::Row, QStringList{Texts::text(DrivingEvents::kindTextId(e.event.kind)),
                                             QDateTime::fromMSecsSinceEpoch(e.event.startMsec, Qt::UTC).toString(Qt::ISODateWithMs),
                                             DrivingEvents::peakText(e.event, units), e.file}
                                     .join(u'\t')});
}

QList<Line> linesOf(const EvidenceManifest &m, const QList<EvidenceCertificate::SpanEvent> &events, int units)
{
    const EvidencePackage::Options &o = m.options();
    const QDateTime created = m.created();
    QList<Line> lines{
        {Kind::Title, Texts::text("ev_cert_title")},
        {Kind::Text, label("ev_cert_tool", o.toolName + u' ' + o.toolVersion)},
        {Kind::Text, label("ev_cert_created", created.toUTC().toString(Qt::ISODate) + QStringLiteral("  /  ")
                                                  + created.toOffsetFromUtc(created.offsetFromUtc()).toString(Qt::ISODate))},
        {Kind::Text, label("ev_cert_zone", m.zoneText())},
        {Kind::Text, label("ev_cert_operator", o.operatorName.isEmpty() ? QStringLiteral("-") : o.operatorName)},
        {Kind::Text, label("ev_cert_note", o.note.isEmpty() ? QStringLiteral("-") : o.note.simplified())},
        {Kind::Text, label("ev_cert_card", o.cardRoot)},
        {Kind::Heading, Texts::text("ev_cert_sums")},
        {Kind::Fixed, QString::fromLatin1(m.sumsHash()) + QStringLiteral("  SHA256SUMS")},
        {Kind::Heading, Texts::text("ev_cert_chosen")},
    };
    for (const EvidenceManifest::Chosen &c : m.chosen()) {
        lines.append({Kind::Fixed, c.path});
        lines.append({Kind::Text, QStringLiteral("    %1 %2 (%3), %4: %5")
                                      .arg(Texts::text("ev_cert_frame")).arg(c.frame)
                                      .arg(QDateTime::fromMSecsSinceEpoch(c.frameMsec, Qt::UTC).toString(Qt::ISODateWithMs),
                                           Texts::text("ev_cert_offset"),
                                           EvidenceManifest::offsetText(c.clockOffsetMsec, Texts::text("ev_cert_no_fix")))});
    }
    lines.append({Kind::Heading, Texts::text("ev_cert_originals")});
    for (const EvidencePackage::Entry &e : m.originals()) {
        lines.append({Kind::Fixed, QStringLiteral("%1  (%2, %3)").arg(e.path, EvidenceManifest::sizeText(e.size),
                                                                      e.modified.toUTC().toString(Qt::ISODate))});
        lines.append({Kind::Fixed, QStringLiteral("    ") + QString::fromLatin1(e.sha256)});
    }
    appendEvents(lines, events, units);
    lines.append({Kind::Heading, Texts::text("ev_cert_check")});
    for (const QString &text : Texts::text("ev_cert_check_text").split(u'\n'))
        lines.append({Kind::Text, text});
    lines.append({Kind::Fixed, QStringLiteral("    sha256sum -c SHA256SUMS")});
    lines.append({Kind::Fixed, QStringLiteral("    tumbo-cli verify FOLDER")});
    return lines;
}

void paintRow(QPainter *p, const QRectF &box, const QStringList &cells)
{
    constexpr double kColumns[] = {0.0, 0.16, 0.36, 0.46, 1.0};
    for (qsizetype i = 0; i < cells.size() && i + 1 < qsizetype(std::size(kColumns)); ++i) {
        const QRectF cell(box.left() + kColumns[i] * box.width(), box.top(),
                          (kColumns[i + 1] - kColumns[i]) * box.width() - 4, box.height());
        p->drawText(cell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                    QFontMetricsF(p->font()).elidedText(cells[i], Qt::ElideMiddle, cell.width()));
    }
}

void paintLines(QPainter *p, const QRectF &page, const QList<Line> &lines)
{
    p->setPen(QPen(Qt::black, 1));
    p->setBrush(Qt::NoBrush);
    p->drawRect(page);
    const double step = (page.height() - 24) / kLinesPerPage;
    double y = page.top() + 12;
    for (const Line &line : lines) {
        const QFont font = fontOf(line.kind);
        p->setFont(font);
        const double height = line.kind == Kind::Title ? 2 * step : step;
        const QRectF box(page.left() + 12, y, page.width() - 24, height);
        if (line.kind == Kind::Row)
            paintRow(p, box, line.text.split(u'\t'));
        else
            p->drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                        QFontMetricsF(p->font()).elidedText(line.text, Qt::ElideMiddle, box.width()));
        y += height;
    }
}

} // namespace

QString EvidenceCertificate::reportTitle()
{
    return Texts::text("ev_report_title");
}

QList<EvidenceCertificate::Page> EvidenceCertificate::pages(const EvidenceManifest &manifest,
                                                            const QList<SpanEvent> &events, int units)
{
    const auto lines = std::make_shared<const QList<Line>>(linesOf(manifest, events, units));
    QList<Page> pages;
    // The title takes two lines' room.
    for (qsizetype first = 0; first < lines->size(); first += kLinesPerPage - 1) {
        pages.append([lines, first](QPainter *painter, const QRectF &page) {
            paintLines(painter, page, lines->mid(first, kLinesPerPage - 1));
        });
    }
    return pages;
}
