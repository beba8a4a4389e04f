/* MOUSERECT: the mouse areas of a gauge, a list shaped parent, children,
 * end-of-parent, closing entry. */
#ifndef GAUGE_HOST_MOUSE_H
#define GAUGE_HOST_MOUSE_H

#include "conventions.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Mouse area kinds (MOUSERECT.kind). */
#define MOUSE_KIND_END 0u        /* closes the list */
#define MOUSE_KIND_PARENT 1u     /* the whole gauge; carries the help id */
#define MOUSE_KIND_CHILD 2u      /* a clickable box with a mouse routine */
#define MOUSE_KIND_PARENT_END 3u /* ends the parent's children */

/* Cursors (MOUSERECT.cursor). */
#define MOUSE_CURSOR_NONE (-1)
#define MOUSE_CURSOR_UPARROW 1   /* upper area of a stepping control */
#define MOUSE_CURSOR_DOWNARROW 2 /* lower area of a stepping control */
#define MOUSE_CURSOR_HAND 5      /* a push area */

/* Click flags (MOUSERECT.click_flags). */
#define MOUSE_FLAG_LEFTSINGLE 0x20000000u /* a single left click */

/* A mouse routine: [click] with the click point in gauge pixels and the
 * click flags. Returns 0 or 1. */
typedef int32_t (*MOUSE_ROUTINE)(const PIXPOINT* point, uint32_t click_flags);

typedef struct MOUSERECT {
    uint32_t kind;   /* MOUSE_KIND_* */
    PIXBOX box;      /* gauge pixels; (0, 0, 0, 0) on all but child areas */
    int32_t cursor;  /* MOUSE_CURSOR_*, -1 for none */
    uint32_t help_id;     /* 16-bit help text id, e.g. 43778; 0 for none */
    uint32_t click_flags; /* MOUSE_FLAG_*, on child areas */
    uint32_t event_id;    /* key event sent by the host on a click; 0: none */
    MOUSE_ROUTINE routine; /* child areas; null elsewhere */
    /* Data for the mouse routine, 0 in every module. Owned by the module;
     * static. */
    void* routine_data;
} MOUSERECT;

#ifdef __cplusplus
}
#endif

#endif /* GAUGE_HOST_MOUSE_H */
