#pragma once

#include <cstdint>
#include <random>

// Seed the noise generator takes from a seed slot: (slot + 0.5) truncated, reduced to 32 bits
// by a fixed rule so a hand-edited value (huge, negative, NaN) never overflows a conversion.
std::uint32_t noiseSeedFromSlot(double slot);

// Each noise element draws from a Mersenne Twister of its own, seeded from its seed slot, so the
// same element always yields the same samples.
using NoiseGenerator = std::mt19937;

// One Gaussian sample about base with standard deviation rms (two draws, Box-Muller sine branch).
double nextNoiseValue(NoiseGenerator& generator, double base, double rms);
