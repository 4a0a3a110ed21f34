#include "core/batch/BatchInputs.h"

#include "core/project/InputCheck.h"
#include "core/project/ProjectFile.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace hydrim {
namespace {

namespace fs = std::filesystem;

// A table of a national screening stays far below this.
constexpr size_t LargestTable = 512u * 1024u * 1024u;

bool HasExtension(const std::string& path, const std::string& extension) {
    std::string ending = fs::path(path).extension().string();
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ending == extension;
}

BatchItem Failed(const std::string& source, std::string message) {
    BatchItem item;
    item.Source = source;
    item.Problem = {std::move(message)};
    return item;
}

CatchmentTableFile::PackedRecord Pack(const CsvRecord& record) {
    CatchmentTableFile::PackedRecord packed{record.Line, {}};
    for (const std::string& field : record.Fields) {
        const auto size = static_cast<std::uint32_t>(field.size());
        packed.Fields.append(reinterpret_cast<const char*>(&size), sizeof size);
        packed.Fields += field;
    }
    return packed;
}

CsvRecord Unpack(const CatchmentTableFile::PackedRecord& packed) {
    CsvRecord record{packed.Line, {}};
    for (size_t at = 0; at + sizeof(std::uint32_t) <= packed.Fields.size();) {
        std::uint32_t size = 0;
        std::memcpy(&size, packed.Fields.data() + at, sizeof size);
        at += sizeof size;
        record.Fields.push_back(packed.Fields.substr(at, size));
        at += size;
    }
    return record;
}

void AddTable(const std::string& path, BatchInputs& inputs, bool first) {
    auto table = std::make_shared<CatchmentTableFile>();
    table->Path = path;
    bool header = true;
    Error headerProblem;
    const CsvText read = ReadCsvFileRecords(path, LargestTable, [&](CsvRecord&& record) {
        if (header) {
            headerProblem = ParseTableHeader(record, table->Header);
            header = false;
        } else if (!headerProblem) {
            table->Records.push_back(Pack(record));
        }
    });
    if (!read.ok()) {
        inputs.Items.push_back(Failed(path, read.Error.Message));
        return;
    }
    if (header) {
        inputs.Items.push_back(Failed(path, "Tabulka \"" + path + "\" nemá řádek se jmény sloupců."));
        return;
    }
    if (headerProblem) {
        inputs.Items.push_back(Failed(path, "Tabulka \"" + path + "\", " + headerProblem.Message));
        return;
    }
    if (first) {
        inputs.Separator = read.Separator == ',' ? ',' : ';';
    }
    table->Records.shrink_to_fit();
    const std::shared_ptr<const CatchmentTableFile> shared = table;
    for (size_t r = 0; r < shared->Records.size(); ++r) {
        BatchItem item;
        item.Source = path + ":" + std::to_string(shared->Records[r].Line);
        item.Table = shared;
        item.Record = r;
        inputs.Items.push_back(std::move(item));
    }
}

void AddFolder(const std::string& path, BatchInputs& inputs) {
    std::vector<std::string> files;
    std::error_code error;
    for (fs::directory_iterator it(path, error), end; !error && it != end; it.increment(error)) {
        if (HasExtension(it->path().string(), ".snp") && it->is_regular_file(error)) {
            files.push_back(it->path().string());
        }
    }
    if (error) {
        inputs.Items.push_back(Failed(path, "Složku \"" + path + "\" nelze přečíst."));
        return;
    }
    std::sort(files.begin(), files.end());
    for (const std::string& file : files) {
        BatchItem item;
        item.Source = file;
        item.ProjectFile = file;
        inputs.Items.push_back(std::move(item));
    }
}

// Reads a table row into the project a file of the same texts would give.
CatchmentInput ReadTableRow(const BatchItem& item) {
    CatchmentRow row = ParseTableRow(item.Table->Header, Unpack(item.Table->Records[item.Record]));
    CatchmentInput input{row.Id, row.Name, {}, {}, {}};
    if (row.Problem) {
        input.Problem = {"Tabulka \"" + item.Table->Path + "\", " + row.Problem.Message};
        input.Refused = {row.ProblemColumn, row.ProblemText};
        return input;
    }
    const ProjectReadResult read = ParseProjectLines(ProjectFileLines(row.Data), item.Source, input.Data);
    if (!read.ok()) {
        input.Problem = read.error;
    }
    return input;
}

// The first input the check refuses: the table column or the window's label
// that names it, and its text.
RefusedInput FirstRefusedInput(const BatchItem& item, const Project& project) {
    const std::vector<InputProblem> problems = FindInputProblems(project);
    if (problems.empty()) {
        return {};
    }
    const InputProblem& problem = problems.front();
    const ProjectTexts& texts = project.Texts;
    const std::string value =
        problem.Edit > 0 ? texts.Edit[static_cast<size_t>(problem.Edit)] : std::string();
    if (item.Table) {
        const std::optional<TableColumn> column = ColumnOfInput(texts, problem.Edit, problem.ComboBox);
        return {column ? TableColumnName(*column) : std::string(), value};
    }
    return {problem.Edit > 0 ? FieldLabel(texts, problem.Edit)
                             : problem.Text.substr(0, problem.Text.find(':')),
            value};
}

} // namespace

bool IsCatchmentTable(const std::string& path) {
    return HasExtension(path, ".csv");
}

BatchInputs CollectBatchInputs(const std::vector<std::string>& paths) {
    BatchInputs inputs;
    bool firstTable = true;
    for (const std::string& path : paths) {
        std::error_code error;
        if (fs::is_directory(path, error)) {
            AddFolder(path, inputs);
        } else if (IsCatchmentTable(path)) {
            AddTable(path, inputs, firstTable);
            firstTable = false;
        } else {
            BatchItem item;
            item.Source = path;
            item.ProjectFile = path;
            inputs.Items.push_back(std::move(item));
        }
    }
    return inputs;
}

CatchmentInput ReadCatchment(const BatchItem& item) {
    if (item.Problem) {
        return {fs::path(item.Source).filename().string(), {}, {}, item.Problem, {}};
    }
    if (item.Table) {
        return ReadTableRow(item);
    }
    CatchmentInput input;
    input.Id = fs::path(item.ProjectFile).stem().string();
    input.Problem = ReadProject(item.ProjectFile, input.Data);
    if (!input.Data.Texts.Description.empty()) {
        input.Name = input.Data.Texts.Description.front();
    }
    return input;
}

CatchmentOutcome ComputeCatchment(const BatchItem& item, const ParTable& par) {
    CatchmentInput input = ReadCatchment(item);
    CatchmentOutcome outcome{input.Id, input.Name, item.Source, {}, input.Refused};
    if (input.Problem) {
        outcome.Result.LoadError = input.Problem;
        return outcome;
    }
    const std::string subject = item.Table ? "Povodí \"" + input.Id + "\" (" + item.Source + ")"
                                           : "Projekt \"" + item.ProjectFile + "\"";
    outcome.Result = CheckAndCompute(input.Data, subject, par);
    if (outcome.Result.LoadError) {
        outcome.Refused = FirstRefusedInput(item, input.Data);
    }
    return outcome;
}

} // namespace hydrim
