#include "support/TempDirectory.h"

#include "core/project/TextCodec.h"
#include "core/reference/ParTableFile.h"

#include <gtest/gtest.h>

namespace hydrim {
namespace {

using test::TempDirectory;

// The 96 lines of a table whose record [g][b] holds 100g+10b+1, +2, +3.
std::vector<std::string> NumberedTable() {
    std::vector<std::string> lines;
    for (int band = 1; band <= 3; ++band) {
        for (int group = 1; group <= 8; ++group) {
            for (int k = 1; k <= 3; ++k) {
                lines.push_back(std::to_string(100 * group + 10 * band + k));
            }
            lines.push_back("-- skupina " + std::to_string(group));
        }
    }
    return lines;
}

void ExpectNumbered(const ParTable& table) {
    for (int band = 1; band <= 3; ++band) {
        for (int group = 1; group <= 8; ++group) {
            for (int k = 0; k < 3; ++k) {
                EXPECT_EQ(table.at(group, band)[static_cast<size_t>(k)], 100 * group + 10 * band + k + 1)
                    << "group " << group << " band " << band;
            }
        }
    }
}

TEST(ParTableFile, RecordsAreOrderedByBandThenGroup) {
    ParTable table;
    ASSERT_EQ(ParseParTable(NumberedTable(), "par.tab", table).Message, "");
    ExpectNumbered(table);
}

TEST(ParTableFile, BlankLinesAndBlanksBeforeANumberAreSkippedAndTheRestOfTheLineIgnored) {
    std::vector<std::string> lines = NumberedTable();
    lines[0] = "  \t111 koeficient a";
    lines[1] = "112\tmocnitel";
    lines.insert(lines.begin() + 2, {"", "   "});
    lines[4] = "+113";
    lines[6] = "211;a"; // text right after the number is the ignored rest too
    lines[7] = "212mm";
    ParTable table;
    ASSERT_EQ(ParseParTable(lines, "par.tab", table).Message, "");
    ExpectNumbered(table);
}

TEST(ParTableFile, TheFourthLineOfARecordIsIgnoredEvenWhenItHoldsANumber) {
    std::vector<std::string> lines = NumberedTable();
    lines[3] = "999";
    ParTable table;
    ASSERT_EQ(ParseParTable(lines, "par.tab", table).Message, "");
    ExpectNumbered(table);
}

TEST(ParTableFile, AShortFileIsAnErrorAndLeavesTheTableUntouched) {
    std::vector<std::string> lines = NumberedTable();
    lines.resize(94); // the last record lacks its third number
    ParTable table;
    table.Values[1][1] = {7, 8, 9};
    const std::string error = ParseParTable(lines, "DATA/par.tab", table).Message;
    EXPECT_NE(error.find("DATA/par.tab"), std::string::npos);
    EXPECT_NE(error.find("neúplný"), std::string::npos);
    EXPECT_EQ(table.at(1, 1), (std::array<int, 3>{7, 8, 9}));
    lines = NumberedTable();
    lines.pop_back(); // only the last comment line is missing: the table is complete
    EXPECT_EQ(ParseParTable(lines, "par.tab", table).Message, "");
}

TEST(ParTableFile, GarbageIsAnErrorNamingFileAndLine) {
    for (const std::string garbage : {"abc", "12.5", "1e3", "-", "99999999999", "\x1a"}) {
        std::vector<std::string> lines = NumberedTable();
        lines[5] = garbage;
        ParTable table;
        const std::string error = ParseParTable(lines, "par.tab", table).Message;
        EXPECT_NE(error.find("\"par.tab\" na řádku 6"), std::string::npos) << garbage << ": " << error;
    }
}

TEST(ParTableFile, MissingFileIsAnErrorNamingIt) {
    TempDirectory dir;
    ParTable table;
    const std::string error = ReadParTable(dir.file("par.tab"), table).Message;
    EXPECT_NE(error.find(dir.file("par.tab")), std::string::npos);
    EXPECT_EQ(ReadParTable(dir.path(), table).Message.empty(), false); // a directory is not a table
}

TEST(ParTableFile, BinaryFileIsRefusedWithoutCrashing) {
    TempDirectory dir;
    std::string bytes;
    for (int i = 0; i < 4096; ++i) {
        bytes += static_cast<char>((i * 7919) & 0xFF);
    }
    ParTable table;
    EXPECT_FALSE(ReadParTable(dir.write("par.tab", bytes), table).Message.empty());
}

// The shipped table holds the published reduction coefficients: a, 1 - c, c
// in thousandths, with groups 1 and 8 copies of N = 2.
TEST(ParTableFile, ShippedTableHoldsThePublishedCoefficients) {
    ParTable table;
    ASSERT_EQ(ReadParTable(JoinPath(JoinPath(HYDRIM_SOURCE_DIR, "DATA"), "par.tab"), table).Message, "");
    EXPECT_EQ(table.at(3, 1), (std::array<int, 3>{171, 312, 688})); // N = 5, 10-40 min
    EXPECT_EQ(table.at(7, 2), (std::array<int, 3>{335, 197, 803})); // N = 100, 41-120 min
    EXPECT_EQ(table.at(6, 3), (std::array<int, 3>{580, 75, 925}));  // N = 50, > 120 min
    for (int band = 1; band <= 3; ++band) {
        EXPECT_EQ(table.at(1, band), table.at(2, band));
        EXPECT_EQ(table.at(8, band), table.at(2, band));
        for (int group = 1; group <= 8; ++group) {
            EXPECT_EQ(table.at(group, band)[1] + table.at(group, band)[2], 1000);
        }
    }
    const std::string bytes = test::ReadBytes(JoinPath(JoinPath(HYDRIM_SOURCE_DIR, "DATA"), "par.tab"));
    EXPECT_EQ(ReadTextFileLines(JoinPath(JoinPath(HYDRIM_SOURCE_DIR, "DATA"), "par.tab")).lines.size(), 96u);
    EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);
}

} // namespace
} // namespace hydrim
