// The browser version's engine interface, natively: the texts it returns
// are the command line's and the desktop's, project files go through it and
// back byte for byte, the input window's corrections come out as the window
// makes them, and bad calls and bad files are refused with a message.
#include "core/project/FieldLimits.h"
#include "core/project/ProjectData.h"
#include "wasm/EngineApi.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using json = nlohmann::json;
const std::filesystem::path Source = HYDRIM_SOURCE_DIR;

std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct Answer {
    int Status = -1;
    std::string Text;
    json Json() const { return json::parse(Text); }
};

Answer Call(const std::string& method, const json& arguments = json::object(),
            const std::string& bytes = {}) {
    const std::string text = arguments.dump();
    const int status = hydrim_call(method.c_str(), text.c_str(),
                                   reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    return {status, std::string(hydrim_result(), hydrim_result_size())};
}

class EngineApi : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(hydrim_open((Source / "DATA").c_str()), HydrimOk) << hydrim_result();
    }

    static json Opened(const std::string& example) {
        const Answer opened =
            Call("openProject", {{"fileName", example}}, Slurp(Source / "examples" / example));
        EXPECT_EQ(opened.Status, HydrimOk) << opened.Text;
        return opened.Json();
    }
};

TEST_F(EngineApi, ComputeReturnsTheCommandLinesDocument) {
    for (const auto& entry : std::filesystem::directory_iterator(Source / "examples")) {
        if (entry.path().extension() != ".snp") {
            continue;
        }
        const Answer answer =
            Call("compute", {{"fileName", entry.path().filename().string()}}, Slurp(entry.path()));
        ASSERT_EQ(answer.Status, HydrimOk) << answer.Text;
        const std::string reference =
            Slurp(Source / "bench" / "reference" / (entry.path().stem().string() + ".json"));
        EXPECT_EQ(answer.Text + "\n", reference) << entry.path();
    }
}

TEST_F(EngineApi, ProjectFilesGoThroughTheEngineAndBackByteForByte) {
    for (const auto& folder : {Source / "examples", Source / "bench" / "hard"}) {
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (entry.path().extension() != ".snp") {
                continue;
            }
            const std::string bytes = Slurp(entry.path());
            const Answer opened = Call("openProject", {{"fileName", "p.snp"}}, bytes);
            ASSERT_EQ(opened.Status, HydrimOk) << opened.Text;
            EXPECT_EQ(opened.Json()["notice"], "") << entry.path();
            const Answer saved = Call("saveProject", {{"project", opened.Json()["project"]}});
            ASSERT_EQ(saved.Status, HydrimOk) << saved.Text;
            EXPECT_EQ(saved.Text, bytes) << entry.path();
        }
    }
}

TEST_F(EngineApi, OpeningCorrectsWhatTheWindowRefusesAndSaysSo) {
    json project = Call("newProject").Json()["project"];
    project["catchmentType"] = 0;
    project["variant"] = 2;
    project["cnTypeItemL"] = 1;
    project["edit"][hydrim::EditCnL] = "120";
    project["edit"][hydrim::EditAreaL] = "\xC5\xA1"; // "š": no number
    const Answer saved = Call("saveProject", {{"project", project}});
    const json opened = Call("openProject", {{"fileName", "x.snp"}}, saved.Text).Json();
    EXPECT_EQ(opened["project"]["edit"][hydrim::EditCnL], "100");
    EXPECT_EQ(opened["project"]["edit"][hydrim::EditAreaL], "");
    ASSERT_EQ(opened["corrections"].size(), 2u); // in the order of the window: the area, then CN
    EXPECT_EQ(opened["corrections"][0]["used"], "");
    EXPECT_EQ(opened["corrections"][1]["used"], "100");
    EXPECT_TRUE(opened["modified"].get<bool>());
    EXPECT_NE(opened["notice"].get<std::string>().find("načteno \"120\", použito \"100\""),
              std::string::npos);

    const Answer wrong = Call("openProject", {{"fileName", "x.snp"}}, "no project\r\n");
    EXPECT_EQ(wrong.Status, HydrimRefused);
    EXPECT_EQ(wrong.Text, "Nesprávný typ souboru!! (\"x.snp\")");
    EXPECT_EQ(Call("compute", {{"fileName", "x.snp"}}, saved.Text).Status, HydrimRefused);
}

