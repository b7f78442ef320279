// SHA-256 throughput of the evidence package's hasher (OpenSSL EVP) against Qt's
// QCryptographicHash, over the same 64 MiB fed in 1 MiB blocks as the copy feeds it.
#include "Sha256.h"

#include <QByteArray>
#include <QCryptographicHash>

#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr qsizetype kTotal = 64 * 1024 * 1024;
constexpr qsizetype kBlock = 1024 * 1024;

const QByteArray &data()
{
    static const QByteArray bytes = [] {
        QByteArray b(kTotal, Qt::Uninitialized);
        std::mt19937_64 random(7);
        for (qsizetype i = 0; i + 8 <= b.size(); i += 8) {
            const quint64 v = random();
            memcpy(b.data() + i, &v, 8);
        }
        return b;
    }();
    return bytes;
}

void BM_Sha256Evp(benchmark::State &state)
{
    const QByteArray &bytes = data();
    for (auto _ : state) {
        Sha256 hash;
        for (qsizetype at = 0; at < bytes.size(); at += kBlock)
            hash.add(bytes.constData() + at, kBlock);
        benchmark::DoNotOptimize(hash.hex());
    }
    state.SetBytesProcessed(state.iterations() * kTotal);
}

void BM_Sha256QCryptographicHash(benchmark::State &state)
{
    const QByteArray &bytes = data();
    for (auto _ : state) {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        for (qsizetype at = 0; at < bytes.size(); at += kBlock)
            hash.addData(QByteArrayView(bytes.constData() + at, kBlock));
        benchmark::DoNotOptimize(hash.result());
    }
    state.SetBytesProcessed(state.iterations() * kTotal);
}

} // namespace

BENCHMARK(BM_Sha256Evp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sha256QCryptographicHash)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
