#include "model/clock_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

TEST(TimeLabel, MillisecondsRoundToTheNearest) {
    const std::pair<double, const char*> cases[] = {
        {0.3, "00:00:00.300"},     {75.25, "00:01:15.250"}, {59.9996, "00:01:00.000"},
        {86400.5, "00:00:00.500"}, {-0.25, "23:59:59.750"}, {std::nan(""), "00:00:00.000"},
        {1e300, "00:00:00.000"},
    };
    for (const auto& [t, text] : cases)
        EXPECT_EQ(timeLabelWithMilliseconds(t), text) << t;
}
