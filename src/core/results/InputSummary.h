// The inputs of a project as a design report lists them: each value as the
// engineer typed it, with its unit, and the entries of the lookup tables
// that produced it (the areas behind a weighted roughness or curve number,
// the soil group found from areas per group or per soil unit, the
// antecedent moisture group), so that a checker can follow every value back
// to where it came from.
#pragma once

#include "core/project/ProjectData.h"

#include <array>
#include <string>
#include <vector>

namespace hydrim {

// One input: "Plocha svahu", "1.2", "km²".
struct InputLine {
    std::string Label;
    std::string Value;
    std::string Unit;
};

// A group of inputs (the computation, the catchment, one slope) with notes
// on the lookup entries behind its values.
struct InputBlock {
    std::string Heading;
    std::vector<InputLine> Lines;
    std::vector<std::string> Notes;
};

// A row of the rainfall station table: the station's name and the texts of
// its value columns 1..10 (Values[0] unused).
struct StationRow {
    std::string Name;
    std::array<std::string, 11> Values;
};

// Row names of the lookup tables (land use, roughness class, soil unit), by
// the dialog's grid row; empty names are shown as "řádek N". Stations holds
// the rows of the rainfall station table (row 0 is its header).
struct LookupRowNames {
    std::vector<std::string> Roughness, LandUse, SoilUnit;
    std::vector<StationRow> Stations;
};

// Where the 1-day maximum rainfalls of a project come from: the name of the
// station last inserted from the rainfall table when every depth the
// variant uses equals that station's value, else "zadáno uživatelem"
// (typed, or changed after the insertion). Empty for Variant III, which
// uses no 1-day rainfall.
std::string RainfallSource(const Project& project, const LookupRowNames& names);

// The row names from the reference tables of dataDir; a table that cannot
// be read gives no names.
LookupRowNames ReadLookupRowNames(const std::string& dataDir);

// The identification texts with their captions ("Identifikační číslo",
// "Tok", "Závěrový profil", "Lokalita"); an empty text reads "–".
std::vector<InputLine> IdentificationLines(const ProjectTexts& texts);

// The input blocks of the project: the computation, the catchment and
// rainfall, and each slope.
std::vector<InputBlock> SummarizeInputs(const Project& project, const LookupRowNames& names);

} // namespace hydrim
