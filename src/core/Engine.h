// The engine as the front ends use it: load a project with the tables of a
// data directory, compute it, and read its result grids, hydrograph series
// and warnings (the no-runoff message of Computation::Outcome, and the
// warnings of the results, which never block a computation). The domain
// questions a front end asks of a project (two slopes, the Variant II / III
// number) are answered in core/project/ProjectData.h.
#pragma once

#include "core/hydrology/Compute.h"
#include "core/project/Error.h"
#include "core/project/ProjectData.h"
#include "core/results/ResultTable.h"
#include "core/series/TimeSeries.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace hydrim {

// Reads a project file into project; the message names the file.
Error ReadProject(const std::string& projectFile, Project& project);

// Reads the project file and dataDir/par.tab into state and checks the
// inputs as the input window would.
Error LoadProject(const std::string& projectFile, const std::string& dataDir, AppState& state);

// A loaded and computed project.
struct Computation {
    std::unique_ptr<AppState> State = std::make_unique<AppState>();
    Error LoadError;        // the project could not be read or checked: nothing was computed
    ComputeOutcome Outcome; // after loading: Ok, NoRunoff (an answer, with its message) or InvalidInput
    bool hasResults() const { return !LoadError && Outcome.ok(); }
    // The inputs were read and computed, and yield no runoff: an answer a
    // document shows with the inputs.
    bool noRunoff() const { return !LoadError && Outcome.status == ComputeOutcome::Status::NoRunoff; }
};

// Loads the project and computes its variant.
Computation LoadAndCompute(const std::string& projectFile, const std::string& dataDir);

// Checks the inputs of a project already read as LoadProject checks them
// ("SUBJECT nelze spočítat: ..." names what cannot be computed and why) and
// computes it with the coefficient table par, as LoadAndCompute would.
Computation CheckAndCompute(const Project& project, const std::string& subject, const ParTable& par);

// The result grids of the last computation, as the result window shows
// them: the eight Variant I grids, or the one Variant II / III grid. The
// row texts come from the layout files of dataDir; a layout file that cannot
// be read leaves its rows without texts and is named in error.
std::vector<ResultGrid> ResultGrids(const AppState& state, const std::string& dataDir, Error& error);
// The eight Variant I grids and the one Variant II / III grid on their own.
std::array<ResultGrid, 8> VariantIGrids(const AppState& state, const std::string& dataDir, Error& error);
ResultGrid Variant23Grid(const AppState& state, const std::string& dataDir, Error& error);

// The warnings of the last computation (empty when there are none).
inline const Warnings& ResultWarnings(const AppState& state) {
    return state.Warnings;
}

// The hydrograph series of the last computation: Variant I return-period
// index i = 1..5, or the Variant II / III hydrograph (i is then unused).
TimeSeriesSource HydrographSeries(const AppState& state, int i);

} // namespace hydrim
