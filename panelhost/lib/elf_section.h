// Finds a named section in an ELF file on disk, bounds-checked: how the host
// reaches the resources a Linux module carries in its .gaures section.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace panel {

// Reads the file at path and copies the contents of its section `name`.
bool ReadElfSection(const std::string& path, const std::string& name, std::vector<uint8_t>* out,
                    std::string* err);

// The same on an ELF image already in memory.
bool FindElfSection(const std::vector<uint8_t>& file, const std::string& name,
                    std::vector<uint8_t>* out, std::string* err);

}  // namespace panel
