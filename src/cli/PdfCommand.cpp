// hydrim-cli pdf and report: compute a project and write its result tables
// and its hydrograph charts as a PDF file, one page each (pdf), or its design
// report (report). The pages are drawn with Qt by hydrim-pdf, a helper
// installed beside hydrim-cli, so the other commands never load Qt.
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "cli/FileCommandLine.h"
#include "core/project/SystemErrorText.h"

#include <cerrno>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace hydrim::cli {
namespace {

// hydrim-pdf in the directory of the running hydrim-cli; empty when there is none.
std::string PdfWriterPath() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return {};
    }
    const std::filesystem::path writer = self.parent_path() / "hydrim-pdf";
    return std::filesystem::exists(writer, ec) ? writer.string() : std::string();
}

// Runs the writer with its arguments and returns its exit status.
int RunPdfWriter(std::vector<std::string> args) {
    const std::string writer = args.front();
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawn(&child, writer.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
        PrintError("pdf: program \"" + writer + "\" nelze spustit: " + SystemErrorText(errno));
        return ExitInvalidInput;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            return ExitInvalidInput;
        }
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : ExitInvalidInput;
}

// The pdf command, or with report set the report command.
int RunWriterCommand(const std::string& command, const std::vector<std::string>& args, bool report) {
    FileCommandLine line;
    if (const int status = ParseFileCommandLine(command, args, {}, "VÝSTUP.pdf", line); status != ExitOk) {
        return status;
    }
    const std::string writer = PdfWriterPath();
    if (writer.empty()) {
        PrintError(command + ": tato instalace nemá program pro zápis PDF (hydrim-pdf, sestavený s Qt, "
                             "uložený vedle hydrim-cli)");
        return ExitInvalidInput;
    }
    std::vector<std::string> writerArgs{writer};
    if (report) {
        writerArgs.push_back("--report");
    }
    for (const std::string& arg : {line.projectFile, line.output, DataDirectoryOption(line.parsed)}) {
        writerArgs.push_back(arg);
    }
    return RunPdfWriter(std::move(writerArgs));
}

int RunPdf(const std::vector<std::string>& args) {
    return RunWriterCommand("pdf", args, false);
}

int RunReport(const std::vector<std::string>& args) {
    return RunWriterCommand("report", args, true);
}

const CommandRegistration
    registration("pdf",
                 {"pdf PROJEKT.snp -o VÝSTUP.pdf [--data ADRESÁŘ]",
                  "Spočítá projekt a zapíše jeho výsledné tabulky a grafy hydrogramů do souboru PDF, každou "
                  "na jednu stránku, jak se tisknou, s upozorněními výpočtu pod nimi; projekt, na kterém "
                  "nedojde k odtoku, stránku se vstupními údaji a zprávou o tom s její příčinou.",
                  RunPdf});

const CommandRegistration reportRegistration(
    "report", {"report PROJEKT.snp -o VÝSTUP.pdf [--data ADRESÁŘ]",
               "Spočítá projekt a zapíše jeho protokol výpočtu do souboru PDF: identifikaci, vstupní "
               "údaje, výsledné tabulky, grafy hydrogramů, upozornění a metodu (projekt, na kterém "
               "nedojde k odtoku, místo výsledků zprávu o tom s její příčinou).",
               RunReport});

} // namespace
} // namespace hydrim::cli
