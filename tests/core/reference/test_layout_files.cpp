#include "core/project/TextCodec.h"
#include "core/reference/LayoutFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace hydrim {
namespace {

TEST(LayoutLines, SplitIntoSymbolDescriptionAndUnit) {
    const LayoutLine full = SplitLayoutLine(" Qmax;kulminační průtok:  [m3.s-1]");
    EXPECT_EQ(full.Symbol, " Qmax");
    EXPECT_EQ(full.Description, "kulminační průtok");
    EXPECT_EQ(full.Unit, "  [m3.s-1]");
    const LayoutLine noSymbol = SplitLayoutLine("popis:  [mm]");
    EXPECT_EQ(noSymbol.Symbol, "");
    EXPECT_EQ(noSymbol.Description, "popis");
    EXPECT_EQ(noSymbol.Unit, "  [mm]");
    const LayoutLine noColon = SplitLayoutLine(" S;plocha");
    EXPECT_EQ(noColon.Symbol, " S");
    EXPECT_EQ(noColon.Description, "");
    EXPECT_EQ(noColon.Unit, " S;plocha");
    const LayoutLine heading = SplitLayoutLine("Vstupní údaje;:");
    EXPECT_EQ(heading.Symbol, "Vstupní údaje");
    EXPECT_EQ(heading.Unit, "");
    const LayoutLine colonFirst = SplitLayoutLine("a:b;c");
    EXPECT_EQ(colonFirst.Symbol, "a:b");
    EXPECT_EQ(colonFirst.Description, "");
    EXPECT_EQ(colonFirst.Unit, "b;c");
}

TEST(LayoutFiles, ShortFilesArePaddedAndLongFilesCut) {
    const auto dir = std::filesystem::temp_directory_path() / "hydrim-layout-test";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "VarTab8.tab", std::ios::binary) << JoinCrLf({"a;b:c", "d;e:f"});
    std::ofstream(dir / "tabulka3.tab", std::ios::binary) << JoinCrLf(std::vector<std::string>(50, "x;y:z"));
    const LayoutText shortFile = ReadLayoutFile(dir.string(), "VarTab8.tab", 5);
    EXPECT_TRUE(shortFile.ok());
    ASSERT_EQ(shortFile.Lines.size(), 5u);
    EXPECT_EQ(shortFile.Line(1).Unit, "f");
    EXPECT_EQ(shortFile.Line(4).Symbol, "");
    EXPECT_EQ(shortFile.Line(99).Symbol, "");
    EXPECT_EQ(ReadVariant23Layout(dir.string(), 3).Lines.size(), 35u);
    std::filesystem::remove_all(dir);
}

TEST(LayoutFiles, ShippedLayoutsHaveTheirRowCountsAndConventions) {
    const std::string data = std::string(HYDRIM_SOURCE_DIR) + "/DATA";
    const VariantILayouts layouts = ReadVariantILayouts(data);
    ASSERT_TRUE(layouts.Error.Message.empty()) << layouts.Error.Message;
    for (int grid = 1; grid <= 8; ++grid) {
        const auto path = std::filesystem::path(data) / VariantILayoutFileName(grid);
        const TextFileLines file = ReadTextFileLines(path.string());
        EXPECT_EQ(static_cast<int>(file.lines.size()), VariantILayoutRows[grid]) << path;
    }
    EXPECT_EQ(ReadTextFileLines(data + "/tabulka2.tab").lines.size(), 45u);
    EXPECT_EQ(ReadTextFileLines(data + "/tabulka3.tab").lines.size(), 35u);
    // The volume units leave three characters before the unit proper.
    EXPECT_EQ(layouts.Grids[1].Line(27).Unit, "  [m3]");
    EXPECT_EQ(layouts.Grids[1].Line(33).Unit, "  [m3]");
    EXPECT_EQ(ReadVariant23Layout(data, 2).Line(40).Unit, "  [m3]");
    EXPECT_EQ(ReadVariant23Layout(data, 3).Line(30).Unit, "  [m3]");
    EXPECT_EQ(layouts.Grids[0].Line(4).Symbol, " g");
    EXPECT_EQ(ReadVariant23Layout(data, 2).Line(4).Symbol, " g");
    EXPECT_EQ(ReadVariant23Layout(data, 2).Line(38).Symbol, " Qmax");
    EXPECT_EQ(ReadVariant23Layout(data, 3).Line(28).Symbol, " Qmax");
}

} // namespace
} // namespace hydrim
