// The identity of the roughness classes behind a project's roughness entries.
// A user may delete, add or reorder the classes of the table "Gama.tab"; the
// entries of a project (value γ and area per class) follow their class, not
// the row the class stood in when they were made. A class is known by its
// description (the one of its group where its own is empty), its class text
// and its range, written as a table line: "description;class!a-b".
#pragma once

#include "core/project/ProjectData.h"
#include "core/reference/ReferenceFiles.h"

#include <array>
#include <string>
#include <vector>

namespace hydrim {

// The class of each row 2..16 of a roughness table as ReadRoughnessTable
// gives it; "" for rows 0 and 1 and for rows without a class.
using RoughnessClassKeys = std::array<std::string, 17>;
RoughnessClassKeys RoughnessClassKeysOf(const TableGrid& grid);

// A class as the user reads it: "Les, třída 1, rozsah 5-40" for "Les;1!5-40".
std::string RoughnessClassName(const std::string& key);

// An entry whose class the table no longer holds.
struct UnplacedRoughnessEntry {
    int Slope = 1;        // 1 left (or only) slope, 0 right slope
    std::string ClassKey; // "description;class!a-b"
    std::string Value;    // γ [s] as typed
    std::string Area;     // [km²] as typed
};

// One slope's entries by table row (2..16): values, areas and the class
// each row's entries were made for ("" where it is not known).
struct RoughnessRows {
    std::array<std::string, 17>& Values;
    std::array<std::string, 17>& Areas;
    std::array<std::string, 17>& Classes;
};

// Moves each entry of the slope to the row of its class in the table of
// keys. An entry of a class the table no longer holds leaves the slope and
// is returned. An entry without a known class (files written before classes
// were stored) stays in its row, as such files were always read, and from
// then on belongs to the class of that row. Rows without entries keep no
// class.
std::vector<UnplacedRoughnessEntry> PlaceRoughnessRows(RoughnessRows rows, const RoughnessClassKeys& keys,
                                                       int slope);

// The same for both slopes of a project's entries.
std::vector<UnplacedRoughnessEntry> PlaceRoughnessEntries(LookupState& lookup,
                                                          const RoughnessClassKeys& keys);

// Places the entries against the table of the data directory; a table that
// cannot be read (or is damaged) places nothing and leaves them as they are.
std::vector<UnplacedRoughnessEntry> PlaceRoughnessEntries(LookupState& lookup, const std::string& dataDir);

// The one message about entries left out ("" when none were): which
// classes are gone and which values no longer count in the weighted mean.
std::string UnplacedRoughnessNotice(const std::vector<UnplacedRoughnessEntry>& entries, bool twoSlopes);

} // namespace hydrim
