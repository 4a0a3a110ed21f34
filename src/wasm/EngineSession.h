// The engine of the browser version between calls: the tables of its data
// directory, read once, and the last computation, whose result tables,
// hydrographs and time series the page asks for after computing.
#pragma once

#include "core/Engine.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace hydrim::wasm {

class EngineSession {
public:
    // Reads par.tab and the reference tables of dataDir; fails with a Czech
    // message when the coefficient table cannot be read (nothing computes
    // without it). A reference table that cannot be read is named in
    // referenceError and leaves its dialog empty.
    Error open(const std::string& dataDir);
    bool isOpen() const { return open_; }

    const std::string& dataDir() const { return dataDir_; }
    const ParTable& par() const { return par_; }
    const ReferenceTables& reference() const { return reference_; }
    const std::string& referenceError() const { return referenceError_; }

    // A new project as the input window starts one: no choices made, the
    // return-period list on N = 100, the soil-unit groups of the table.
    Project newProject() const;

    // Keeps a computation as the last one; decimalSeparator writes its
    // tables and time series.
    void keep(Computation computation, char decimalSeparator);
    // The last computation with results, or null.
    AppState* lastResults();
    // Its hydrograph series of return-period index i (design rain or the
    // whole 1-day rainfall), generated once and kept until the next
    // computation; the last computation must have results.
    const TimeSeriesSource& series(int i, bool designRain);
    // The result tables of the last computation as its answer gave them
    // (grid numbers 1..), for the copy commands; null for another number.
    void keepGrids(std::vector<ResultGrid> grids) { grids_ = std::move(grids); }
    const ResultGrid* grid(int number) const;

private:
    bool open_ = false;
    std::string dataDir_;
    ParTable par_;
    ReferenceTables reference_;
    std::string referenceError_;
    Computation last_;
    std::map<std::pair<int, bool>, TimeSeriesSource> series_;
    std::vector<ResultGrid> grids_;
};

} // namespace hydrim::wasm
