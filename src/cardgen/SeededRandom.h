// Small deterministic random source for the card generator.
// Everything is plain integer arithmetic so a seed gives the same card everywhere.
#pragma once

#include <cstdint>

class SeededRandom {
public:
    explicit SeededRandom(uint64_t seed) : state_(seed) {}

    uint64_t next();
    // Uniform in [0, 1).
    double unit();
    // Uniform in [lo, hi).
    double uniform(double lo, double hi) { return lo + (hi - lo) * unit(); }
    // Uniform integer in [lo, hi] inclusive.
    int64_t range(int64_t lo, int64_t hi);
    // Roughly normal with mean 0 and deviation 1 (sum of four uniforms).
    double bell();
    bool chance(double p) { return unit() < p; }

    // Stateless hash of a value: the same inputs give the same noise wherever it is sampled.
    static uint64_t mix(uint64_t value);
    static double unitOf(uint64_t value) { return double(mix(value) >> 11) * 0x1.0p-53; }
    static double bellOf(uint64_t value);

private:
    uint64_t state_;
};
