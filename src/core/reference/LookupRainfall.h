// Rules of the rainfall table dialog: which value columns of the station table
// it shows for a calculation variant, and the jump to a station by its first
// letters.
#pragma once

#include <string>
#include <vector>

namespace hydrim {

// Value column k (1..10) of the station table holding the 1-day maximum
// rainfall for the return-period item 0..5 (N = 2, 5, 10, 20, 50, 100):
// 1, 2, 3, 4, 6, 9. Returns 0 for an item outside the list.
int RainfallValueColumn(int returnPeriodItem);

// The value columns the dialog shows from its grid column 2 on:
// Variant I (variant item below 1): N = 5, 10, 20, 50, 100 -> 2, 3, 4, 6, 9;
// Variants II and III: the chosen N, then N = 100 (column 9).
std::vector<int> RainfallDialogColumns(int variantItem, int returnPeriodItem);

// Type-ahead search over the station names (names[row], row 0 being the
// header) for the first letters a user typed: the row of the first station
// whose name begins with them in Czech alphabetical order (letters alone:
// "usti" finds "Ústí nad Labem"; Č, Ř, Š, Ž and CH are letters of their
// own, so "S" does not find "Šumperk"). Without such a station, the station
// the typed text would precede in that order, or the last station when it
// follows them all. Returns -1 for an empty text or a list without stations.
int FindStationRow(const std::vector<std::string>& names, const std::string& typed);

// True when at least one row after the header names a station.
bool HasStations(const std::vector<std::string>& names);

} // namespace hydrim
