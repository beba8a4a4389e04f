// The frame of Kestrin.gau: its two exported records, the forwarding to the
// host's services and the seven generic gauge routines.
#include "module.h"

namespace {

void module_init() {}
void module_deinit() {}

GAUGEHDR* gauge_table[] = {
    &kestrin::airspeed_gauge,
    &kestrin::fuel1_gauge,
    &kestrin::fuel2_gauge,
    &kestrin::fuel3_gauge,
    &kestrin::oiltemp1_gauge,
    &kestrin::oiltemp2_gauge,
    &kestrin::oilpres1_gauge,
    &kestrin::oilpres2_gauge,
    &kestrin::radtemp1_gauge,
    &kestrin::radtemp2_gauge,
    &kestrin::boost1_gauge,
    &kestrin::boost2_gauge,
    &kestrin::brake_gauge,
    &kestrin::rpm2_gauge,
    &kestrin::rpm1_gauge,
    &kestrin::suction_gauge,
    &kestrin::switch_gauge,
    &kestrin::switchb_gauge,
    &kestrin::switchbb_gauge,
    &kestrin::feather1_gauge,
    &kestrin::feather2_gauge,
    &kestrin::sight_gauge,
    nullptr,
};

}  // namespace

extern "C" {

GAUGE_DEFINE_IMPORT_TABLE();

GAUGE_EXPORT GAUGESLINKAGE Linkage = {
    .module_id = GAUGE_MODULE_ID,
    .module_init = module_init,
    .module_deinit = module_deinit,
    .flags = 0,
    .module_version = 0,
    .reserved = 0,
    .gauges = gauge_table,
};

}  // extern "C"

namespace kestrin {

// The table is read afresh at every call: the host may replace it between
// calls, and the module keeps no copy.
static PANELS* panels() { return ImportTable.panels.panels; }

void element_list_query(ELEMENT_HEADER* element) { panels()->element_list_query(element); }
void element_list_install(ELEMENT_HEADER* element, RESOURCE_HANDLE resources) {
    panels()->element_list_install(element, resources);
}
void element_list_initialize(ELEMENT_HEADER* element) { panels()->element_list_initialize(element); }
void element_list_update(ELEMENT_HEADER* element) { panels()->element_list_update(element); }
void element_list_generate(ELEMENT_HEADER* element, uint32_t phase) {
    panels()->element_list_generate(element, phase);
}
void element_list_plot(ELEMENT_HEADER* element) { panels()->element_list_plot(element); }
void element_list_kill(ELEMENT_HEADER* element) { panels()->element_list_kill(element); }
void trigger_key_event(uint32_t event_id, uint32_t value) { panels()->trigger_key_event(event_id, value); }
void lookup_var(MODULE_VAR* var) { panels()->lookup_var(var); }

// The first gauge of Linkage at the moment of the call, and the first root
// of its element list.
static ELEMENT_HEADER* first_root() { return Linkage.gauges[0]->elements_list[0]; }

void generic_query() { element_list_query(first_root()); }
void generic_install(RESOURCE_HANDLE resources) { element_list_install(first_root(), resources); }
void generic_initialize() { element_list_initialize(first_root()); }
void generic_update() { element_list_update(first_root()); }
void generic_generate(uint32_t phase) { element_list_generate(first_root(), phase); }
void generic_draw() { element_list_plot(first_root()); }
void generic_kill() { element_list_kill(first_root()); }

}  // namespace kestrin
