/* The drawing elements of a gauge, their calibration tables and failure
 * lists. Each element kind begins with ELEMENT_HEADER, so a pointer to any
 * element is also a pointer to its header. */
#ifndef GAUGE_HOST_ELEMENTS_H
#define GAUGE_HOST_ELEMENTS_H

#include "conventions.h"
#include "image.h"
#include "module_var.h"

#ifdef __cplusplus
extern "C" {
#endif

struct GAUGEHDR;
struct ELEMENT_HEADER;

/* Element kinds (ELEMENT_HEADER.element_type). Kind 2 is not used. */
#define ELEMENT_TYPE_STATIC_IMAGE 0u
#define ELEMENT_TYPE_NEEDLE 1u
#define ELEMENT_TYPE_SLIDER 3u
#define ELEMENT_TYPE_ICON 4u
#define ELEMENT_TYPE_MOVING_IMAGE 5u

/* Image flags (ELEMENT_HEADER.image_flags): drawing options for the host.
 * The host draws every element with pure black see-through; the other bits
 * are recorded and shown by the tools but do not change drawing yet. */
#define IMAGE_FLAG_DRAW 0x1u       /* set on every element */
#define IMAGE_FLAG_DYNAMIC 0x2u    /* the element moves or changes image */
#define IMAGE_FLAG_LUMINOUS 0x4u   /* lit with the panel lights */
#define IMAGE_FLAG_SMOOTH 0x80u    /* needle drawn with extra smoothing */
#define IMAGE_FLAG_OVERLAY 0x4000u /* drawn above the face of an old header */

/* A value routine returns the reading an element shows. Version-700 gauges
 * are given the element; the version-610 gauge is given the element's
 * source variable. [frame] during the element's update, after the host has
 * refreshed the source variable. */
typedef union VALUE_ROUTINE {
    FLOAT64 (*of_element)(struct ELEMENT_HEADER* element); /* version 700 */
    FLOAT64 (*of_var)(MODULE_VAR* source);                /* version 610 */
} VALUE_ROUTINE;

/* One simulator failure that affects an element. A list ends with an entry
 * whose three words are 0. */
typedef struct FAILURE_RECORD {
    uint32_t key;      /* failure key, e.g. 21; 0 ends the list */
    uint32_t action;   /* what the host does under it, e.g. 2 */
    uint32_t reserved; /* always 0 */
} FAILURE_RECORD;

/* One calibration entry of a needle: at a reading equal to value the needle
 * points from its pivot towards point. */
typedef struct NONLINEARITY {
    PIXPOINT point; /* gauge pixels, e.g. (79, 141) */
    FLOAT64 value;  /* reading, in the instrument's unit */
    /* HOST: the needle's clockwise turn from the first entry's direction to
     * this entry's, in degrees, e.g. 646.1; written at install. */
    FLOAT64 degrees;
} NONLINEARITY;

/* Common part of every element. */
typedef struct ELEMENT_HEADER {
    uint32_t element_type; /* ELEMENT_TYPE_* */
    uint32_t resource_id;  /* bitmap resource id, e.g. 4352 */
    /* Gauge pixels. Top-left corner of static images, sliders and icons;
     * the pivot of a needle; (0, 0) for moving images. */
    PIXPOINT position;
    /* Needles: the pivot's place inside the needle bitmap, e.g. (28, 7).
     * (0, 0) for every other kind. */
    PIXPOINT pivot_offset;
    /* The element's own gauge. Owned by the module; static. */
    struct GAUGEHDR* gauge_header;
    /* Elements drawn after this one, on top of it; null-terminated, or null
     * for none. Owned by the module; static. */
    struct ELEMENT_HEADER** next_element;
    /* Failures that affect the element, ended by an all-zero entry, or null
     * for none. Owned by the module; static. */
    const FAILURE_RECORD* failure_systems;
    uint32_t image_flags; /* IMAGE_FLAG_* */

    /* HOST: loaded images, from install until kill. images[0] is the
     * element's bitmap; an icon has image_count images from resource_id on,
     * a moving image two (its bitmap and the companion at resource_id + 1).
     * Owned by the host. */
    const HOST_IMAGE* images;
    uint32_t image_count;
    uint32_t installed; /* 1 from install until kill */
} ELEMENT_HEADER;

/* A picture drawn at its position, unchanging. */
typedef struct ELEMENT_STATIC_IMAGE {
    ELEMENT_HEADER header;
} ELEMENT_STATIC_IMAGE;

/* A picture turned about its pivot. The bitmap points right (90 degrees
 * clockwise from up) with its pivot at pivot_offset. */
typedef struct ELEMENT_NEEDLE {
    ELEMENT_HEADER header;
    MODULE_VAR source_var;    /* token 0: none */
    VALUE_ROUTINE callback;   /* null: show the source variable's value */
    /* Owned by the module; static. */
    NONLINEARITY* nonlinearity;
    uint32_t nonlinearity_count;   /* entries in nonlinearity, >= 1 */
    uint32_t max_degrees_per_tick; /* largest turn per update, e.g. 6; 0: none */
    /* Version 610 only: a second point of the bitmap on the pivot's row,
     * towards the far end, e.g. (112, 10); (0, 0) otherwise. */
    PIXPOINT axis_point;

    /* HOST: the needle's state after its last update. */
    FLOAT64 reading;      /* what the value routine or variable gave */
    FLOAT64 target_turn;  /* degrees along the table, from its first entry */
    FLOAT64 current_turn; /* degrees along the table, rate-limited */
    FLOAT64 direction;    /* screen degrees clockwise from up, 0 to 360 */
} ELEMENT_NEEDLE;

/* One axis of a slider. */
typedef struct SLIDER_AXIS {
    MODULE_VAR source_var;  /* token 0: none */
    FLOAT64 scale;          /* pixels per unit of reading, e.g. -0.25 */
    VALUE_ROUTINE callback; /* null: the source variable's value */
    /* HOST */
    FLOAT64 reading;
    FLOAT64 offset; /* pixels from position: reading * scale */
} SLIDER_AXIS;

/* A picture shifted from its position in proportion to a reading. */
typedef struct ELEMENT_SLIDER {
    ELEMENT_HEADER header;
    SLIDER_AXIS x;
    SLIDER_AXIS y;
} ELEMENT_SLIDER;

/* One of several pictures, chosen by a reading. */
typedef struct ELEMENT_ICON {
    ELEMENT_HEADER header;
    MODULE_VAR source_var;  /* token 0: none */
    VALUE_ROUTINE callback; /* null: the source variable's value */
    uint32_t switch_mode;   /* 3: reading n shows image n; 0: fixed image */
    FLOAT64 scale;          /* 0 on every icon in use */
    FLOAT64 offset;         /* 0 on every icon in use */
    uint32_t image_count;   /* pictures from resource_id on, e.g. 2 */
    /* HOST */
    FLOAT64 reading;
    uint32_t image_index; /* 0 to image_count - 1 */
} ELEMENT_ICON;

/* One axis of a moving image. */
typedef struct MOVING_AXIS {
    MODULE_VAR source_var;  /* token 0: none */
    FLOAT64 min;            /* least reading on the axis, e.g. 22 */
    FLOAT64 max;            /* greatest reading on the axis, e.g. 490 */
    VALUE_ROUTINE callback; /* null: the source variable's value */
    /* HOST */
    FLOAT64 reading;
    FLOAT64 position; /* gauge pixels of the picture's centre on this axis */
} MOVING_AXIS;

/* A picture whose centre is placed at a point of the gauge given by two
 * readings. Its companion bitmap (resource_id + 1) is as large as the
 * background. */
typedef struct ELEMENT_MOVING_IMAGE {
    ELEMENT_HEADER header;
    MOVING_AXIS x;
    MOVING_AXIS y;
} ELEMENT_MOVING_IMAGE;

#ifdef __cplusplus
}
#endif

#endif /* GAUGE_HOST_ELEMENTS_H */
