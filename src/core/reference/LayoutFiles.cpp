#include "core/reference/LayoutFiles.h"

#include "core/project/TextCodec.h"

namespace hydrim {

LayoutLine SplitLayoutLine(const std::string& line) {
    // Positions as the table texts are split: the symbol ends at the first
    // ';', the description at the first ':' and the unit is the rest.
    const size_t semicolon = line.find(';');
    const size_t colon = line.find(':');
    const size_t descriptionStart = semicolon == std::string::npos ? 0 : semicolon + 1;
    LayoutLine result;
    if (semicolon != std::string::npos) {
        result.Symbol = line.substr(0, semicolon);
    }
    if (colon == std::string::npos) {
        result.Unit = line;
        return result;
    }
    if (colon > descriptionStart) {
        result.Description = line.substr(descriptionStart, colon - descriptionStart);
    }
    result.Unit = line.substr(colon + 1);
    return result;
}

LayoutLine LayoutText::Line(int row) const {
    if (row < 0 || row >= static_cast<int>(Lines.size())) {
        return {};
    }
    return SplitLayoutLine(Lines[static_cast<size_t>(row)]);
}

LayoutText ReadLayoutFile(const std::string& dataDir, const std::string& fileName, int lineCount) {
    LayoutText result;
    result.FileName = fileName;
    TextFileLines file = ReadTextFileLines(JoinPath(dataDir, fileName));
    if (!file.ok()) {
        result.Error = {file.error};
        file.lines.clear();
    }
    file.lines.resize(static_cast<size_t>(lineCount));
    result.Lines = std::move(file.lines);
    return result;
}

std::string VariantILayoutFileName(int grid) {
    return "VarTab" + std::to_string(grid) + ".tab";
}

VariantILayouts ReadVariantILayouts(const std::string& dataDir) {
    VariantILayouts result;
    for (int grid = 1; grid <= 8; ++grid) {
        LayoutText& layout = result.Grids[static_cast<size_t>(grid - 1)];
        layout = ReadLayoutFile(dataDir, VariantILayoutFileName(grid), VariantILayoutRows[grid]);
        if (!layout.ok()) {
            std::string& message = result.Error.Message;
            message += (message.empty() ? "" : "\n") + layout.Error.Message;
        }
    }
    return result;
}

LayoutText ReadVariant23Layout(const std::string& dataDir, int variant) {
    return variant == 3 ? ReadLayoutFile(dataDir, "tabulka3.tab", Variant3LayoutRows)
                        : ReadLayoutFile(dataDir, "tabulka2.tab", Variant2LayoutRows);
}

} // namespace hydrim
