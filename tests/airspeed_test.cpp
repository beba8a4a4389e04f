// The airspeed gauge of the built Kestrin.gau, driven through the panel
// host library: clamping, the two-turn calibration, and the rate limit.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "panel.h"

namespace {

// The gauge's calibration points, and the mapping rule worked out here on
// its own: directions clockwise from up, each step the clockwise turn from
// the previous entry, linear in the reading between entries.
struct Entry {
    double x, y, value;
};
constexpr Entry kTable[] = {
    {79, 141, 0},  {79, 141, 40},  {37, 126, 60},  {6, 73, 100},  {38, 19, 140},  {100, 12, 180},
    {143, 53, 200}, {133, 112, 240}, {81, 115, 260}, {42, 68, 300}, {98, 42, 340}, {117, 88, 400},
};
constexpr double kPivotX = 79, kPivotY = 77;

double DirectionTo(double x, double y) {
    const double d = std::atan2(x - kPivotX, kPivotY - y) * 180 / std::numbers::pi;
    return d < 0 ? d + 360 : d;
}

double ExpectedTurn(double knots) {
    // airspeed_cb: above 400 gives 400; not at least 0 gives 0.
    const double r = knots > 400 ? 400 : knots >= 0 ? knots : 0;
    double turn = 0, prev = DirectionTo(kTable[0].x, kTable[0].y);
    for (size_t i = 1; i < std::size(kTable); ++i) {
        const double dir = DirectionTo(kTable[i].x, kTable[i].y);
        const double step = std::fmod(dir - prev + 360, 360);
        if (r <= kTable[i].value) return turn + step * (r - kTable[i - 1].value) / (kTable[i].value - kTable[i - 1].value);
        turn += step;
        prev = dir;
    }
    return turn;
}

double ExpectedDirection(double knots) {
    return std::fmod(DirectionTo(kTable[0].x, kTable[0].y) + ExpectedTurn(knots), 360);
}

class Airspeed : public ::testing::Test {
protected:
    void SetUp() override {
        std::string err;
        panel::Module* m = panel_.LoadModule(KESTRIN_GAU, &err);
        ASSERT_NE(m, nullptr) << err;
        gauge_ = panel_.Place(m, "Airspeed", &err);
        ASSERT_NE(gauge_, nullptr) << err;
        ASSERT_EQ(gauge_->elements.size(), 2u);
        needle_ = reinterpret_cast<ELEMENT_NEEDLE*>(gauge_->elements[1]->element);
    }
    panel::Panel panel_;
    panel::PlacedGauge* gauge_ = nullptr;
    ELEMENT_NEEDLE* needle_ = nullptr;
};

TEST_F(Airspeed, NeedleDirectionFollowsTheCalibrationRule) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double knots, shown;
    } cases[] = {{450, 400}, {400, 400}, {0, 0}, {-5, 0}, {nan, 0},
                 {20, 20},   {40, 40},   {60, 60}, {260, 260}, {399, 399}};
    for (const auto& c : cases) {
        panel_.variables().Set(61, c.knots);
        size_t frames = 0;
        ASSERT_TRUE(panel_.Settle(10000, &frames)) << c.knots;
        EXPECT_EQ(needle_->reading, c.shown) << c.knots;
        EXPECT_NEAR(needle_->direction, ExpectedDirection(c.knots), 1e-9) << c.knots;
        EXPECT_NEAR(needle_->current_turn, ExpectedTurn(c.knots), 1e-9) << c.knots;
    }
}

TEST_F(Airspeed, LandmarksOfTheDial) {
    panel_.variables().Set(61, 450);
    size_t frames = 0;
    ASSERT_TRUE(panel_.Settle(10000, &frames));
    EXPECT_NEAR(needle_->direction, DirectionTo(117, 88), 1e-9);  // the last entry's point
    EXPECT_NEAR(needle_->current_turn, 646.1, 0.05);

    for (double knots : {0.0, 20.0, 40.0}) {  // resting straight down
        panel_.variables().Set(61, knots);
        ASSERT_TRUE(panel_.Settle(10000, &frames));
        EXPECT_NEAR(needle_->direction, 180.0, 1e-9) << knots;
    }
    panel_.variables().Set(61, 260);  // 3 degrees short of a full turn
    ASSERT_TRUE(panel_.Settle(10000, &frames));
    EXPECT_NEAR(needle_->current_turn, 357.0, 0.05);
}

TEST_F(Airspeed, InstallWritesEachEntrysTurn) {
    const NONLINEARITY* table = needle_->nonlinearity;
    ASSERT_EQ(needle_->nonlinearity_count, 12u);
    for (size_t i = 0; i < 12; ++i) EXPECT_NEAR(table[i].degrees, ExpectedTurn(kTable[i].value), 1e-9) << i;
    ASSERT_NE(needle_->header.images, nullptr);
    EXPECT_EQ(needle_->header.images[0].width, 86u);
    EXPECT_EQ(needle_->header.images[0].height, 15u);
}

TEST_F(Airspeed, NeedleTurnsAtMostSixDegreesPerUpdate) {
    panel_.variables().Set(61, 450);
    panel_.Frame();  // the first update after install takes its target at once
    EXPECT_EQ(needle_->current_turn, needle_->target_turn);

    panel_.variables().Set(61, 0);
    panel_.Frame();
    EXPECT_NEAR(needle_->current_turn, ExpectedTurn(400) - 6, 1e-9);
    for (int i = 1; i < 107; ++i) panel_.Frame();
    EXPECT_NEAR(needle_->current_turn, ExpectedTurn(400) - 6 * 107, 1e-9);
    panel_.Frame();  // 646.1 degrees take 108 updates
    EXPECT_EQ(needle_->current_turn, 0.0);
    EXPECT_NEAR(needle_->direction, 180.0, 1e-9);

    // Turning back up through the inner ring goes clockwise, not the short
    // way round.
    panel_.variables().Set(61, 400);
    panel_.Frame();
    EXPECT_NEAR(needle_->current_turn, 6.0, 1e-9);
}

}  // namespace
