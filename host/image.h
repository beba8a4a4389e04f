/* HOST_IMAGE: a bitmap as the host has loaded it from a module's resources.
 * Modules may read it back from an installed element (for instance the
 * background's size); they never write it. */
#ifndef GAUGE_HOST_IMAGE_H
#define GAUGE_HOST_IMAGE_H

#include "conventions.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Pixel formats, named by their byte order in memory. */
#define IMAGE_FORMAT_RGBA8888 1u /* bytes R, G, B, A; premultiplied alpha */

typedef struct HOST_IMAGE {
    uint32_t resource_id; /* bitmap resource id it was loaded from, e.g. 4096 */
    uint32_t width;       /* pixels, e.g. 156 */
    uint32_t height;      /* pixels, e.g. 156 */
    uint32_t stride;      /* bytes from one row to the next, >= width * 4 */
    uint32_t format;      /* IMAGE_FORMAT_* */
    uint32_t source_bpp;  /* bits per pixel of the resource: 8 or 24 */
    /* Top row first. Owned by the host; valid from install until kill. */
    const uint8_t* pixels;
} HOST_IMAGE;

#ifdef __cplusplus
}
#endif

#endif /* GAUGE_HOST_IMAGE_H */
