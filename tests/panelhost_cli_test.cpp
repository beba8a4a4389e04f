// End-to-end runs of the built panelhost binary on the built Kestrin.gau:
// list, probe and render, and how bad arguments are refused.
#include <gtest/gtest.h>
#include <png.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <numbers>
#include <sstream>

#include "test_paths.h"

namespace {

using nlohmann::json;

struct RunResult {
    int exit_code;
    std::string out, err;
};

std::string Slurp(const std::string& path) {
    std::ifstream in(path);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

RunResult Panelhost(const std::string& args) {
    const std::string base = ::testing::TempDir() + "panelhost_cli";
    const std::string cmd = std::string(PANELHOST) + " " + args + " >" + base + ".out 2>" + base + ".err";
    const int status = std::system(cmd.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(base + ".out"), Slurp(base + ".err")};
}

const std::string kKestrin = std::string(KESTRIN_GAU);

TEST(PanelhostList, ShowsTheGaugeTableAndEveryBitmap) {
    const RunResult r = Panelhost("list " + kKestrin);
    ASSERT_EQ(r.exit_code, 0) << r.err;
    const json j = json::parse(r.out);
    EXPECT_EQ(j["module_id"], 0x13);
    const std::pair<const char*, int> gauges[] = {
        {"Airspeed", 43778}, {"fuel1", 43814},    {"fuel2", 43814},    {"fuel3", 43814},  {"oiltemp1", 40994},
        {"oiltemp2", 40994}, {"oilpres1", 40995}, {"oilpres2", 40995}, {"Radtemp1", 43811}, {"Radtemp2", 43811},
        {"boost1", 43024},   {"boost2", 43024},   {"brake", 43593},    {"rpm2", 40992},   {"rpm1", 40992},
        {"suction", 43878},  {"Switch", 43163},   {"Switchb", 43163},  {"Switchbb", 0},   {"feather1", 44289},
        {"feather2", 44289}, {"Sight", 43163}};
    ASSERT_EQ(j["gauges"].size(), 22u);
    for (size_t i = 0; i < 22; ++i) {
        const json& g = j["gauges"][i];
        EXPECT_EQ(g["name"], gauges[i].first);
        EXPECT_EQ(g["ok"], true) << g.value("error", "");
        EXPECT_EQ(g["help_id"], gauges[i].second) << gauges[i].first;
        EXPECT_EQ(g["header_version"], 700);
        EXPECT_EQ(g["size_x_mm"], 100);
        EXPECT_EQ(g["mouse"].size(), 3u) << "parent, end of parent, closing entry";
    }
    const json& needle = j["gauges"][0]["elements"][1];
    EXPECT_EQ(needle["kind"], "needle");
    EXPECT_EQ(needle["source_token"], 61);
    EXPECT_EQ(needle["value_routine"], true);
    EXPECT_EQ(needle["max_degrees_per_tick"], 6);
    EXPECT_EQ(needle["calibration"].size(), 12u);
    EXPECT_EQ(needle["failures"], json::parse(R"([{"key": 21, "action": 2}])"));

    // id, width, height, bits per pixel
    const int bitmaps[][4] = {
        {4096, 156, 156, 8}, {4352, 86, 15, 8},    {5120, 156, 196, 8},  {5376, 22, 5, 24},   {5456, 22, 5, 24},
        {5472, 156, 196, 8}, {5488, 22, 5, 24},    {5504, 22, 5, 24},    {5632, 156, 196, 8}, {5648, 22, 5, 24},
        {5664, 22, 5, 24},   {6144, 156, 156, 8},  {6400, 59, 9, 8},     {6480, 156, 156, 8}, {6496, 59, 9, 8},
        {6512, 35, 67, 8},   {6517, 5, 1, 8},      {6528, 35, 67, 8},    {6533, 5, 1, 8},     {8192, 156, 156, 8},
        {8448, 59, 9, 8},    {8528, 156, 156, 8},  {8544, 59, 9, 8},     {8560, 151, 151, 8}, {8565, 59, 9, 8},
        {8576, 151, 151, 8}, {8581, 59, 9, 8},     {8704, 154, 154, 8},  {9472, 66, 20, 8},   {9216, 66, 20, 8},
        {8960, 66, 20, 8},   {10240, 302, 302, 8}, {12288, 90, 20, 8},   {10496, 132, 21, 8}, {12544, 302, 302, 8},
        {13056, 90, 20, 8},  {12800, 132, 21, 8},  {9728, 151, 151, 8},  {9984, 45, 10, 8},   {16384, 92, 94, 8},
        {16448, 267, 1023, 8}, {16453, 78, 78, 8}, {16454, 78, 78, 8},   {16512, 267, 1023, 8}, {16517, 78, 78, 24},
        {17664, 100, 100, 8}, {17665, 18, 18, 8},  {17666, 18, 18, 8},   {17920, 100, 100, 8}, {17921, 18, 18, 8},
        {17922, 18, 18, 8},  {16640, 384, 512, 8}, {17152, 48, 45, 8},   {16896, 48, 45, 8},  {17153, 384, 512, 8},
        {16897, 384, 512, 8}};
    std::map<int, json> listed;
    for (const json& res : j["resources"]) {
        EXPECT_EQ(res["language"], 0x0409) << res.dump();
        if (res["type"] == "BITMAP") listed[res["id"].get<int>()] = res;
    }
    EXPECT_EQ(listed.size(), 56u);
    for (const auto& b : bitmaps) {
        ASSERT_TRUE(listed.count(b[0])) << b[0];
        EXPECT_EQ(listed[b[0]]["width"], b[1]) << b[0];
        EXPECT_EQ(listed[b[0]]["height"], b[2]) << b[0];
        EXPECT_EQ(listed[b[0]]["bits_per_pixel"], b[3]) << b[0];
    }
    EXPECT_EQ(j["version"]["file_version"], "1.0.0.0");
    EXPECT_EQ(j["version"]["product_version"], "1.0.0.0");
    EXPECT_EQ(j["version"]["strings"]["FileDescription"], "Kestrin Panel Gauges");
    EXPECT_EQ(j["version"]["strings"]["FileVersion"], "1.0.0");
    EXPECT_EQ(j["version"]["strings"]["ProductVersion"], "1.0.0");
    EXPECT_EQ(j["warnings"].size(), 0u);
}

TEST(PanelhostProbe, ScriptedSessionReportsNeedleAndNumbersReadBackExactly) {
    const RunResult r = Panelhost("probe " + kKestrin + " --gauge Airspeed --set 61=450 --settle");
    ASSERT_EQ(r.exit_code, 0) << r.err;
    const json j = json::parse(r.out);
    const json& needle = j["gauges"][0]["elements"][1];
    EXPECT_EQ(needle["reading"], 400.0);
    const double towards = std::atan2(117.0 - 79.0, 77.0 - 88.0) * 180 / std::numbers::pi;
    EXPECT_NEAR(needle["direction"].get<double>(), towards, 1e-9);
    EXPECT_EQ(needle["current_turn"], needle["target_turn"]);
    EXPECT_EQ(j["settles"][0]["settled"], true);

    // Shortest round-trip numbers; not-a-number in, clamped reading out.
    const RunResult r2 = Panelhost("probe " + kKestrin + " --gauge Airspeed --set 61=0.1 --frames 1");
    ASSERT_EQ(r2.exit_code, 0) << r2.err;
    EXPECT_NE(r2.out.find("\"reading\": 0.1,"), std::string::npos) << r2.out;
    const RunResult r3 = Panelhost("probe " + kKestrin +
                                   " --gauge Airspeed --set 61=nan --frames 2 --set 0x3d=-inf --frames 1 --service -1");
    ASSERT_EQ(r3.exit_code, 0) << r3.err;
    EXPECT_EQ(json::parse(r3.out)["gauges"][0]["elements"][1]["reading"], 0.0);
    EXPECT_EQ(json::parse(r3.out)["frame"], 3);
}

TEST(PanelhostProbe, RateLimitShowsOverFrames) {
    const RunResult r = Panelhost("probe " + kKestrin + " --gauge Airspeed --frames 1 --set 61=400 --frames 10");
    ASSERT_EQ(r.exit_code, 0) << r.err;
    const json j = json::parse(r.out);
    const json& needle = j["gauges"][0]["elements"][1];
    EXPECT_EQ(needle["current_turn"], 60.0);
    EXPECT_GT(needle["target_turn"].get<double>(), 646.0);
}

TEST(PanelhostRender, WritesThePictureOfTheGauge) {
    const std::string png = ::testing::TempDir() + "airspeed.png";
    std::remove(png.c_str());
    const RunResult r = Panelhost("render " + kKestrin + " --gauge Airspeed --set 61=0 --settle -o " + png);
    ASSERT_EQ(r.exit_code, 0) << r.err;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, png.c_str()));
    image.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> px(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, px.data(), 0, nullptr));
    EXPECT_EQ(image.width, 156u);
    EXPECT_EQ(image.height, 156u);
    // At 0 knots the white pointer runs straight down from the pivot (79, 77).
    for (int y : {100, 110, 120}) {
        const uint8_t* p = &px[(size_t(y) * 156 + 79) * 4];
        EXPECT_GT(p[0], 200) << y;
        EXPECT_GT(p[1], 200) << y;
        EXPECT_EQ(p[3], 255) << y;
    }
}

