// Validation of one gauge's definition before the host uses any of it.
// Every pointer is checked against the module's memory, every list walk is
// bounded, and the first fault is reported naming gauge and element.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "gauge_interface.h"
#include "memory_map.h"

namespace panel {

struct ElementInfo {
    ELEMENT_HEADER* element = nullptr;
    int depth = 0;  // 0 for a root
};

struct GaugeEntry {
    int index = 0;  // 1-based place in Linkage
    GAUGEHDR* header = nullptr;
    std::string name;  // may be empty when the name itself is broken
    bool ok = false;
    std::string error;                  // when !ok: what and where
    std::vector<ElementInfo> elements;  // drawing order, when ok
    std::vector<ELEMENT_HEADER*> roots; // the element list, when ok
};

// Answers whether a bitmap id is in the module's resources at a supported
// depth; otherwise says why not.
using BitmapCheck = std::function<bool(uint32_t id, std::string* why)>;

// Checks *entry->header (already known to be a readable header address) and
// fills entry->name, entry->elements, entry->ok and entry->error.
void CheckGauge(const MemoryMap& mem, const BitmapCheck& bitmaps, GaugeEntry* entry);

// Checks a mouse area list's shape: parent, children, end of the parent,
// closing entry; every entry inside the module, every routine its code.
bool CheckMouseList(const MemoryMap& mem, const MOUSERECT* list, std::string* err);

// Describes an element for messages, e.g. "element 2 (needle, bitmap 4352)".
std::string DescribeElement(int number, const ELEMENT_HEADER* e);
const char* ElementKindName(uint32_t kind);

}  // namespace panel
