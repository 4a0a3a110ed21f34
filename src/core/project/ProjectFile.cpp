#include "core/project/ProjectFile.h"

#include "core/project/InputRules.h"
#include "core/project/PrintableText.h"
#include "core/project/TextCodec.h"

#include <algorithm>
#include <charconv>
#include <climits>

namespace hydrim {
namespace {

constexpr int ItemCountOfRainfallAndFields = 23; // items 9 to 19
constexpr int RoughnessFirstRow = 2, RoughnessLastRow = 16;
constexpr int SoilGroupFirstRow = 2, SoilGroupLastRow = 5;
constexpr int SoilUnitFirstRow = 3, SoilUnitLastRow = 66;
constexpr int LandUseFirstRow = 2, LandUseLastRow = 52;
constexpr int FirstStationRow = 1, LastStationRow = 579;
constexpr int RightSlope = 0, LeftSlope = 1;

// A text written as one line must not carry line breaks of its own.
std::string OneLine(const std::string& text) {
    std::string line = text;
    std::replace(line.begin(), line.end(), '\r', ' ');
    std::replace(line.begin(), line.end(), '\n', ' ');
    return line;
}

// The description lines; a line break inside an entry starts a new line.
std::vector<std::string> DescriptionLines(const std::vector<std::string>& description) {
    std::vector<std::string> lines;
    for (const std::string& entry : description) {
        size_t start = 0;
        for (size_t i = 0; i <= entry.size(); ++i) {
            if (i == entry.size() || entry[i] == '\n' || entry[i] == '\r') {
                lines.push_back(entry.substr(start, i - start));
                if (i + 1 < entry.size() && entry[i] == '\r' && entry[i + 1] == '\n') {
                    ++i;
                }
                start = i + 1;
            }
        }
    }
    return lines;
}

// The cells of rows first..last, each cut to width and followed by a TAB.
template <size_t Rows>
std::string CellLine(const std::array<std::string, Rows>& cells, int first, int last, size_t width) {
    std::string line;
    for (int row = first; row <= last; ++row) {
        std::string cell = CutText(OneLine(cells[static_cast<size_t>(row)]), width);
        std::replace(cell.begin(), cell.end(), '\t', ' ');
        line += cell;
        line += '\t';
    }
    return line;
}

// Splits a lookup-state line at TABs into rows first..last, each cell cut to
// width; rows the line does not reach become empty.
template <size_t Rows>
void SplitCells(const std::string& line, int first, int last, size_t width,
                std::array<std::string, Rows>& cells) {
    size_t start = 0;
    for (int row = first; row <= last; ++row) {
        std::string& cell = cells[static_cast<size_t>(row)];
        if (start > line.size()) {
            cell.clear();
            continue;
        }
        size_t tab = line.find('\t', start);
        if (tab == std::string::npos) {
            tab = line.size();
        }
        cell = CutText(line.substr(start, tab - start), width);
        start = tab + 1;
    }
}

std::string SelectedRainfallText(const RainfallTexts& rainfall) {
    const int index = rainfall.ReturnPeriodIndex;
    return index >= 0 && index <= 5 ? rainfall.Texts[static_cast<size_t>(index)] : std::string();
}

// The items after the description, one name per line of the layout (the
// chart titles, which older files do not have, excepted); the lines of one
// lookup table share a name, the lines that are always empty have none.
const std::vector<std::string>& ItemNamesAfterDescription() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list = {"typ povodí",
                                         "varianta",
                                         "doba opakování N",
                                         "typ CN křivky levého svahu",
                                         "typ CN křivky pravého svahu",
                                         "srážkový úhrn pro N = 10",
                                         "srážkový úhrn pro N = 20",
                                         "srážkový úhrn pro N = 50",
                                         "srážkový úhrn pro N = 5",
                                         "délka údolnice",
                                         "sklon údolnice",
                                         "",
                                         "srážkový úhrn pro zvolené N",
                                         "srážkový úhrn pro N = 100"};
        for (const char* slope : {"levého svahu", "pravého svahu"}) {
            for (const char* field : {"plocha", "sklon", "drsnost", "", "číslo CN křivky",
                                      "doba trvání deště", "intenzita deště"}) {
                list.push_back(*field ? std::string(field) + " " + slope : std::string());
            }
        }
        list.push_back("řádek tabulky srážek");
        list.insert(list.end(), 4, "zadání tabulky drsnosti");
        list.insert(list.end(), 2, "způsob určení skupin půd");
        list.insert(list.end(), 2, "plochy hydrologických skupin půd");
        list.insert(list.end(), 2, "plochy půdních jednotek");
        list.insert(list.end(), 2, "skupiny půdních jednotek");
        list.insert(list.end(), 2, "plochy druhů pozemků");
        return list;
    }();
    return names;
}

