// The host's services as a module uses them, on the sound test module:
// clicks, key events and lookup_var, callback rounds, and a version-610
// gauge that installs, draws and registers its mouse list itself.
#include <gtest/gtest.h>

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
