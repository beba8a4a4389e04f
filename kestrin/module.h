// What the gauge sources of Kestrin.gau share: the forwarding operations to
// the host's services, the seven generic gauge routines every header names,
// and the gauge headers that Linkage lists.
#pragma once

#include "gauge_interface.h"
#include "module_helpers.h"

namespace kestrin {

// Forwarding to the host's services: each reads the PANELS table from
// ImportTable at the moment of the call and passes its arguments unchanged.
void element_list_query(ELEMENT_HEADER* element);
void element_list_install(ELEMENT_HEADER* element, RESOURCE_HANDLE resources);
void element_list_initialize(ELEMENT_HEADER* element);
void element_list_update(ELEMENT_HEADER* element);
void element_list_generate(ELEMENT_HEADER* element, uint32_t phase);
void element_list_plot(ELEMENT_HEADER* element);
void element_list_kill(ELEMENT_HEADER* element);
void trigger_key_event(uint32_t event_id, uint32_t value);
void lookup_var(MODULE_VAR* var);

// The generic gauge routines. Each acts on the first gauge of Linkage,
// whichever header it is reached through.
void generic_query();
void generic_install(RESOURCE_HANDLE resources);
void generic_initialize();
void generic_update();
void generic_generate(uint32_t phase);
void generic_draw();
void generic_kill();

}  // namespace kestrin

// The seven generic routines, in header order, for a GAUGEHDR initialiser.
#define KESTRIN_GENERIC_ROUTINES                                              \
    .query_routine = kestrin::generic_query,                                  \
    .install_routine = kestrin::generic_install,                              \
    .initialize_routine = kestrin::generic_initialize,                        \
    .update_routine = kestrin::generic_update,                                \
    .generate_routine = kestrin::generic_generate,                            \
    .draw_routine = kestrin::generic_draw,                                    \
    .kill_routine = kestrin::generic_kill

namespace kestrin {

// Gauge headers, in Linkage order.
extern GAUGEHDR airspeed_gauge;
extern GAUGEHDR fuel1_gauge, fuel2_gauge, fuel3_gauge;
extern GAUGEHDR oiltemp1_gauge, oiltemp2_gauge, oilpres1_gauge, oilpres2_gauge;
extern GAUGEHDR radtemp1_gauge, radtemp2_gauge, boost1_gauge, boost2_gauge;
extern GAUGEHDR brake_gauge;
extern GAUGEHDR rpm2_gauge, rpm1_gauge;
extern GAUGEHDR suction_gauge;
extern GAUGEHDR switch_gauge, switchb_gauge, switchbb_gauge;
extern GAUGEHDR feather1_gauge, feather2_gauge;
extern GAUGEHDR sight_gauge;

}  // namespace kestrin
