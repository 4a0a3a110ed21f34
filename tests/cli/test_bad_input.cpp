// Bad input on the command line: a directory, a pipe, a missing or huge file
// where a project or the coefficient table is expected, and damaged items.
// Each ends at once with exit status 1 and one line that names the file and
// says in Czech what is wrong: the same text the reader gives the window.
#include "CliRunner.h"
#include "support/TempDirectory.h"
#include "support/UnprivilegedChild.h"

#include "core/project/ProjectFile.h"
#include "core/project/TextCodec.h"
#include "core/reference/ParTableFile.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace hydrim {
namespace {

namespace fs = std::filesystem;
using test::Quote;
using test::RunCli;

const fs::path Source = HYDRIM_SOURCE_DIR;

// A scratch directory with a data directory holding a copy of the shipped par.tab.
class Scratch : public test::TempDirectory {
public:
    std::string dataWithParTable() const {
        fs::create_directories(fs::path(path()) / "DATA");
        fs::copy_file(Source / "DATA" / "par.tab", fs::path(path()) / "DATA" / "par.tab",
                      fs::copy_options::overwrite_existing);
        return file("DATA");
    }
};

std::string Example(const std::string& name) {
    return test::Slurp((Source / "examples" / name).string());
}

std::string ReaderMessage(const std::string& path) {
    Project project;
    return ReadProjectFile(path, project).error.Message;
}

// The run failed with status 1, nothing on stdout and exactly this message.
void ExpectRefused(const test::CliRun& run, const std::string& message) {
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.empty()) << run.out;
    EXPECT_EQ(run.err, "hydrim-cli: " + message + "\n");
}

TEST(CliBadInput, ADirectoryGivenAsTheProject) {
    Scratch scratch;
    const std::string dir = scratch.file("projekt.snp");
    fs::create_directory(dir);
    const std::string message = ReaderMessage(dir);
    EXPECT_NE(message.find("adresář"), std::string::npos) << message;
    EXPECT_NE(message.find(dir), std::string::npos) << message;
    ExpectRefused(RunCli("compute " + Quote(dir)), message);
}

TEST(CliBadInput, AMissingOrDanglingProjectFile) {
    Scratch scratch;
    const std::string link = scratch.file("odkaz.snp");
    fs::create_symlink(scratch.file("smazany.snp"), link);
    const std::string message = ReaderMessage(link);
    EXPECT_NE(message.find("nelze otevřít"), std::string::npos) << message;
    EXPECT_NE(message.find(link), std::string::npos) << message;
    ExpectRefused(RunCli("compute " + Quote(link)), message);
}

// Checked without root rights (the superuser reads any file), with a copy
// of hydrim-cli that such a user may run wherever the build tree lies.
TEST(CliBadInput, AnUnreadableProjectFile) {
    Scratch scratch;
    fs::permissions(scratch.file(""), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                          fs::perms::others_read | fs::perms::others_exec);
    const std::string file = scratch.write("zamceny.snp", Example("variant2-one-slope.snp"));
    fs::permissions(file, fs::perms::none);
    const std::string cli = scratch.file("hydrim-cli");
    fs::copy_file(HYDRIM_CLI_PATH, cli);
    const int failure = test::RunUnprivileged([&] {
        const std::string message = ReaderMessage(file);
        if (message.find(file) == std::string::npos) {
            return 1;
        }
        const test::CliRun run = RunCli("compute " + Quote(file), scratch.file(""), cli);
        return run.status == 1 && run.out.empty() && run.err == "hydrim-cli: " + message + "\n" ? 0 : 2;
    });
    EXPECT_EQ(failure, 0) << "1: the reader's message does not name the file; 2: the CLI did not refuse it";
}

// A file of gigabytes (sparse, so it costs no disk) is refused after a
// bounded read, not read into memory.
TEST(CliBadInput, AProjectFileOfGigabytes) {
    Scratch scratch;
    const std::string file = scratch.write("obri.snp", "SPIKA NP File\r\n");
    fs::resize_file(file, 4ull << 30);
    const std::string message = ReaderMessage(file);
    EXPECT_NE(message.find("příliš velký"), std::string::npos) << message;
    ExpectRefused(RunCli("compute " + Quote(file)), message);
}

// A named pipe blocks whoever opens it until a writer comes. Should the
// program (or the reader called here) open it, a helper writer unblocks it
// after a while, so the test fails instead of hanging.
TEST(CliBadInput, ANamedPipeGivenAsTheProject) {
    Scratch scratch;
    const std::string pipe = scratch.file("roura.snp");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::atomic<bool> finished = false;
    std::thread unblock([&] {
        const auto patience = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!finished) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            // Opening for writing without blocking succeeds only while a
            // reader waits on the pipe; closing it again ends that read.
            const int fd = std::chrono::steady_clock::now() > patience
                               ? ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK)
                               : -1;
            if (fd >= 0) {
                ::close(fd);
            }
        }
    });
    const test::CliRun run = RunCli("compute " + Quote(pipe));
    const std::string message = ReaderMessage(pipe);
    finished = true;
    unblock.join();
    EXPECT_NE(message.find(pipe), std::string::npos) << message;
    ExpectRefused(run, message);
}

TEST(CliBadInput, ADamagedItemNamesTheFileAndTheLine) {
    Scratch scratch;
    // Line 4 after a one-line description is the catchment type.
    const std::string file = scratch.write("poskozeny.snp", "SPIKA NP File\r\n1\r\npopis\r\ndva\r\n");
    const std::string message = ReaderMessage(file);
    EXPECT_NE(message.find(file), std::string::npos) << message;
    EXPECT_NE(message.find("na řádku 4"), std::string::npos) << message;
    ExpectRefused(RunCli("compute " + Quote(file)), message);

    const std::string outOfRange = scratch.write("mimo.snp", "SPIKA NP File\r\n0\r\n7\r\n");
    const std::string rangeMessage = ReaderMessage(outOfRange);
    EXPECT_NE(rangeMessage.find("mimo rozsah"), std::string::npos) << rangeMessage;
    ExpectRefused(RunCli("compute " + Quote(outOfRange)), rangeMessage);
}

// The coefficient table: a directory, a truncated file and a huge file in
// its place each stop the computation with the table's own message.
TEST(CliBadInput, ADamagedCoefficientTable) {
    Scratch scratch;
    const std::string data = scratch.dataWithParTable();
    const std::string project = Quote((Source / "examples" / "variant1-one-slope.snp").string());
    const std::string parTable = JoinPath(data, ParTableFileName);
    const auto expectTableRefused = [&](const std::string& what) {
        ParTable table;
        const std::string message = ReadParTable(parTable, table).Message;
        EXPECT_NE(message.find(parTable), std::string::npos) << what << ": " << message;
        ExpectRefused(RunCli("compute " + project + " --data " + Quote(data)), message);
    };

    const std::string full = test::Slurp(parTable);
    size_t cut = 0;
    for (int line = 0; line < 40; ++line) {
        cut = full.find('\n', cut) + 1;
    }
    scratch.write("DATA/par.tab", full.substr(0, cut));
    expectTableRefused("truncated");

    fs::resize_file(parTable, 2ull << 30);
    expectTableRefused("huge");

    fs::remove(parTable);
    fs::create_directory(parTable);
    expectTableRefused("directory");
}

} // namespace
} // namespace hydrim
