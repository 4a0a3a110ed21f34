// hydrim-cli export, pdf and report, run as a script would run them: exit codes,
// the files they write (checked with unzip, pdfinfo and pdftotext) and no
// file at all when they fail.
#include "CliRunner.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <utility>

namespace hydrim {
namespace {

using test::Example;
using test::Quote;
using test::RunCli;

using Scratch = test::TempDirectory;

std::string Capture(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r")) {
        char buffer[4096];
        size_t read = 0;
        while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            text.append(buffer, read);
        }
        pclose(pipe);
    }
    return text;
}

// The text of one PDF page, with the typographic ligatures a font may use
// (U+FB00 "ff" .. U+FB06 "st") folded back into their letters.
std::string PdfPageText(const std::string& pdf, int page) {
    static const std::pair<const char*, const char*> ligatures[] = {
        {"\uFB00", "ff"},  {"\uFB01", "fi"}, {"\uFB02", "fl"}, {"\uFB03", "ffi"},
        {"\uFB04", "ffl"}, {"\uFB05", "st"}, {"\uFB06", "st"}};
    const std::string n = std::to_string(page);
    std::string text = Capture("pdftotext -f " + n + " -l " + n + " " + Quote(pdf) + " -");
    for (const auto& [ligature, letters] : ligatures) {
        for (size_t at = text.find(ligature); at != std::string::npos; at = text.find(ligature, at)) {
            text.replace(at, std::string(ligature).size(), letters);
        }
    }
    return text;
}

// The page count pdfinfo reads, or -1.
int PdfPageCount(const std::string& pdf) {
    const std::string info = Capture("pdfinfo " + Quote(pdf));
    std::smatch match;
    return std::regex_search(info, match, std::regex("Pages:\\s+(\\d+)")) ? std::stoi(match[1]) : -1;
}

bool Usable(const char* tool) {
    return std::system((std::string("command -v ") + tool + " >/dev/null").c_str()) == 0;
}

// What a PDF test lacks here: the poppler tools or hydrim-pdf (a build without Qt).
std::string MissingForPdf() {
    if (!Usable("pdfinfo") || !Usable("pdftotext")) {
        return "poppler-utils missing";
    }
    if (!std::filesystem::exists(std::filesystem::path(HYDRIM_CLI_PATH).parent_path() / "hydrim-pdf")) {
        return "built without Qt: no PDF writer";
    }
    return {};
}

TEST(CliExport, WritesTheResultTablesAndTheTimeSeries) {
    Scratch dir;
    const std::string tables = dir.file("tabulka.xlsx");
    const test::CliRun run = RunCli("export " + Example("variant1-two-slopes.snp") + " -o " + Quote(tables));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::string workbook = Capture("unzip -p " + Quote(tables) + " xl/workbook.xml");
    EXPECT_NE(workbook.find("<sheet name=\"Vstup\""), std::string::npos);
    EXPECT_NE(workbook.find("<sheet name=\"Výstup Povodí\""), std::string::npos);

    const std::string series = dir.file("rady.xlsx");
    ASSERT_EQ(
        RunCli("export " + Example("variant2-two-slopes.snp") + " --timeseries -o " + Quote(series)).status,
        0);
    const std::string listing = Capture("unzip -p " + Quote(series) + " xl/workbook.xml");
    EXPECT_NE(listing.find("<sheet name=\"Časové řady\""), std::string::npos);
    EXPECT_NE(listing.find("<sheet name=\"Graf\""), std::string::npos);
    // The rain hangs from a reversed axis; the pages name the project.
    EXPECT_NE(Capture("unzip -p " + Quote(series) + " xl/charts/chart1.xml")
                  .find("<c:orientation val=\"maxMin\"/>"),
              std::string::npos);
    EXPECT_NE(Capture("unzip -p " + Quote(series) + " xl/chartsheets/sheet1.xml")
                  .find("<oddHeader>&amp;Lvariant2-two-slopes.snp&amp;R&amp;A</oddHeader>"),
              std::string::npos);

    const std::string daily = dir.file("denni.xlsx");
    ASSERT_EQ(
        RunCli("export " + Example("variant1-one-slope.snp") + " --timeseries --daily -o " + Quote(daily))
            .status,
        0);
    EXPECT_EQ(Capture("unzip -p " + Quote(daily) + " xl/charts/chart1.xml").find("<c:areaChart>"),
              std::string::npos);
}

