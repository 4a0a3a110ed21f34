#include "wasm/EngineSession.h"

#include "core/project/InputRules.h"
#include "core/project/TextCodec.h"
#include "core/reference/ParTableFile.h"
#include "core/reference/ReferenceFiles.h"

#include <algorithm>

namespace hydrim::wasm {

Error EngineSession::open(const std::string& dataDir) {
    ParTable par;
    if (Error problem = ReadParTable(JoinPath(dataDir, ParTableFileName), par)) {
        return problem;
    }
    ReferenceTables reference;
    std::string problems;
    for (const TableReadResult& read :
         {ReadRainfallTable(dataDir, reference), ReadRoughnessTable(dataDir, reference),
          ReadCurveNumberTable(dataDir, reference), ReadSoilUnitTable(dataDir, reference)}) {
        if (!read.ok()) {
            problems += (problems.empty() ? "" : "\n") + read.Error.Message;
        }
    }
    dataDir_ = dataDir;
    par_ = par;
    reference_ = std::move(reference);
    referenceError_ = problems;
    last_ = Computation{};
    open_ = true;
    return {};
}

Project EngineSession::newProject() const {
    Project project;
    ResetProjectTables(project.Lookup, reference_);
    project.Rainfall.ReturnPeriodIndex = ReturnPeriodItem100;
    return project;
}

void EngineSession::keep(Computation computation, char decimalSeparator) {
    last_ = std::move(computation);
    last_.State->LocaleDecimalSeparator = decimalSeparator;
    series_.clear();
    grids_.clear();
}

const ResultGrid* EngineSession::grid(int number) const {
    const auto found = std::find_if(grids_.begin(), grids_.end(),
                                    [number](const ResultGrid& grid) { return grid.Number == number; });
    return found == grids_.end() ? nullptr : &*found;
}

AppState* EngineSession::lastResults() {
    return last_.hasResults() ? last_.State.get() : nullptr;
}

const TimeSeriesSource& EngineSession::series(int i, bool designRain) {
    AppState& state = *last_.State;
    const int index = state.LastResultVariantI ? std::clamp(i, 1, 5) : 1;
    const auto key = std::make_pair(index, designRain || !state.LastResultVariantI);
    auto found = series_.find(key);
    if (found == series_.end()) {
        state.HydrographFromDesignRain = key.second;
        found = series_.emplace(key, HydrographSeries(state, index)).first;
    }
    return found->second;
}

} // namespace hydrim::wasm
