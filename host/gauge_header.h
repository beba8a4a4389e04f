/* GAUGEHDR: one gauge, as a module declares it and the host places it. */
#ifndef GAUGE_HOST_GAUGE_HEADER_H
#define GAUGE_HOST_GAUGE_HEADER_H

#include "conventions.h"
#include "elements.h"
#include "mouse.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Header versions (GAUGEHDR.gauge_header_version). */
#define GAUGE_HEADER_VERSION_610 610u /* driven through its own routines */
#define GAUGE_HEADER_VERSION_700 700u /* driven through its element list */

/* Gauge callback: [frame] with the gauge's header, a service id
 * (PANEL_SERVICE_*; the pre-update id 6 once per frame, before the host
 * updates the gauge's elements) and a further value, 0. Version 700 only. */
typedef void (*GAUGE_CALLBACK)(struct GAUGEHDR* gauge, int32_t service_id, uintptr_t extra);

/* The seven gauge routines. The host does not call those of a version-700
 * header: they act on the module's first gauge, whichever header names
 * them. A version-610 gauge is driven through them. */
typedef void (*GAUGE_ROUTINE)(void);
typedef void (*GAUGE_INSTALL_ROUTINE)(RESOURCE_HANDLE resources);
typedef void (*GAUGE_GENERATE_ROUTINE)(uint32_t phase);

typedef struct GAUGEHDR {
    uint32_t gauge_header_version; /* GAUGE_HEADER_VERSION_*: 700 or 610 */
    /* The name by which a panel places the gauge, e.g. "Airspeed"; printable
     * ASCII. Owned by the module; static. */
    const char* gauge_name;
    /* Root elements, null-terminated: exactly one, the background. Owned by
     * the module; static. */
    ELEMENT_HEADER** elements_list;

    GAUGE_ROUTINE query_routine;           /* [install] version 610 */
    GAUGE_INSTALL_ROUTINE install_routine; /* [install] with the handle */
    GAUGE_ROUTINE initialize_routine;      /* [install] after install */
    GAUGE_ROUTINE update_routine;          /* [frame] before drawing */
    GAUGE_GENERATE_ROUTINE generate_routine; /* [frame] with a phase value */
    GAUGE_ROUTINE draw_routine;            /* [frame] to draw */
    GAUGE_ROUTINE kill_routine;            /* [kill] */

    uint32_t size_x_mm; /* default width on the panel: 100, or 57 (610) */
    /* Mouse areas, or null (version 610, which installs its own). Owned by
     * the module; static. */
    MOUSERECT* mouse_rect;
    GAUGE_CALLBACK gauge_callback; /* null for none; version 700 only */
    uint32_t flags;                /* 0 in every module */

    /* HOST: placement on the panel, from install until kill. */
    PIXPOINT position;  /* panel pixels of the gauge's top-left corner */
    uint32_t installed; /* 1 from install until kill */
    /* The host's record of this placed gauge, opaque to modules. Owned by
     * the host; valid from install until kill. */
    void* host_data;
} GAUGEHDR;

#ifdef __cplusplus
}
#endif

#endif /* GAUGE_HOST_GAUGE_HEADER_H */
