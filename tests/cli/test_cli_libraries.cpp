// hydrim-cli starts without Qt: the libraries its executable needs (the
// DT_NEEDED entries of its ELF dynamic section, read from the built file)
// name no Qt library, so compute, table, timeseries and export never load it.
#include <gtest/gtest.h>

#include <elf.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace hydrim {
namespace {

template <typename T> T At(const std::string& bytes, size_t offset) {
    T value{};
    if (offset + sizeof(T) <= bytes.size()) {
        std::memcpy(&value, bytes.data() + offset, sizeof(T));
    }
    return value;
}

// The DT_NEEDED names of a 64-bit ELF file; empty when it is none.
std::vector<std::string> NeededLibraries(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    const auto header = At<Elf64_Ehdr>(bytes, 0);
    if (bytes.size() < sizeof header || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
        header.e_ident[EI_CLASS] != ELFCLASS64) {
        return {};
    }
    std::vector<std::string> needed;
    for (size_t k = 0; k < header.e_shnum; ++k) {
        const auto section = At<Elf64_Shdr>(bytes, header.e_shoff + k * header.e_shentsize);
        if (section.sh_type != SHT_DYNAMIC) {
            continue;
        }
        const auto strings = At<Elf64_Shdr>(bytes, header.e_shoff + section.sh_link * header.e_shentsize);
        for (size_t offset = section.sh_offset;
             offset + sizeof(Elf64_Dyn) <= section.sh_offset + section.sh_size; offset += sizeof(Elf64_Dyn)) {
            const auto entry = At<Elf64_Dyn>(bytes, offset);
            if (entry.d_tag == DT_NEEDED && strings.sh_offset + entry.d_un.d_val < bytes.size()) {
                needed.emplace_back(bytes.c_str() + strings.sh_offset + entry.d_un.d_val);
            }
        }
    }
    return needed;
}

TEST(CliLibraries, HydrimCliNeedsNoQt) {
    const std::vector<std::string> needed = NeededLibraries(HYDRIM_CLI_PATH);
    ASSERT_FALSE(needed.empty()) << "no dynamic section read from " << HYDRIM_CLI_PATH;
    bool hasC = false;
    for (const std::string& library : needed) {
        EXPECT_NE(library.rfind("libQt", 0), 0u) << library;
        hasC = hasC || library.rfind("libc.so", 0) == 0;
    }
    EXPECT_TRUE(hasC); // the reading found the real list
}

} // namespace
} // namespace hydrim
