// The inputs of a batch run: project files, folders of them and catchment
// tables (core/batch/CatchmentTable.h), turned into one list of catchments in
// input order, each computed on its own exactly as a single project is.
#pragma once

#include "core/Engine.h"
#include "core/batch/CatchmentTable.h"
#include "core/reference/CsvReader.h"

#include <memory>
#include <string>
#include <vector>

namespace hydrim {

// A catchment table as read, shared by the catchments of its rows. The data
// records are kept packed (each field's length, then its bytes), so that a
// long table costs little more memory than its file.
struct CatchmentTableFile {
    struct PackedRecord {
        size_t Line = 0;
        std::string Fields;
    };
    std::string Path;
    TableHeader Header;
    std::vector<PackedRecord> Records;
};

// One catchment to compute: a project file, a row of a table, or an input
// that could not be read at all (Problem says why).
struct BatchItem {
    std::string Source;      // the file, or "table.csv:LINE"
    std::string ProjectFile; // a project file
    std::shared_ptr<const CatchmentTableFile> Table;
    size_t Record = 0; // the row's index in Table->Records
    Error Problem;
};

// The list of a batch, and the CSV convention of its first table.
struct BatchInputs {
    std::vector<BatchItem> Items;
    char Separator = ';'; // ';' with decimal commas, or ',' with decimal points
};

// Whether path names a catchment table (a ".csv" file) rather than a project file.
bool IsCatchmentTable(const std::string& path);

// Expands paths in order: a folder gives its ".snp" files sorted by name, a
// table one item per data row (a table that cannot be read, or whose header
// is wrong, one item with the problem), anything else one project file.
BatchInputs CollectBatchInputs(const std::vector<std::string>& paths);

// The input a catchment was refused for: the field at fault (the table's
// column, "CN_L", for a table row; the input window's label for a project
// file) and the text it held. Empty when no single field is at fault (a file
// that cannot be read).
struct RefusedInput {
    std::string Field;
    std::string Value;
};

// A catchment read from its input: its id (the table's id column, or the
// project file's name without ".snp"), name (the first description line)
// and project.
struct CatchmentInput {
    std::string Id;
    std::string Name;
    Project Data;
    Error Problem; // the input could not be read
    RefusedInput Refused;
};

CatchmentInput ReadCatchment(const BatchItem& item);

// A computed catchment: ids, and the computation (LoadError set when the
// input could not be read or its inputs are invalid, Refused then naming the
// field at fault where there is one).
struct CatchmentOutcome {
    std::string Id;
    std::string Name;
    std::string Source;
    Computation Result;
    RefusedInput Refused;
};

// Reads and computes one catchment with the coefficient table par, as
// `hydrim-cli compute` computes a project file.
CatchmentOutcome ComputeCatchment(const BatchItem& item, const ParTable& par);

} // namespace hydrim
