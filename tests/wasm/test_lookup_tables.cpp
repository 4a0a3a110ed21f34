// The lookup dialogs of the browser version through the engine: a user's own
// roughness and station tables read in place of the shipped ones, the
// moisture groups, the station found by its first letters, the messages of a
// weighting that fails, and roughness entries that keep naming their classes
// through a project file.
#include "wasm/EngineApi.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>

namespace {

using json = nlohmann::json;

json Call(const std::string& method, const json& arguments = json::object(), const std::string& bytes = {}) {
    const std::string text = arguments.dump();
    const int status = hydrim_call(method.c_str(), text.c_str(),
                                   reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    const std::string answer(hydrim_result(), hydrim_result_size());
    EXPECT_EQ(status, HydrimOk) << answer;
    return status == HydrimOk && method != "saveProject" ? json::parse(answer) : json(answer);
}

class LookupTables : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(hydrim_open((std::string(HYDRIM_SOURCE_DIR) + "/DATA").c_str()), HydrimOk)
            << hydrim_result();
    }
};

TEST_F(LookupTables, UserTablesReplaceTheShippedOnesAsTheirFilesWouldRead) {
    const json shipped = Call("referenceTables");
    EXPECT_FALSE(shipped["roughness"]["user"].get<bool>());
    EXPECT_EQ(shipped["moisture"]["rainLines"].size(), 3U);
    EXPECT_EQ(shipped["curveNumbers"]["groupValues"][1][2], " pro B");

    const json imported =
        Call("importTable", {{"kind", "roughness"}}, "Druh;Třída;Rozsah\nLes;1;5-40\nPole;x;abc\n");
    ASSERT_EQ(imported["refused"].size(), 1U);
    EXPECT_EQ(imported["refused"][0]["line"], 3);
    const json stations = {{"1", "Ústí nad Labem", "40", "50", "60", "70", "", "80", "", "", "90", ""},
                           {"2", "Brno", "41.5", "51", "61", "71", "", "81", "", "", "91", ""}};
    const json tables = Call("referenceTables", {{"roughness", imported["rows"]}, {"stations", stations}});
    const json& roughness = tables["roughness"];
    EXPECT_TRUE(roughness["user"].get<bool>());
    EXPECT_EQ(roughness["cells"][2], json({"Les", "1", "5-40"}));
    EXPECT_EQ(roughness["bounds"][2], json({5, 40}));
    EXPECT_EQ(roughness["classKeys"][2], "Les;1!5-40");
    // The file keeps its stations in Czech order: Brno before Ústí.
    EXPECT_EQ(tables["stations"]["cells"][1][1], "Brno");
    EXPECT_EQ(tables["stations"]["values"][1][0], "41.5");
    json names = json::array();
    for (const json& row : tables["stations"]["cells"]) {
        names.push_back(row[1]);
    }
    EXPECT_EQ(Call("findStation", {{"names", names}, {"typed", "ust"}})["row"], 2);
}

TEST_F(LookupTables, FailedWeightingsAndRefusedAreasSayWhyAndWhichRow) {
    const json missing = Call("lookup", {{"kind", "curveNumber"},
                                         {"rows",
                                          {{{"row", 3}, {"value", "85"}, {"area", "1"}, {"name", "a"}},
                                           {{"row", 4}, {"value", ""}, {"area", "1"}, {"name", "Pz Db"}}}}});
    EXPECT_EQ(missing["message"], "Řádek „Pz Db“ nemá v tabulce číslo CN, plochu u něj nelze započítat.");
    const json low = Call(
        "lookup", {{"kind", "curveNumber"}, {"rows", {{{"row", 3}, {"value", "39.99"}, {"area", "1"}}}}});
    EXPECT_EQ(low["text"], "39.99");
    EXPECT_FALSE(low["insertable"].get<bool>());
    EXPECT_EQ(Call("soilUnitArea", {{"group", "B (C)"}, {"unit", "03"}})["message"],
              "Nejdříve vyber půdní skupinu!!");
    EXPECT_EQ(Call("soilUnitArea", {{"group", "B (C)"}})["letters"], "BC");
}

TEST_F(LookupTables, RoughnessEntriesKeepTheirClassesThroughTheProjectFile) {
    json project = Call("newProject")["project"];
    project["lookup"]["roughnessInputs"][1][0][2] = "20";
    project["lookup"]["roughnessInputs"][1][1][2] = "1.5";
    project["lookup"]["roughnessClasses"][1][2] = "Les;1!5-40";
    const std::string file = Call("saveProject", {{"project", project}}).get<std::string>();
    const json opened = Call("openProject", {{"fileName", "a.snp"}}, file);
    EXPECT_EQ(opened["project"]["lookup"]["roughnessClasses"][1][2], "Les;1!5-40");

    // A table whose classes moved: the entries follow their class.
    json keys = json::array({"", "", "Louka;2!3-20", "Les;1!5-40"});
    for (int row = 4; row < 17; ++row) {
        keys.push_back("");
    }
    const json placed = Call("placeRoughness", {{"project", opened["project"]}, {"classKeys", keys}});
    EXPECT_EQ(placed["project"]["lookup"]["roughnessInputs"][1][0][3], "20");
    EXPECT_EQ(placed["notice"], "");
}

} // namespace
