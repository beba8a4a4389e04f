// Bounds on everything the host walks in a module: no list or chain is
// followed further than this.
#pragma once

#include <cstddef>

namespace panel {

constexpr size_t kMaxGauges = 256;          // gauges in one Linkage
constexpr size_t kMaxElements = 64;         // elements in one gauge
constexpr size_t kMaxListEntries = 64;      // any table or list
constexpr size_t kMaxNameLength = 64;       // gauge name characters
constexpr size_t kMaxSettleFrames = 100000;  // frames --settle may run

}  // namespace panel
