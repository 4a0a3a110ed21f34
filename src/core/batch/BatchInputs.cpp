#include "core/batch/BatchInputs.h"

#include "core/project/ProjectFile.h"

#include <algorithm>
#include <cctype>
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

void AddTable(const std::string& path, BatchInputs& inputs, bool first) {
    auto table = std::make_shared<CatchmentTableFile>();
    table->Path = path;
    table->Csv = ReadCsvFile(path, LargestTable);
    if (!table->Csv.ok()) {
        inputs.Items.push_back(Failed(path, table->Csv.Error));
        return;
    }
    if (table->Csv.Records.empty()) {
        inputs.Items.push_back(Failed(path, "Tabulka \"" + path + "\" nemá řádek se jmény sloupců."));
        return;
    }
    if (Error problem = ParseTableHeader(table->Csv.Records.front(), table->Header)) {
        inputs.Items.push_back(Failed(path, "Tabulka \"" + path + "\", " + problem.Message));
        return;
    }
    if (first) {
        inputs.Separator = table->Csv.Separator == ',' ? ',' : ';';
    }
    const std::shared_ptr<const CatchmentTableFile> shared = table;
    for (size_t r = 1; r < shared->Csv.Records.size(); ++r) {
        BatchItem item;
        item.Source = path + ":" + std::to_string(shared->Csv.Records[r].Line);
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
    CatchmentRow row = ParseTableRow(item.Table->Header, item.Table->Csv.Records[item.Record]);
    CatchmentInput input{row.Id, row.Name, {}, {}};
    if (row.Problem) {
        input.Problem = {"Tabulka \"" + item.Table->Path + "\", " + row.Problem.Message};
        return input;
    }
    const ProjectReadResult read = ParseProjectLines(ProjectFileLines(row.Data), item.Source, input.Data);
    if (!read.ok()) {
        input.Problem = {read.message};
    }
    return input;
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
        return {fs::path(item.Source).filename().string(), {}, {}, item.Problem};
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
    CatchmentOutcome outcome{input.Id, input.Name, item.Source, {}};
    if (input.Problem) {
        outcome.Result.LoadError = input.Problem;
        return outcome;
    }
    const std::string subject = item.Table ? "Povodí \"" + input.Id + "\" (" + item.Source + ")"
                                           : "Projekt \"" + item.ProjectFile + "\"";
    outcome.Result = CheckAndCompute(input.Data, subject, par);
    return outcome;
}

} // namespace hydrim
