#include "wasm/EngineApi.h"

#include "core/project/ProjectFile.h"
#include "core/project/TextCodec.h"
#include "core/reference/RoughnessClasses.h"
#include "core/results/InputSummary.h"
#include "wasm/EngineSession.h"
#include "wasm/InputForm.h"
#include "wasm/LookupJson.h"
#include "wasm/ProjectJson.h"
#include "wasm/ReferenceJson.h"
#include "wasm/ReportJson.h"
#include "wasm/ResultsJson.h"
#include "json/ComputationJson.h"
#include "json/JsonText.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#define HYDRIM_EXPORT EMSCRIPTEN_KEEPALIVE
#else
#define HYDRIM_EXPORT
#endif

#ifndef HYDRIM_VERSION
#define HYDRIM_VERSION "0"
#endif

namespace hydrim::wasm {
namespace {

using json = nlohmann::json;
using ordered = nlohmann::ordered_json;

// A project file read by the engine is at most this large, as on the desktop.
constexpr size_t LargestProjectFile = 16u << 20;

struct Request {
    json Arguments;
    std::string_view Bytes;
};

struct Reply {
    int Status = HydrimOk;
    std::string Text;
};

EngineSession& Session() {
    static EngineSession session;
    return session;
}

std::string& Result() {
    static std::string result;
    return result;
}

Reply Answer(const ordered& value) {
    return {HydrimOk, value.dump(-1, ' ', false, ordered::error_handler_t::replace)};
}

Reply Refused(const std::string& message) {
    return {HydrimRefused, message};
}

std::string FileName(const Request& request) {
    return request.Arguments.value("fileName", std::string("projekt.snp"));
}

Project ProjectArgument(const Request& request) {
    Project project = Session().newProject();
    std::string error;
    if (!ProjectFromJson(request.Arguments.at("project"), project, error)) {
        throw std::invalid_argument(error);
    }
    return project;
}

ordered ProjectAnswer(const Project& project) {
    return {{"project", ProjectToJson(project)}, {"window", WindowState(project)}};
}

// A project file as the command line reads it: the message names the file.
bool ReadProjectBytes(const Request& request, Project& project, ProjectReadResult& read, std::string& error) {
    if (request.Bytes.size() > LargestProjectFile) {
        error = "Soubor je příliš velký \"" + FileName(request) + "\"";
        return false;
    }
    read = ParseProjectLines(SplitTextLines(request.Bytes), FileName(request), project);
    if (!read.ok()) {
        error = read.wrongType ? read.error.Message + " (\"" + FileName(request) + "\")" : read.error.Message;
        return false;
    }
    return true;
}

Reply Compute(const Request& request) {
    Project project;
    ProjectReadResult read;
    std::string error;
    if (!ReadProjectBytes(request, project, read, error)) {
        return Refused(error);
    }
    const Computation computation =
        CheckAndCompute(project, "Projekt \"" + FileName(request) + "\"", Session().par());
    if (computation.LoadError) {
        return Refused(computation.LoadError.Message);
    }
    const ComputeOutcome& outcome = computation.Outcome;
    if (!outcome.ok() && outcome.status != ComputeOutcome::Status::NoRunoff) {
        return Refused(outcome.message);
    }
    return {HydrimOk, DumpJson(ComputationDocument(*computation.State, outcome))};
}

Reply OpenProject(const Request& request) {
    Project project = Session().newProject();
    ProjectReadResult read;
    std::string error;
    if (!ReadProjectBytes(request, project, read, error)) {
        return Refused(error);
    }
    const std::vector<ValueCorrection> corrections = CorrectOpenedProject(project);
    ShowOpenedProject(project);
    ordered list = ordered::array();
    for (const ValueCorrection& correction : corrections) {
        list.push_back({{"label", correction.Label}, {"read", correction.Read}, {"used", correction.Used}});
    }
    std::string notice;
    for (const std::string& part :
         {MissingItemsNotice(read, FileName(request)), CorrectionsNotice(corrections)}) {
        if (!part.empty()) {
            notice += (notice.empty() ? "" : "\n\n") + part;
        }
    }
    ordered answer = ProjectAnswer(project);
    answer["corrections"] = std::move(list);
    answer["missingItems"] = read.missingItems;
    answer["notice"] = notice;
    answer["modified"] = !corrections.empty();
    return Answer(answer);
}

Reply SaveProject(const Request& request) {
    return {HydrimOk, JoinCrLf(ProjectFileLines(ProjectArgument(request)))};
}

Reply NewProject(const Request&) {
    return Answer(ProjectAnswer(Session().newProject()));
}

Reply Window(const Request& request) {
    return Answer(WindowState(ProjectArgument(request)));
}

Reply EditField(const Request& request) {
    Project project = ProjectArgument(request);
    const json& a = request.Arguments;
    const std::string text = a.value("text", std::string());
    const FieldText field = EditText(project, a.value("field", 0), text,
                                     a.value("caret", static_cast<int>(text.size())), a.value("typed", true));
    ordered answer = ProjectAnswer(project);
    answer["text"] = field.Text;
    answer["caret"] = field.Caret;
    return Answer(answer);
}

// The roughness entries of the project moved to the rows of their classes in
// a roughness table (its "classKeys", as referenceTables gives them).
Reply PlaceRoughnessCall(const Request& request) {
    Project project = ProjectArgument(request);
    const auto keys = request.Arguments.at("classKeys").get<RoughnessClassKeys>();
    const auto unplaced = PlaceRoughnessEntries(project.Lookup, keys);
    ordered answer = ProjectAnswer(project);
    answer["notice"] = UnplacedRoughnessNotice(unplaced, HasTwoSlopes(project.Texts));
    return Answer(answer);
}

Reply ChooseItemCall(const Request& request) {
    Project project = ProjectArgument(request);
    ChooseItem(project, request.Arguments.at("list").get<int>(), request.Arguments.at("item").get<int>());
    return Answer(ProjectAnswer(project));
}

Reply LeaveFieldCall(const Request& request) {
    Project project = ProjectArgument(request);
    std::string warning;
    ordered steps = ordered::array();
    for (const LeftFieldStep& step : LeaveField(project, request.Arguments.at("field").get<int>(), warning)) {
        steps.push_back({{"field", step.Step.Field},
                         {"text", step.Step.Text},
                         {"message", step.Message},
                         {"detail", step.Detail}});
    }
    ordered answer = ProjectAnswer(project);
    answer["steps"] = std::move(steps);
    answer["warning"] = warning;
    return Answer(answer);
}

char SeparatorArgument(const Request& request) {
    const std::string separator = request.Arguments.value("decimalSeparator", std::string(","));
    return separator == "." ? '.' : ',';
}

Reply ComputeProjectCall(const Request& request) {
    const Project project = ProjectArgument(request);
    const std::string subject =
        request.Arguments.contains("fileName") ? "Projekt \"" + FileName(request) + "\"" : "Projekt";
    Computation computation = CheckAndCompute(project, subject, Session().par());
    ordered answer = {{"status", "ok"}};
    const ComputeOutcome& outcome = computation.Outcome;
    if (computation.LoadError || outcome.status == ComputeOutcome::Status::InvalidInput) {
        answer["status"] = "invalid";
        answer["message"] = computation.LoadError ? computation.LoadError.Message : outcome.message;
        answer["window"] = WindowState(project);
        return Answer(answer);
    }
    AppState& state = *computation.State;
    const std::string document = DumpJson(ComputationDocument(state, outcome));
    std::vector<ResultGrid> resultGrids;
    if (!outcome.ok()) {
        answer["status"] = "no-runoff";
        answer["message"] = outcome.message;
    } else {
        state.LocaleDecimalSeparator = SeparatorArgument(request);
        Error layoutError;
        ordered grids = ordered::array();
        resultGrids = ResultGrids(state, Session().dataDir(), layoutError);
        for (const ResultGrid& grid : resultGrids) {
            grids.push_back(GridJson(grid));
        }
        answer["layoutError"] = layoutError.Message;
        answer["grids"] = std::move(grids);
    }
    answer["window"] = WindowState(project);
    const bool hasResults = outcome.ok();
    const bool variantI = state.LastResultVariantI;
    Session().keep(std::move(computation), SeparatorArgument(request));
    Session().keepGrids(std::move(resultGrids));
    if (hasResults && request.Arguments.value("series", true)) {
        // The design-rain hydrographs, kept for the chart and time-series calls.
        ordered series = ordered::array();
        for (int i = 1; i <= (variantI ? 5 : 1); ++i) {
            series.push_back(HydrographJson(*Session().lastResults(), Session().series(i, true), i));
            series.back()["index"] = i;
        }
        answer["series"] = std::move(series);
    }
    // The document goes in as the command line writes it, reals to 17 digits.
    return {HydrimOk, "{\"document\": " + document + "," + Answer(answer).Text.substr(1)};
}

AppState& LastResults() {
    AppState* state = Session().lastResults();
    if (state == nullptr) {
        throw std::invalid_argument("no computation with results");
    }
    return *state;
}

int IndexArgument(const Request& request) {
    return request.Arguments.value("index", 1);
}

bool DesignRainArgument(const Request& request) {
    return !request.Arguments.value("daily", false);
}

const TimeSeriesSource& SeriesArgument(const Request& request) {
    LastResults();
    return Session().series(IndexArgument(request), DesignRainArgument(request));
}

Reply Hydrograph(const Request& request) {
    return Answer(HydrographJson(LastResults(), SeriesArgument(request), IndexArgument(request)));
}

Reply Ordinates(const Request& request) {
    return {HydrimOk, HydrographOrdinates(SeriesArgument(request))};
}

Reply TimeSeries(const Request& request) {
    return Answer(TimeSeriesJson(LastResults(), SeriesArgument(request), IndexArgument(request),
                                 request.Arguments.value("first", 0),
                                 request.Arguments.value("count", 1 << 30)));
}

Reply TimeSeriesCopy(const Request& request) {
    const json& a = request.Arguments;
    const CellSelection selection{a.value("left", 0), a.value("top", 0), a.value("right", -1),
                                  a.value("bottom", -1)};
    return {HydrimOk, TimeSeriesCopyText(LastResults(), SeriesArgument(request),
                                         a.value("kind", std::string("all")), selection)};
}

// The design report's content of the last computation, numbers with its tables' separator.
Reply ReportCall(const Request&) {
    const AppState& state = LastResults();
    return Answer(ReportJson(
        report::MakeReportContent(state, ReadLookupRowNames(Session().dataDir()), ResultWarnings(state))));
}

// "Kopíruj", "Kopíruj+" or "Kopíruj vše" of a result table, the selection
// given in the grid's rows and columns; no selection copies the whole table.
Reply GridCopy(const Request& request) {
    const json& a = request.Arguments;
    LastResults();
    const ResultGrid* grid = Session().grid(a.value("grid", 1));
    if (grid == nullptr) {
        throw std::invalid_argument("no such result grid");
    }
    const std::string kind = a.value("kind", std::string("all"));
    const std::optional<CellSelection> selection = ViewSelection(
        *grid, {a.value("left", 0), a.value("top", 0), a.value("right", -1), a.value("bottom", -1)});
    const CopyKind copyKind = !selection || kind == "all"     ? CopyKind::All
                              : kind == "selectionWithHeader" ? CopyKind::SelectionWithHeader
                                                              : CopyKind::Selection;
    return {HydrimOk, CopyText(ViewOf(*grid), selection.value_or(CellSelection{}), copyKind)};
}

Reply ReferenceTablesCall(const Request& request) {
    return Answer(ReferenceTablesJson(Session(), request.Arguments));
}

Reply ImportTable(const Request& request) {
    ordered answer;
    std::string error;
    const json existing = request.Arguments.value("existing", json());
    if (!ImportTableJson(request.Arguments.value("kind", std::string()), request.Bytes, existing, answer,
                         error)) {
        return Refused(error);
    }
    return Answer(answer);
}

Reply CheckTable(const Request& request) {
    ordered answer;
    std::string error;
    if (!CheckTableJson(request.Arguments.value("kind", std::string()), request.Arguments.at("rows"), answer,
                        error)) {
        return Refused(error);
    }
    return Answer(answer);
}

Reply Version(const Request&) {
    return Answer({{"version", HYDRIM_VERSION}, {"referenceError", Session().referenceError()}});
}

const std::map<std::string, std::function<Reply(const Request&)>>& Calls() {
    static const std::map<std::string, std::function<Reply(const Request&)>> calls = {
        {"version", Version},
        {"compute", Compute},
        {"openProject", OpenProject},
        {"saveProject", SaveProject},
        {"newProject", NewProject},
        {"window", Window},
        {"editField", EditField},
        {"chooseItem", ChooseItemCall},
        {"leaveField", LeaveFieldCall},
        {"computeProject", ComputeProjectCall},
        {"hydrograph", Hydrograph},
        {"hydrographOrdinates", Ordinates},
        {"timeSeries", TimeSeries},
        {"timeSeriesCopy", TimeSeriesCopy},
        {"report", ReportCall},
        {"gridCopy", GridCopy},
        {"referenceTables", ReferenceTablesCall},
        {"importTable", ImportTable},
        {"checkTable", CheckTable},
        {"fieldLimits",
         [](const Request& r) { return Answer(FieldLimitsJson(r.Arguments.value("variant", 0))); }},
        {"lookup", [](const Request& r) { return Answer(LookupJson(r.Arguments)); }},
        {"lookupCell", [](const Request& r) { return Answer(LookupCellJson(r.Arguments)); }},
        {"placeRoughness", PlaceRoughnessCall},
        {"findStation", [](const Request& r) { return Answer(FindStationJson(r.Arguments)); }},
        {"soilUnitArea", [](const Request& r) { return Answer(SoilUnitAreaJson(r.Arguments)); }},
    };
    return calls;
}

int Keep(const Reply& reply) {
    Result() = reply.Text;
    return reply.Status;
}

} // namespace
} // namespace hydrim::wasm

