// Golden images: the airspeed gauge rendered at a few speeds, pixel for
// pixel against pictures kept in tests/golden. After a deliberate change
// to art or rasteriser, run with UPDATE_GOLDEN=1 to write them anew.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>
#include <cstring>

#include "panel.h"
#include "png_writer.h"

namespace {

bool ReadPng(const std::string& path, int* w, int* h, std::vector<uint8_t>* px) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    image.format = PNG_FORMAT_RGBA;
    px->resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, px->data(), 0, nullptr)) return false;
    *w = int(image.width);
    *h = int(image.height);
    return true;
}

TEST(Golden, AirspeedAtSeveralSpeeds) {
    const bool update = std::getenv("UPDATE_GOLDEN") != nullptr;
    for (int knots : {0, 150, 330}) {
        SCOPED_TRACE(knots);
        panel::Panel p;
        std::string err;
        panel::Module* m = p.LoadModule(KESTRIN_GAU, &err);
        ASSERT_NE(m, nullptr) << err;
        panel::PlacedGauge* g = p.Place(m, "Airspeed", &err);
        ASSERT_NE(g, nullptr) << err;
        p.variables().Set(61, knots);
        size_t frames = 0;
        ASSERT_TRUE(p.Settle(10000, &frames));

        const std::string golden = std::string(GOLDEN_DIR) + "/airspeed_" + std::to_string(knots) + ".png";
        const std::string actual = ::testing::TempDir() + "airspeed_" + std::to_string(knots) + ".png";
        ASSERT_TRUE(panel::WritePng(g->canvas, update ? golden : actual, &err)) << err;
        if (update) continue;
        int gw = 0, gh = 0, aw = 0, ah = 0;
        std::vector<uint8_t> want, got;
        ASSERT_TRUE(ReadPng(golden, &gw, &gh, &want)) << golden;
        ASSERT_TRUE(ReadPng(actual, &aw, &ah, &got));
        ASSERT_EQ(aw, gw);
        ASSERT_EQ(ah, gh);
        size_t differ = 0;
        for (size_t i = 0; i < want.size(); i += 4)
            if (std::memcmp(&want[i], &got[i], 4) != 0) ++differ;
        EXPECT_EQ(differ, 0u) << "pixels differ from " << golden << "; the render is at " << actual;
    }
}

}  // namespace
