// Modules with one deliberate fault each: the faulty gauge is rejected with
// an error naming module, gauge and element, and the good gauge beside it
// still loads and works.
#include <gtest/gtest.h>

#include "panel.h"
#include "test_paths.h"

namespace {

TEST(BrokenModules, EachFaultIsNamedAndTheGoodGaugeStillWorks) {
    const struct {
        const char* fault;
        const char* error;
    } cases[] = {
        {"version", "fault_version.gau: gauge \"Broken\" (#2): header version 650 is not 700 or 610"},
        {"kind", "gauge \"Broken\" (#2): element 2 (unknown, bitmap 101): element kind 2 is unknown"},
        {"table_order", "element 2 (needle, bitmap 101): calibration entry 2 breaks the table's rising order"},
        {"table_empty", "element 2 (needle, bitmap 101): calibration table count 0 is not between 1 and 64"},
        {"mouse_shape", "gauge \"Broken\" (#2): mouse area 1: kind 0 where a child area or the end of the parent belongs"},
        {"bitmap", "element 2 (needle, bitmap 999): bitmap 999 is not in the module's resources"},
        {"cycle", "element 3 (needle, bitmap 101): is reached twice"},
        {"name", "gauge #2: name has a character that is not printable"},
        {"failure_list", "element 1 (static_image, bitmap 100): failure list entry 1 has key 0 but is not all zero"},
        {"outside_name", "gauge #2: name is missing, outside the module or longer than 64 characters"},
        {"data_routine", "gauge \"Broken\" (#2): kill routine points outside the module's code"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        panel::Panel p;
        std::string err;
        panel::Module* m = p.LoadModule(TestModule(c.fault), &err);
        ASSERT_NE(m, nullptr) << err;
        ASSERT_EQ(m->gauges().size(), 4u);
        const panel::GaugeEntry& broken = m->gauges()[1];
        EXPECT_FALSE(broken.ok);
        EXPECT_NE(broken.error.find(c.error), std::string::npos) << broken.error;
        EXPECT_EQ(p.Place(m, "Broken", &err), nullptr);

        panel::PlacedGauge* good = p.Place(m, "Good", &err);
        ASSERT_NE(good, nullptr) << err;
        p.variables().Set(61, 50);
        p.Frame();
        const auto* needle = reinterpret_cast<const ELEMENT_NEEDLE*>(good->elements.at(1)->element);
        EXPECT_EQ(needle->reading, 50);
        EXPECT_GT(needle->direction, 0);
    }
}

TEST(BrokenModules, ABrokenModuleRecordFailsTheWholeModule) {
    panel::Panel p;
    std::string err;
    EXPECT_EQ(p.LoadModule(TestModule("module_id"), &err), nullptr);
    EXPECT_EQ(err, "fault_module_id.gau: Linkage module id is 20, not 19 (0x13)");
    EXPECT_EQ(p.LoadModule(TestModule("no_such_fault"), &err), nullptr);
    EXPECT_NE(err.find("fault_no_such_fault.gau: cannot load"), std::string::npos) << err;
}

TEST(BrokenModules, AModuleWithoutResourcesLoadsButItsGaugesFail) {
    const std::string bare = ::testing::TempDir() + "bare.gau";
    const std::string cmd = "objcopy --remove-section .gaures " + TestModule("none") + " " + bare;
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    panel::Panel p;
    std::string err;
    panel::Module* m = p.LoadModule(bare, &err);
    ASSERT_NE(m, nullptr) << err;
    ASSERT_EQ(m->warnings().size(), 1u);
    EXPECT_NE(m->warnings()[0].find("bare.gau: no resources:"), std::string::npos) << m->warnings()[0];
    for (const panel::GaugeEntry& g : m->gauges()) {
        EXPECT_FALSE(g.ok) << g.name;
        EXPECT_NE(g.error.find("bitmap 100 is not in the module's resources"), std::string::npos) << g.error;
    }
}

TEST(BrokenModules, AnUnknownTokenReadsZeroAndIsReportedOnce) {
    panel::Panel p;
    std::string err;
    panel::Module* m = p.LoadModule(TestModule("none"), &err);
    ASSERT_NE(m, nullptr) << err;
    panel::PlacedGauge* g = p.Place(m, "Broken", &err);  // sound in this build
    ASSERT_NE(g, nullptr) << err;
    for (int i = 0; i < 3; ++i) p.Frame();
    const auto* needle = reinterpret_cast<const ELEMENT_NEEDLE*>(g->elements.at(1)->element);
    EXPECT_EQ(needle->reading, 0);
    ASSERT_EQ(p.diagnostics().size(), 1u);
    EXPECT_EQ(p.diagnostics()[0].message, "unknown variable token 70000 reads 0");
    EXPECT_EQ(p.diagnostics()[0].frame, 1u);
}

}  // namespace
