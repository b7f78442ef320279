// A generated card shared by the benchmarks that need a whole card: made once into folder
// (kept across runs when folder lies in $TUMBO_BENCH_DIR), the run ends when it cannot be.
#pragma once

#include "CardGenerator.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

// marker is a path inside the card that exists only once the card is whole.
inline QString ensureBenchCard(const QString &folder, const CardGenerator::Options &options,
                               const QString &marker)
{
    if (QFileInfo::exists(folder + u'/' + marker))
        return folder;
    QDir().mkpath(QFileInfo(folder).absolutePath());
    CardGenerator generator(options);
    if (!generator.generate(folder)) {
        std::fprintf(stderr, "cannot generate %s: %s\n", qPrintable(folder), qPrintable(generator.errorString()));
        std::exit(1);
    }
    return folder;
}
