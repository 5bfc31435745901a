#include "model/recovery_choice.h"

#include <gtest/gtest.h>

namespace {

struct ChoiceCase {
    const char* what;
    std::vector<RecoveryCandidate> found;
    std::vector<std::size_t> offered;
};

} // namespace

TEST(RecoveryChoice, CopiesOfGoneEditorsNewestFirstAndNeverSetAsideOnes) {
    const ChoiceCase cases[] = {
        {"none", {}, {}},
        {"one of a gone editor", {{"a.qzr", 10, false}}, {0}},
        {"one of a running editor", {{"a.qzr", 10, true}}, {}},
        {"newest first",
         {{"a.qzr", 10, false}, {"b.qzr", 30, false}, {"c.qzr", 20, false}},
         {1, 2, 0}},
        {"running editors' copies left alone",
         {{"a.qzr", 10, false}, {"b.qzr", 30, true}, {"c.qzr", 20, false}},
         {2, 0}},
        {"set aside ones never", {{"a.qzr.bad", 50, false}, {"b.qzr", 30, false}}, {1}},
        {"same time in name order", {{"b.qzr", 10, false}, {"a.qzr", 10, false}}, {1, 0}},
    };
    for (const ChoiceCase& c : cases)
        EXPECT_EQ(copiesToOffer(c.found), c.offered) << c.what;
}

TEST(RecoveryChoice, ASetAsideNameIsRecognised) {
    EXPECT_EQ(setAsideName("a.qzr"), "a.qzr.bad");
    EXPECT_TRUE(isSetAside(setAsideName("a.qzr")));
    EXPECT_FALSE(isSetAside("a.qzr"));
    EXPECT_FALSE(isSetAside("bad"));
}