TEST(PanelhostArguments, BadInputGetsOneLineNamingIt) {
    const struct {
        std::string args, says;
        int code;
    } cases[] = {
        {"probe " + kKestrin + " --gauge Airspeed --set 61=fast", "bad argument '--set 61=fast'", 2},
        {"probe " + kKestrin + " --gauge Airspeed --set x=1", "bad argument '--set x=1'", 2},
        {"probe " + kKestrin + " --gauge Airspeed --frames -3", "bad argument '--frames -3'", 2},
        {"probe " + kKestrin + " --gauge Airspeed --set 61=1e999", "bad argument '--set 61=1e999'", 2},
        {"probe " + kKestrin + " --gauge Airspeed --set 61=", "bad argument '--set 61='", 2},
        {"probe " + kKestrin + " --gauge Airspeed --service 6x", "bad argument '--service 6x'", 2},
        {"probe " + kKestrin + " --gauge Airspeed --click Airspeed@1", "bad argument '--click Airspeed@1'", 2},
        {"probe " + kKestrin + " --gauge Airspeed --click fuel1@1,2", "gauge \"fuel1\" is not placed", 2},
        {"probe " + kKestrin + " --gauge Airspeed --wobble", "bad argument '--wobble'", 2},
        {"render " + kKestrin + " --gauge Airspeed", "no -o FILE.png given", 2},
        {"probe " + kKestrin + " --gauge Altimeter", "Kestrin.gau: no gauge named \"Altimeter\"", 1},
        {"probe " + TestModule("bitmap") + " --gauge Broken", "bitmap 999 is not in the module's resources", 1},
        {"list /nonexistent/None.gau", "None.gau: cannot load", 1},
        {"fly", "unknown command 'fly'", 2},
    };
    for (const auto& c : cases) {
        const RunResult r = Panelhost(c.args);
        EXPECT_EQ(r.exit_code, c.code) << c.args;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << c.args << "\n" << r.err;
        EXPECT_EQ(r.out, "") << c.args;
    }
}

}  // namespace
