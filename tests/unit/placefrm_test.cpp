#include <gtest/gtest.h>

#include "fakes/FakeOs.h"
#include "support/placefrm.h"

namespace {

TEST(FractionOfFreeSpace, RoundsHalvesToEven) {
    struct Case {
        int freeSpace;
        double fraction;
        int expected;
    } cases[] = {{623, 0.5, 312},  {621, 0.5, 310}, {0, 0.5, 0},      {-101, 0.5, -50},
                 {-103, 0.5, -52}, {300, 0.33, 99}, {1000, 0.33, 330}};
    for (const Case& c : cases) {
        EXPECT_EQ(FractionOfFreeSpace(c.freeSpace, c.fraction), c.expected)
            << c.freeSpace << " * " << c.fraction;
    }
}

class PlaceFormTest : public FakeOs {};

TEST_F(PlaceFormTest, MovesTheWindowIntoTheFreeSpaceKeepingItsSize) {
    windows.windows[7].bounds = {10, 20, 410, 320};
    PlaceForm(7, 0.5, 0.5);
    EXPECT_EQ(windows.windows[7].bounds.left, 312);
    EXPECT_EQ(windows.windows[7].bounds.top, 234);

    windows.windows[8].bounds = {0, 0, 1200, 800};
    PlaceForm(8, 0.33, 0.33);
    EXPECT_EQ(windows.windows[8].bounds.left, -58);
    EXPECT_EQ(windows.windows[8].bounds.top, -11);
}

}  // namespace
