// The built Kestrin.gau as a file: what it exports, its gauge table, and
// the generic gauge routines that every header names, driven through a
// recording services table.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "gauge_interface.h"

namespace {

struct Call {
    std::string service;
    ELEMENT_HEADER* element;
    uintptr_t arg;  // handle or phase
    int table;      // which services table took the call
};
std::vector<Call> calls;

template <int Table>
struct Recorder {
    static void Query(ELEMENT_HEADER* e) { calls.push_back({"query", e, 0, Table}); }
    static void Install(ELEMENT_HEADER* e, RESOURCE_HANDLE h) {
        calls.push_back({"install", e, reinterpret_cast<uintptr_t>(h), Table});
    }
    static void Initialize(ELEMENT_HEADER* e) { calls.push_back({"initialize", e, 0, Table}); }
    static void Update(ELEMENT_HEADER* e) { calls.push_back({"update", e, 0, Table}); }
    static void Generate(ELEMENT_HEADER* e, uint32_t phase) { calls.push_back({"generate", e, phase, Table}); }
    static void Plot(ELEMENT_HEADER* e) { calls.push_back({"plot", e, 0, Table}); }
    static void Kill(ELEMENT_HEADER* e) { calls.push_back({"kill", e, 0, Table}); }
    static PANELS Make() {
        PANELS p{};
        p.size = sizeof p;
        p.element_list_query = Query;
        p.element_list_install = Install;
        p.element_list_initialize = Initialize;
        p.element_list_update = Update;
        p.element_list_generate = Generate;
        p.element_list_plot = Plot;
        p.element_list_kill = Kill;
        return p;
    }
};

class KestrinFile : public ::testing::Test {
protected:
    void SetUp() override {
        dl_ = dlopen(KESTRIN_GAU, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(dl_, nullptr) << dlerror();
        table_ = static_cast<IMPORT_TABLE*>(dlsym(dl_, "ImportTable"));
        linkage_ = static_cast<GAUGESLINKAGE*>(dlsym(dl_, "Linkage"));
        ASSERT_NE(table_, nullptr);
        ASSERT_NE(linkage_, nullptr);
        calls.clear();
    }
    void TearDown() override {
        if (table_) table_->panels.panels = nullptr;
        if (dl_) dlclose(dl_);
    }
    // Calls all seven routines of a header.
    static void CallAll(const GAUGEHDR* h, RESOURCE_HANDLE handle, uint32_t phase) {
        h->query_routine();
        h->install_routine(handle);
        h->initialize_routine();
        h->update_routine();
        h->generate_routine(phase);
        h->draw_routine();
        h->kill_routine();
    }
    void* dl_ = nullptr;
    IMPORT_TABLE* table_ = nullptr;
    GAUGESLINKAGE* linkage_ = nullptr;
};

TEST_F(KestrinFile, ExportsExactlyTheTwoRecords) {
    const std::string cmd = std::string("nm -D --defined-only ") + KESTRIN_GAU;
    FILE* p = popen(cmd.c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::vector<std::string> symbols;
    char line[512];
    while (std::fgets(line, sizeof line, p)) {
        std::string s(line);
        while (!s.empty() && (s.back() == '\n' || s.back() == ' ')) s.pop_back();
        symbols.push_back(s.substr(s.find_last_of(' ') + 1));
    }
    ASSERT_EQ(pclose(p), 0);
    EXPECT_EQ(symbols, (std::vector<std::string>{"ImportTable", "Linkage"}));
}

TEST_F(KestrinFile, RecordsAsPublished) {
    EXPECT_EQ(table_->panels.id, 0x0Fu);
    EXPECT_EQ(table_->panels.panels, nullptr);
    EXPECT_EQ(table_->end.id, 0u);
    EXPECT_EQ(linkage_->module_id, 0x13u);
    EXPECT_EQ(linkage_->flags, 0u);
    EXPECT_EQ(linkage_->module_version, 0u);
    const char* names[] = {"Airspeed", "fuel1",    "fuel2",   "fuel3",    "oiltemp1", "oiltemp2",
                           "oilpres1", "oilpres2", "Radtemp1", "Radtemp2", "boost1",   "boost2",
                           "brake",    "rpm2",     "rpm1",    "suction",  "Switch",   "Switchb",
                           "Switchbb", "feather1", "feather2", "Sight"};
    for (size_t i = 0; i < 22; ++i) {
        const GAUGEHDR* h = linkage_->gauges[i];
        ASSERT_NE(h, nullptr) << i;
        EXPECT_STREQ(h->gauge_name, names[i]);
        EXPECT_EQ(h->gauge_header_version, 700u);
        EXPECT_EQ(h->size_x_mm, 100u);
        ASSERT_NE(h->elements_list[0], nullptr);
        EXPECT_EQ(h->elements_list[1], nullptr) << "one root per gauge";
    }
    EXPECT_EQ(linkage_->gauges[22], nullptr);
}

TEST_F(KestrinFile, GenericRoutinesActOnTheFirstGaugesChain) {
    PANELS panels = Recorder<1>::Make();
    table_->panels.panels = &panels;
    ELEMENT_HEADER* airspeed_face = linkage_->gauges[0]->elements_list[0];
    for (size_t g = 0; g < 22; ++g) {
        calls.clear();
        const uintptr_t handle = g == 3 ? 0 : 0x1000 + g;  // zero passes unchanged too
        CallAll(linkage_->gauges[g], reinterpret_cast<RESOURCE_HANDLE>(handle), uint32_t(g == 5 ? 0 : 77 + g));
        const char* order[] = {"query", "install", "initialize", "update", "generate", "plot", "kill"};
        ASSERT_EQ(calls.size(), 7u) << g;
        for (size_t i = 0; i < 7; ++i) {
            EXPECT_EQ(calls[i].service, order[i]);
            EXPECT_EQ(calls[i].element, airspeed_face) << linkage_->gauges[g]->gauge_name;
        }
        EXPECT_EQ(calls[1].arg, handle);
        EXPECT_EQ(calls[4].arg, g == 5 ? 0u : 77 + g);
    }
}

TEST_F(KestrinFile, RoutinesReadLinkageAndTheServicesTableAtEachCall) {
    PANELS first = Recorder<1>::Make(), second = Recorder<2>::Make();
    table_->panels.panels = &first;
    linkage_->gauges[0]->update_routine();
    table_->panels.panels = &second;
    linkage_->gauges[0]->update_routine();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].table, 1);
    EXPECT_EQ(calls[1].table, 2);

    // Reordered, the table's new first gauge is the one acted on.
    std::swap(linkage_->gauges[0], linkage_->gauges[1]);
    linkage_->gauges[5]->install_routine(nullptr);
    std::swap(linkage_->gauges[0], linkage_->gauges[1]);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[2].element, linkage_->gauges[1]->elements_list[0]);  // fuel1's background
}

}  // namespace
