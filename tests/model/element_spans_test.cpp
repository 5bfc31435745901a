#include "model/element_spans.h"
#include "tests/support/element_builders.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(ElementSpans, EachStartsWhereTheOneBeforeEnds) {
    const ElementList elements{constantElement(1, 0.7), constantElement(2, 0),
                               constantElement(3, 0.1)};
    const std::vector<ElementSpan> spans = elementSpans(elements);
    EXPECT_EQ(spans, (std::vector<ElementSpan>{{0, 0.7}, {0.7, 0.7}, {0.7, 0.7 + 0.1}}));
    EXPECT_TRUE(elementSpans({}).empty());
}

TEST(ElementSpans, ElementAtTime) {
    const std::vector<ElementSpan> spans{{0, 1}, {1, 1}, {1, 3}, {3, 2}};
    const std::pair<double, int> cases[] = {
        {-0.1, -1}, {0, 0}, {0.999, 0}, {1, 2}, {2.5, 2}, {3, -1}, {std::nan(""), -1},
    };
    for (const auto& [t, element] : cases)
        EXPECT_EQ(elementAtTime(spans, t), element) << t;
}
