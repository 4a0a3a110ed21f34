#include "CliRunner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <unistd.h>

namespace hydrim {
namespace {

using test::Example;
using test::RunCli;

size_t LineCount(const std::string& text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(CliUsage, HelpListsTheCommandsAndExitsWithZero) {
    const test::CliRun run = RunCli("--help");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Použití: hydrim-cli PŘÍKAZ"), std::string::npos);
    EXPECT_NE(run.out.find("compute PROJEKT.snp [--data ADRESÁŘ] [--json]"), std::string::npos);
    EXPECT_EQ(RunCli("help compute").status, 0);
    const test::CliRun command = RunCli("compute --help");
    EXPECT_EQ(command.status, 0);
    EXPECT_EQ(command.out.rfind("Použití: hydrim-cli compute", 0), 0u);
}

TEST(CliUsage, ErrorsSpeakCzech) {
    const std::pair<const char*, const char*> cases[] = {
        {"compute",
         "compute: chybí soubor projektu (použití: hydrim-cli compute PROJEKT.snp [--data ADRESÁŘ] "
         "[--json])"},
        {"table a.snp b.snp", "table: zadán více než jeden soubor projektu (použití: hydrim-cli table"},
        {"compute a.snp --color", "compute: neznámá volba --color"},
        {"compute a.snp --data", "compute: volba --data potřebuje hodnotu"},
        {"frobnicate", "neznámý příkaz \"frobnicate\" (viz hydrim-cli --help)"},
        {"pdf a.snp", "pdf: chybí výstupní soubor (-o VÝSTUP.pdf)"},
        {"compute no-such-project.snp", "Soubor nelze otevřít \"no-such-project.snp\": soubor nebo adresář "
                                        "neexistuje"},
    };
    for (const auto& [arguments, message] : cases) {
        EXPECT_EQ(RunCli(arguments).err.rfind("hydrim-cli: " + std::string(message), 0), 0u) << arguments;
    }
}

TEST(CliUsage, BadUsageExitsWithTwoAndOneLineOnStderr) {
    for (const std::string arguments : {"", "frobnicate", "help frobnicate", "compute", "compute a.snp b.snp",
                                        "compute a.snp --color", "compute a.snp --data"}) {
        const test::CliRun run = RunCli(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        if (!arguments.empty()) {
            EXPECT_EQ(LineCount(run.err), 1u) << arguments << ": " << run.err;
            EXPECT_EQ(run.err.rfind("hydrim-cli: ", 0), 0u) << run.err;
        }
    }
}

TEST(CliUsage, UnreadableProjectExitsWithOneNamingTheFile) {
    const test::CliRun missing = RunCli("compute no-such-project.snp");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("no-such-project.snp"), std::string::npos);
    EXPECT_EQ(LineCount(missing.err), 1u);
    EXPECT_TRUE(missing.out.empty());

    const test::CliRun wrongType = RunCli("compute " + test::Quote(HYDRIM_SOURCE_DIR "/DATA/par.tab"));
    EXPECT_EQ(wrongType.status, 1);
    EXPECT_NE(wrongType.err.find("Nesprávný typ souboru!!"), std::string::npos);
}

TEST(CliUsage, MissingCoefficientTableExitsWithOneNamingIt) {
    const test::CliRun run =
        RunCli("compute " + Example("variant2-one-slope.snp") + " --data /nonexistent-dir");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("/nonexistent-dir/par.tab"), std::string::npos);
}

// Without --data: DATA below the working directory when there is one, else
// the installed data beside the executable (bin/../share/hydrim/DATA).
TEST(CliUsage, FindsTheInstalledDataWhenTheWorkingDirectoryHasNone) {
    namespace fs = std::filesystem;
    const fs::path prefix = fs::temp_directory_path() / ("hydrim-prefix-" + std::to_string(::getpid()));
    fs::create_directories(prefix / "bin");
    fs::create_directories(prefix / "share/hydrim/DATA");
    fs::create_directories(prefix / "work");
    fs::copy_file(HYDRIM_CLI_PATH, prefix / "bin/hydrim-cli");
    fs::copy_file(fs::path(HYDRIM_SOURCE_DIR) / "DATA/par.tab", prefix / "share/hydrim/DATA/par.tab");
    const std::string cli = (prefix / "bin/hydrim-cli").string(), work = (prefix / "work").string();

    const test::CliRun installed = RunCli("compute " + Example("variant2-one-slope.snp"), work, cli);
    EXPECT_EQ(installed.status, 0) << installed.err;
    fs::create_directory(prefix / "work/DATA");
    const test::CliRun local = RunCli("compute " + Example("variant2-one-slope.snp"), work, cli);
    EXPECT_EQ(local.status, 1);
    EXPECT_NE(local.err.find(work + "/DATA/par.tab"), std::string::npos) << local.err;
    fs::remove_all(prefix);
}

} // namespace
} // namespace hydrim
