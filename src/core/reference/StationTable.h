// The station table "srazky.tab" as the table editor reads, checks and
// writes it: a header line, then one station per line with 12 TAB-separated
// fields (number, name, ten 1-day rainfall depths in mm).
#pragma once

#include "core/project/FieldLimits.h"
#include "core/reference/CsvReader.h"
#include "core/reference/TableRows.h"

#include <array>
#include <string>
#include <vector>

namespace hydrim {

inline constexpr const char* StationFileName = "srazky.tab";
inline constexpr size_t StationFieldCount = 12;
inline constexpr size_t StationNumberField = 0;
inline constexpr size_t StationNameField = 1;
// The program reads 580 lines: the header and at most 579 stations.
inline constexpr size_t MaxStations = 579;
// The fields holding the depths of N = 2, 5, 10, 20, 50 and 100 years (value
// columns 1, 2, 3, 4, 6, 9); the other value columns are kept but not used.
inline constexpr std::array<size_t, 6> StationDepthFields = {2, 3, 4, 5, 7, 10};
// The depths a station may give: those of a rainfall field.
inline constexpr double SmallestDepth = RainfallLimits.Low;
inline constexpr double LargestDepth = RainfallLimits.High;
// A depth is stored in 8 characters.
inline constexpr size_t DepthWidth = 8;

// The return period of depth i (0..5) in words: "N = 2 roky", "N = 5 let", ...
std::string ReturnPeriodWords(size_t depth);

// The lines of a station file: the first line is the header (the shipped one
// when the file is empty); blank lines are left out; every other line becomes
// a row, its fields split at every TAB (fields past the 12th stay in the
// last one, as the program reads them). Wrong lines are kept as rows and
// reported with their line numbers.
TableRows ReadStationLines(const std::vector<std::string>& lines);

// The reasons a station row is wrong, joined by "; ", or empty: a name, the
// six depths used as numbers with a decimal point, 10 to 500 mm, not falling
// as N grows, and texts that fit a line of the file.
std::string CheckStation(const TableRow& row);

// Czech alphabetical order of the names (stable), as the letter search of
// the rainfall dialog needs it.
void SortStations(std::vector<TableRow>& rows);

// The file's lines: the header, then the stations in alphabetical order.
std::vector<std::string> StationFileLines(const TableRows& table);

// Stations of a CSV import: per line the station and its six depths
// (7 fields), with a station number first (8 fields), or the 12 fields of
// the station file. Refuses wrong lines, a station named twice and stations
// past MaxStations.
TableImport ImportStations(const std::vector<CsvRecord>& records);

// The imported stations over the existing ones: a station of the same name
// takes the imported depths (and keeps its number when the import has none),
// the others are added; the result is in alphabetical order.
std::vector<TableRow> MergeStations(std::vector<TableRow> existing, const std::vector<TableRow>& imported);

} // namespace hydrim
