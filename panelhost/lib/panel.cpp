// The panel's driving loop, its element updates and drawing, and the host
// services the modules call. The rules are written in panel.h.
#include "panel.h"

#include <algorithm>
#include <cmath>

#include "host_limits.h"
#include "raster.h"

namespace panel {
namespace {

// The panel whose call into module code is running on this thread:
// services reach their panel through it.
thread_local Panel* active = nullptr;

class Active {
public:
    explicit Active(Panel* p) : previous_(active) { active = p; }
    ~Active() { active = previous_; }

private:
    Panel* previous_;
};

}  // namespace

// The C entry points of the services table.
struct ServiceCalls {
    static void Query(ELEMENT_HEADER*) {}
    static void Install(ELEMENT_HEADER* e, RESOURCE_HANDLE h) { if (active) active->ServiceInstall(e, h); }
    static void Initialize(ELEMENT_HEADER*) {}
    static void Update(ELEMENT_HEADER* e) { if (active) active->ServiceUpdate(e); }
    static void Generate(ELEMENT_HEADER*, uint32_t) {}
    static void Plot(ELEMENT_HEADER* e) { if (active) active->ServicePlot(e); }
    static void Kill(ELEMENT_HEADER* e) { if (active) active->ServiceKill(e); }
    static void MouseInstall(MOUSERECT*, GAUGEHDR*, const PIXPOINT*) {}
    static void MouseRegister(MOUSERECT* m, GAUGEHDR* g) { if (active) active->ServiceMouseRegister(m, g, true); }
    static void MouseUnregister(MOUSERECT* m, GAUGEHDR* g) { if (active) active->ServiceMouseRegister(m, g, false); }
    static void KeyEvent(uint32_t id, uint32_t value) { if (active) active->ServiceKeyEvent(id, value); }
    static void Lookup(MODULE_VAR* v) { if (active) active->ServiceLookup(v); }
};

PANELS* Panel::Services() {
    static PANELS table = {
        .size = sizeof(PANELS),
        .version = 1,
        .element_list_query = ServiceCalls::Query,
        .element_list_install = ServiceCalls::Install,
        .element_list_initialize = ServiceCalls::Initialize,
        .element_list_update = ServiceCalls::Update,
        .element_list_generate = ServiceCalls::Generate,
        .element_list_plot = ServiceCalls::Plot,
        .element_list_kill = ServiceCalls::Kill,
        .mouse_list_install = ServiceCalls::MouseInstall,
        .mouse_list_register = ServiceCalls::MouseRegister,
        .mouse_list_unregister = ServiceCalls::MouseUnregister,
        .trigger_key_event = ServiceCalls::KeyEvent,
        .lookup_var = ServiceCalls::Lookup,
    };
    return &table;
}

Panel::Panel() {
    key_events_.reserve(4096);
    diagnostics_.reserve(256);
    reported_tokens_.reserve(256);
}

Panel::~Panel() {
    while (!gauges_.empty()) Remove(gauges_.back().get());
    Active guard(this);
    modules_.clear();
}

void Panel::Diagnose(std::string message) { diagnostics_.push_back({frame_, std::move(message)}); }

Module* Panel::LoadModule(const std::string& path, std::string* err) {
    for (auto& m : modules_)
        if (m->path() == path) return m.get();
    Active guard(this);
    std::unique_ptr<Module> m = Module::Load(path, Services(), err);
    if (!m) return nullptr;
    for (const std::string& w : m->warnings()) Diagnose(w);
    for (const GaugeEntry& g : m->gauges())
        if (g.ok)
            for (ELEMENT_HEADER* r : g.roots) roots_[r] = {m.get(), &g};
    modules_.push_back(std::move(m));
    return modules_.back().get();
}

const std::vector<ElementState*>& Panel::Chain(ELEMENT_HEADER* root) {
    static const std::vector<ElementState*> none;
    auto it = chains_.find(root);
    return it == chains_.end() ? none : it->second;
}

bool Panel::InstallChain(ELEMENT_HEADER* root, Module* module, std::vector<ElementState*>* order) {
    const GaugeEntry* entry = roots_.at(root).entry;
    // The entry lists the gauge's elements in drawing order; this root's
    // chain is the run that begins with it.
    auto begin = std::find_if(entry->elements.begin(), entry->elements.end(),
                              [root](const ElementInfo& i) { return i.element == root; });
    for (auto it = begin; it != entry->elements.end() && (it == begin || it->depth > 0); ++it) {
        auto state = std::make_unique<ElementState>();
        ElementState& s = *state;
        ELEMENT_HEADER* e = it->element;
        s.element = e;
        s.depth = it->depth;
        s.version_610 = e->gauge_header->gauge_header_version == GAUGE_HEADER_VERSION_610;
        uint32_t count = 1;
        if (e->element_type == ELEMENT_TYPE_ICON) count = reinterpret_cast<ELEMENT_ICON*>(e)->image_count;
        if (e->element_type == ELEMENT_TYPE_MOVING_IMAGE) count = 2;
        for (uint32_t i = 0; i < count; ++i) {
            const ModuleBitmap* b = module->FindBitmap(e->resource_id + i);
            const Bitmap& bm = b->bitmap;  // present: validated
            s.bitmaps.push_back(&bm);
            s.images.push_back({.resource_id = e->resource_id + i,
                                .width = uint32_t(bm.width),
                                .height = uint32_t(bm.height),
                                .stride = uint32_t(bm.stride),
                                .format = IMAGE_FORMAT_RGBA8888,
                                .source_bpp = uint32_t(b->info.bits_per_pixel),
                                .pixels = bm.pixels.data()});
        }
        if (e->element_type == ELEMENT_TYPE_NEEDLE) {
            auto* n = reinterpret_cast<ELEMENT_NEEDLE*>(e);
            std::string why;
            BuildNeedleCalibration(*n, &s.calibration, &why);  // validated
            for (uint32_t i = 0; i < n->nonlinearity_count; ++i) n->nonlinearity[i].degrees = s.calibration.turns()[i];
        }
        e->images = s.images.data();
        e->image_count = uint32_t(s.images.size());
        e->installed = 1;
        if (order) order->push_back(&s);
        chains_[root].push_back(&s);
        installed_[e] = std::move(state);
    }
    return begin != entry->elements.end();
}

void Panel::KillChain(ELEMENT_HEADER* root) {
    auto it = chains_.find(root);
    if (it == chains_.end()) return;
    for (ElementState* s : it->second) {
        ELEMENT_HEADER* e = s->element;
        e->images = nullptr;
        e->image_count = 0;
        e->installed = 0;
        installed_.erase(e);
    }
    chains_.erase(it);
}

void Panel::SizeCanvas(PlacedGauge& g) {
    int w = 1, h = 1;
    for (ELEMENT_HEADER* r : g.roots) {
        auto it = installed_.find(r);
        if (it == installed_.end() || it->second->bitmaps.empty()) continue;
        w = std::max(w, r->position.x + it->second->bitmaps[0]->width);
        h = std::max(h, r->position.y + it->second->bitmaps[0]->height);
    }
    g.canvas = Bitmap::Make(w, h);
}

PlacedGauge* Panel::Place(Module* module, const std::string& name, std::string* err) {
    const GaugeEntry* entry = module->FindGauge(name);
    if (!entry) {
        *err = module->file_name() + ": no gauge named \"" + name + "\"";
        return nullptr;
    }
    if (!entry->ok) {
        *err = entry->error;
        return nullptr;
    }
    auto placed = std::make_unique<PlacedGauge>();
    PlacedGauge& g = *placed;
    g.module = module;
    g.entry = entry;
    g.header = entry->header;
    g.roots = entry->roots;
    for (auto& other : gauges_)
        if (other->header == g.header) {
            *err = module->file_name() + ": gauge \"" + name + "\" is already on the panel";
            return nullptr;
        }
    Active guard(this);
    if (g.header->gauge_header_version == GAUGE_HEADER_VERSION_700) {
        for (ELEMENT_HEADER* r : g.roots) InstallChain(r, module, &g.elements);
        g.mouse = g.header->mouse_rect;
    } else {
        current_ = &g;
        if (g.header->query_routine) g.header->query_routine();
        if (g.header->install_routine) g.header->install_routine(module->handle());
        if (g.header->initialize_routine) g.header->initialize_routine();
        current_ = nullptr;
        for (ELEMENT_HEADER* r : g.roots)
            for (ElementState* s : Chain(r)) g.elements.push_back(s);
    }
    g.header->installed = 1;
    g.header->host_data = &g;
    SizeCanvas(g);
    gauges_.push_back(std::move(placed));
    return &g;
}

void Panel::Remove(PlacedGauge* gauge) {
    auto it = std::find_if(gauges_.begin(), gauges_.end(), [gauge](auto& g) { return g.get() == gauge; });
    if (it == gauges_.end()) return;
    Active guard(this);
    PlacedGauge& g = **it;
    if (g.header->gauge_header_version == GAUGE_HEADER_VERSION_700) {
        for (ELEMENT_HEADER* r : g.roots) KillChain(r);
    } else {
        current_ = &g;
        if (g.header->kill_routine) g.header->kill_routine();
        current_ = nullptr;
        for (ELEMENT_HEADER* r : g.roots) KillChain(r);
    }
    g.header->installed = 0;
    g.header->host_data = nullptr;
    gauges_.erase(it);
}

double Panel::Refresh(MODULE_VAR& var) {
    if (var.id == MODULE_VAR_NONE) return var.value;
    double v = 0;
    if (!variables_.Get(var.id, &v) &&
        std::find(reported_tokens_.begin(), reported_tokens_.end(), var.id) == reported_tokens_.end()) {
        reported_tokens_.push_back(var.id);
        Diagnose("unknown variable token " + std::to_string(var.id) + " reads 0");
    }
    var.value = v;
    var.refreshed = uint32_t(frame_);
    return v;
}

double Panel::Reading(ElementState& s, MODULE_VAR& var, const VALUE_ROUTINE& cb) {
    Refresh(var);
    if (!cb.of_element) return var.value;
    return s.version_610 ? cb.of_var(&var) : cb.of_element(s.element);
}

void Panel::UpdateElement(ElementState& s) {
    ELEMENT_HEADER* e = s.element;
    switch (e->element_type) {
        case ELEMENT_TYPE_NEEDLE: {
            auto* n = reinterpret_cast<ELEMENT_NEEDLE*>(e);
            n->reading = Reading(s, n->source_var, n->callback);
            n->target_turn = s.calibration.TurnAt(n->reading);
            const double limit = n->max_degrees_per_tick;
            if (s.fresh || limit == 0) {
                n->current_turn = n->target_turn;
            } else {
                n->current_turn += std::clamp(n->target_turn - n->current_turn, -limit, limit);
            }
            n->direction = s.calibration.DirectionOf(n->current_turn);
            break;
        }
        case ELEMENT_TYPE_SLIDER: {
            auto* sl = reinterpret_cast<ELEMENT_SLIDER*>(e);
            for (SLIDER_AXIS* a : {&sl->x, &sl->y}) {
                a->reading = Reading(s, a->source_var, a->callback);
                const double off = a->scale == 0 ? 0 : a->reading * a->scale;
                a->offset = std::isnan(off) ? 0 : std::clamp(off, -16384.0, 16384.0);
            }
            break;
        }
        case ELEMENT_TYPE_ICON: {
            auto* ic = reinterpret_cast<ELEMENT_ICON*>(e);
            ic->reading = Reading(s, ic->source_var, ic->callback);
            double index = ic->switch_mode == 0 || std::isnan(ic->reading) ? 0 : std::floor(ic->reading);
            ic->image_index = uint32_t(std::clamp(index, 0.0, double(ic->image_count - 1)));
            break;
        }
        case ELEMENT_TYPE_MOVING_IMAGE: {
            auto* m = reinterpret_cast<ELEMENT_MOVING_IMAGE*>(e);
            for (MOVING_AXIS* a : {&m->x, &m->y}) {
                a->reading = Reading(s, a->source_var, a->callback);
                a->position = std::isnan(a->reading) ? a->min : std::clamp(a->reading, a->min, a->max);
            }
            break;
        }
        default:
            break;
    }
    s.fresh = false;
}

void Panel::PlotElement(ElementState& s, Bitmap& canvas) {
    const ELEMENT_HEADER* e = s.element;
    const Rect clip = canvas.bounds();
    switch (e->element_type) {
        case ELEMENT_TYPE_STATIC_IMAGE:
            BlitOver(canvas, clip, *s.bitmaps[0], e->position.x, e->position.y);
            break;
        case ELEMENT_TYPE_NEEDLE: {
            auto* n = reinterpret_cast<const ELEMENT_NEEDLE*>(e);
            if (s.fresh) break;  // no direction before its first update
            DrawRotated(canvas, clip, *s.bitmaps[0], e->pivot_offset.x, e->pivot_offset.y, e->position.x,
                        e->position.y, n->direction - 90.0);
            break;
        }
        case ELEMENT_TYPE_SLIDER: {
            auto* sl = reinterpret_cast<const ELEMENT_SLIDER*>(e);
            BlitOver(canvas, clip, *s.bitmaps[0], e->position.x + int(std::lround(sl->x.offset)),
                     e->position.y + int(std::lround(sl->y.offset)));
            break;
        }
        case ELEMENT_TYPE_ICON: {
            auto* ic = reinterpret_cast<const ELEMENT_ICON*>(e);
            BlitOver(canvas, clip, *s.bitmaps[std::min<size_t>(ic->image_index, s.bitmaps.size() - 1)],
                     e->position.x, e->position.y);
            break;
        }
        case ELEMENT_TYPE_MOVING_IMAGE: {
            auto* m = reinterpret_cast<const ELEMENT_MOVING_IMAGE*>(e);
            const Bitmap& b = *s.bitmaps[0];
            BlitOver(canvas, clip, b, int(std::lround(m->x.position - b.width / 2.0)),
                     int(std::lround(m->y.position - b.height / 2.0)));
            break;
        }
        default:
            break;
    }
}

void Panel::DrawGauge(PlacedGauge& g) {
    Clear(g.canvas);
    for (ElementState* s : g.elements) PlotElement(*s, g.canvas);
}

void Panel::Frame() {
    ++frame_;
    Active guard(this);
    for (auto& placed : gauges_) {
        PlacedGauge& g = *placed;
        if (g.header->gauge_header_version == GAUGE_HEADER_VERSION_700) {
            if (g.header->gauge_callback) g.header->gauge_callback(g.header, PANEL_SERVICE_PRE_UPDATE, 0);
            for (ElementState* s : g.elements) UpdateElement(*s);
            DrawGauge(g);
        } else {
            current_ = &g;
            if (g.header->update_routine) g.header->update_routine();
            Clear(g.canvas);
            if (g.header->draw_routine) g.header->draw_routine();
            current_ = nullptr;
        }
    }
}

void Panel::ServiceRound(int32_t service_id) {
    Active guard(this);
    for (auto& g : gauges_)
        if (g->header->gauge_callback) g->header->gauge_callback(g->header, service_id, 0);
}

bool Panel::Settle(size_t max_frames, size_t* frames_run) {
    *frames_run = 0;
    auto settled = [this] {
        for (auto& g : gauges_)
            for (ElementState* s : g->elements)
                if (s->element->element_type == ELEMENT_TYPE_NEEDLE) {
                    auto* n = reinterpret_cast<ELEMENT_NEEDLE*>(s->element);
                    if (s->fresh || n->current_turn != n->target_turn) return false;
                }
        return true;
    };
    do {
        Frame();
        ++*frames_run;
    } while (!settled() && *frames_run < max_frames);
    return settled();
}

ClickResult Panel::Click(PlacedGauge* gauge, int x, int y) {
    ClickResult r;
    if (!gauge->mouse) return r;
    // The list was validated: parent first, then children up to the end
    // of the parent.
    for (int i = 1; i < int(kMaxListEntries); ++i) {
        const MOUSERECT& m = gauge->mouse[i];
        if (m.kind != MOUSE_KIND_CHILD) break;
        if (x < m.box.x || y < m.box.y || x >= m.box.x + m.box.width || y >= m.box.y + m.box.height) continue;
        r.hit = true;
        r.area = i;
        Active guard(this);
        const PIXPOINT point{x, y};
        if (m.event_id) ServiceKeyEvent(m.event_id, 0);
        if (m.routine) r.result = m.routine(&point, m.click_flags);
        break;
    }
    return r;
}

bool Panel::KnownRoot(ELEMENT_HEADER* root, const char* service) {
    if (roots_.count(root)) return true;
    Diagnose(std::string(service) + " called with an element that roots no valid gauge; ignored");
    return false;
}

void Panel::ServiceInstall(ELEMENT_HEADER* root, RESOURCE_HANDLE handle) {
    if (!KnownRoot(root, "element_list_install")) return;
    Module* module = roots_.at(root).module;
    if (handle != module->handle()) {
        Diagnose("element_list_install called with a resource handle that is not the module's own; ignored");
        return;
    }
    if (chains_.count(root)) {
        Diagnose("element_list_install called for a chain that is already installed; ignored");
        return;
    }
    InstallChain(root, module, nullptr);
}

void Panel::ServiceUpdate(ELEMENT_HEADER* root) {
    if (!KnownRoot(root, "element_list_update")) return;
    for (ElementState* s : Chain(root)) UpdateElement(*s);
}

void Panel::ServicePlot(ELEMENT_HEADER* root) {
    if (!KnownRoot(root, "element_list_plot")) return;
    if (!current_) {
        Diagnose("element_list_plot called outside a gauge's draw routine; ignored");
        return;
    }
    for (ElementState* s : Chain(root)) PlotElement(*s, current_->canvas);
}

void Panel::ServiceKill(ELEMENT_HEADER* root) {
    if (!KnownRoot(root, "element_list_kill")) return;
    for (auto& g : gauges_)
        if (g.get() != current_ && std::find(g->roots.begin(), g->roots.end(), root) != g->roots.end()) {
            Diagnose("element_list_kill called for a chain of another gauge on the panel; ignored");
            return;
        }
    KillChain(root);
}

void Panel::ServiceMouseRegister(MOUSERECT* list, GAUGEHDR* gauge, bool on) {
    PlacedGauge* g = current_;
    if (!g || g->header != gauge) {
        Diagnose("mouse list service called for a gauge that is not being installed or killed; ignored");
        return;
    }
    if (!on) {
        g->mouse = nullptr;
        return;
    }
    std::string why;
    if (!g->module->CheckMouse(list, &why)) {
        Diagnose(g->module->file_name() + ": gauge \"" + g->entry->name + "\": registered " + why + "; ignored");
        return;
    }
    g->mouse = list;
}

void Panel::ServiceKeyEvent(uint32_t id, uint32_t value) { key_events_.push_back({id, value, frame_}); }

void Panel::ServiceLookup(MODULE_VAR* var) {
    for (auto& m : modules_)
        if (m->OwnsWritable(var, sizeof *var)) {
            Refresh(*var);
            return;
        }
    Diagnose("lookup_var called with a variable outside every module's data; ignored");
}

}  // namespace panel