using namespace hydrim::wasm;

extern "C" {

HYDRIM_EXPORT int hydrim_open(const char* dataDir) {
    const hydrim::Error error = Session().open(dataDir != nullptr ? dataDir : "");
    return Keep(error ? Reply{HydrimRefused, error.Message} : Reply{});
}

HYDRIM_EXPORT int hydrim_call(const char* method, const char* arguments, const unsigned char* bytes,
                              size_t byteCount) {
    const auto call = Calls().find(method != nullptr ? method : "");
    if (call == Calls().end()) {
        return Keep({HydrimBadCall, std::string("no such call: ") + (method != nullptr ? method : "")});
    }
    if (!Session().isOpen()) {
        return Keep({HydrimRefused, "Výpočet není připraven: data programu nejsou načtena."});
    }
    try {
        Request request;
        const std::string_view text = arguments != nullptr ? arguments : "";
        request.Arguments = text.empty() ? json::object() : json::parse(text);
        if (request.Arguments.is_null()) {
            request.Arguments = json::object();
        }
        request.Bytes =
            std::string_view(reinterpret_cast<const char*>(bytes), bytes != nullptr ? byteCount : 0);
        return Keep(call->second(request));
    } catch (const std::exception& problem) {
        return Keep({HydrimBadCall, std::string(method) + ": " + problem.what()});
    }
}

HYDRIM_EXPORT const char* hydrim_result(void) {
    return Result().c_str();
}

HYDRIM_EXPORT size_t hydrim_result_size(void) {
    return Result().size();
}
}
