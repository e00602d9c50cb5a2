#include "core/running.h"

#include <gtest/gtest.h>

namespace {

// The window is 137 x 23 and keeps 50 pixels from the edges.
TEST(RunningWindowPlace, OpensAtTheCursorKeptInsideTheScreen) {
    const ScreenRect screen{0, 0, 1024, 768};
    const struct {
        ScreenPoint cursor;
        ScreenPoint place;
    } cases[] = {
        {{500, 400}, {500, 400}},   // free space: at the cursor
        {{0, 0}, {187, 73}},        // top-left corner
        {{1023, 767}, {837, 695}},  // bottom-right corner
        {{837, 695}, {837, 695}},   // just inside the edge margins
        {{838, 696}, {837, 695}},  {{186, 72}, {187, 73}},
        {{-40, 900}, {187, 695}},  // a cursor off the primary screen
    };
    for (const auto& c : cases) {
        const ScreenPoint place = RunningWindowPlace(c.cursor, screen);
        EXPECT_EQ(place.x, c.place.x) << c.cursor.x << "," << c.cursor.y;
        EXPECT_EQ(place.y, c.place.y) << c.cursor.x << "," << c.cursor.y;
    }
}

// On a screen too small for both margins the right and bottom margins win.
TEST(RunningWindowPlace, TheFarEdgesWinOnATinyScreen) {
    const ScreenPoint place = RunningWindowPlace({0, 0}, ScreenRect{0, 0, 200, 100});
    EXPECT_EQ(place.x, 200 - 50 - 137);
    EXPECT_EQ(place.y, 100 - 50 - 23);
}

}  // namespace
