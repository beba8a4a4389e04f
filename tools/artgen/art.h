// The pictures the generator can draw.
#pragma once

#include <string>

#include "picture.h"

namespace artgen {

// A plain card of the given size and depth with its label written on it:
// the stand-in for a picture whose artwork is not drawn yet.
void DrawCard(Picture& p, const std::string& label);

// The airspeed dial face (156 x 156) and its needle (86 x 15).
void DrawAirspeedFace(Picture& p);
void DrawAirspeedNeedle(Picture& p);

// Draws every bitmap of Kestrin.gau into out_dir under the file names its
// resource script lists.
bool DrawKestrin(const std::string& out_dir, std::string* err);

}  // namespace artgen