TEST_F(EngineApi, FieldsAreFilteredAndCorrectedAsTheWindowDoes) {
    json project = Opened("variant1-two-slopes.snp")["project"];
    const json typed =
        Call("editField",
             {{"project", project}, {"field", hydrim::EditCnL}, {"text", "12,345"}, {"caret", 6}})
            .Json();
    EXPECT_EQ(typed["text"], "12.34");
    json left = Call("editField", {{"project", project}, {"field", hydrim::EditCnL}, {"text", "120"}}).Json();
    left = Call("leaveField", {{"project", left["project"]}, {"field", hydrim::EditCnL}}).Json();
    ASSERT_EQ(left["steps"].size(), 1u);
    EXPECT_EQ(left["steps"][0]["message"], hydrim::OutOfRangeMessage);
    EXPECT_EQ(left["steps"][0]["text"], "100");
    EXPECT_NE(left["steps"][0]["detail"].get<std::string>().find("Zadaná hodnota: 120"), std::string::npos);
    EXPECT_EQ(left["project"]["edit"][hydrim::EditCnL], "100");

    // A N = 5 rainfall above the N = 100 one raises it, and the kept texts follow.
    json rain =
        Call("editField", {{"project", project}, {"field", hydrim::EditRainN}, {"text", "499"}}).Json();
    rain = Call("leaveField", {{"project", rain["project"]}, {"field", hydrim::EditRainN}}).Json();
    EXPECT_EQ(rain["steps"].back()["message"], hydrim::Rain100Message);
    EXPECT_EQ(rain["project"]["rainfall"]["texts"][5], "499");
    EXPECT_NE(rain["warning"].get<std::string>(), "");
    EXPECT_TRUE(rain["window"]["canCompute"].get<bool>());

    json emptied =
        Call("editField", {{"project", project}, {"field", hydrim::EditAreaR}, {"text", ""}}).Json();
    EXPECT_FALSE(emptied["window"]["computeEnabled"].get<bool>());
    EXPECT_EQ(emptied["window"]["problems"][0]["edit"], hydrim::EditAreaR);
}

TEST_F(EngineApi, ComputedProjectGivesTablesHydrographsAndTimeSeries) {
    const json project = Opened("variant1-two-slopes.snp")["project"];
    const json computed = Call("computeProject", {{"project", project}, {"decimalSeparator", ","}}).Json();
    ASSERT_EQ(computed["status"], "ok");
    EXPECT_EQ(computed["grids"].size(), 8u);
    EXPECT_EQ(computed["series"].size(), 5u);
    EXPECT_EQ(computed["document"]["variant"], 1);
    const json& series = computed["series"][0];
    const double peak = computed["document"]["results"]["PeakDischargeC"][0].get<double>();
    EXPECT_NEAR(series["peak"].get<double>(), peak, 1e-9 * peak);
    const Answer ordinates = Call("hydrographOrdinates", {{"index", 1}});
    EXPECT_EQ(ordinates.Text.size(), 3 * sizeof(double) * series["length"].get<size_t>());
    EXPECT_NE(computed["grids"][1]["copyText"].get<std::string>().find(','), std::string::npos);

    const json listing = Call("timeSeries", {{"index", 1}, {"first", 0}, {"count", 3}}).Json();
    EXPECT_EQ(listing["rows"].size(), 3u);
    EXPECT_EQ(listing["rowCount"], series["length"].get<size_t>() + 2);
    const Answer all = Call("timeSeriesCopy", {{"index", 1}, {"kind", "all"}});
    EXPECT_EQ(std::count(all.Text.begin(), all.Text.end(), '\r'), listing["rowCount"].get<long>());

    json broken = project;
    broken["edit"][hydrim::EditCnL] = "39";
    const json invalid = Call("computeProject", {{"project", broken}}).Json();
    EXPECT_EQ(invalid["status"], "invalid");
    EXPECT_NE(invalid["message"].get<std::string>().find("40 až 100"), std::string::npos);
}

// The design report of the last computation: its inputs with the tables'
// separator, the Variant III steps, numbered formulas built of the tables'
// symbols, the list of every symbol they name, and the sources.
TEST_F(EngineApi, ReportGivesTheMethodOfTheLastComputation) {
    const json project = Opened("variant3-two-slopes.snp")["project"];
    ASSERT_EQ(Call("computeProject", {{"project", project}, {"decimalSeparator", ","}}).Json()["status"],
              "ok");
    const Answer answer = Call("report");
    ASSERT_EQ(answer.Status, HydrimOk) << answer.Text;
    const json report = answer.Json();
    EXPECT_EQ(report["inputs"][1]["lines"][0]["label"], "Délka údolnice");
    EXPECT_NE(report["inputs"][1]["lines"][0]["value"].get<std::string>().find(','), std::string::npos);
    std::string text;
    std::vector<std::string> symbols;
    int formulas = 0, references = 0;
    for (const json& item : report["method"]) {
        if (item["kind"] == "paragraph") {
            for (const json& run : item["runs"]) {
                text += run["text"].get<std::string>();
            }
        } else if (item["kind"] == "formula") {
            EXPECT_EQ(item["number"], ++formulas);
            text += item["formula"].dump();
        } else if (item["kind"] == "symbol") {
            symbols.push_back(item["symbol"].dump());
        } else if (item["kind"] == "reference") {
            EXPECT_EQ(item["number"], ++references);
        }
    }
    EXPECT_NE(text.find("Varianta III"), std::string::npos);
    EXPECT_NE(text.find("16,67·"), std::string::npos);
    EXPECT_NE(text.find(R"("kind":"fraction")"), std::string::npos);
    EXPECT_GT(formulas, 20);
    EXPECT_EQ(references, 6);
    // Qmax as the tables write it, its index lowered, in the list once.
    const std::string peak = R"([{"text":"Q"},{"sub":true,"text":"max"}])";
    EXPECT_EQ(std::count(symbols.begin(), symbols.end(), json::parse(peak).dump()), 1);
}

