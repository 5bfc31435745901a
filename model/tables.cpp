#include "model/tables.h"

#include <cstddef>

namespace {

constexpr std::array<OutputRange, RangeCount> Ranges{{
    {TextId::RangeBipolar10V, -10.0, 10.0, "V", "[V]", "±10[V]"},
    {TextId::RangeBipolar100mV, -100.0, 100.0, "mV", "[mV]", "±100[mV]"},
    {TextId::RangeCurrentInternal, 0.0, 20.0, "mA", "[mA]", "0-20[mA]"},
    {TextId::RangeCurrentExternal, 0.0, 20.0, "mA", "[mA]", "0-20[mA],1"},
    {TextId::RangeBipolar32V, -32.0, 32.0, "V", "[V]", "±32[V]"},
}};

constexpr std::array<Resolution, ResolutionCount> Resolutions{{
    {TextId::Resolution10ms, 0.01, 900.0, 2},
    {TextId::Resolution100ms, 0.1, 7200.0, 1},
    {TextId::Resolution1s, 1.0, 86400.0, 0},
    {TextId::Resolution1ms, 0.001, 90.0, 3},
}};

constexpr std::array<DisplayPeriod, DisplayPeriodCount> DisplayPeriods{{
    {TextId::Period100ms, 0.1, 0.01, true},
    {TextId::Period1s, 1.0, 0.1, false},
    {TextId::Period5s, 5.0, 1.0, false},
    {TextId::Period10s, 10.0, 1.0, false},
    {TextId::Period30s, 30.0, 5.0, false},
    {TextId::Period1min, 60.0, 10.0, false},
    {TextId::Period5min, 300.0, 30.0, false},
    {TextId::Period10min, 600.0, 60.0, false},
    {TextId::Period30min, 1800.0, 300.0, false},
    {TextId::Period1h, 3600.0, 600.0, false},
    {TextId::Period2h, 7200.0, 600.0, false},
    {TextId::Period6h, 21600.0, 3600.0, false},
    {TextId::Period24h, 86400.0, 7200.0, false},
}};

constexpr int ShortestResolution = 3; // 1 ms / 90 s

bool inTable(int index, int count) {
    return index >= 0 && index < count;
}

template <std::size_t N> int positionOf(const std::array<int, N>& codeAtPosition, int code) {
    for (std::size_t position = 0; position < N; ++position) {
        if (codeAtPosition[position] == code)
            return static_cast<int>(position);
    }
    return positionOf(codeAtPosition, 0);
}

} // namespace

const OutputRange& outputRange(int rangeCode) {
    return Ranges[static_cast<std::size_t>(inTable(rangeCode, RangeCount) ? rangeCode : 0)];
}

const Resolution& resolution(int resolutionCode) {
    const int code = inTable(resolutionCode, ResolutionCount) ? resolutionCode : ShortestResolution;
    return Resolutions[static_cast<std::size_t>(code)];
}

const DisplayPeriod& displayPeriod(int position) {
    const int index = inTable(position, DisplayPeriodCount) ? position : InitialDisplayPeriod;
    return DisplayPeriods[static_cast<std::size_t>(index)];
}

int rangeCodeAtPosition(int position) {
    return RangeCodeAtPosition[static_cast<std::size_t>(inTable(position, RangeCount) ? position
                                                                                      : 0)];
}

int resolutionCodeAtPosition(int position) {
    return ResolutionCodeAtPosition[static_cast<std::size_t>(
        inTable(position, ResolutionCount) ? position : 0)];
}

int positionOfRangeCode(int rangeCode) {
    return positionOf(RangeCodeAtPosition, rangeCode);
}

int positionOfResolutionCode(int resolutionCode) {
    return positionOf(ResolutionCodeAtPosition, resolutionCode);
}
