// Building the JSON listings of modules and panel state.
#include "report.h"

#include <cmath>

namespace panel {



Json Number(double v) {
    if (std::isnan(v)) return "nan";
    if (std::isinf(v)) return v > 0 ? "inf" : "-inf";
    return v;
}

namespace {

Json Point(PIXPOINT p) { return Json::array({p.x, p.y}); }

Json Failures(const FAILURE_RECORD* f) {
    Json out = Json::array();
    if (!f) return out;
    for (size_t i = 0; f[i].key != 0; ++i) out.push_back({{"key", f[i].key}, {"action", f[i].action}});
    return out;
}

bool Set(const void* p) { return p != nullptr; }

Json Source(const MODULE_VAR& v, const VALUE_ROUTINE& cb) {
    return {{"source_token", v.id}, {"value_routine", Set(reinterpret_cast<const void*>(cb.of_element))}};
}

Json ElementJson(const ELEMENT_HEADER* e, int depth, const Calibration* cal) {
    Json j = {{"kind", ElementKindName(e->element_type)},
              {"kind_id", e->element_type},
              {"depth", depth},
              {"bitmap", e->resource_id},
              {"position", Point(e->position)},
              {"pivot_offset", Point(e->pivot_offset)},
              {"image_flags", e->image_flags},
              {"failures", Failures(e->failure_systems)}};
    switch (e->element_type) {
        case ELEMENT_TYPE_NEEDLE: {
            auto* n = reinterpret_cast<const ELEMENT_NEEDLE*>(e);
            j.update(Source(n->source_var, n->callback));
            j["max_degrees_per_tick"] = n->max_degrees_per_tick;
            j["axis_point"] = Point(n->axis_point);
            Json table = Json::array();
            for (uint32_t i = 0; i < n->nonlinearity_count; ++i) {
                const NONLINEARITY& c = n->nonlinearity[i];
                Json entry = {{"point", Point(c.point)}, {"value", Number(c.value)}, {"degrees", Number(c.degrees)}};
                if (cal) entry["turn"] = Number(cal->turns()[i]);
                table.push_back(entry);
            }
            j["calibration"] = table;
            if (cal) j["first_direction"] = Number(cal->first_direction());
            break;
        }
        case ELEMENT_TYPE_SLIDER: {
            auto* s = reinterpret_cast<const ELEMENT_SLIDER*>(e);
            for (auto [name, a] : {std::pair{"x", &s->x}, std::pair{"y", &s->y}}) {
                Json axis = Source(a->source_var, a->callback);
                axis["scale"] = Number(a->scale);
                j[name] = axis;
            }
            break;
        }
        case ELEMENT_TYPE_ICON: {
            auto* ic = reinterpret_cast<const ELEMENT_ICON*>(e);
            j.update(Source(ic->source_var, ic->callback));
            j["switch_mode"] = ic->switch_mode;
            j["scale"] = Number(ic->scale);
            j["offset"] = Number(ic->offset);
            j["image_count"] = ic->image_count;
            break;
        }
        case ELEMENT_TYPE_MOVING_IMAGE: {
            auto* m = reinterpret_cast<const ELEMENT_MOVING_IMAGE*>(e);
            for (auto [name, a] : {std::pair{"x", &m->x}, std::pair{"y", &m->y}}) {
                Json axis = Source(a->source_var, a->callback);
                axis["min"] = Number(a->min);
                axis["max"] = Number(a->max);
                j[name] = axis;
            }
            break;
        }
        default:
            break;
    }
    return j;
}

const char* MouseKindName(uint32_t kind) {
    switch (kind) {
        case MOUSE_KIND_END: return "end";
        case MOUSE_KIND_PARENT: return "parent";
        case MOUSE_KIND_CHILD: return "child";
        case MOUSE_KIND_PARENT_END: return "parent_end";
        default: return "unknown";
    }
}

Json MouseJson(const MOUSERECT* m) {
    Json out = Json::array();
    for (size_t i = 0;; ++i) {
        const MOUSERECT& r = m[i];
        out.push_back({{"kind", MouseKindName(r.kind)},
                       {"kind_id", r.kind},
                       {"box", Json::array({r.box.x, r.box.y, r.box.width, r.box.height})},
                       {"cursor", r.cursor},
                       {"help_id", r.help_id},
                       {"click_flags", r.click_flags},
                       {"event_id", r.event_id},
                       {"routine", Set(reinterpret_cast<const void*>(r.routine))}});
        if (r.kind == MOUSE_KIND_END) break;
    }
    return out;
}

Json GaugeJson(const GaugeEntry& g) {
    Json j = {{"index", g.index}, {"name", g.name}, {"ok", g.ok}};
    if (!g.ok) {
        j["error"] = g.error;
        return j;
    }
    const GAUGEHDR* h = g.header;
    j["header_version"] = h->gauge_header_version;
    j["size_x_mm"] = h->size_x_mm;
    j["flags"] = h->flags;
    j["routines"] = {{"query", Set(reinterpret_cast<const void*>(h->query_routine))},
                     {"install", Set(reinterpret_cast<const void*>(h->install_routine))},
                     {"initialize", Set(reinterpret_cast<const void*>(h->initialize_routine))},
                     {"update", Set(reinterpret_cast<const void*>(h->update_routine))},
                     {"generate", Set(reinterpret_cast<const void*>(h->generate_routine))},
                     {"draw", Set(reinterpret_cast<const void*>(h->draw_routine))},
                     {"kill", Set(reinterpret_cast<const void*>(h->kill_routine))}};
    j["gauge_callback"] = Set(reinterpret_cast<const void*>(h->gauge_callback));
    j["help_id"] = h->mouse_rect ? Json(h->mouse_rect[0].help_id) : Json(nullptr);
    Json elements = Json::array();
    for (const ElementInfo& e : g.elements) {
        Calibration cal;
        const Calibration* have = nullptr;
        if (e.element->element_type == ELEMENT_TYPE_NEEDLE) {
            auto* n = reinterpret_cast<const ELEMENT_NEEDLE*>(e.element);
            std::string why;
            if (BuildNeedleCalibration(*n, &cal, &why)) have = &cal;
        }
        elements.push_back(ElementJson(e.element, e.depth, have));
    }
    j["elements"] = elements;
    j["mouse"] = h->mouse_rect ? MouseJson(h->mouse_rect) : Json::array();
    return j;
}

}  // namespace

Json DescribeModule(const Module& m) {
    const GAUGESLINKAGE* l = m.linkage();
    Json j = {{"file", m.file_name()},
              {"module_id", l->module_id},
              {"module_flags", l->flags},
              {"module_version", l->module_version},
              {"import_table", {{"panels_id", m.import_table()->panels.id}, {"end_id", m.import_table()->end.id}}}};
    Json gauges = Json::array();
    for (const GaugeEntry& g : m.gauges()) gauges.push_back(GaugeJson(g));
    j["gauges"] = gauges;
    Json resources = Json::array();
    for (const Resource& r : m.resources()) {
        Json res = {{"type", ResourceTypeName(r.type)},
                    {"id", r.name.is_number ? Json(r.name.number) : Json(r.name.text)},
                    {"language", r.language},
                    {"size", r.data.size()}};
        if (r.type.is_number && r.type.number == kResourceBitmap && r.name.is_number) {
            const ModuleBitmap* b = m.FindBitmap(r.name.number);
            if (b && b->ok) {
                res["width"] = b->info.width;
                res["height"] = b->info.height;
                res["bits_per_pixel"] = b->info.bits_per_pixel;
            } else if (b) {
                res["error"] = b->error;
            }
        }
        resources.push_back(res);
    }
    j["resources"] = resources;
    if (m.has_version()) {
        j["version"] = {{"file_version", m.version().file_version},
                        {"product_version", m.version().product_version},
                        {"strings", m.version().strings}};
    } else {
        j["version"] = nullptr;
    }
    j["warnings"] = m.warnings();
    return j;
}

Json DescribePanel(const Panel& p) {
    Json gauges = Json::array();
    for (const auto& g : p.gauges()) {
        Json elements = Json::array();
        int index = 0;
        for (const ElementState* s : g->elements) {
            const ELEMENT_HEADER* e = s->element;
            Json el = {{"index", ++index}, {"kind", ElementKindName(e->element_type)}, {"bitmap", e->resource_id}};
            switch (e->element_type) {
                case ELEMENT_TYPE_NEEDLE: {
                    auto* n = reinterpret_cast<const ELEMENT_NEEDLE*>(e);
                    el["reading"] = Number(n->reading);
                    el["target_turn"] = Number(n->target_turn);
                    el["current_turn"] = Number(n->current_turn);
                    el["direction"] = Number(n->direction);
                    break;
                }
                case ELEMENT_TYPE_SLIDER: {
                    auto* sl = reinterpret_cast<const ELEMENT_SLIDER*>(e);
                    el["reading"] = Json::array({Number(sl->x.reading), Number(sl->y.reading)});
                    el["offset"] = Json::array({Number(sl->x.offset), Number(sl->y.offset)});
                    break;
                }
                case ELEMENT_TYPE_ICON: {
                    auto* ic = reinterpret_cast<const ELEMENT_ICON*>(e);
                    el["reading"] = Number(ic->reading);
                    el["image_index"] = ic->image_index;
                    break;
                }
                case ELEMENT_TYPE_MOVING_IMAGE: {
                    auto* m = reinterpret_cast<const ELEMENT_MOVING_IMAGE*>(e);
                    el["reading"] = Json::array({Number(m->x.reading), Number(m->y.reading)});
                    el["position"] = Json::array({Number(m->x.position), Number(m->y.position)});
                    break;
                }
                default:
                    break;
            }
            elements.push_back(el);
        }
        gauges.push_back({{"module", g->module->file_name()},
                          {"name", g->entry->name},
                          {"size", Json::array({g->canvas.width, g->canvas.height})},
                          {"elements", elements}});
    }
    Json keys = Json::array();
    for (const KeyEvent& k : p.key_events()) keys.push_back({{"id", k.id}, {"value", k.value}, {"frame", k.frame}});
    Json diags = Json::array();
    for (const Diagnostic& d : p.diagnostics()) diags.push_back({{"frame", d.frame}, {"message", d.message}});
    return {{"frame", p.frame()}, {"gauges", gauges}, {"key_events", keys}, {"diagnostics", diags}};
}

}  // namespace panel