// The items a file of lineCount lines does not hold, when its description
// should have descriptionLines lines.
std::vector<std::string> MissingItems(size_t lineCount, size_t descriptionLines) {
    std::vector<std::string> missing;
    if (lineCount < 2) {
        missing.emplace_back("počet řádků popisu projektu");
    }
    const size_t descriptionEnd = 2 + descriptionLines;
    if (lineCount < descriptionEnd) {
        missing.emplace_back("popis projektu");
    }
    const std::vector<std::string>& names = ItemNamesAfterDescription();
    for (size_t k = lineCount > descriptionEnd ? lineCount - descriptionEnd : 0; k < names.size(); ++k) {
        if (!names[k].empty() && (missing.empty() || missing.back() != names[k])) {
            missing.push_back(names[k]);
        }
    }
    return missing;
}

// Hands out the lines of the file one item at a time; past the end every
// text is empty and every integer takes its "missing" value.
class ItemReader {
public:
    ItemReader(const std::vector<std::string>& lines, const std::string& fileName)
        : lines_(lines), fileName_(fileName) {}

    bool atEnd() const { return next_ >= lines_.size(); }
    size_t remaining() const { return atEnd() ? 0 : lines_.size() - next_; }

    std::string text() { return atEnd() ? std::string() : lines_[next_++]; }
    // The next line without taking it ("" at the end).
    std::string peek() const { return atEnd() ? std::string() : lines_[next_]; }

    // Reads an integer item in [low, high]; false (with error set) when the
    // line holds no integer or one out of range.
    bool integer(int& value, int missing, int low, int high, std::string& error) {
        if (atEnd()) {
            value = missing;
            return true;
        }
        const size_t lineNumber = next_ + 1;
        const std::string& line = lines_[next_++];
        const size_t begin = line.find_first_not_of(" \t");
        const size_t end = line.find_last_not_of(" \t");
        long long number = 0;
        if (begin != std::string::npos) {
            const char* first = line.data() + begin + (line[begin] == '+' ? 1 : 0);
            const char* last = line.data() + end + 1;
            const auto [stop, ec] = std::from_chars(first, last, number);
            if (ec == std::errc() && stop == last && number >= low && number <= high) {
                value = static_cast<int>(number);
                return true;
            }
            if (ec == std::errc() && stop == last) {
                error = message(lineNumber, "hodnota \"" + PrintableExcerpt(line) + "\" je mimo rozsah " +
                                                std::to_string(low) + " až " + std::to_string(high) + ".");
                return false;
            }
        }
        error = message(lineNumber, "\"" + PrintableExcerpt(line) + "\" není celé číslo.");
        return false;
    }

private:
    std::string message(size_t lineNumber, const std::string& what) const {
        return "Chybný údaj v souboru \"" + fileName_ + "\" na řádku " + std::to_string(lineNumber) + ": " +
               what;
    }

    const std::vector<std::string>& lines_;
    const std::string& fileName_;
    size_t next_ = 0;
};

// Items 9 to 19 as the file orders them.
struct RainfallAndFieldLines {
    std::string rain10, rain20, rain50, rain5;
    std::string selected, rain100;
};

// Steps 7 and 8 of reading: the rainfall texts per return period and the
// rainfall fields the variant shows.
void PlaceRainfall(const RainfallAndFieldLines& items, Project& project) {
    RainfallTexts& rainfall = project.Rainfall;
    rainfall.Texts = {"", items.rain5, items.rain10, items.rain20, items.rain50, items.rain100};
    const int index = rainfall.ReturnPeriodIndex;
    // The selected period's own line wins only where that period has no line
    // of its own: N = 2 always, N = 5..50 when their line is empty.
    if (index == 0 || (index >= 1 && index <= 4 && rainfall.Texts[static_cast<size_t>(index)].empty())) {
        rainfall.Texts[static_cast<size_t>(index)] = items.selected;
    }
    auto& edit = project.Texts.Edit;
    edit[EditRain100] = rainfall.Texts[5];
    edit[EditRain10] = rainfall.Texts[2];
    edit[EditRain20] = rainfall.Texts[3];
    edit[EditRain50] = rainfall.Texts[4];
    edit[EditRainN] = project.Texts.Variant == 0 ? rainfall.Texts[1] : SelectedRainfallText(rainfall);
}

