#include "CliRunner.h"

#include <gtest/gtest.h>

#include <algorithm>

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
    EXPECT_NE(run.out.find("compute PROJECT.snp [--data DIR] [--json]"), std::string::npos);
    EXPECT_EQ(RunCli("help compute").status, 0);
    const test::CliRun command = RunCli("compute --help");
    EXPECT_EQ(command.status, 0);
    EXPECT_EQ(command.out.rfind("Usage: hydrim-cli compute", 0), 0u);
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
    // Without --data the table is looked for in DATA below the working directory.
    const test::CliRun elsewhere = RunCli("compute " + Example("variant2-one-slope.snp"), "/");
    EXPECT_EQ(elsewhere.status, 1);
    EXPECT_NE(elsewhere.err.find("/DATA/par.tab"), std::string::npos);
}

} // namespace
} // namespace hydrim