TEST(CliExport, UsageProblemsAndFailuresWriteNothing) {
    Scratch dir;
    const std::string out = dir.file("x.xlsx");
    EXPECT_EQ(RunCli("export " + Example("variant1-one-slope.snp")).status, 2);
    EXPECT_EQ(RunCli("export -o " + Quote(out)).status, 2);
    EXPECT_EQ(RunCli("export " + Example("variant1-one-slope.snp") + " --daily -o " + Quote(out)).status, 2);
    EXPECT_EQ(RunCli("export " + Example("variant1-one-slope.snp") + " --bogus -o " + Quote(out)).status, 2);

    const test::CliRun missing =
        RunCli("export " + Example("variant1-one-slope.snp") + " -o " + Quote(dir.file("chybi/x.xlsx")));
    EXPECT_EQ(missing.status, 1);
    // One line, in Czech: the workbook library never gets to say it in its own words.
    EXPECT_EQ(missing.err,
              "hydrim-cli: Sešit „" + dir.file("chybi/x.xlsx") +
                  "“ se nepodařilo zapsat: soubor nelze vytvořit: soubor nebo adresář neexistuje\n");
    EXPECT_TRUE(dir.empty());
}

TEST(CliPdf, WritesOnePagePerTableAndChart) {
    if (const std::string missing = MissingForPdf(); !missing.empty()) {
        GTEST_SKIP() << missing;
    }
    Scratch dir;
    const std::string pdf = dir.file("projekt.pdf");
    const test::CliRun run = RunCli("pdf " + Example("variant1-two-slopes.snp") + " -o " + Quote(pdf));
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string info = Capture("pdfinfo " + Quote(pdf));
    std::smatch pages;
    ASSERT_TRUE(std::regex_search(info, pages, std::regex("Pages:\\s+(\\d+)")));
    EXPECT_EQ(pages[1], "13"); // eight table tabs and five return periods
    const std::string first = PdfPageText(pdf, 1);
    EXPECT_NE(first.find("Identifikační údaje"), std::string::npos);
    EXPECT_NE(first.find("Hydrim - SPIKA"), std::string::npos);
    EXPECT_NE(first.find("Bezejmenný přítok Jihlavy u Třešti"), std::string::npos); // the description
    const std::string chart = PdfPageText(pdf, 9);
    EXPECT_NE(chart.find("N = 5 let"), std::string::npos);
    EXPECT_NE(chart.find("Čas [hod:min]"), std::string::npos);

    const std::string v3 = dir.file("v3.pdf");
    ASSERT_EQ(RunCli("pdf " + Example("variant3-one-slope.snp") + " -o " + Quote(v3)).status, 0);
    EXPECT_NE(Capture("pdfinfo " + Quote(v3)).find("Pages:           2"), std::string::npos);

    EXPECT_EQ(RunCli("pdf " + Example("variant3-one-slope.snp")).status, 2);
}

