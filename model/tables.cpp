#include "model/tables.h"

#include <cstddef>

namespace {

constexpr std::array<OutputRange, RangeCount> Ranges{{
    {"±10V", -10.0, 10.0, "V", "[V]", "±10[V]"},
    {"±100mV", -100.0, 100.0, "mV", "[mV]", "±100[mV]"},
    {"0-20mA (内部電源)", 0.0, 20.0, "mA", "[mA]", "0-20[mA]"},
    {"0-20mA (外部電源)", 0.0, 20.0, "mA", "[mA]", "0-20[mA],1"},
    {"±32V", -32.0, 32.0, "V", "[V]", "±32[V]"},
}};

constexpr std::array<Resolution, ResolutionCount> Resolutions{{
    {"10m秒 / 15分", 0.01, 900.0, 2},
    {"100m秒 / 2時間", 0.1, 7200.0, 1},
    {"1秒 / 24時間", 1.0, 86400.0, 0},
    {"1m秒 / 90秒", 0.001, 90.0, 3},
}};

constexpr std::array<DisplayPeriod, DisplayPeriodCount> DisplayPeriods{{
    {"100m秒", 0.1, 0.01, true},
    {"1秒", 1.0, 0.1, false},
    {"5秒", 5.0, 1.0, false},
    {"10秒", 10.0, 1.0, false},
    {"30秒", 30.0, 5.0, false},
    {"1分", 60.0, 10.0, false},
    {"5分", 300.0, 30.0, false},
    {"10分", 600.0, 60.0, false},
    {"30分", 1800.0, 300.0, false},
    {"1時間", 3600.0, 600.0, false},
    {"2時間", 7200.0, 600.0, false},
    {"6時間", 21600.0, 3600.0, false},
    {"24時間", 86400.0, 7200.0, false},
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
