// .res entries: a header (data size, header size, type, name, then data
// version, memory flags, language, version, characteristics), the data,
// and padding to four bytes. Version resources are trees of blocks, each
// length, value length, type, UTF-16 key, value and children, 4-aligned.
#include "res_file.h"

namespace panel {
namespace {

uint32_t U32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }
uint16_t U16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
size_t Align4(size_t n) { return (n + 3) & ~size_t(3); }

constexpr size_t kMaxResources = 4096;
constexpr size_t kMaxNameChars = 256;

// Reads a type or name field at *at, within [0, end).
bool ReadName(const std::vector<uint8_t>& f, size_t* at, size_t end, ResName* out) {
    if (*at + 2 > end) return false;
    if (U16(&f[*at]) == 0xFFFF) {
        if (*at + 4 > end) return false;
        out->is_number = true;
        out->number = U16(&f[*at + 2]);
        *at += 4;
        return true;
    }
    out->is_number = false;
    out->text.clear();
    for (size_t n = 0; n < kMaxNameChars; ++n, *at += 2) {
        if (*at + 2 > end) return false;
        const uint16_t c = U16(&f[*at]);
        if (c == 0) {
            *at += 2;
            return true;
        }
        out->text.push_back(c < 0x80 ? char(c) : '?');
    }
    return false;
}

std::string Utf16(const uint8_t* p, size_t chars) {
    std::string s;
    for (size_t i = 0; i < chars; ++i) {
        const uint16_t c = U16(p + 2 * i);
        if (c == 0) break;
        s.push_back(c < 0x80 ? char(c) : '?');
    }
    return s;
}

struct Block {
    std::string key;
    const uint8_t* value = nullptr;
    size_t value_bytes = 0;
    bool text = false;
    size_t children_at = 0, end = 0;
};

// Reads the block at `at`, which must end by `limit`.
bool ReadBlock(const std::vector<uint8_t>& d, size_t at, size_t limit, Block* b, std::string* err) {
    if (at + 6 > limit) return (*err = "version block header truncated", false);
    const size_t length = U16(&d[at]), value_len = U16(&d[at + 2]), type = U16(&d[at + 4]);
    if (length < 6 || at + length > limit) return (*err = "version block length out of bounds", false);
    b->end = at + length;
    size_t p = at + 6;
    size_t chars = 0;
    while (true) {
        if (p + 2 * chars + 2 > b->end) return (*err = "version block key unterminated", false);
        if (U16(&d[p + 2 * chars]) == 0) break;
        if (++chars > kMaxNameChars) return (*err = "version block key too long", false);
    }
    b->key = Utf16(&d[p], chars);
    p = Align4(p + 2 * chars + 2);
    b->text = type == 1;
    b->value_bytes = b->text ? value_len * 2 : value_len;
    if (p > b->end) p = b->end;
    if (b->value_bytes > b->end - p) return (*err = "version value runs past its block", false);
    b->value = d.data() + p;
    b->children_at = Align4(p + b->value_bytes);
    return true;
}

std::string FourPart(uint32_t ms, uint32_t ls) {
    return std::to_string(ms >> 16) + "." + std::to_string(ms & 0xffff) + "." + std::to_string(ls >> 16) + "." +
           std::to_string(ls & 0xffff);
}

}  // namespace

bool ParseRes(const std::vector<uint8_t>& f, std::vector<Resource>* out, std::string* err) {
    out->clear();
    size_t at = 0;
    for (size_t index = 0; at < f.size(); ++index) {
        const std::string where = "resource entry " + std::to_string(index) + " at byte " + std::to_string(at);
        if (index > kMaxResources) return (*err = "more than " + std::to_string(kMaxResources) + " resources", false);
        if (f.size() - at < 8) return (*err = where + ": header truncated", false);
        const size_t data_size = U32(&f[at]), header_size = U32(&f[at + 4]);
        if (header_size < 24 || header_size > f.size() - at) return (*err = where + ": header size out of bounds", false);
        if (data_size > f.size() - at - header_size) return (*err = where + ": data runs past the file", false);
        const size_t header_end = at + header_size;
        size_t p = at + 8;
        Resource r;
        if (!ReadName(f, &p, header_end, &r.type) || !ReadName(f, &p, header_end, &r.name))
            return (*err = where + ": type or name runs past the header", false);
        p = Align4(p);
        if (p + 16 > header_end) return (*err = where + ": header too short for its fields", false);
        r.memory_flags = U16(&f[p + 4]);
        r.language = U16(&f[p + 6]);
        const size_t data_at = header_end;
        r.data.assign(f.begin() + long(data_at), f.begin() + long(data_at + data_size));
        at = Align4(data_at + data_size);
        // The leading entry of every .res file is empty: type 0, name 0.
        if (index == 0 && data_size == 0 && r.type.is_number && r.type.number == 0) continue;
        out->push_back(std::move(r));
    }
    return true;
}

bool ParseVersionInfo(const std::vector<uint8_t>& d, VersionInfo* out, std::string* err) {
    Block root;
    if (!ReadBlock(d, 0, d.size(), &root, err)) return false;
    if (root.key != "VS_VERSION_INFO") return (*err = "version resource key is \"" + root.key + "\"", false);
    if (root.value_bytes >= 52 && U32(root.value) == 0xFEEF04BD) {
        out->file_version = FourPart(U32(root.value + 8), U32(root.value + 12));
        out->product_version = FourPart(U32(root.value + 16), U32(root.value + 20));
    }
    // Children: StringFileInfo -> string tables -> strings; VarFileInfo.
    for (size_t at = root.children_at; at < root.end;) {
        Block child;
        if (!ReadBlock(d, at, root.end, &child, err)) return false;
        if (child.key == "StringFileInfo") {
            for (size_t t = child.children_at; t < child.end;) {
                Block table;
                if (!ReadBlock(d, t, child.end, &table, err)) return false;
                for (size_t s = table.children_at; s < table.end;) {
                    Block str;
                    if (!ReadBlock(d, s, table.end, &str, err)) return false;
                    out->strings[str.key] = Utf16(str.value, str.value_bytes / 2);
                    s = Align4(str.end);
                }
                t = Align4(table.end);
            }
        }
        at = Align4(child.end);
    }
    return true;
}

std::string ResourceTypeName(const ResName& type) {
    if (!type.is_number) return type.text;
    switch (type.number) {
        case 1: return "CURSOR";
        case 2: return "BITMAP";
        case 3: return "ICON";
        case 4: return "MENU";
        case 5: return "DIALOG";
        case 6: return "STRING";
        case 10: return "RCDATA";
        case 14: return "GROUP_ICON";
        case 16: return "VERSION";
        case 24: return "MANIFEST";
        default: return std::to_string(type.number);
    }
}

}  // namespace panel
