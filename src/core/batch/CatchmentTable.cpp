#include "core/batch/CatchmentTable.h"

#include "core/project/InputRules.h"
#include "core/project/ProjectFile.h"
#include "core/reference/TableRows.h"

#include <algorithm>
#include <cctype>

namespace hydrim {
namespace {

struct ColumnInfo {
    std::string name;
    std::string unit;
    int edit; // the input field the column fills, 0 for none
};

const std::array<ColumnInfo, TableColumnCount>& Columns() {
    static const std::array<ColumnInfo, TableColumnCount> columns = {{
        {"id", "", 0},
        {"nazev", "", 0},
        {"typ", "1/2", 0},
        {"varianta", "I/II/III", 0},
        {"N", "roky", 0},
        {"H2", "mm", 0},
        {"H5", "mm", 0},
        {"H10", "mm", 0},
        {"H20", "mm", 0},
        {"H50", "mm", 0},
        {"H100", "mm", 0},
        {"delka_udolnice", "km", EditValleyLength},
        {"sklon_udolnice", "%", EditValleySlope},
        {"plocha_L", "km2", EditAreaL},
        {"sklon_L", "%", EditSlopeL},
        {"drsnost_L", "s", EditRoughnessL},
        {"CN_L", "", EditCnL},
        {"typ_CN_L", "1/2/3", 0},
        {"doba_L", "min", EditDurationL},
        {"intenzita_L", "mm/min", EditIntensityL},
        {"plocha_P", "km2", EditAreaR},
        {"sklon_P", "%", EditSlopeR},
        {"drsnost_P", "s", EditRoughnessR},
        {"CN_P", "", EditCnR},
        {"typ_CN_P", "1/2/3", 0},
        {"doba_P", "min", EditDurationR},
        {"intenzita_P", "mm/min", EditIntensityR},
        {"popis", "", 0},
    }};
    return columns;
}

constexpr std::array<TableColumn, 6> RainColumns = {TableColumn::Rain2,  TableColumn::Rain5,
                                                    TableColumn::Rain10, TableColumn::Rain20,
                                                    TableColumn::Rain50, TableColumn::Rain100};

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Reads the fields of one record by column and reports the first field that
// cannot be read, naming its line and column.
class RowReader {
public:
    RowReader(const TableHeader& header, const CsvRecord& record) : header_(header), record_(record) {}

    std::string text(TableColumn column) const {
        const std::optional<size_t> index = header_.Index[static_cast<size_t>(column)];
        return index && *index < record_.Fields.size() ? record_.Fields[*index] : std::string();
    }

    // A number with a decimal comma or point as a plain decimal text; an
    // empty field stays empty (the input check reports it where it is needed).
    std::string number(TableColumn column) {
        const std::string field = text(column);
        if (field.empty()) {
            return field;
        }
        if (std::optional<std::string> plain = CsvDecimal(field)) {
            return *plain;
        }
        fail(column, "\"" + field + "\" není číslo.");
        return field;
    }

    // The index of field's text among choices (compared without case), or -1.
    int choice(TableColumn column, const std::vector<std::vector<std::string>>& choices,
               const std::string& expected) {
        const std::string field = Lower(text(column));
        for (size_t i = 0; i < choices.size(); ++i) {
            if (std::find(choices[i].begin(), choices[i].end(), field) != choices[i].end()) {
                return static_cast<int>(i);
            }
        }
        if (!field.empty()) {
            fail(column, "\"" + text(column) + "\" není " + expected + ".");
        }
        return -1;
    }

    void fail(TableColumn column, const std::string& what) {
        if (problem_.Message.empty()) {
            problem_.Message = "řádek " + std::to_string(record_.Line) + ", sloupec " +
                               TableColumnName(column) + ": " + what;
            column_ = column;
        }
    }

