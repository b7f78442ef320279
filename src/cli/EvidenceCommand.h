// The "evidence" command: an evidence package of recordings of a card, and "verify", the
// check of a package that anyone can run.
#pragma once

#include "CliCommand.h"

#include <QString>
#include <QStringList>

class EvidenceCommand {
public:
    static int run(const QStringList &args);
    static int verify(const QStringList &args);
    static const CliCommand &command();
    static const CliCommand &verifyCommand();
};
