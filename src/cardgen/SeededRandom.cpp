#include "SeededRandom.h"

uint64_t SeededRandom::mix(uint64_t z)
{
    // splitmix64 finaliser
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

uint64_t SeededRandom::next()
{
    state_ += 0x9E3779B97F4A7C15ull;
    return mix(state_);
}

double SeededRandom::unit()
{
    return double(next() >> 11) * 0x1.0p-53;
}

int64_t SeededRandom::range(int64_t lo, int64_t hi)
{
    if (hi <= lo)
        return lo;
    const uint64_t span = uint64_t(hi - lo) + 1;
    return lo + int64_t(next() % span);
}

double SeededRandom::bell()
{
    // Irwin-Hall with four terms has variance 4/12; scale to 1.
    const double sum = unit() + unit() + unit() + unit();
    return (sum - 2.0) * 1.7320508075688772;
}

double SeededRandom::bellOf(uint64_t value)
{
    const uint64_t base = mix(value);
    const double sum = unitOf(base) + unitOf(base + 1) + unitOf(base + 2) + unitOf(base + 3);
    return (sum - 2.0) * 1.7320508075688772;
}