TEST_F(EngineApi, ResultGridsCopyAsTheTableWindowAndChartsOpenOnTheirScales) {
    const json project = Opened("variant1-two-slopes.snp")["project"];
    const json computed = Call("computeProject", {{"project", project}, {"decimalSeparator", ","}}).Json();
    ASSERT_EQ(computed["status"], "ok");
    const json& sheet = computed["grids"][1]; // N = 5: the peak row 25, its unit in column 5
    const auto cell = [&sheet](int row, int column) {
        return sheet["cells"][row][column].get<std::string>();
    };
    const json peakRow = {{"grid", 2}, {"kind", "selection"}, {"left", 2},
                          {"top", 25}, {"right", 6},          {"bottom", 25}};
    // The hidden column 6 drops out; the unit is copied as it is shown.
    EXPECT_EQ(Call("gridCopy", peakRow).Text,
              cell(25, 2) + "\t" + cell(25, 3) + "\t" + cell(25, 4) + "\t  [m³.s⁻¹]\r");
    json withHeader = peakRow;
    withHeader["kind"] = "selectionWithHeader";
    withHeader["left"] = withHeader["right"] = 3;
    EXPECT_EQ(Call("gridCopy", withHeader).Text, cell(0, 0) + "\t" + cell(0, 1) + "\t" + cell(0, 3) + "\r" +
                                                     cell(25, 0) + "\t" + cell(25, 1) + "\t" + cell(25, 3) +
                                                     "\r");
    const std::string all = Call("gridCopy", {{"grid", 2}, {"kind", "selection"}}).Text; // nothing selected
    EXPECT_EQ(std::count(all.begin(), all.end(), '\r'), 38);
    EXPECT_EQ(Call("gridCopy", {{"grid", 9}}).Status, HydrimBadCall);

    const json rain = Call("hydrograph", {{"index", 1}}).Json();
    const json daily = Call("hydrograph", {{"index", 1}, {"daily", true}}).Json();
    EXPECT_EQ(rain["intensityAxisMaximum"], 1.0); // 0.16 mm/min rounded, plus one
    EXPECT_NEAR(rain["dischargeAxisMaximum"].get<double>(), 1.1 * rain["peak"].get<double>(), 1e-12);
    // The flow falls below 2 % of the peak late in this hydrograph: the first view shows all of it.
    EXPECT_EQ(rain["firstViewMinutes"].get<int>(), rain["length"].get<int>() - 1);
    EXPECT_GT(daily["dischargeAxisMaximum"].get<double>(), 1.1 * daily["peak"].get<double>() - 1e-12);

    // A Variant II chart and listing name the return period of the design rain.
    const json variantII = Opened("variant2-one-slope.snp")["project"];
    ASSERT_EQ(Call("computeProject", {{"project", variantII}}).Json()["status"], "ok");
    EXPECT_EQ(Call("hydrograph").Json()["caption"], "Hydrogram TPV vyvolaný výpočtovým deštěm, N = 50 let");
    EXPECT_EQ(Call("timeSeries", {{"count", 0}}).Json()["caption"], Call("hydrograph").Json()["caption"]);
}

TEST_F(EngineApi, BadCallsAndBadTablesAreRefused) {
    EXPECT_EQ(Call("noSuchCall").Status, HydrimBadCall);
    EXPECT_EQ(hydrim_call("window", "{not json", nullptr, 0), HydrimBadCall);
    EXPECT_EQ(Call("window", {{"project", {{"variant", 7}}}}).Status, HydrimBadCall);
    const Answer imported = Call("importTable", {{"kind", "stations"}, {"existing", json::array()}},
                                 "Stanice;2;5;10;20;50;100\nBrno;30,1;40;50;60;70;80\nZlín;x;1;1;1;1;1\n");
    ASSERT_EQ(imported.Status, HydrimOk) << imported.Text;
    EXPECT_EQ(imported.Json()["rows"].size(), 1u);
    EXPECT_EQ(imported.Json()["refused"].size(), 1u);
    EXPECT_EQ(Call("importTable", {{"kind", "nothing"}}, "a;b\n").Status, HydrimRefused);
}

} // namespace
