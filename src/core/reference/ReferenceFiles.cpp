#include "core/reference/ReferenceFiles.h"

#include "core/project/TextCodec.h"
#include "core/reference/TableFields.h"

namespace hydrim {
namespace {

constexpr int RainfallRows = 580;
constexpr int RoughnessRows = 17;
constexpr int CurveNumberRows = 53;
constexpr int SoilGroupRows = 6;
constexpr int SoilUnitRows = 67;

constexpr size_t RainfallWidth = 8;
constexpr size_t CurveNumberWidth = 10;
constexpr size_t SoilUnitGroupWidth = 8;

// Reads the fixed number of lines of a table file; lines past the end of the
// file (or of an unreadable file) are empty.
std::vector<std::string> ReadTableLines(const std::string& dataDir, const std::string& fileName,
                                        size_t lineCount, Error& error) {
    TextFileLines file = ReadTextFileLines(JoinPath(dataDir, fileName));
    if (!file.ok()) {
        error = {file.error};
        file.lines.clear();
    }
    file.lines.resize(lineCount);
    return std::move(file.lines);
}

} // namespace

const std::string& TableGrid::cell(size_t row, size_t column) const {
    static const std::string empty;
    if (row >= Cells.size() || column >= Cells[row].size()) {
        return empty;
    }
    return Cells[row][column];
}

TableReadResult ReadRainfallTable(const std::string& dataDir, ReferenceTables& reference) {
    Error error;
    TableReadResult result =
        RainfallTableFromLines(ReadTableLines(dataDir, "srazky.tab", RainfallRows, error), reference);
    result.Error = error;
    return result;
}

TableReadResult RainfallTableFromLines(std::vector<std::string> lines, ReferenceTables& reference) {
    TableReadResult result;
    lines.resize(RainfallRows);
    for (size_t row = 0; row < lines.size(); ++row) {
        const auto fields = SplitFields(lines[row], '\t', 11);
        result.Grid.Cells.push_back({fields[0], fields[1]});
        for (size_t k = 1; k <= 10; ++k) {
            reference.RainfallTable[k][row] = CutText(fields[k + 1], RainfallWidth);
        }
    }
    return result;
}

TableReadResult ReadRoughnessTable(const std::string& dataDir, ReferenceTables& reference) {
    Error error;
    TableReadResult result =
        RoughnessTableFromLines(ReadTableLines(dataDir, "Gama.tab", RoughnessRows, error), reference);
    if (error) {
        result.Error = error;
    }
    return result;
}

TableReadResult RoughnessTableFromLines(std::vector<std::string> lines, ReferenceTables& reference) {
    TableReadResult result;
    lines.resize(RoughnessRows);
    // Classes not read keep no bounds (0 to 255).
    for (size_t row = 2; row < lines.size(); ++row) {
        reference.RoughnessMin[row] = 0;
        reference.RoughnessMax[row] = 255;
    }
    for (size_t row = 0; row < lines.size(); ++row) {
        const auto first = SplitFields(lines[row], ';', 1);
        const auto rest = SplitFields(first[1], '!', 1);
        result.Grid.Cells.push_back({first[0], rest[0], rest[1]});
        if (row < 2) {
            continue;
        }
        unsigned char minimum = 0;
        unsigned char maximum = 0;
        if (!ParseRoughnessRange(rest[1], minimum, maximum)) {
            // A range that is not a whole number stops the reading: the
            // later classes stay empty and without bounds.
            result.Grid.Cells.resize(lines.size(), std::vector<std::string>(3));
            if (!result.Error) {
                result.Error = {"Soubor \"Gama.tab\": rozsah hodnot na řádku " + std::to_string(row + 1) +
                                " není dvojice celých čísel 0 až 255; další řádky nebyly načteny."};
            }
            return result;
        }
        reference.RoughnessMin[row] = minimum;
        reference.RoughnessMax[row] = maximum;
    }
    return result;
}

TableReadResult ReadCurveNumberTable(const std::string& dataDir, ReferenceTables& reference) {
    static const std::array<const char*, 8> groupHeaders = {"",         " pro A", " pro A-B", " pro B",
                                                            " pro B-C", " pro C", " pro C-D", " pro D"};
    TableReadResult result;
    const auto lines = ReadTableLines(dataDir, "CNcistab.tab", CurveNumberRows, result.Error);
    for (size_t row = 0; row < lines.size(); ++row) {
        if (row < 2) {
            result.Grid.Cells.push_back(SplitFields(lines[row], '\t', 4));
            continue;
        }
        const auto fields = SplitFields(lines[row], '\t', 9);
        result.Grid.Cells.push_back({fields[0], fields[1], fields[2]});
        for (size_t group = 1; group <= 7; ++group) {
            reference.CurveNumberTable[group][row] = CutText(fields[group + 2], CurveNumberWidth);
        }
    }
    for (size_t group = 1; group <= 7; ++group) {
        reference.CurveNumberTable[group][1] = groupHeaders[group];
    }
    return result;
}

TableReadResult ReadSoilGroupTable(const std::string& dataDir) {
    TableReadResult result;
    const auto lines = ReadTableLines(dataDir, "HSP.tab", SoilGroupRows, result.Error);
    for (const auto& line : lines) {
        result.Grid.Cells.push_back(SplitFields(line, ';', 1));
    }
    return result;
}

TableReadResult ReadSoilUnitTable(const std::string& dataDir, ReferenceTables& reference) {
    TableReadResult result;
    const auto lines = ReadTableLines(dataDir, "BPEJtab.tab", SoilUnitRows, result.Error);
    for (size_t row = 0; row < lines.size(); ++row) {
        auto fields = SplitFields(lines[row], '\t', 3);
        if (row >= 3) {
            reference.SoilUnitGroupsOriginal[row] = CutText(fields[3], SoilUnitGroupWidth);
        }
        result.Grid.Cells.push_back(std::move(fields));
    }
    return result;
}

} // namespace hydrim
