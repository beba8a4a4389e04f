// Once a gauge is installed, a frame (callback, update, render) allocates
// nothing: every allocation in this program is counted.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "panel.h"

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t n) {
    ++allocations;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

TEST(Frame, AllocatesNothingOnceInstalled) {
    panel::Panel p;
    std::string err;
    panel::Module* m = p.LoadModule(KESTRIN_GAU, &err);
    ASSERT_NE(m, nullptr) << err;
    ASSERT_NE(p.Place(m, "Airspeed", &err), nullptr) << err;
    ASSERT_NE(p.Place(m, "fuel1", &err), nullptr) << err;
    p.variables().Set(61, 0);
    p.Frame();
    const long before = allocations;
    for (int i = 0; i < 200; ++i) {
        p.variables().Set(61, i * 2.5);
        p.Frame();
    }
    EXPECT_EQ(allocations - before, 0);
}

}  // namespace
