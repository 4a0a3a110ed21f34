#include "cli/BatchTables.h"

#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "core/batch/BatchInputs.h"
#include "core/batch/CatchmentTable.h"
#include "core/project/ProjectFile.h"
#include "core/project/TextCodec.h"

#include <filesystem>
#include <iostream>
#include <set>

namespace hydrim::cli {
namespace {

namespace fs = std::filesystem;

// A file name from a row id: characters a file system or a shell would
// trip over become "_".
std::string FileNameFor(const std::string& id) {
    std::string name;
    for (const char c : id) {
        const bool unsafe = c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' ||
                            c == '<' || c == '>' || c == '|' || static_cast<unsigned char>(c) < 0x20;
        name += unsafe ? '_' : c;
    }
    if (name.empty() || name == "." || name == "..") {
        name = "_" + name;
    }
    return name + ".snp";
}

int Report(int failed) {
    return failed > 0 ? ExitSomeFailed : ExitOk;
}

} // namespace

int PrintTableTemplate() {
    std::cout << TableTemplate();
    return ExitOk;
}

int ProjectsToTable(const std::vector<std::string>& inputs, const std::string& output, bool force) {
    if (!output.empty() && fs::exists(output) && !force) {
        return UsageError("batch", "soubor \"" + output + "\" už existuje (přepíše jej --force)");
    }
    std::string text = TableHeaderLine(';');
    int failed = 0;
    for (const BatchItem& item : CollectBatchInputs(inputs).Items) {
        if (item.Table) {
            PrintError("\"" + item.Source + "\" je řádek tabulky, ne soubor projektu.");
            ++failed;
            continue;
        }
        const CatchmentInput input = ReadCatchment(item);
        if (input.Problem) {
            PrintError(input.Problem.Message);
            ++failed;
            continue;
        }
        text += TableRowLine(ProjectTableFields(input.Data, input.Id), ';');
    }
    if (output.empty()) {
        std::cout << text;
        return Report(failed);
    }
    if (const Error problem = WriteFileAtomically(output, text)) {
        PrintError(problem.Message);
        return ExitInvalidInput;
    }
    return Report(failed);
}

int TablesToProjects(const std::vector<std::string>& tables, const std::string& folder, bool force) {
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        return UsageError("batch", "\"" + folder + "\" není adresář");
    }
    int failed = 0;
    std::set<std::string> written;
    for (const BatchItem& item : CollectBatchInputs(tables).Items) {
        const CatchmentInput input = ReadCatchment(item);
        const std::string file = JoinPath(folder, FileNameFor(input.Id));
        std::string problem = input.Problem.Message;
        if (problem.empty() && !item.Table) {
            problem = "\"" + item.Source + "\" není tabulka povodí.";
        } else if (problem.empty() && (written.count(file) != 0 || (fs::exists(file) && !force))) {
            problem = item.Source + ": soubor \"" + file +
                      "\" už existuje (přepíše jej --force; id řádků se musí lišit).";
        } else if (problem.empty()) {
            problem = WriteProjectFile(file, input.Data).Message;
        }
        if (!problem.empty()) {
            PrintError(problem);
            ++failed;
        }
        written.insert(file);
    }
    return Report(failed);
}

} // namespace hydrim::cli
