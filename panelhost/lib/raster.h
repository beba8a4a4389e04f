// The software rasteriser that draws gauges: keyed blits and rotated,
// bilinear-filtered needles, onto an RGBA8888 premultiplied canvas.
//
// Sampling conventions:
// - Pixel (x, y) covers [x, x+1) x [y, y+1); its centre is (x + 0.5, y + 0.5).
// - A needle's pivot on the face and its pivot offset in the bitmap both
//   name pixels; the rotation turns about those pixels' centres.
// - Angles are screen degrees clockwise, y growing downwards. A needle
//   bitmap points right (direction 90), so it is drawn turned by
//   direction - 90.
// - Each canvas pixel centre is mapped back into the source; the source is
//   sampled bilinearly between the four nearest texel centres. Texels
//   outside the source are transparent, and so are see-through (pure black)
//   texels: their colour never bleeds into the filtered edge, because the
//   colour key is turned into zero alpha before filtering and filtering
//   works on premultiplied values.
// - Results are composited "source over" and rounded to nearest.
// - Every blit clamps to its source, intersects the clip and returns early
//   when nothing is left.
#pragma once

#include "bitmap.h"

namespace panel {

void Clear(Bitmap& dst);

// Draws src with its top-left corner at (x, y), source over.
void BlitOver(Bitmap& dst, const Rect& clip, const Bitmap& src, int x, int y);

// Draws src turned by angle_deg (clockwise) about its pixel (src_px, src_py),
// which lands on the canvas pixel (dst_px, dst_py).
void DrawRotated(Bitmap& dst, const Rect& clip, const Bitmap& src, int src_px, int src_py,
                 int dst_px, int dst_py, double angle_deg);

}  // namespace panel
