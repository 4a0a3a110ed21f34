// Rules of the rainfall table dialog: which value columns of the station table
// it shows for a calculation variant, and the jump to a station by its initial.
#pragma once

#include <string>
#include <vector>

namespace hydrim {

// The last station row the letter search may reach.
inline constexpr int LastSearchRow = 571;

// Value column k (1..10) of the station table holding the 1-day maximum
// rainfall for the return-period item 0..5 (N = 2, 5, 10, 20, 50, 100):
// 1, 2, 3, 4, 6, 9. Returns 0 for an item outside the list.
int RainfallValueColumn(int returnPeriodItem);

// The value columns the dialog shows from its grid column 2 on:
// Variant I (variant item below 1): N = 5, 10, 20, 50, 100 -> 2, 3, 4, 6, 9;
// Variants II and III: the chosen N, then N = 100 (column 9).
std::vector<int> RainfallDialogColumns(int variantItem, int returnPeriodItem);

// Letter search over the station names (names[row], row 0 being the header):
// the key is taken in upper case and only A..Z search. From row 1 on, the
// first row whose name's initial is not below the key; an initial above "Z"
// (an accented capital such as "Š") counts as "A"; an empty name is passed
// over. The search never goes past LastSearchRow (nor past the last row).
// Returns -1 for a key that does not search.
int FindStationRowByLetter(const std::vector<std::string>& names, char32_t key);

// True when at least one row after the header names a station.
bool HasStations(const std::vector<std::string>& names);

} // namespace hydrim
