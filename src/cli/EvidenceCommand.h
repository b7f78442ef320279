// The "evidence" command: an evidence package of recordings of a card, and "verify", the
// check of a package that anyone can run.
#pragma once

#include <QString>
#include <QStringList>

class EvidenceCommand {
public:
    // Needs a QApplication (the report's graph is drawn by the viewer's graph widget).
    static int run(const QStringList &args);
    static int verify(const QStringList &args);
    static QString usageText();
};
