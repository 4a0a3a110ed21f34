// hydrim-cli batch run as a script runs it: the summary of the example
// table, the same numbers as `compute --json`, exit codes 0 / 2 / 3 / 130,
// no output overwritten without --force, the conversions between tables and
// project files, and a run stopped by Ctrl+C.
#include "CliRunner.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <csignal>
#include <filesystem>
#include <regex>
#include <sstream>
#include <unistd.h>

namespace hydrim {
namespace {

using test::Example;
using test::Quote;
using test::RunCli;
using test::Slurp;
using Scratch = test::TempDirectory;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The field of a summary line: ';'-separated, a message quoted ("" inside).
std::string Field(const std::string& line, size_t index) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (const char c : line) {
        if (c == '"') {
            quoted = !quoted;
        } else if (c == ';' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return index < fields.size() ? fields[index] : std::string();
}

TEST(CliBatch, SummarisesTheExampleTableInInputOrderWhateverTheJobs) {
    Scratch dir;
    const test::CliRun one = RunCli("batch " + Example("catchments.csv") + " -o " + Quote(dir.file("a.csv")) +
                                    " --jobs 1 --data DATA");
    const test::CliRun two = RunCli("batch " + Example("catchments.csv") + " -o " + Quote(dir.file("b.csv")) +
                                    " --jobs 2 --data DATA");
    // One row is invalid: the rest is computed, the status says some failed.
    EXPECT_EQ(one.status, 3);
    EXPECT_EQ(two.status, 3);
    EXPECT_NE(one.err.find("catchments.csv:23"), std::string::npos) << one.err;
    EXPECT_NE(one.err.find("Číslo CN křivky"), std::string::npos) << one.err;
    const std::string summary = Slurp(dir.file("a.csv"));
    EXPECT_EQ(summary, Slurp(dir.file("b.csv")));
    const std::vector<std::string> lines = Lines(summary);
    // Nine Variant I catchments with five return periods, thirteen others.
    ASSERT_EQ(lines.size(), 1u + 9 * 5 + 13);
    EXPECT_EQ(Field(lines[1], 0), "K01");
    EXPECT_EQ(Field(lines[1], 4), "5");
    EXPECT_EQ(Field(lines[46], 0), "K10");
    std::map<std::string, int> statuses;
    for (size_t i = 1; i < lines.size(); ++i) {
        ++statuses[Field(lines[i], 5)];
    }
    EXPECT_EQ(statuses["chyba"], 1);
    EXPECT_EQ(statuses["bez odtoku"], 1);
    EXPECT_EQ(statuses["v pořádku"] + statuses["upozornění"], 56);
    EXPECT_EQ(Field(lines.back(), 0), "K22");
    // The table's convention: ';' and decimal commas.
    EXPECT_NE(Field(lines[1], 16).find(','), std::string::npos);
}

TEST(CliBatch, JsonHoldsTheDocumentOfComputeForEveryProject) {
    Scratch dir;
    const test::CliRun run = RunCli("batch examples " + Example("missing.snp") + " -o " +
                                    Quote(dir.file("s.json")) + " --data DATA");
    EXPECT_EQ(run.status, 3) << run.err;
    const nlohmann::json summary = nlohmann::json::parse(Slurp(dir.file("s.json")));
    ASSERT_EQ(summary.size(), 8u);
    for (size_t i = 0; i + 1 < summary.size(); ++i) {
        const nlohmann::json& catchment = summary[i];
        const std::string source = catchment["source"];
        nlohmann::json single =
            nlohmann::json::parse(RunCli("compute " + Quote(source) + " --json --data DATA").out);
        for (const auto& [key, value] : single.items()) {
            EXPECT_EQ(catchment[key], value) << source << " " << key;
        }
        EXPECT_TRUE(catchment.contains("warnings"));
        EXPECT_FALSE(catchment.contains("error"));
    }
    EXPECT_EQ(summary.back()["id"], "missing");
    EXPECT_TRUE(summary.back().contains("error"));
}

TEST(CliBatch, RefusesMisuseAndOverwritesOnlyWithForce) {
    Scratch dir;
    const std::string out = dir.write("s.csv", "kept");
    const std::string project = Example("variant2-one-slope.snp");
    EXPECT_EQ(RunCli("batch " + project).status, 2);
    EXPECT_EQ(RunCli("batch -o " + Quote(dir.file("x.csv"))).status, 2);
    EXPECT_EQ(RunCli("batch " + project + " -o " + Quote(dir.file("x.txt")) + " --format ods").status, 2);
    EXPECT_EQ(RunCli("batch " + project + " -o " + Quote(dir.file("x.csv")) + " --jobs many").status, 2);
    EXPECT_EQ(RunCli("batch " + project + " -o " + Quote(out) + " --data DATA").status, 2);
    EXPECT_EQ(Slurp(out), "kept");
    // A summary that cannot be written: exit status 1.
    EXPECT_EQ(
        RunCli("batch " + project + " -o " + Quote(dir.file("no/such/folder.csv")) + " --data DATA").status,
        1);
    const test::CliRun forced = RunCli("batch " + project + " -o " + Quote(out) + " --force --data DATA");
    EXPECT_EQ(forced.status, 0) << forced.err;
    EXPECT_EQ(Lines(Slurp(out)).size(), 2u);
    // Nothing but the summary is left in the folder: the temporary file was renamed.
    EXPECT_EQ(dir.entryCount(), 1u);
}

TEST(CliBatch, ReadsAHandMadeTableAndReportsItsBadRowsByLineAndColumn) {
    Scratch dir;
    // Windows-1250, ',' separated with decimal points, quoted fields, a bad
    // number, a bad variant and a table with an unknown column beside it.
    const std::string table = dir.write(
        "ruční.csv", "ID,Nazev,typ,varianta,delka_udolnice,sklon_udolnice,plocha_L,sklon_L,drsnost_L,CN_L,"
                     "typ_CN_L,doba_L,intenzita_L\r\n"
                     "A,\"Pole, \xE8\xE1st 1\",1,III,0.9,4,0.6,12,6,85,2,30,1.2\r\n"
                     "B,Louka,1,III,0.9,4,0.6,12,6,85,2,30,1.2.5\r\n"
                     "C,Les,1,IV,0.9,4,0.6,12,6,85,2,30,1.2\r\n");
    const std::string wrong = dir.write("wrong.csv", "id;plocha;CN_L\r\nX;1;80\r\n");
    const test::CliRun run = RunCli("batch " + Quote(table) + " " + Quote(wrong) + " -o " +
                                    Quote(dir.file("s.csv")) + " --data DATA");
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find("řádek 3, sloupec intenzita_L: \"1.2.5\" není číslo."), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("řádek 4, sloupec varianta"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("neznámý sloupec \"plocha\""), std::string::npos) << run.err;
    const std::vector<std::string> lines = Lines(Slurp(dir.file("s.csv")));
    ASSERT_EQ(lines.size(), 5u);
    // A ','-separated table gets a ','-separated summary with decimal points.
    EXPECT_TRUE(lines[1].starts_with("A,\"Pole, část 1\",")) << lines[1];
    EXPECT_NE(lines[1].find(",III,,v pořádku,"), std::string::npos);
}

TEST(CliBatch, TemplateTableAndProjectFilesConvertBothWaysWithTheSameResults) {
    Scratch dir;
    const test::CliRun templ = RunCli("batch --template");
    ASSERT_EQ(templ.status, 0);
    const std::string table = dir.write("template.csv", templ.out);
    std::filesystem::create_directory(dir.file("projects"));
    ASSERT_EQ(RunCli("batch --to-projects " + Quote(dir.file("projects")) + " " + Quote(table)).status, 0);
    EXPECT_EQ(RunCli("batch --to-projects " + Quote(dir.file("projects")) + " " + Quote(table)).status, 3);
    const test::CliRun back = RunCli("batch --to-table " + Quote(dir.file("projects")));
    ASSERT_EQ(back.status, 0) << back.err;
    EXPECT_EQ(back.out, templ.out);
    const auto summary = [&](const std::string& input, const std::string& name) {
        EXPECT_EQ(RunCli("batch " + Quote(input) + " -o " + Quote(dir.file(name)) + " --data DATA").status,
                  0);
        std::string results;
        const std::vector<std::string> lines = Lines(Slurp(dir.file(name)));
        for (const std::string& line : std::vector<std::string>(lines.begin() + 1, lines.end())) {
            std::smatch status;
            EXPECT_TRUE(std::regex_search(line, status, std::regex(";(v pořádku|upozornění);"))) << line;
            results += Field(line, 0) + line.substr(static_cast<size_t>(status.position(0))) + "\n";
        }
        return results;
    };
    const std::string fromTable = summary(table, "a.csv");
    EXPECT_EQ(fromTable, summary(dir.file("projects"), "b.csv"));
}

TEST(CliBatch, CtrlCLeavesAPartialSummary) {
    Scratch dir;
    // A table long enough to be running when the signal comes.
    const std::string row = Lines(Slurp(HYDRIM_SOURCE_DIR "/examples/catchments.csv"))[7];
    std::string text = Lines(Slurp(HYDRIM_SOURCE_DIR "/examples/catchments.csv"))[0] + "\n";
    for (int i = 0; i < 50000; ++i) {
        text += row + "\n";
    }
    const std::string table = dir.write("long.csv", text);
    const std::string out = dir.file("s.csv");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        execl(HYDRIM_CLI_PATH, "hydrim-cli", "batch", table.c_str(), "-o", out.c_str(), "--jobs", "1",
              "--data", HYDRIM_SOURCE_DIR "/DATA", static_cast<char*>(nullptr));
        _exit(127);
    }
    // Stop once rows have reached the temporary file of the summary.
    const std::string temporary = out + ".~" + std::to_string(child) + ".tmp";
    int status = 0;
    std::error_code ignored;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::filesystem::file_size(temporary, ignored) > 65536 && ignored.value() == 0) {
            kill(child, SIGINT);
            waitpid(child, &status, 0);
            break;
        }
        std::this_thread::yield();
    }
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 130);
    const std::vector<std::string> lines = Lines(Slurp(out));
    ASSERT_GT(lines.size(), 50u);
    EXPECT_LT(lines.size(), 250002u);
    EXPECT_EQ(Field(lines.back(), 5), "přerušeno");
    EXPECT_NE(lines.back().find("přerušen"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(temporary));
}

} // namespace
} // namespace hydrim
