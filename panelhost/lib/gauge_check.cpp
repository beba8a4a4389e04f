// Gauge validation: header, element chain, calibration tables, failure
// lists, value routines, bitmaps and mouse list.
#include "gauge_check.h"

#include <cctype>
#include <cmath>
#include <unordered_set>

#include "calibration.h"
#include "host_limits.h"

namespace panel {
namespace {

size_t KindSize(uint32_t kind) {
    switch (kind) {
        case ELEMENT_TYPE_STATIC_IMAGE: return sizeof(ELEMENT_STATIC_IMAGE);
        case ELEMENT_TYPE_NEEDLE: return sizeof(ELEMENT_NEEDLE);
        case ELEMENT_TYPE_SLIDER: return sizeof(ELEMENT_SLIDER);
        case ELEMENT_TYPE_ICON: return sizeof(ELEMENT_ICON);
        case ELEMENT_TYPE_MOVING_IMAGE: return sizeof(ELEMENT_MOVING_IMAGE);
        default: return 0;
    }
}

class Checker {
public:
    Checker(const MemoryMap& mem, const BitmapCheck& bitmaps, GaugeEntry* entry)
        : mem_(mem), bitmaps_(bitmaps), entry_(entry), gauge_(entry->header) {}

    bool Run() {
        if (!mem_.Writable(gauge_, sizeof(GAUGEHDR))) return Fail("header lies outside the module's writable data");
        std::string name;
        if (!gauge_->gauge_name || !mem_.String(gauge_->gauge_name, kMaxNameLength, &name))
            return Fail("name is missing, outside the module or longer than " + std::to_string(kMaxNameLength) +
                        " characters");
        if (name.empty()) return Fail("name is empty");
        for (unsigned char c : name)
            if (c < 0x20 || c > 0x7e) return Fail("name has a character that is not printable");
        entry_->name = name;
        const uint32_t v = gauge_->gauge_header_version;
        if (v != GAUGE_HEADER_VERSION_700 && v != GAUGE_HEADER_VERSION_610)
            return Fail("header version " + std::to_string(v) + " is not 700 or 610");

        const GAUGE_ROUTINE routines[] = {gauge_->query_routine, gauge_->initialize_routine,
                                          gauge_->update_routine, gauge_->draw_routine, gauge_->kill_routine};
        const char* names[] = {"query", "initialise", "update", "draw", "kill"};
        for (size_t i = 0; i < 5; ++i)
            if (!Code(reinterpret_cast<const void*>(routines[i])))
                return Fail(std::string(names[i]) + " routine points outside the module's code");
        if (!Code(reinterpret_cast<const void*>(gauge_->install_routine)))
            return Fail("install routine points outside the module's code");
        if (!Code(reinterpret_cast<const void*>(gauge_->generate_routine)))
            return Fail("generate routine points outside the module's code");
        if (!Code(reinterpret_cast<const void*>(gauge_->gauge_callback)))
            return Fail("gauge callback points outside the module's code");
        if (v == GAUGE_HEADER_VERSION_610 && gauge_->gauge_callback)
            return Fail("a version-610 header has a gauge callback");

        if (!CheckList(gauge_->elements_list, 0, "element list")) return false;
        if (entry_->elements.empty()) return Fail("element list has no element");
        if (v == GAUGE_HEADER_VERSION_700 && !gauge_->mouse_rect) return Fail("has no mouse area list");
        if (gauge_->mouse_rect && !CheckMouse(gauge_->mouse_rect)) return false;
        entry_->ok = true;
        return true;
    }

private:
    bool Fail(const std::string& what) {
        entry_->error = "gauge " + Where() + ": " + what;
        entry_->elements.clear();
        entry_->roots.clear();
        return false;
    }
    bool FailElement(int number, const ELEMENT_HEADER* e, const std::string& what) {
        return Fail(DescribeElement(number, e) + ": " + what);
    }
    std::string Where() const {
        return (entry_->name.empty() ? "#" + std::to_string(entry_->index)
                                     : "\"" + entry_->name + "\" (#" + std::to_string(entry_->index) + ")");
    }
    bool Code(const void* p) const { return !p || mem_.Executable(p); }