bool ReadLookupState(ItemReader& in, LookupState& lookup, std::string& error) {
    constexpr size_t cell = LookupState::CellWidth;
    constexpr size_t group = LookupState::GroupWidth;
    int stationRow = FirstStationRow;
    if (!in.integer(stationRow, FirstStationRow, INT_MIN, INT_MAX, error)) {
        return false;
    }
    // A row the rainfall table does not have would point the dialog nowhere.
    lookup.RainfallStationRow = std::clamp(stationRow, FirstStationRow, LastStationRow);
    for (int slope : {RightSlope, LeftSlope}) {
        for (auto& column : lookup.RoughnessInputs[static_cast<size_t>(slope)]) {
            SplitCells(in.text(), RoughnessFirstRow, RoughnessLastRow, cell, column);
        }
    }
    int leftFlag = 1, rightFlag = 1;
    if (!in.integer(leftFlag, 1, INT_MIN, INT_MAX, error) ||
        !in.integer(rightFlag, 1, INT_MIN, INT_MAX, error)) {
        return false;
    }
    lookup.LeftSoilGroupByFiltration = leftFlag == 1;
    lookup.RightSoilGroupByFiltration = rightFlag == 1;
    for (int slope : {RightSlope, LeftSlope}) {
        SplitCells(in.text(), SoilGroupFirstRow, SoilGroupLastRow, cell, lookup.SoilGroupAreas[slope]);
    }
    for (int slope : {RightSlope, LeftSlope}) {
        SplitCells(in.text(), SoilUnitFirstRow, SoilUnitLastRow, cell, lookup.SoilUnitAreas[slope]);
    }
    for (int slope : {RightSlope, LeftSlope}) {
        SplitCells(in.text(), SoilUnitFirstRow, SoilUnitLastRow, group, lookup.SoilUnitGroups[slope]);
    }
    for (int slope : {RightSlope, LeftSlope}) {
        SplitCells(in.text(), LandUseFirstRow, LandUseLastRow, cell, lookup.LandUseAreas[slope]);
    }
    return true;
}

// The identification texts (Edit1 to Edit4) follow the chart titles as an
// optional block: a marker line and the four texts. Readers that stop after
// the chart titles never see it, and a project without identification writes
// no block, so its file keeps the layout it always had.
void AppendIdentification(const ProjectTexts& texts, std::vector<std::string>& lines) {
    const auto first = texts.Edit.begin() + EditIdentificationFirst;
    const auto last = texts.Edit.begin() + EditIdentificationLast + 1;
    if (std::all_of(first, last, [](const std::string& text) { return text.empty(); })) {
        return;
    }
    lines.push_back(IdentificationMarker);
    for (auto text = first; text != last; ++text) {
        lines.push_back(OneLine(*text));
    }
}

// The roughness class of each row's entries follows as another optional
// block: a marker line and one line per slope (right, then left) with the
// classes of rows 2 to 16 as the entries' lines have their cells. Readers
// that place the entries by row alone never see it; a project whose entries
// name no class writes no block.
void AppendRoughnessClasses(const LookupState& lookup, std::vector<std::string>& lines) {
    const auto named = [](const auto& slope) {
        return std::any_of(slope.begin(), slope.end(), [](const std::string& key) { return !key.empty(); });
    };
    if (std::none_of(lookup.RoughnessClasses.begin(), lookup.RoughnessClasses.end(), named)) {
        return;
    }
    lines.push_back(RoughnessClassMarker);
    for (int slope : {RightSlope, LeftSlope}) {
        lines.push_back(CellLine(lookup.RoughnessClasses[static_cast<size_t>(slope)], RoughnessFirstRow,
                                 RoughnessLastRow, std::string::npos));
    }
}

