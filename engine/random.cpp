#include "engine/random.h"

namespace tarvelle {

int SystemRandom::RandomInt(int n)
{
    m_seed = m_seed * 134775813u + 1u;
    return int((uint64_t(m_seed) * uint32_t(n)) >> 32);
}

void RandomSource::seed(uint32_t systemSeed)
{
    m_system.setSeed(systemSeed);
    const int kl = m_system.RandomInt(30001);
    const int ij = m_system.RandomInt(31300);
    m_rmar.RanmarInit(ij, kl);
}

// x = b + u * 123117 must be rounded exactly as wide floating point would.
// Every RANMAR value is a multiple of 2^-24 (all its terms are), so u = k / 2^24
// with k < 2^24. Then x * 2^24 = b * 2^24 + k * 123117 < 2^42 is an exact integer,
// and rounding half to even can be done on it without any floating point, giving
// the same card on every platform and compiler.
int cardFromDraw(int b, double u, int n)
{
    if (n < 1)
        n = 1; // callers pass 43..53; never divide by zero
    const uint64_t k = uint64_t(u * 16777216.0); // exact: u has 24 fraction bits
    const uint64_t scaled = (uint64_t(b) << 24) + k * 123117u;
    uint64_t r = scaled >> 24;
    const uint64_t frac = scaled & 0xFFFFFFu;
    if (frac > 0x800000u || (frac == 0x800000u && (r & 1u)))
        ++r;
    return int(uint32_t(r) % uint32_t(n)) + 1; // r < 2^18
}

int RandomSource::RandomCard(int n)
{
    // Only the last pass decides the card; the earlier ones just stir both generators.
    const int passes = m_system.RandomInt(10) + 1;
    for (int pass = 1; pass < passes; ++pass) {
        m_system.RandomInt(125479);
        m_rmar.RanmarNext();
    }
    const int b = m_system.RandomInt(125479);
    return cardFromDraw(b, m_rmar.RanmarNext(), n);
}

} // namespace tarvelle
