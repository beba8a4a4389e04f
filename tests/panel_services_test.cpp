// The host's services as a module uses them, on the sound test module:
// clicks, key events and lookup_var, callback rounds, and a version-610
// gauge that installs, draws and registers its mouse list itself.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "panel.h"
#include "test_paths.h"

namespace {

class Services : public ::testing::Test {
protected:
    void SetUp() override {
        std::string err;
        module_ = panel_.LoadModule(TestModule("none"), &err);
        ASSERT_NE(module_, nullptr) << err;
    }
    std::vector<std::pair<uint32_t, uint64_t>> Keys() const {
        std::vector<std::pair<uint32_t, uint64_t>> out;
        for (const panel::KeyEvent& k : panel_.key_events()) {
            EXPECT_EQ(k.value, 0u);
            out.emplace_back(k.id, k.frame);
        }
        return out;
    }
    using Keyed = std::vector<std::pair<uint32_t, uint64_t>>;
    panel::Panel panel_;
    panel::Module* module_ = nullptr;
};

TEST_F(Services, ClicksReachTheirRoutineAndKeyEventsAreLogged) {
    std::string err;
    panel::PlacedGauge* g = panel_.Place(module_, "Good", &err);
    ASSERT_NE(g, nullptr) << err;
    panel_.variables().Set(73, 65908);
    const panel::ClickResult inside = panel_.Click(g, 9, 0);
    EXPECT_TRUE(inside.hit);
    EXPECT_EQ(inside.area, 1);
    EXPECT_EQ(inside.result, 1);
    EXPECT_FALSE(panel_.Click(g, 10, 5).hit);  // boxes are half-open
    EXPECT_FALSE(panel_.Click(g, -1, 5).hit);
    panel_.Frame();
    panel_.ServiceRound(9);
    panel_.variables().Set(73, 65550);
    panel_.Click(g, 0, 9);
    EXPECT_EQ(Keys(), (Keyed{{65908, 0}, {1006, 1}, {1009, 1}, {65550, 1}}));
}

TEST_F(Services, AVersion610GaugeDrivesItselfThroughTheServices) {
    std::string err;
    panel::PlacedGauge* g = panel_.Place(module_, "Old", &err);
    ASSERT_NE(g, nullptr) << err;
    ASSERT_EQ(g->elements.size(), 2u);
    ELEMENT_HEADER* face = g->elements[0]->element;
    ASSERT_NE(face->images, nullptr);
    EXPECT_EQ(face->images[0].width, 40u);  // what the gauge read back for its mouse list
    EXPECT_EQ(g->canvas.width, 40);
    EXPECT_EQ(g->canvas.height, 30);
    ASSERT_NE(g->mouse, nullptr);

    panel_.variables().Set(61, 25);
    panel_.Frame();
    const auto* needle = reinterpret_cast<const ELEMENT_NEEDLE*>(g->elements[1]->element);
    EXPECT_EQ(needle->reading, 50);  // the routine was given the source variable
    EXPECT_NE(std::count(g->canvas.pixels.begin(), g->canvas.pixels.end(), 0), long(g->canvas.pixels.size()));

    panel_.variables().Set(73, 77);
    EXPECT_TRUE(panel_.Click(g, 2, 2).hit);
    EXPECT_EQ(Keys(), (Keyed{{77, 1}}));

    panel_.Remove(g);  // kill unregisters the list and frees the images
    EXPECT_EQ(face->images, nullptr);
    EXPECT_EQ(face->installed, 0u);
    EXPECT_TRUE(panel_.diagnostics().empty());
}

}  // namespace

namespace {

// Canvas pixels of the box (x, y, w, h) equal the bitmap's, texel for texel.
void ExpectDrawnAt(const panel::Bitmap& canvas, const HOST_IMAGE& img, int x, int y) {
    for (int j = 0; j < int(img.height); ++j)
        for (int i = 0; i < int(img.width); ++i) {
            const uint8_t* want = img.pixels + size_t(j) * img.stride + size_t(i) * 4;
            const uint8_t* got = canvas.at(x + i, y + j);
            EXPECT_EQ(std::memcmp(want, got, 4), 0) << "bitmap " << img.resource_id << " texel " << i << ", " << j;
        }
}

TEST_F(Services, SlidersIconsAndMovingImagesFollowTheirReadings) {
    std::string err;
    panel::PlacedGauge* g = panel_.Place(module_, "Parts", &err);
    ASSERT_NE(g, nullptr) << err;
    ASSERT_EQ(g->elements.size(), 4u);
    auto* slider = reinterpret_cast<ELEMENT_SLIDER*>(g->elements[1]->element);
    auto* icon = reinterpret_cast<ELEMENT_ICON*>(g->elements[2]->element);
    auto* mark = reinterpret_cast<ELEMENT_MOVING_IMAGE*>(g->elements[3]->element);
    EXPECT_EQ(icon->header.image_count, 2u);
    EXPECT_EQ(mark->header.image_count, 2u);  // the mark and its companion
    EXPECT_EQ(mark->header.images[1].width, 40u);
    // The two icon images must tell apart for the drawing checks below.
    ASSERT_NE(std::memcmp(icon->header.images[0].pixels + 4 * 9, icon->header.images[1].pixels + 4 * 9, 4), 0);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double slide, icon, x, y;
        double offset;
        uint32_t image;
        double px, py;
    } cases[] = {
        {40, 0, 20, 12, -10, 0, 20, 12},
        {0, 1, 100, -5, 0, 1, 35, 5},
        {-8, 1.7, 6, 25, 2, 1, 6, 25},
        {nan, 5, nan, nan, 0, 1, 5, 5},
        {12, -2, 35, 24, -3, 0, 35, 24},
        {1, nan, 0, 0, -0.25, 0, 5, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.slide);
        panel_.variables().Set(61, c.slide);
        panel_.variables().Set(64, c.icon);
        panel_.variables().Set(65, c.x);
        panel_.variables().Set(79, c.y);
        panel_.Frame();
        EXPECT_EQ(slider->x.offset, 0);
        EXPECT_EQ(slider->y.offset, c.offset);
        EXPECT_EQ(icon->image_index, c.image);
        EXPECT_EQ(mark->x.position, c.px);
        EXPECT_EQ(mark->y.position, c.py);
        // Drawn in chain order: the slider, the icon, then the mark centred
        // on its position, on top of whatever it overlaps.
        const int mx = int(std::lround(c.px - 3)), my = int(std::lround(c.py - 3));
        const int sy = 20 + int(std::lround(c.offset));
        auto under_mark = [&](int x, int y, int w, int h) { return x < mx + 6 && mx < x + w && y < my + 6 && my < y + h; };
        if (!under_mark(2, sy, 4, 2)) ExpectDrawnAt(g->canvas, slider->header.images[0], 2, sy);
        if (!under_mark(30, 2, 8, 8)) ExpectDrawnAt(g->canvas, icon->header.images[c.image], 30, 2);
        ExpectDrawnAt(g->canvas, mark->header.images[0], mx, my);
    }
}

}  // namespace
