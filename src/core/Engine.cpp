#include "core/Engine.h"

#include "core/project/InputCheck.h"
#include "core/project/ProjectFile.h"
#include "core/project/TextCodec.h"
#include "core/reference/LayoutFiles.h"
#include "core/reference/ParTableFile.h"

namespace hydrim {
namespace {

Error CheckProject(const Project& project, const std::string& subject) {
    const std::vector<std::string> problems = CheckInputs(project);
    if (problems.empty()) {
        return {};
    }
    std::string message = subject + " nelze spočítat:";
    for (const std::string& problem : problems) {
        message += " " + problem;
    }
    return {message};
}

} // namespace

Error ReadProject(const std::string& projectFile, Project& project) {
    const ProjectReadResult read = ReadProjectFile(projectFile, project);
    if (!read.ok()) {
        return {read.wrongType ? read.error.Message + " (\"" + projectFile + "\")" : read.error.Message};
    }
    return {};
}

Error LoadProject(const std::string& projectFile, const std::string& dataDir, AppState& state) {
    if (Error problem = ReadProject(projectFile, state.CurrentProject)) {
        return problem;
    }
    if (Error problem = CheckProject(state.CurrentProject, "Projekt \"" + projectFile + "\"")) {
        return problem;
    }
    return ReadParTable(JoinPath(dataDir, ParTableFileName), state.Par);
}

Computation LoadAndCompute(const std::string& projectFile, const std::string& dataDir) {
    Computation computation;
    computation.LoadError = LoadProject(projectFile, dataDir, *computation.State);
    if (!computation.LoadError) {
        computation.Outcome = ComputeProject(*computation.State);
    }
    return computation;
}

Computation CheckAndCompute(const Project& project, const std::string& subject, const ParTable& par) {
    Computation computation;
    computation.State->CurrentProject = project;
    computation.State->Par = par;
    computation.LoadError = CheckProject(project, subject);
    if (!computation.LoadError) {
        computation.Outcome = ComputeProject(*computation.State);
    }
    return computation;
}

std::array<ResultGrid, 8> VariantIGrids(const AppState& state, const std::string& dataDir, Error& error) {
    const VariantILayouts layouts = ReadVariantILayouts(dataDir);
    error = layouts.Error;
    return BuildVariantITables(state, layouts, state.LocaleDecimalSeparator);
}

ResultGrid Variant23Grid(const AppState& state, const std::string& dataDir, Error& error) {
    const ProjectTexts& texts = state.CurrentProject.Texts;
    const int variant = Variant23Number(texts);
    const LayoutText layout = ReadVariant23Layout(dataDir, variant);
    error = layout.Error;
    return BuildVariant23Table(state, layout, variant, HasTwoSlopes(texts), state.LocaleDecimalSeparator);
}

std::vector<ResultGrid> ResultGrids(const AppState& state, const std::string& dataDir, Error& error) {
    if (state.LastResultVariantI) {
        const std::array<ResultGrid, 8> grids = VariantIGrids(state, dataDir, error);
        return {grids.begin(), grids.end()};
    }
    return {Variant23Grid(state, dataDir, error)};
}

TimeSeriesSource HydrographSeries(const AppState& state, int i) {
    return state.LastResultVariantI ? VariantITimeSeries(state, i)
                                    : Variant23TimeSeries(state, HasTwoSlopes(state.CurrentProject.Texts));
}

} // namespace hydrim
