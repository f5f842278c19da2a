#include "options/ConnectionOptions.h"

#include <gtest/gtest.h>

namespace zz {
namespace {

TEST(ConnectionOptionsTest, UpdateBoxFollowsInternetBoxAndButtonNeedsBoth) {
    struct Case {
        bool internet, update, updateBoxEnabled, checkButtonEnabled;
    };
    const Case cases[] = {{false, false, false, false},
                          {false, true, false, false}, // the disabled update box keeps its mark
                          {true, false, true, false},
                          {true, true, true, true}};
    for (const Case& c : cases) {
        const ConnectionControls controls = Update_CheckBox(c.internet, c.update);
        EXPECT_EQ(controls.updateBoxEnabled, c.updateBoxEnabled) << c.internet << c.update;
        EXPECT_EQ(controls.checkButtonEnabled, c.checkButtonEnabled) << c.internet << c.update;
    }
}

} // namespace
} // namespace zz
