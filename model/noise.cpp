#include "model/noise.h"

#include <cmath>

namespace {

constexpr double TwoToMinus32 = 2.3283064365386963e-10;
constexpr double TwoPi = 6.283185307179586;
constexpr double TwoTo32 = 4294967296.0;

} // namespace

std::uint32_t noiseSeedFromSlot(double slot) {
    // The seed is (slot + 0.5) truncated, taken modulo 2^32 so negative and huge slots wrap as
    // a 32-bit integer would; NaN and infinity, which have no whole value, seed with 0. All of
    // it in double, so no value outside the integer range is ever converted.
    const double whole = std::trunc(slot + 0.5);
    if (!std::isfinite(whole))
        return 0;
    double reduced = std::fmod(whole, TwoTo32);
    if (reduced < 0.0)
        reduced += TwoTo32;
    return static_cast<std::uint32_t>(reduced);
}

double nextNoiseValue(NoiseGenerator& generator, double base, double rms) {
    const std::uint32_t e1 = static_cast<std::uint32_t>(generator());
    const std::uint32_t e2 = static_cast<std::uint32_t>(generator());
    const double u1 = (e1 + 0.5) * TwoToMinus32;
    const double u2 = (e2 + 0.5) * TwoToMinus32;
    return base + rms * std::sqrt(-2.0 * std::log(u1)) * std::sin(TwoPi * u2);
}