    // A null-terminated list of element pointers and everything below it.
    bool CheckList(ELEMENT_HEADER** list, int depth, const std::string& what) {
        if (!list) return depth > 0 || Fail(what + " is missing");
        for (size_t i = 0;; ++i) {
            if (i >= kMaxListEntries) return Fail(what + " is not ended within " + std::to_string(kMaxListEntries) + " entries");
            if (!mem_.ReadableArray(list + i, 1)) return Fail(what + " lies outside the module");
            ELEMENT_HEADER* e = list[i];
            if (!e) return true;
            if (!CheckElement(e, depth)) return false;
            if (depth == 0) entry_->roots.push_back(e);
        }
    }

    bool CheckElement(ELEMENT_HEADER* e, int depth) {
        const int number = int(entry_->elements.size()) + 1;
        if (entry_->elements.size() >= kMaxElements)
            return Fail("has more than " + std::to_string(kMaxElements) + " elements");
        if (!mem_.Writable(e, sizeof(ELEMENT_HEADER)))
            return Fail("element " + std::to_string(number) + " lies outside the module's writable data");
        if (!seen_.insert(e).second)
            return FailElement(number, e, "is reached twice: the element chain has a cycle or a shared element");
        const size_t size = KindSize(e->element_type);
        if (size == 0) return FailElement(number, e, "element kind " + std::to_string(e->element_type) + " is unknown");
        if (!mem_.Writable(e, size)) return FailElement(number, e, "record lies outside the module's writable data");
        if (e->gauge_header != gauge_) return FailElement(number, e, "names another gauge as its own");
        if (!CheckFailures(number, e)) return false;
        if (!CheckKind(number, e)) return false;
        entry_->elements.push_back({e, depth});
        return CheckList(e->next_element, depth + 1, DescribeElement(number, e) + ": child list");
    }

    bool CheckFailures(int number, const ELEMENT_HEADER* e) {
        const FAILURE_RECORD* f = e->failure_systems;
        if (!f) return true;
        for (size_t i = 0;; ++i) {
            if (i >= kMaxListEntries)
                return FailElement(number, e, "failure list is not ended within " + std::to_string(kMaxListEntries) + " entries");
            if (!mem_.ReadableArray(f + i, 1)) return FailElement(number, e, "failure list lies outside the module");
            if (f[i].key == 0) {
                if (f[i].action != 0 || f[i].reserved != 0)
                    return FailElement(number, e, "failure list entry " + std::to_string(i) + " has key 0 but is not all zero");
                return true;
            }
        }
    }

    bool Bitmap(int number, const ELEMENT_HEADER* e, uint32_t id) {
        std::string why;
        if (bitmaps_(id, &why)) return true;
        return FailElement(number, e, "bitmap " + std::to_string(id) + " " + why);
    }

    bool Routine(int number, const ELEMENT_HEADER* e, const VALUE_ROUTINE& r, const char* what) {
        if (Code(reinterpret_cast<const void*>(r.of_element))) return true;
        return FailElement(number, e, std::string(what) + " points outside the module's code");
    }

    bool CheckKind(int number, ELEMENT_HEADER* e) {
        switch (e->element_type) {
            case ELEMENT_TYPE_STATIC_IMAGE:
                return Bitmap(number, e, e->resource_id);
            case ELEMENT_TYPE_NEEDLE: {
                auto* n = reinterpret_cast<ELEMENT_NEEDLE*>(e);
                if (!Routine(number, e, n->callback, "value routine")) return false;
                if (n->nonlinearity_count < 1 || n->nonlinearity_count > kMaxListEntries)
                    return FailElement(number, e, "calibration table count " + std::to_string(n->nonlinearity_count) +
                                                      " is not between 1 and " + std::to_string(kMaxListEntries));
                if (!n->nonlinearity || !mem_.Writable(n->nonlinearity, n->nonlinearity_count * sizeof(NONLINEARITY)))
                    return FailElement(number, e, "calibration table lies outside the module's writable data");
                Calibration cal;
                std::string why;
                if (!BuildNeedleCalibration(*n, &cal, &why)) return FailElement(number, e, why);
                return Bitmap(number, e, e->resource_id);
            }
            case ELEMENT_TYPE_SLIDER: {
                auto* s = reinterpret_cast<ELEMENT_SLIDER*>(e);
                return Routine(number, e, s->x.callback, "x value routine") &&
                       Routine(number, e, s->y.callback, "y value routine") && Bitmap(number, e, e->resource_id);
            }
            case ELEMENT_TYPE_ICON: {
                auto* ic = reinterpret_cast<ELEMENT_ICON*>(e);
                if (!Routine(number, e, ic->callback, "value routine")) return false;
                if (ic->image_count < 1 || ic->image_count > kMaxListEntries)
                    return FailElement(number, e, "image count " + std::to_string(ic->image_count) + " is not between 1 and " +
                                                      std::to_string(kMaxListEntries));
                for (uint32_t i = 0; i < ic->image_count; ++i)
                    if (!Bitmap(number, e, e->resource_id + i)) return false;
                return true;
            }
            case ELEMENT_TYPE_MOVING_IMAGE: {
                auto* m = reinterpret_cast<ELEMENT_MOVING_IMAGE*>(e);
                if (!Routine(number, e, m->x.callback, "x value routine") ||
                    !Routine(number, e, m->y.callback, "y value routine"))
                    return false;
                if (!(m->x.min <= m->x.max) || !(m->y.min <= m->y.max))
                    return FailElement(number, e, "range minimum is above its maximum");
                return Bitmap(number, e, e->resource_id) && Bitmap(number, e, e->resource_id + 1);
            }
        }
        return false;
    }