TEST(CliPdf, WithoutItsWriterSaysSoAndWritesNothing) {
    // A copy of hydrim-cli in a directory of its own has no hydrim-pdf beside it.
    Scratch dir;
    const std::filesystem::path lone = dir.file("hydrim-cli");
    std::filesystem::copy_file(HYDRIM_CLI_PATH, lone);
    const std::string pdf = dir.file("projekt.pdf");
    const int raw =
        std::system((Quote(lone.string()) + " pdf " + Example("variant1-one-slope.snp") + " --data " +
                     Quote(std::string(HYDRIM_SOURCE_DIR) + "/DATA") + " -o " + Quote(pdf) + " 2>/dev/null")
                        .c_str());
    EXPECT_EQ(WEXITSTATUS(raw), 1);
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST(CliReport, WritesTheDesignReportWithNumberedPages) {
    if (const std::string missing = MissingForPdf(); !missing.empty()) {
        GTEST_SKIP() << missing;
    }
    Scratch dir;
    const std::string pdf = dir.file("protokol.pdf");
    const test::CliRun run = RunCli("report " + Example("variant3-two-slopes.snp") + " -o " + Quote(pdf));
    ASSERT_EQ(run.status, 0) << run.err;
    const int pages = PdfPageCount(pdf);
    EXPECT_GE(pages, 3); // inputs, table and chart, method
    for (int k = 1; k <= pages; ++k) {
        const std::string text = PdfPageText(pdf, k);
        EXPECT_NE(text.find("strana " + std::to_string(k) + " z " + std::to_string(pages)),
                  std::string::npos);
        EXPECT_NE(text.find("variant3-two-slopes.snp"), std::string::npos) << k;
    }
    const std::string first = PdfPageText(pdf, 1);
    EXPECT_NE(first.find("Protokol výpočtu"), std::string::npos);
    EXPECT_NE(first.find("Varianta III"), std::string::npos);
    EXPECT_NE(first.find("Pravý svah"), std::string::npos);

    EXPECT_EQ(RunCli("report " + Example("variant3-one-slope.snp")).status, 2);
}

// A project without runoff is an answer: every document of it shows the
// inputs and the no-runoff message with its cause, and the command succeeds.
TEST(CliDocuments, NoRunoffProjectsAreDocumented) {
    if (const std::string missing = MissingForPdf(); !missing.empty()) {
        GTEST_SKIP() << missing;
    }
    Scratch dir;
    for (const char* command : {"pdf", "report"}) {
        const std::string pdf = dir.file(std::string(command) + ".pdf");
        const test::CliRun run =
            RunCli(std::string(command) + " " + Example("no-runoff.snp") + " -o " + Quote(pdf));
        ASSERT_EQ(run.status, 0) << command << run.err;
        EXPECT_NE(run.out.find("nedojde k odtoku"), std::string::npos) << command;
        const std::string text = PdfPageText(pdf, 1);
        for (const char* shown : {"nedojde k odtoku", "Příčina: návrhový déšť skončí dříve",
                                  "Intenzita deště", "Délka údolnice", "strana 1 z"}) {
            EXPECT_NE(text.find(shown), std::string::npos) << command << ": " << shown << "\n" << text;
        }
    }
    const std::string workbook = dir.file("none.xlsx");
    ASSERT_EQ(RunCli("export " + Example("no-runoff.snp") + " -o " + Quote(workbook)).status, 0);
    EXPECT_NE(Capture("unzip -p " + Quote(workbook) + " xl/workbook.xml").find("<sheet name=\"Vstup\""),
              std::string::npos);
    const std::string strings = Capture("unzip -p " + Quote(workbook) + " xl/sharedStrings.xml");
    EXPECT_NE(strings.find("nedojde k odtoku"), std::string::npos);
    EXPECT_NE(strings.find("Příčina:"), std::string::npos);
    EXPECT_NE(strings.find("Intenzita deště"), std::string::npos);
}

// The PDF writer writes the tables and every other number with the
// separator of the user's locale (Qt's own locale data: no locale needs to
// be installed).
TEST(CliDocuments, NumbersFollowTheLocalesSeparator) {
    if (const std::string missing = MissingForPdf(); !missing.empty()) {
        GTEST_SKIP() << missing;
    }
    Scratch dir;
    const char* saved = std::getenv("LC_ALL");
    const std::string kept = saved ? saved : "";
    for (const auto& [locale, peak] : {std::pair{"cs_CZ.UTF-8", "0,577"}, std::pair{"C", "0.577"}}) {
        setenv("LC_ALL", locale, 1);
        const std::string pdf = dir.file(std::string(locale) + ".pdf");
        ASSERT_EQ(RunCli("pdf " + Example("variant2-one-slope.snp") + " -o " + Quote(pdf)).status, 0);
        EXPECT_NE(PdfPageText(pdf, 1).find(peak), std::string::npos) << locale;
    }
    if (saved) {
        setenv("LC_ALL", kept.c_str(), 1);
    } else {
        unsetenv("LC_ALL");
    }
}

} // namespace
} // namespace hydrim