    // The first field that cannot be read: the problem, its column and text.
    void report(CatchmentRow& row) const {
        row.Problem = problem_;
        if (problem_) {
            row.ProblemColumn = TableColumnName(column_);
            row.ProblemText = text(column_);
        }
    }

private:
    const TableHeader& header_;
    const CsvRecord& record_;
    Error problem_;
    TableColumn column_ = TableColumn::Id;
};

void ReadRainfall(RowReader& row, Project& project) {
    ProjectTexts& texts = project.Texts;
    RainfallTexts& rainfall = project.Rainfall;
    for (size_t i = 0; i < RainColumns.size(); ++i) {
        rainfall.Texts[i] = row.number(RainColumns[i]);
    }
    rainfall.ReturnPeriodIndex = texts.ReturnPeriodItem;
    texts.Edit[EditRain10] = rainfall.Texts[2];
    texts.Edit[EditRain20] = rainfall.Texts[3];
    texts.Edit[EditRain50] = rainfall.Texts[4];
    texts.Edit[EditRain100] = rainfall.Texts[5];
    const int selected = texts.Variant == 0 ? 1 : texts.ReturnPeriodItem;
    texts.Edit[EditRainN] = selected >= 0 ? rainfall.Texts[static_cast<size_t>(selected)] : std::string();
}

void ReadFields(RowReader& row, ProjectTexts& texts) {
    for (size_t c = 0; c < TableColumnCount; ++c) {
        if (const int edit = Columns()[c].edit; edit != 0) {
            texts.Edit[static_cast<size_t>(edit)] = row.number(static_cast<TableColumn>(c));
        }
    }
    // The window keeps the duration and intensity of both slopes equal.
    for (const int left : {EditDurationL, EditIntensityL}) {
        if (texts.CatchmentType != 1) {
            break;
        }
        if (texts.Edit[static_cast<size_t>(left + 7)].empty()) {
            texts.Edit[static_cast<size_t>(left + 7)] = texts.Edit[static_cast<size_t>(left)];
        }
    }
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    if (!text.empty()) {
        lines = DescriptionLines(text);
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines, size_t first) {
    std::string text;
    for (size_t i = first; i < lines.size(); ++i) {
        text += (i > first ? "\n" : "") + lines[i];
    }
    return text;
}

std::string RomanVariant(int variant) {
    static const char* const names[] = {"I", "II", "III"};
    return variant >= 0 && variant <= 2 ? names[variant] : "";
}

std::string ItemNumber(int item) {
    return item >= 0 ? std::to_string(item + 1) : std::string();
}

bool IsNumericColumn(size_t column) {
    return column > static_cast<size_t>(TableColumn::Variant) &&
           column < static_cast<size_t>(TableColumn::Description);
}

} // namespace

const std::string& TableColumnName(TableColumn column) {
    return Columns()[static_cast<size_t>(column)].name;
}

std::string TableColumnHeader(TableColumn column) {
    const ColumnInfo& info = Columns()[static_cast<size_t>(column)];
    return info.unit.empty() ? info.name : info.name + " [" + info.unit + "]";
}

Error ParseTableHeader(const CsvRecord& record, TableHeader& header) {
    header = {};
    for (size_t i = 0; i < record.Fields.size(); ++i) {
        const std::string name = Lower(TrimBlanks(record.Fields[i].substr(0, record.Fields[i].find('['))));
        if (name.empty()) {
            continue;
        }
        const auto& columns = Columns();
        const auto found = std::find_if(columns.begin(), columns.end(),
                                        [&](const ColumnInfo& info) { return Lower(info.name) == name; });
        if (found == columns.end()) {
            return {"řádek " + std::to_string(record.Line) + ": neznámý sloupec \"" + record.Fields[i] +
                    "\"."};
        }
        std::optional<size_t>& index = header.Index[static_cast<size_t>(found - columns.begin())];
        if (index) {
            return {"řádek " + std::to_string(record.Line) + ": sloupec \"" + found->name +
                    "\" je uveden dvakrát."};
        }
        index = i;
    }
    return {};
}

CatchmentRow ParseTableRow(const TableHeader& header, const CsvRecord& record) {
    RowReader row(header, record);
    CatchmentRow result;
    result.Id = row.text(TableColumn::Id);
    if (result.Id.empty()) {
        result.Id = "řádek " + std::to_string(record.Line);
    }
    result.Name = row.text(TableColumn::Name);
    ProjectTexts& texts = result.Data.Texts;
    texts.Description = SplitLines(row.text(TableColumn::Description));
    texts.Description.insert(texts.Description.begin(), result.Name);
    texts.CatchmentType = row.choice(TableColumn::Type, {{"1", "jeden svah"}, {"2", "dva svahy"}}, "1 ani 2");
    texts.Variant =
        row.choice(TableColumn::Variant, {{"i", "1"}, {"ii", "2"}, {"iii", "3"}}, "I, II ani III");
    texts.ReturnPeriodItem = ReturnPeriodItem100;
    if (texts.Variant == 1) {
        texts.ReturnPeriodItem =
            row.choice(TableColumn::ReturnPeriod, {{"2"}, {"5"}, {"10"}, {"20"}, {"50"}, {"100"}},
                       "2, 5, 10, 20, 50 ani 100");
    }
    texts.CnTypeItemL = row.choice(TableColumn::CnTypeL, {{"1"}, {"2"}, {"3"}}, "1, 2 ani 3");
    texts.CnTypeItemR = row.choice(TableColumn::CnTypeR, {{"1"}, {"2"}, {"3"}}, "1, 2 ani 3");
    ReadRainfall(row, result.Data);
    ReadFields(row, texts);
    result.Data.Filled = DeriveFilledInputs(result.Data);
    row.report(result);
    return result;
}

std::optional<TableColumn> ColumnOfInput(const ProjectTexts& texts, int edit, int comboBox) {
    static constexpr std::array<TableColumn, 5> choices = {TableColumn::Type, TableColumn::Variant,
                                                           TableColumn::ReturnPeriod, TableColumn::CnTypeL,
                                                           TableColumn::CnTypeR};
    if (comboBox >= 1 && comboBox <= static_cast<int>(choices.size())) {
        return choices[static_cast<size_t>(comboBox - 1)];
    }
    switch (edit) {
    case EditRainN: {
        // Variant I reads N = 5 there, Variant II the N chosen.
        const int item = texts.Variant == 0 ? 1 : texts.ReturnPeriodItem;
        return item >= 0 && item < static_cast<int>(RainColumns.size())
                   ? std::optional(RainColumns[static_cast<size_t>(item)])
                   : std::nullopt;
    }
    case EditRain10:
        return TableColumn::Rain10;
    case EditRain20:
        return TableColumn::Rain20;
    case EditRain50:
        return TableColumn::Rain50;
    case EditRain100:
        return TableColumn::Rain100;
    default:
        break;
    }
    for (size_t c = 0; c < TableColumnCount; ++c) {
        if (edit != 0 && Columns()[c].edit == edit) {
            return static_cast<TableColumn>(c);
        }
    }
    return std::nullopt;
}

std::vector<std::string> ProjectTableFields(const Project& project, const std::string& id) {
    const ProjectTexts& texts = project.Texts;
    std::vector<std::string> fields(TableColumnCount);
    const auto set = [&](TableColumn column, std::string text) {
        fields[static_cast<size_t>(column)] = std::move(text);
    };
    set(TableColumn::Id, id);
    set(TableColumn::Name, texts.Description.empty() ? std::string() : texts.Description.front());
    set(TableColumn::Description, JoinLines(texts.Description, 1));
    set(TableColumn::Type, ItemNumber(texts.CatchmentType));
    set(TableColumn::Variant, RomanVariant(texts.Variant));
    if (texts.Variant == 1 && texts.ReturnPeriodItem >= 0) {
        set(TableColumn::ReturnPeriod,
            std::to_string(ReturnPeriodItems[static_cast<size_t>(texts.ReturnPeriodItem)]));
    }
    // The rainfall the computation reads: the fields of the variant; other
    // return periods keep the project's stored texts.
    std::array<std::string, 6> rain = project.Rainfall.Texts;
    rain[2] = texts.Edit[EditRain10];
    rain[3] = texts.Edit[EditRain20];
    rain[4] = texts.Edit[EditRain50];
    rain[5] = texts.Edit[EditRain100];
    const int selected = texts.Variant == 0 ? 1 : texts.ReturnPeriodItem;
    if (selected >= 0) {
        rain[static_cast<size_t>(selected)] = texts.Edit[EditRainN];
    }
    for (size_t i = 0; i < RainColumns.size(); ++i) {
        set(RainColumns[i], rain[i]);
    }
    for (size_t c = 0; c < TableColumnCount; ++c) {
        if (const int edit = Columns()[c].edit; edit != 0) {
            fields[c] = texts.Edit[static_cast<size_t>(edit)];
        }
    }
    set(TableColumn::CnTypeL, ItemNumber(texts.CnTypeItemL));
    set(TableColumn::CnTypeR, ItemNumber(texts.CnTypeItemR));
    return fields;
}

std::string CsvLine(const std::vector<std::string>& fields, char separator) {
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        const std::string& field = fields[i];
        const bool quote = field.find_first_of(std::string("\"\r\n") + separator) != std::string::npos ||
                           (!field.empty() && (field.front() == ' ' || field.back() == ' '));
        if (i > 0) {
            line += separator;
        }
        if (!quote) {
            line += field;
            continue;
        }
        line += '"';
        for (const char c : field) {
            line += c == '"' ? std::string("\"\"") : std::string(1, c);
        }
        line += '"';
    }
    return line;
}

std::string TableHeaderLine(char separator) {
    std::vector<std::string> names;
    for (size_t c = 0; c < TableColumnCount; ++c) {
        names.push_back(TableColumnHeader(static_cast<TableColumn>(c)));
    }
    return CsvLine(names, separator) + "\r\n";
}

std::string TableRowLine(std::vector<std::string> fields, char separator) {
    if (separator == ';') {
        for (size_t c = 0; c < fields.size(); ++c) {
            if (IsNumericColumn(c)) {
                std::replace(fields[c].begin(), fields[c].end(), '.', ',');
            }
        }
    }
    return CsvLine(fields, separator) + "\r\n";
}

std::string TableTemplate() {
    using C = TableColumn;
    using Fields = std::vector<std::pair<TableColumn, const char*>>;
    // Realistic small catchments: Variant I with one and two slopes, Variant
    // II with one slope, Variant III with two.
    const Fields shared = {{C::ValleyLength, "1.6"}, {C::ValleySlope, "2.8"}, {C::AreaL, "1.2"},
                           {C::SlopeL, "7.5"},       {C::RoughnessL, "18"},   {C::CnL, "74"},
                           {C::CnTypeL, "2"}};
    const Fields right = {{C::Type, "2"},        {C::AreaR, "0.9"}, {C::SlopeR, "4.5"},
                          {C::RoughnessR, "12"}, {C::CnR, "68"},    {C::CnTypeR, "3"}};
    const Fields rainI = {{C::Variant, "I"}, {C::Rain5, "48"},  {C::Rain10, "56"},
                          {C::Rain20, "64"}, {C::Rain50, "75"}, {C::Rain100, "84"}};
    const std::vector<Fields> rows = {
        {{C::Id, "P1"}, {C::Name, "Přítok pod obcí"}, {C::Type, "1"}},
        {{C::Id, "P2"}, {C::Name, "Bezejmenný přítok u lesa"}},
        {{C::Id, "P3"},
         {C::Name, "Strouha u propustku"},
         {C::Type, "1"},
         {C::Variant, "II"},
         {C::ReturnPeriod, "50"},
         {C::Rain50, "76"},
         {C::Rain100, "86"},
         {C::DurationL, "60"}},
        {{C::Id, "P4"},
         {C::Name, "Svodnice nad rybníkem"},
         {C::Variant, "III"},
         {C::DurationL, "45"},
         {C::IntensityL, "0.9"},
         {C::DurationR, "45"},
         {C::IntensityR, "0.9"}},
    };
    std::string text = TableHeaderLine(';');
    for (size_t r = 0; r < rows.size(); ++r) {
        std::vector<std::string> fields(TableColumnCount);
        for (const Fields& part :
             {shared, r == 0 || r == 2 ? Fields{} : right, r < 2 ? rainI : Fields{}, rows[r]}) {
            for (const auto& [column, value] : part) {
                fields[static_cast<size_t>(column)] = value;
            }
        }
        text += TableRowLine(fields, ';');
    }
    return text;
}

} // namespace hydrim
