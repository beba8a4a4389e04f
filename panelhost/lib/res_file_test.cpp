// Resource files and the ELF section that carries them: a tiny .res built
// here, damaged copies of it, and the section of the built Kestrin.gau.
#include "res_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "elf_section.h"

namespace panel {
namespace {

void Put32(std::vector<uint8_t>& v, uint32_t x) {
    for (int i = 0; i < 4; ++i) v.push_back(uint8_t(x >> (8 * i)));
}
void Put16(std::vector<uint8_t>& v, uint16_t x) {
    v.push_back(uint8_t(x));
    v.push_back(uint8_t(x >> 8));
}

// One .res entry; a name below 0x10000 is numeric, otherwise the string.
void Entry(std::vector<uint8_t>& f, uint16_t type, const std::string& name, uint16_t id, uint16_t lang,
           const std::vector<uint8_t>& data) {
    std::vector<uint8_t> h;
    Put16(h, 0xFFFF);
    Put16(h, type);
    if (name.empty()) {
        Put16(h, 0xFFFF);
        Put16(h, id);
    } else {
        for (char c : name) Put16(h, uint16_t(c));
        Put16(h, 0);
    }
    while (h.size() % 4) h.push_back(0);
    Put32(h, 0);     // data version
    Put16(h, 0x30);  // memory flags
    Put16(h, lang);
    Put32(h, 0);
    Put32(h, 0);
    Put32(f, uint32_t(data.size()));
    Put32(f, uint32_t(8 + h.size()));
    f.insert(f.end(), h.begin(), h.end());
    f.insert(f.end(), data.begin(), data.end());
    while (f.size() % 4) f.push_back(0);
}

std::vector<uint8_t> TinyRes() {
    std::vector<uint8_t> f;
    Entry(f, 0, "", 0, 0, {});  // the empty leading entry
    Entry(f, kResourceBitmap, "", 4096, 0x0409, {1, 2, 3});
    Entry(f, 10, "NOTES", 0, 0x0407, {9});
    return f;
}

TEST(ResFile, ParsesEntriesWithNumbersAndNames) {
    std::vector<Resource> out;
    std::string err;
    ASSERT_TRUE(ParseRes(TinyRes(), &out, &err)) << err;
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(ResourceTypeName(out[0].type), "BITMAP");
    EXPECT_EQ(out[0].name.number, 4096);
    EXPECT_EQ(out[0].language, 0x0409);
    EXPECT_EQ(out[0].data, (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(ResourceTypeName(out[1].type), "RCDATA");
    EXPECT_FALSE(out[1].name.is_number);
    EXPECT_EQ(out[1].name.text, "NOTES");
    EXPECT_EQ(out[1].language, 0x0407);
}

TEST(ResFile, RefusesDamagedFilesNamingTheEntry) {
    const std::vector<uint8_t> good = TinyRes();
    auto cut = good;
    cut.resize(good.size() - 6);  // into the last entry's data
    auto big = good;
    big[32] = 0xFF;  // second entry's data size, far past the end
    auto tiny_header = good;
    tiny_header[36] = 8;  // second entry's header size below its fields
    const struct {
        std::vector<uint8_t> bytes;
        std::string error;
    } cases[] = {
        {cut, "resource entry 2 at byte 68: header size out of bounds"},
        {big, "resource entry 1 at byte 32: data runs past the file"},
        {tiny_header, "resource entry 1 at byte 32: header size out of bounds"},
        {{1, 2, 3}, "resource entry 0 at byte 0: header truncated"},
    };
    for (const auto& c : cases) {
        std::vector<Resource> out;
        std::string err;
        EXPECT_FALSE(ParseRes(c.bytes, &out, &err));
        EXPECT_EQ(err, c.error);
    }
}

TEST(ElfSection, FindsTheModulesResourcesAndRefusesDamage) {
    std::ifstream in(KESTRIN_GAU, std::ios::binary);
    const std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(file.size(), 64u);
    std::vector<uint8_t> res;
    std::string err;
    ASSERT_TRUE(FindElfSection(file, ".gaures", &res, &err)) << err;
    std::vector<Resource> out;
    ASSERT_TRUE(ParseRes(res, &out, &err)) << err;
    EXPECT_EQ(out.size(), 57u);  // 56 bitmaps and the version

    EXPECT_FALSE(FindElfSection(file, ".nothing", &res, &err));
    EXPECT_EQ(err, "no section .nothing");
    const std::vector<uint8_t> head(file.begin(), file.begin() + 64);  // section table cut off
    EXPECT_FALSE(FindElfSection(head, ".gaures", &res, &err));
    EXPECT_EQ(err, "ELF section table is missing or out of bounds");
    EXPECT_FALSE(FindElfSection({'M', 'Z', 0, 0}, ".gaures", &res, &err));
    EXPECT_EQ(err, "not an ELF file");
}

}  // namespace
}  // namespace panel
