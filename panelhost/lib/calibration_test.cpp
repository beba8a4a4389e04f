// The calibration rule on tiny synthetic tables about a pivot at (0, 0):
// points straight up (0, -10), right (10, 0), down (0, 10), left (-10, 0).
#include "calibration.h"

#include <gtest/gtest.h>

#include <limits>

namespace panel {
namespace {

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

Calibration Make(const std::vector<CalPoint>& table) {
    Calibration c;
    std::string err;
    EXPECT_TRUE(c.Build(0, 0, table, &err)) << err;
    return c;
}

struct Case {
    double reading, turn, direction;
};

void Expect(const Calibration& c, const std::vector<Case>& cases) {
    for (const Case& k : cases) {
        EXPECT_NEAR(c.TurnAt(k.reading), k.turn, 1e-9) << "reading " << k.reading;
        EXPECT_NEAR(c.DirectionOf(c.TurnAt(k.reading)), k.direction, 1e-9) << "reading " << k.reading;
    }
}

TEST(Calibration, FlatStretchHoldsTheNeedleStill) {
    const Calibration c = Make({{0, -10, 0}, {0, -10, 10}, {10, 0, 20}});
    Expect(c, {{0, 0, 0}, {5, 0, 0}, {10, 0, 0}, {15, 45, 45}, {20, 90, 90}, {-3, 0, 0}, {99, 90, 90}, {kNan, 0, 0}});
}

TEST(Calibration, TableFromTheHighestValueDownTurnsAnticlockwise) {
    // 12 straight up, 0 to the right: the needle turns back as it rises.
    const Calibration c = Make({{0, -10, 12}, {10, 0, 0}});
    Expect(c, {{0, 90, 90}, {6, 45, 45}, {12, 0, 0}, {-5, 90, 90}, {20, 0, 0}, {kNan, 90, 90}, {-kInf, 90, 90}});
}

TEST(Calibration, StepsAddUpPastAFullTurn) {
    const Calibration c = Make({{0, -10, 0}, {10, 0, 1}, {0, 10, 2}, {-10, 0, 3}, {0, -10, 4}, {10, 0, 5}});
    EXPECT_EQ(c.turns(), (std::vector<double>{0, 90, 180, 270, 360, 450}));
    Expect(c, {{3.5, 315, 315}, {4.5, 405, 45}, {5, 450, 90}, {kInf, 450, 90}});
}

TEST(Calibration, OppositePointsTurnHalfATurnClockwise) {
    // From left to right through the top, then on through the bottom.
    const Calibration c = Make({{-10, 0, 0}, {10, 0, 500}, {-10, 0, 1000}});
    Expect(c, {{250, 90, 0}, {750, 270, 180}, {1000, 360, 270}});
}

TEST(Calibration, RefusesTablesItCannotFollow) {
    const struct {
        std::vector<CalPoint> table;
        const char* error;
    } cases[] = {
        {{}, "calibration table has no entries"},
        {{{0, -10, 0}, {10, 0, 5}, {0, 10, 3}}, "calibration entry 2 breaks the table's rising order of values"},
        {{{0, -10, 9}, {10, 0, 1}, {0, 10, 4}}, "calibration entry 2 breaks the table's falling order of values"},
        {{{0, -10, 0}, {0, 0, 5}}, "calibration entry 1 lies on the needle's pivot"},
        {{{0, -10, kNan}}, "calibration entry 0 has a value that is not a finite number"},
    };
    for (const auto& k : cases) {
        Calibration c;
        std::string err;
        EXPECT_FALSE(c.Build(0, 0, k.table, &err));
        EXPECT_EQ(err, k.error);
    }
    // A single entry, and equal neighbouring values, are fine.
    Calibration one = Make({{10, 0, 7}});
    EXPECT_EQ(one.TurnAt(-100), 0);
    EXPECT_EQ(one.DirectionOf(0), 90);
    Make({{0, -10, 0}, {10, 0, 0}, {0, 10, 1}});
}

}  // namespace
}  // namespace panel
