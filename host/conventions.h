/* Basic types and the vocabulary used by every header of the gauge interface.
 *
 * Who calls a routine, and when, is tagged on every routine pointer with one
 * of these words:
 *
 *   [load]    host: once, right after it has loaded the module and written
 *             its services table into ImportTable, before any other routine.
 *   [unload]  host: once, just before it closes the module.
 *   [install] host: when a gauge is placed on the panel.
 *   [frame]   host: once per frame for each placed gauge, on the panel thread.
 *   [click]   host: when the user clicks inside a child mouse area.
 *   [kill]    host: when a gauge leaves the panel.
 *   [module]  module code: from inside any of its own routines, on the same
 *             thread as the host's call that led to it.
 *
 * Every call in either direction happens on one thread, the panel thread.
 *
 * Fields marked HOST below are the host's working state: modules leave them
 * zero in their static records, and the host writes them from install on.
 */
#ifndef GAUGE_HOST_CONVENTIONS_H
#define GAUGE_HOST_CONVENTIONS_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* A reading: the 64-bit float that value routines return and that module
 * variables hold. */
typedef double FLOAT64;

/* A point in pixels. Gauge coordinates have their origin at the top-left
 * corner of the gauge's background picture, x to the right, y downwards. */
typedef struct PIXPOINT {
    int32_t x; /* pixels, e.g. 79 */
    int32_t y; /* pixels, e.g. 77 */
} PIXPOINT;

/* A box in gauge pixels: top-left corner and size. */
typedef struct PIXBOX {
    int32_t x;      /* pixels from the left edge */
    int32_t y;      /* pixels from the top edge */
    int32_t width;  /* pixels; 0 together with height 0 means "no box" */
    int32_t height; /* pixels */
} PIXBOX;

/* The module's resource handle: opaque to the module, which only hands it
 * back to element_list_install. Owned by the host; valid while the module
 * stays loaded. */
typedef void* RESOURCE_HANDLE;

#ifdef __cplusplus
}
#endif

#endif /* GAUGE_HOST_CONVENTIONS_H */