// Reads the optional blocks after the chart titles, each opened by its
// marker; lines after them are left alone. Without an identification block
// the four texts are empty, without a class block the classes are unknown
// (they belong to the file read, not to the project read before it).
void ReadOptionalBlocks(ItemReader& in, Project& project) {
    ProjectTexts& texts = project.Texts;
    for (int k = EditIdentificationFirst; k <= EditIdentificationLast; ++k) {
        texts.Edit[static_cast<size_t>(k)].clear();
    }
    for (auto& slope : project.Lookup.RoughnessClasses) {
        slope.fill({});
    }
    bool identification = false, classes = false;
    for (;;) {
        const std::string marker = in.peek();
        if (marker == IdentificationMarker && !identification) {
            in.text();
            for (int k = EditIdentificationFirst; k <= EditIdentificationLast; ++k) {
                texts.Edit[static_cast<size_t>(k)] = in.text();
            }
            identification = true;
        } else if (marker == RoughnessClassMarker && !classes) {
            in.text();
            for (int slope : {RightSlope, LeftSlope}) {
                SplitCells(in.text(), RoughnessFirstRow, RoughnessLastRow, std::string::npos,
                           project.Lookup.RoughnessClasses[static_cast<size_t>(slope)]);
            }
            classes = true;
        } else {
            return;
        }
    }
}

ProjectReadResult Failure(std::string message) {
    return {{std::move(message)}, false, {}};
}

} // namespace

std::vector<std::string> ProjectFileLines(const Project& project) {
    const ProjectTexts& texts = project.Texts;
    const RainfallTexts& rainfall = project.Rainfall;
    const LookupState& lookup = project.Lookup;
    std::vector<std::string> lines = {ProjectFileHeader};
    const std::vector<std::string> description = DescriptionLines(texts.Description);
    lines.push_back(std::to_string(description.size()));
    lines.insert(lines.end(), description.begin(), description.end());
    for (int item :
         {texts.CatchmentType, texts.Variant, texts.ReturnPeriodItem, texts.CnTypeItemL, texts.CnTypeItemR}) {
        lines.push_back(std::to_string(item));
    }
    for (const std::string& text :
         {rainfall.Texts[2], rainfall.Texts[3], rainfall.Texts[4], rainfall.Texts[1], texts.Edit[5],
          texts.Edit[6], texts.Edit[7], SelectedRainfallText(rainfall), rainfall.Texts[5]}) {
        lines.push_back(OneLine(text));
    }
    for (int k = 10; k <= 23; ++k) {
        lines.push_back(OneLine(texts.Edit[static_cast<size_t>(k)]));
    }
    constexpr size_t cell = LookupState::CellWidth;
    lines.push_back(std::to_string(lookup.RainfallStationRow));
    for (int slope : {RightSlope, LeftSlope}) {
        for (const auto& column : lookup.RoughnessInputs[static_cast<size_t>(slope)]) {
            lines.push_back(CellLine(column, RoughnessFirstRow, RoughnessLastRow, cell));
        }
    }
    lines.push_back(lookup.LeftSoilGroupByFiltration ? "1" : "0");
    lines.push_back(lookup.RightSoilGroupByFiltration ? "1" : "0");
    for (int slope : {RightSlope, LeftSlope}) {
        lines.push_back(CellLine(lookup.SoilGroupAreas[slope], SoilGroupFirstRow, SoilGroupLastRow, cell));
    }
    for (int slope : {RightSlope, LeftSlope}) {
        lines.push_back(CellLine(lookup.SoilUnitAreas[slope], SoilUnitFirstRow, SoilUnitLastRow, cell));
    }
    for (int slope : {RightSlope, LeftSlope}) {
        lines.push_back(CellLine(lookup.SoilUnitGroups[slope], SoilUnitFirstRow, SoilUnitLastRow,
                                 LookupState::GroupWidth));
    }
    for (int slope : {RightSlope, LeftSlope}) {
        lines.push_back(CellLine(lookup.LandUseAreas[slope], LandUseFirstRow, LandUseLastRow, cell));
    }
    lines.push_back(OneLine(project.ChartTitle1));
    lines.push_back(OneLine(project.ChartTitle2));
    AppendIdentification(texts, lines);
    AppendRoughnessClasses(lookup, lines);
    return lines;
}

Error WriteProjectFile(const std::string& fileName, const Project& project) {
    return WriteFileAtomically(fileName, JoinCrLf(ProjectFileLines(project)));
}

