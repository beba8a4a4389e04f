// ELF64 section lookup with every offset checked against the file size.
#include "elf_section.h"

#include <elf.h>

#include <cstring>
#include <fstream>

namespace panel {

bool FindElfSection(const std::vector<uint8_t>& file, const std::string& name,
                    std::vector<uint8_t>* out, std::string* err) {
    Elf64_Ehdr eh;
    if (file.size() < sizeof eh || std::memcmp(file.data(), ELFMAG, SELFMAG) != 0) {
        *err = "not an ELF file";
        return false;
    }
    std::memcpy(&eh, file.data(), sizeof eh);
    if (eh.e_ident[EI_CLASS] != ELFCLASS64 || eh.e_ident[EI_DATA] != ELFDATA2LSB) {
        *err = "not a 64-bit little-endian ELF file";
        return false;
    }
    if (eh.e_shentsize != sizeof(Elf64_Shdr) || eh.e_shnum == 0 || eh.e_shstrndx >= eh.e_shnum ||
        eh.e_shoff > file.size() || (file.size() - eh.e_shoff) / sizeof(Elf64_Shdr) < eh.e_shnum) {
        *err = "ELF section table is missing or out of bounds";
        return false;
    }
    auto section = [&](size_t i) {
        Elf64_Shdr sh;
        std::memcpy(&sh, file.data() + eh.e_shoff + i * sizeof sh, sizeof sh);
        return sh;
    };
    auto in_file = [&](const Elf64_Shdr& sh) {
        return sh.sh_type == SHT_NOBITS || (sh.sh_offset <= file.size() && sh.sh_size <= file.size() - sh.sh_offset);
    };
    const Elf64_Shdr names = section(eh.e_shstrndx);
    if (names.sh_type != SHT_STRTAB || !in_file(names)) {
        *err = "ELF section name table is out of bounds";
        return false;
    }
    for (size_t i = 0; i < eh.e_shnum; ++i) {
        const Elf64_Shdr sh = section(i);
        if (sh.sh_name >= names.sh_size) continue;
        const char* n = reinterpret_cast<const char*>(file.data() + names.sh_offset + sh.sh_name);
        const size_t room = names.sh_size - sh.sh_name;
        if (strnlen(n, room) == room || name != n) continue;
        if (sh.sh_type == SHT_NOBITS || !in_file(sh)) {
            *err = "section " + name + " lies outside the file";
            return false;
        }
        out->assign(file.begin() + long(sh.sh_offset), file.begin() + long(sh.sh_offset + sh.sh_size));
        return true;
    }
    *err = "no section " + name;
    return false;
}

bool ReadElfSection(const std::string& path, const std::string& name, std::vector<uint8_t>* out,
                    std::string* err) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        *err = "cannot open " + path;
        return false;
    }
    std::vector<uint8_t> file(size_t(in.tellg()));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(file.data()), std::streamsize(file.size()))) {
        *err = "cannot read " + path;
        return false;
    }
    if (!FindElfSection(file, name, out, err)) {
        *err = path + ": " + *err;
        return false;
    }
    return true;
}

}  // namespace panel
