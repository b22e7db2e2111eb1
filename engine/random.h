#pragma once

#include <cstdint>
#include <stdexcept>

namespace tarvelle {

// Raised by the lagged-Fibonacci generator: "!!" for a bad seed, "!" when unseeded.
class RanmarError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Module rmar: the Marsaglia-Zaman RANMAR generator.
class Rmar {
public:
    void RanmarInit(int ij, int kl);
    double RanmarNext();
    bool ready() const { return m_ready; }

private:
    double m_u[98] = {};
    double m_c = 0, m_cd = 0, m_cm = 0;
    int m_i97 = 0, m_j97 = 0;
    bool m_ready = false;
};

// The system integer generator (linear congruential, 32-bit seed).
class SystemRandom {
public:
    explicit SystemRandom(uint32_t seed = 0) : m_seed(seed) {}
    void setSeed(uint32_t seed) { m_seed = seed; }
    uint32_t seed() const { return m_seed; }
    int RandomInt(int n);

private:
    uint32_t m_seed;
};

// One pass of the card choice: b + u * 123117 rounded half to even, then 1..n.
// u must be a RANMAR value (a multiple of 2^-24); the result is exact everywhere.
int cardFromDraw(int b, double u, int n);

// Both generators together: the random source of every deal and draw.
class RandomSource {
public:
    // Start-up order: seed the system generator, kl = RandomInt(30001),
    // ij = RandomInt(31300), RanmarInit(ij, kl).
    void seed(uint32_t systemSeed);
    int RandomInt(int n) { return m_system.RandomInt(n); }
    int RandomCard(int n);

    SystemRandom& system() { return m_system; }
    Rmar& rmar() { return m_rmar; }

private:
    SystemRandom m_system;
    Rmar m_rmar;
};

}  // namespace tarvelle