FilledInputs DeriveFilledInputs(const Project& project) {
    const ProjectTexts& texts = project.Texts;
    FilledInputs filled;
    filled.set(ReturnPeriodMember, texts.ReturnPeriodItem >= 0);
    filled.set(CnTypeMemberL, texts.CnTypeItemL >= 0);
    filled.set(CnTypeMemberR, texts.CnTypeItemR >= 0);
    for (int k = EditValleyLength; k <= EditRain50; ++k) {
        const int member = FieldMember(k);
        // Edit13 and Edit20 are hidden and have no member; the N = 10, 20
        // and 50 fields are shown, and so counted, in Variant I only.
        const bool rain10to50 = k == EditRain10 || k == EditRain20 || k == EditRain50;
        if (member >= 0 && (!rain10to50 || texts.Variant == 0)) {
            filled.set(member, FieldCountsFilled(k, texts.Edit[static_cast<size_t>(k)]));
        }
    }
    return filled;
}

ProjectReadResult ParseProjectLines(const std::vector<std::string>& lines, const std::string& fileName,
                                    Project& project) {
    if (lines.empty() || lines.front().find(ProjectFileHeader) == std::string::npos) {
        return {{WrongFileTypeMessage}, true, {}};
    }
    ItemReader in(lines, fileName);
    in.text();              // the header
    Project read = project; // what the file does not store stays as it was
    std::string error;
    int descriptionLines = 0;
    if (!in.integer(descriptionLines, 0, 0, INT_MAX, error)) {
        return Failure(error);
    }
    // A count beyond the end of the file reads what is there.
    const size_t count = std::min(static_cast<size_t>(descriptionLines), in.remaining());
    read.Texts.Description.clear();
    for (size_t i = 0; i < count; ++i) {
        read.Texts.Description.push_back(in.text());
    }
    ProjectTexts& texts = read.Texts;
    if (!in.integer(texts.CatchmentType, -1, -1, 1, error) || !in.integer(texts.Variant, -1, -1, 2, error) ||
        !in.integer(texts.ReturnPeriodItem, -1, -1, 5, error) ||
        !in.integer(texts.CnTypeItemL, -1, -1, 2, error) ||
        !in.integer(texts.CnTypeItemR, -1, -1, 2, error)) {
        return Failure(error);
    }
    read.Rainfall.ReturnPeriodIndex = texts.ReturnPeriodItem;

    RainfallAndFieldLines items;
    items.rain10 = in.text();
    items.rain20 = in.text();
    items.rain50 = in.text();
    items.rain5 = in.text();
    texts.Edit[5] = in.text();
    texts.Edit[6] = in.text();
    texts.Edit[7] = in.text();
    items.selected = in.text();
    items.rain100 = in.text();
    for (int k = 10; k <= 23; ++k) {
        texts.Edit[static_cast<size_t>(k)] = in.text();
    }
    static_assert(ItemCountOfRainfallAndFields == 9 + 14);
    PlaceRainfall(items, read);

    if (!ReadLookupState(in, read.Lookup, error)) {
        return Failure(error);
    }
    read.ChartTitle1 = in.atEnd() ? DefaultChartTitle : in.text();
    read.ChartTitle2 = in.atEnd() ? DefaultChartTitle : in.text();
    ReadOptionalBlocks(in, read);
    read.Filled = DeriveFilledInputs(read);
    project = std::move(read);
    ProjectReadResult result;
    result.missingItems = MissingItems(lines.size(), static_cast<size_t>(descriptionLines));
    return result;
}

std::string MissingItemsNotice(const ProjectReadResult& read, const std::string& fileName) {
    if (read.missingItems.empty()) {
        return {};
    }
    std::string notice = "Soubor \"" + fileName +
                         "\" končí před svou poslední položkou, je zřejmě poškozený. Chybějící položky "
                         "byly doplněny prázdné: ";
    for (size_t k = 0; k < read.missingItems.size(); ++k) {
        notice += (k > 0 ? ", " : "") + read.missingItems[k];
    }
    return notice + ".";
}

ProjectReadResult ReadProjectFile(const std::string& fileName, Project& project) {
    const TextFileLines file = ReadTextFileLines(fileName, 16u << 20);
    if (!file.ok()) {
        return Failure(file.error);
    }
    return ParseProjectLines(file.lines, fileName, project);
}

} // namespace hydrim
