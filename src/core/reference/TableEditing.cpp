#include "core/reference/TableEditing.h"

#include "core/project/SystemErrorText.h"
#include "core/project/TextCodec.h"
#include "core/reference/RoughnessTable.h"
#include "core/reference/StationTable.h"

#include <filesystem>
#include <system_error>

namespace hydrim {

namespace fs = std::filesystem;

const EditableTable& StationTableKind() {
    static const EditableTable kind = {
        StationFileName,
        "stanic",
        StationFieldCount,
        MaxStations,
        {{"Č.", StationNumberField, ColumnInput::Text},
         {"Stanice", StationNameField, ColumnInput::Text},
         {"2 roky", 2, ColumnInput::Decimal},
         {"5 let", 3, ColumnInput::Decimal},
         {"10 let", 4, ColumnInput::Decimal},
         {"20 let", 5, ColumnInput::Decimal},
         {"50 let", 7, ColumnInput::Decimal},
         {"100 let", 10, ColumnInput::Decimal}},
        "Každý řádek: stanice a šest úhrnů v mm pro N = 2, 5, 10, 20, 50 a 100 let (7 polí), nebo číslo, "
        "stanice a šest úhrnů (8 polí), nebo 12 polí jako v souboru srazky.tab. Pole oddělená středníkem "
        "(nebo čárkou), desetinná čárka i tečka, první řádek smí být záhlaví.",
        ReadStationLines,
        CheckStation,
        StationFileLines,
        ImportStations,
        MergeStations,
        SortStations,
    };
    return kind;
}

const EditableTable& RoughnessTableKind() {
    static const EditableTable kind = {
        RoughnessFileName,
        "tříd",
        RoughnessFieldCount,
        MaxRoughnessClasses,
        {{"Druh povrchu", RoughnessDescriptionField, ColumnInput::Text},
         {"Třída", RoughnessClassField, ColumnInput::Text},
         {"Rozsah γ (a-b)", RoughnessRangeField, ColumnInput::Range}},
        "Každý řádek: druh povrchu, třída a rozsah hodnot γ ve tvaru a-b (3 pole), nebo druh povrchu, "
        "třída, nejmenší a největší hodnota (4 pole); celá čísla 0 až 255. Pole oddělená středníkem "
        "(nebo čárkou), první řádek smí být záhlaví.",
        ReadRoughnessLines,
        CheckRoughnessClass,
        RoughnessTableLines,
        ImportRoughnessClasses,
        AppendRoughnessClasses,
        nullptr,
    };
    return kind;
}

LoadedTable LoadEditableTable(const std::string& dataDir, const EditableTable& kind) {
    LoadedTable loaded;
    const std::string path = JoinPath(dataDir, kind.FileName);
    std::error_code error;
    if (!fs::exists(path, error)) {
        loaded.Table = kind.Read({});
        return loaded;
    }
    const TextFileLines file = ReadTextFileLines(path);
    loaded.Error = {file.error};
    loaded.Table = kind.Read(file.ok() ? file.lines : std::vector<std::string>{});
    return loaded;
}

std::vector<LineProblem> CheckEditedRows(const EditableTable& kind, const std::vector<TableRow>& rows) {
    std::vector<LineProblem> problems;
    if (rows.size() > kind.MaxRows)
        problems.push_back({0, "tabulka má " + std::to_string(rows.size()) + " řádků, pojme nejvýše " +
                                   std::to_string(kind.MaxRows) + " " + kind.RowWord});
    for (size_t index = 0; index < rows.size(); ++index) {
        const std::string reason = kind.Check(rows[index]);
        if (!reason.empty())
            problems.push_back({index + 1, reason});
    }
    return problems;
}

Error SaveEditableTable(const std::string& dataDir, const EditableTable& kind, const TableRows& table) {
    const std::vector<LineProblem> problems = CheckEditedRows(kind, table.Rows);
    if (!problems.empty())
        return {"Tabulku nelze uložit, dokud obsahuje chybné řádky (první: " +
                (problems.front().Line ? "řádek " + std::to_string(problems.front().Line) + ": " : "") +
                problems.front().Reason + ")."};
    const std::string path = JoinPath(dataDir, kind.FileName);
    std::error_code error;
    if (fs::exists(path, error)) {
        fs::copy_file(path, path + ".bak", fs::copy_options::overwrite_existing, error);
        if (error)
            return {"Záložní kopii \"" + path + ".bak\" nelze uložit: " + SystemErrorText(error) +
                    ". Tabulka nebyla uložena."};
    }
    return WriteFileAtomically(path, JoinCrLf(kind.FileLines(table)));
}

} // namespace hydrim