    bool CheckMouse(const MOUSERECT* m) {
        std::string why;
        return CheckMouseList(mem_, m, &why) || Fail(why);
    }

    const MemoryMap& mem_;
    const BitmapCheck& bitmaps_;
    GaugeEntry* entry_;
    GAUGEHDR* gauge_;
    std::unordered_set<const ELEMENT_HEADER*> seen_;
};

}  // namespace

bool CheckMouseList(const MemoryMap& mem, const MOUSERECT* m, std::string* err) {
    enum { kParent, kChildren, kClosing } expect = kParent;
    for (size_t i = 0;; ++i) {
        const std::string at = "mouse area " + std::to_string(i);
        if (i >= kMaxListEntries)
            return (*err = "mouse area list is not closed within " + std::to_string(kMaxListEntries) + " entries", false);
        if (!mem.ReadableArray(m + i, 1)) return (*err = "mouse area list lies outside the module", false);
        const MOUSERECT& r = m[i];
        if (r.routine && !mem.Executable(reinterpret_cast<const void*>(r.routine)))
            return (*err = at + ": mouse routine points outside the module's code", false);
        switch (expect) {
            case kParent:
                if (r.kind != MOUSE_KIND_PARENT) return (*err = at + ": the list does not begin with a parent area", false);
                expect = kChildren;
                break;
            case kChildren:
                if (r.kind == MOUSE_KIND_CHILD) {
                    if (!r.routine) return (*err = at + ": child area has no mouse routine", false);
                    if (r.box.width <= 0 || r.box.height <= 0) return (*err = at + ": child area has an empty box", false);
                } else if (r.kind == MOUSE_KIND_PARENT_END) {
                    expect = kClosing;
                } else {
                    return (*err = at + ": kind " + std::to_string(r.kind) +
                                   " where a child area or the end of the parent belongs",
                            false);
                }
                break;
            case kClosing:
                if (r.kind != MOUSE_KIND_END)
                    return (*err = at + ": the end of the parent is not followed by the closing entry", false);
                return true;
        }
    }
}

const char* ElementKindName(uint32_t kind) {
    switch (kind) {
        case ELEMENT_TYPE_STATIC_IMAGE: return "static_image";
        case ELEMENT_TYPE_NEEDLE: return "needle";
        case ELEMENT_TYPE_SLIDER: return "slider";
        case ELEMENT_TYPE_ICON: return "icon";
        case ELEMENT_TYPE_MOVING_IMAGE: return "moving_image";
        default: return "unknown";
    }
}

std::string DescribeElement(int number, const ELEMENT_HEADER* e) {
    return "element " + std::to_string(number) + " (" + ElementKindName(e->element_type) + ", bitmap " +
           std::to_string(e->resource_id) + ")";
}

void CheckGauge(const MemoryMap& mem, const BitmapCheck& bitmaps, GaugeEntry* entry) {
    entry->ok = false;
    entry->elements.clear();
    entry->roots.clear();
    Checker(mem, bitmaps, entry).Run();
}

}  // namespace panel
