// Parsing of compiled resource files (.res): the resources a module carries,
// and its version resource's fields.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace panel {

// Standard resource types.
constexpr uint16_t kResourceBitmap = 2;
constexpr uint16_t kResourceVersion = 16;

// A resource type or name: a number, or a string.
struct ResName {
    bool is_number = true;
    uint16_t number = 0;
    std::string text;  // UTF-16 narrowed to ASCII; '?' elsewhere
    std::string ToString() const { return is_number ? std::to_string(number) : text; }
};

struct Resource {
    ResName type;
    ResName name;
    uint16_t language = 0;  // e.g. 0x0409, English (United States)
    uint16_t memory_flags = 0;
    std::vector<uint8_t> data;
};

// Parses every entry of a .res file; the empty leading entry is skipped.
bool ParseRes(const std::vector<uint8_t>& file, std::vector<Resource>* out, std::string* err);

struct VersionInfo {
    std::string file_version;     // from the fixed part, e.g. "1.0.0.0"
    std::string product_version;  // e.g. "1.0.0.0"
    std::map<std::string, std::string> strings;  // e.g. FileDescription
};

// Parses a version resource's data.
bool ParseVersionInfo(const std::vector<uint8_t>& data, VersionInfo* out, std::string* err);

// Name of a standard resource type, e.g. "BITMAP", or its number.
std::string ResourceTypeName(const ResName& type);

}  // namespace panel
