// Segment ranges from the dynamic loader; relocation read-only areas are
// taken out of the writable ranges, since the loader protects them.
#include "memory_map.h"

#include <dlfcn.h>
#include <link.h>

#include <algorithm>
#include <cstring>
#include <tuple>

namespace panel {
namespace {

struct Search {
    uintptr_t base;
    const char* name;
    std::vector<std::pair<uintptr_t, uintptr_t>> relro;
    std::vector<std::tuple<uintptr_t, uintptr_t, int>> loads;
    bool found = false;
};

int Visit(dl_phdr_info* info, size_t, void* data) {
    auto* s = static_cast<Search*>(data);
    if (info->dlpi_addr != s->base || !info->dlpi_name || std::strcmp(info->dlpi_name, s->name) != 0) return 0;
    s->found = true;
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        const ElfW(Phdr)& ph = info->dlpi_phdr[i];
        const uintptr_t begin = info->dlpi_addr + ph.p_vaddr, end = begin + ph.p_memsz;
        if (ph.p_type == PT_LOAD) s->loads.emplace_back(begin, end, int(ph.p_flags));
        if (ph.p_type == PT_GNU_RELRO) s->relro.emplace_back(begin, end);
    }
    return 1;
}

}  // namespace

bool MemoryMap::Build(void* dl_handle, std::string* err) {
    link_map* lm = nullptr;
    if (dlinfo(dl_handle, RTLD_DI_LINKMAP, &lm) != 0 || !lm) {
        *err = "cannot find the module's loaded segments";
        return false;
    }
    Search s{lm->l_addr, lm->l_name, {}, {}};
    dl_iterate_phdr(Visit, &s);
    if (!s.found || s.loads.empty()) {
        *err = "cannot find the module's loaded segments";
        return false;
    }
    ranges_.clear();
    for (auto [begin, end, flags] : s.loads) {
        // Split each segment around relocation read-only areas.
        std::vector<std::pair<uintptr_t, bool>> cuts{{begin, (flags & PF_W) != 0}};
        uintptr_t at = begin;
        for (auto [rb, re] : s.relro) {
            if (re <= at || rb >= end) continue;
            const uintptr_t lo = std::max(rb, at), hi = std::min(re, end);
            if (lo > at) ranges_.push_back({at, lo, (flags & PF_R) != 0, (flags & PF_W) != 0, (flags & PF_X) != 0});
            ranges_.push_back({lo, hi, (flags & PF_R) != 0, false, (flags & PF_X) != 0});
            at = hi;
        }
        if (at < end) ranges_.push_back({at, end, (flags & PF_R) != 0, (flags & PF_W) != 0, (flags & PF_X) != 0});
    }
    return true;
}

const MemoryMap::Range* MemoryMap::Find(uintptr_t p) const {
    for (const Range& r : ranges_)
        if (p >= r.begin && p < r.end) return &r;
    return nullptr;
}

bool MemoryMap::Readable(const void* p, size_t n) const {
    const uintptr_t a = reinterpret_cast<uintptr_t>(p);
    const Range* r = Find(a);
    return r && r->read && n <= r->end - a;
}

bool MemoryMap::Writable(const void* p, size_t n) const {
    const uintptr_t a = reinterpret_cast<uintptr_t>(p);
    const Range* r = Find(a);
    return r && r->read && r->write && n <= r->end - a;
}

bool MemoryMap::Executable(const void* p) const {
    const Range* r = Find(reinterpret_cast<uintptr_t>(p));
    return r && r->exec;
}

bool MemoryMap::String(const char* p, size_t max_len, std::string* out) const {
    const uintptr_t a = reinterpret_cast<uintptr_t>(p);
    const Range* r = Find(a);
    if (!r || !r->read) return false;
    const size_t room = std::min<size_t>(r->end - a, max_len + 1);
    const size_t len = strnlen(p, room);
    if (len == room) return false;
    out->assign(p, len);
    return true;
}

}  // namespace panel
