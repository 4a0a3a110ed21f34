// Fuzzes the readers of the reference tables. The first byte picks the
// table (srazky.tab, Gama.tab, CNcistab.tab, HSP.tab, BPEJtab.tab), the rest
// is the file. Every reader fills its fixed number of grid rows whatever the
// file holds, keeps its fixed-width fields within their widths, and only the
// roughness table may refuse a line (a range that is not a pair of numbers).
#include "FuzzSupport.h"

#include "core/project/ProjectData.h"
#include "core/reference/ReferenceFiles.h"

#include <cstddef>
#include <cstdint>

using namespace hydrim;

namespace {

// Characters of a UTF-8 text (continuation bytes are not counted).
size_t CharacterCount(const std::string& text) {
    size_t count = 0;
    for (const char c : text) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

template <typename Table> void RequireWidth(const Table& cells, size_t width, const char* what) {
    for (const auto& cell : cells) {
        fuzz::Require(CharacterCount(cell) <= width, what);
    }
}

struct TableCase {
    const char* fileName;
    size_t rows;
    TableReadResult (*read)(const std::string& dataDir, ReferenceTables& reference);
};

const TableCase Cases[] = {
    {"srazky.tab", 580, ReadRainfallTable},
    {"Gama.tab", 17, ReadRoughnessTable},
    {"CNcistab.tab", 53, ReadCurveNumberTable},
    {"HSP.tab", 6, [](const std::string& dataDir, ReferenceTables&) { return ReadSoilGroupTable(dataDir); }},
    {"BPEJtab.tab", 67, ReadSoilUnitTable},
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const TableCase& table = Cases[data[0] % std::size(Cases)];
    const auto& directory = fuzz::ScratchDirectory();
    fuzz::WriteScratchFile(directory, table.fileName, {reinterpret_cast<const char*>(data) + 1, size - 1});

    static ReferenceTables reference; // large: kept between runs, as a running program keeps it
    const TableReadResult result = table.read(directory.string(), reference);
    fuzz::Require(result.Grid.Cells.size() == table.rows, "a table always has its fixed row count");
    fuzz::Require(result.ok() || std::string(table.fileName) == "Gama.tab",
                  "only a roughness range is refused");
    if (!result.ok()) {
        fuzz::Require(result.Error.Message.find("Gama.tab") != std::string::npos,
                      "the message names the file");
    }
    for (size_t column = 1; column <= 10; ++column) {
        RequireWidth(reference.RainfallTable[column], 8, "rainfall values are text[8]");
    }
    for (size_t group = 1; group <= 7; ++group) {
        RequireWidth(reference.CurveNumberTable[group], 10, "curve numbers are text[10]");
    }
    RequireWidth(reference.SoilUnitGroupsOriginal, 8, "soil-unit groups are text[8]");
    return 0;
}
