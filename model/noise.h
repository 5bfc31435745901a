#pragma once

#include <cstdint>

// Seed the noise generator takes from a seed slot: (slot + 0.5) truncated, reduced to 32 bits
// by a fixed rule so a hand-edited value (huge, negative, NaN) never overflows a conversion.
std::uint32_t noiseSeedFromSlot(double slot);

// The process-wide Mersenne Twister that noise elements re-seed before they draw.
void seedNoise(std::uint32_t seed);

// One Gaussian sample about base with standard deviation rms (two draws, Box-Muller sine branch).
double nextNoiseValue(double base, double rms);
