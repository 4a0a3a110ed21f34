// A project is never lost: saving replaces the old file in one step, a save
// that fails at any point (no room, no access, a directory in the way, the
// process killed) leaves the old file as it was, every stored project reads
// back into the same bytes, and line ends or a byte-order mark of another
// editor do not change what is read.
#include "support/TempDirectory.h"
#include "support/UnprivilegedChild.h"

#include "core/project/ProjectFile.h"
#include "core/project/TextCodec.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace hydrim {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempDirectory;

const fs::path Examples = fs::path(HYDRIM_SOURCE_DIR) / "examples";

std::vector<fs::path> ExampleProjects() {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(Examples)) {
        if (entry.path().extension() == ".snp") {
            files.push_back(entry.path());
        }
    }
    return files;
}

Project Load(const std::string& path) {
    Project project;
    const ProjectReadResult read = ReadProjectFile(path, project);
    EXPECT_TRUE(read.ok()) << path << ": " << read.error.Message;
    return project;
}

std::string Bytes(const Project& project) {
    return JoinCrLf(ProjectFileLines(project));
}

// A project with a description long enough that writing it takes more than
// one block.
Project LargeProject() {
    Project project = Load((Examples / "variant1-two-slopes.snp").string());
    for (int k = 0; k < 2000; ++k) {
        project.Texts.Description.push_back("Řádek popisu číslo " + std::to_string(k));
    }
    return project;
}

// Nothing but the target itself may be left in the directory.
void ExpectOnlyFile(const TempDirectory& dir, const std::string& name) {
    for (const auto& entry : fs::directory_iterator(dir.path())) {
        EXPECT_EQ(entry.path().filename().string(), name) << "left behind: " << entry.path();
    }
}

TEST(AtomicSave, SavingReplacesTheOldFileAndLeavesNoTemporaryFile) {
    TempDirectory dir;
    const std::string target = dir.write("projekt.snp", "stará verze\r\n");
    const Project project = Load((Examples / "variant2-two-slopes.snp").string());
    ASSERT_EQ(WriteProjectFile(target, project).Message, "");
    EXPECT_EQ(ReadBytes(target), Bytes(project));
    ExpectOnlyFile(dir, "projekt.snp");
}

TEST(AtomicSave, ADirectoryInTheWayFailsWithAMessageAndChangesNothing) {
    TempDirectory dir;
    const std::string target = dir.file("projekt.snp");
    fs::create_directory(target);
    const std::string error = WriteProjectFile(target, LargeProject()).Message;
    EXPECT_NE(error, "");
    EXPECT_NE(error.find(target), std::string::npos) << error;
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_TRUE(fs::is_empty(target));
    ExpectOnlyFile(dir, "projekt.snp");
}

TEST(AtomicSave, AFailedTemporaryFileKeepsTheOldFile) {
    TempDirectory dir;
    const std::string old = "SPIKA NP File\r\n0\r\n";
    const std::string target = dir.write("projekt.snp", old);
    // Whatever name the temporary file gets beside the target, a directory
    // of that name makes creating it fail; try the usual suffixes.
    for (const std::string suffix : {".tmp~", ".tmp", "~"}) {
        fs::create_directory(target + suffix);
    }
    EXPECT_NE(WriteProjectFile(target, LargeProject()).Message, "");
    EXPECT_EQ(ReadBytes(target), old);
}

// Checked without root rights: the superuser may write into a read-only
// directory.
TEST(AtomicSave, AReadOnlyDirectoryKeepsTheOldFile) {
    TempDirectory dir;
    const std::string old = "SPIKA NP File\r\n0\r\n";
    const std::string target = dir.write("projekt.snp", old);
    const uid_t user = test::UnprivilegedUser();
    ASSERT_EQ(::chown(dir.path().c_str(), user, user), 0);
    ASSERT_EQ(::chown(target.c_str(), user, user), 0);
    const Project project = LargeProject();
    const int failure = test::RunUnprivileged([&] {
        fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
        const bool refused = !WriteProjectFile(target, project).Message.empty();
        fs::permissions(dir.path(), fs::perms::owner_all);
        return refused ? 0 : 1;
    });
    EXPECT_EQ(failure, 0) << "the save into a read-only directory reported success";
    EXPECT_EQ(ReadBytes(target), old);
    ExpectOnlyFile(dir, "projekt.snp");
}

// A disk that fills up in the middle of the write: the child process may
// write only a few hundred bytes, so the save fails half way.
TEST(AtomicSave, ADiskFullInTheMiddleOfTheWriteKeepsTheOldFile) {
    TempDirectory dir;
    const std::string old = "SPIKA NP File\r\n1\r\nstarý popis\r\n";
    const std::string target = dir.write("projekt.snp", old);
    const Project project = LargeProject();
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit then fails with EFBIG
        const rlimit limit{300, 300};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const std::string error = WriteProjectFile(target, project).Message;
        ::_exit(error.find(target) != std::string::npos ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the failed save was not reported";
    EXPECT_EQ(ReadBytes(target), old);
    ExpectOnlyFile(dir, "projekt.snp");
}

// A process killed at any moment of saving leaves either the old or the new
// project, never a mixture or a truncated file.
TEST(AtomicSave, KillingTheProcessWhileSavingLeavesAWholeProject) {
    TempDirectory dir;
    const Project first = LargeProject();
    Project second = first;
    second.Texts.Description.resize(10);
    const std::string target = dir.file("projekt.snp");
    ASSERT_EQ(WriteProjectFile(target, first).Message, "");
    const std::string firstBytes = Bytes(first), secondBytes = Bytes(second);
    for (int round = 0; round < 20; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int k = 0;; ++k) {
                static_cast<void>(WriteProjectFile(target, k % 2 == 0 ? second : first));
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5 + 7 * round));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string bytes = ReadBytes(target);
        ASSERT_TRUE(bytes == firstBytes || bytes == secondBytes)
            << "round " << round << ": " << bytes.size() << " bytes";
    }
}

TEST(ProjectRoundTrip, EveryExampleReadsAndWritesToTheSameBytes) {
    const auto files = ExampleProjects();
    ASSERT_GE(files.size(), 6u);
    TempDirectory dir;
    for (const fs::path& file : files) {
        const std::string original = ReadBytes(file.string());
        const Project project = Load(file.string());
        const std::string saved = dir.file(file.filename().string());
        ASSERT_EQ(WriteProjectFile(saved, project).Message, "");
        EXPECT_EQ(ReadBytes(saved), original) << file;
    }
}

TEST(ProjectRoundTrip, LineFeedsAloneReadAsCrLf) {
    TempDirectory dir;
    for (const fs::path& file : ExampleProjects()) {
        std::string lf = ReadBytes(file.string());
        std::erase(lf, '\r');
        const Project project = Load(dir.write("lf.snp", lf));
        EXPECT_EQ(Bytes(project), ReadBytes(file.string())) << file;
    }
}

TEST(ProjectRoundTrip, AByteOrderMarkIsSkipped) {
    TempDirectory dir;
    const std::string original = ReadBytes((Examples / "variant1-two-slopes.snp").string());
    const Project marked = Load(dir.write("bom.snp", "\xEF\xBB\xBF" + original));
    EXPECT_EQ(Bytes(marked), original);
}

TEST(ProjectRoundTrip, UnicodeTextBehindAMarkIsDecodedAsUtf8) {
    TempDirectory dir;
    const std::string utf8 = "SPIKA NP File\r\n1\r\nPotok Žďárek – úsek č. 2\r\n";
    const Project project = Load(dir.write("utf8.snp", "\xEF\xBB\xBF" + utf8));
    ASSERT_EQ(project.Texts.Description.size(), 1u);
    EXPECT_EQ(project.Texts.Description[0], "Potok Žďárek – úsek č. 2");
}

// Windows-1250 text behind a stray mark (an editor that added one without
// converting) keeps its Czech characters instead of losing them on saving.
TEST(ProjectRoundTrip, Windows1250TextBehindAMarkKeepsItsCharacters) {
    TempDirectory dir;
    const std::string cp1250 =
        EncodeCp1250("SPIKA NP File\r\n1\r\nStrouha pod Kojetínem, ověření propustku\r\n");
    const Project project = Load(dir.write("stray.snp", "\xEF\xBB\xBF" + cp1250));
    ASSERT_EQ(project.Texts.Description.size(), 1u);
    EXPECT_EQ(project.Texts.Description[0], "Strouha pod Kojetínem, ověření propustku");
}

TEST(ProjectRoundTrip, TheFuzzCorpusReadsBackStably) {
    // Every accepted input of the fuzzer's corpus, once saved, reads back
    // into the same bytes.
    const fs::path corpus = fs::path(HYDRIM_SOURCE_DIR) / "fuzz" / "corpus" / "fuzz_project_file";
    if (!fs::is_directory(corpus)) {
        GTEST_SKIP() << "no fuzz corpus";
    }
    TempDirectory dir;
    int accepted = 0;
    for (const auto& entry : fs::directory_iterator(corpus)) {
        Project project;
        if (!ReadProjectFile(entry.path().string(), project).ok()) {
            continue;
        }
        ++accepted;
        const std::string saved = dir.file("saved.snp");
        ASSERT_EQ(WriteProjectFile(saved, project).Message, "");
        EXPECT_EQ(Bytes(Load(saved)), ReadBytes(saved)) << entry.path();
    }
    EXPECT_GT(accepted, 0);
}

} // namespace
} // namespace hydrim
