#include "support/TempDirectory.h"

#include "core/project/Startup.h"
#include "core/project/TextCodec.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace hydrim {
namespace {

namespace fs = std::filesystem;
using test::TempDirectory;

TEST(StartupChecks, RefusesDriveAndFileSystemRoots) {
    for (const std::string root : {"D:\\", "C:", "/", ""}) {
        AppState state;
        const Error error = StartupChecks(state, root);
        EXPECT_TRUE(error) << root;
        EXPECT_EQ(error.Message, "Tento program nelze spouštět z kořenového adresáře. " + root);
    }
    EXPECT_FALSE(IsRootDirectory("D:\\A"));
    EXPECT_FALSE(IsRootDirectory("/ab"));
}

TEST(StartupChecks, CreatesProjectAndDataDirectoriesInAnEmptyDirectory) {
    TempDirectory dir;
    AppState state;
    ASSERT_FALSE(StartupChecks(state, dir.path()));
    EXPECT_TRUE(fs::is_directory(dir.file("PROJEKTY")));
    EXPECT_TRUE(fs::is_directory(dir.file("DATA")));
    EXPECT_EQ(state.BaseDir, dir.path());
    EXPECT_EQ(state.ProjectDir, JoinPath(dir.path(), "PROJEKTY"));
}

TEST(StartupChecks, AFileNamedLikeTheDirectoryCountsAsPresent) {
    TempDirectory dir;
    dir.write("PROJEKTY", "not a directory");
    AppState state;
    ASSERT_FALSE(StartupChecks(state, dir.path()));
    EXPECT_TRUE(fs::is_regular_file(dir.file("PROJEKTY")));
}

TEST(StartupChecks, ProjectDirectoryIsTheWholeFirstLineOfTheAddressFile) {
    TempDirectory dir;
    fs::create_directory(dir.file("DATA"));
    dir.write("DATA/ADRES.CFG", EncodeCp1250("  /home/inženýr/Projekty \r\nignored\r\n"));
    AppState state;
    ASSERT_FALSE(StartupChecks(state, dir.path()));
    EXPECT_EQ(state.ProjectDir, "  /home/inženýr/Projekty ");
}

TEST(StartupChecks, AnEmptyFirstLineGivesAnEmptyProjectDirectory) {
    TempDirectory dir;
    fs::create_directory(dir.file("DATA"));
    dir.write("DATA/ADRES.CFG", "\r\nsecond\r\n");
    AppState state;
    ASSERT_FALSE(StartupChecks(state, dir.path()));
    EXPECT_EQ(state.ProjectDir, "");
}

TEST(StartupChecks, AddressFileIsIgnoredWhenTheDataDirectoryWasJustCreated) {
    TempDirectory dir;
    AppState state;
    ASSERT_FALSE(StartupChecks(state, dir.path()));
    EXPECT_FALSE(fs::exists(dir.file("DATA/ADRES.CFG")));
    EXPECT_EQ(state.ProjectDir, JoinPath(dir.path(), "PROJEKTY"));
}

TEST(StartupChecks, ReportsADirectoryThatCannotBeCreated) {
    AppState state;
    const Error error = StartupChecks(state, "/nonexistent-hydrim-parent/work");
    EXPECT_TRUE(error);
    EXPECT_NE(error.Message.find("PROJEKTY"), std::string::npos);
}

TEST(AddressConfig, WrittenAtExitAndReadAtTheNextStart) {
    TempDirectory dir;
    AppState first;
    ASSERT_FALSE(StartupChecks(first, dir.path()));
    first.ProjectDir = "/data/Povodí Úhlavy";
    ASSERT_EQ(WriteAddressConfig(first).Message, "");
    EXPECT_EQ(test::ReadBytes(dir.file("DATA/ADRES.CFG")), EncodeCp1250("/data/Povodí Úhlavy") + "\r\n");
    AppState second;
    ASSERT_FALSE(StartupChecks(second, dir.path()));
    EXPECT_EQ(second.ProjectDir, "/data/Povodí Úhlavy");
}

TEST(DecimalSeparator, PointAndCommaAreAcceptedAnythingElseIsRefused) {
    EXPECT_TRUE(CheckDecimalSeparator(".").ok);
    const DecimalSeparatorCheck comma = CheckDecimalSeparator(",");
    EXPECT_TRUE(comma.ok);
    EXPECT_EQ(comma.separator, ',');
    EXPECT_TRUE(CheckDecimalSeparator(",x").ok); // only the first character counts
    for (const char* setting : {"", "'", "\xD9\xAB", " "}) {
        const DecimalSeparatorCheck refused = CheckDecimalSeparator(setting);
        EXPECT_FALSE(refused.ok) << setting;
        EXPECT_EQ(refused.message, "Nastav si správný oddělovač desetinných čísel!");
    }
}

TEST(DecimalSeparator, CLocaleUsesAPointAndAnUnknownLocaleFallsBackToIt) {
    EXPECT_EQ(LocaleDecimalSeparatorSetting("C"), ".");
    EXPECT_EQ(LocaleDecimalSeparatorSetting("xx_NOWHERE.UTF-8"), ".");
}

TEST(DecimalSeparator, EnvironmentOrderIsLcAllThenLcNumericThenLang) {
    const auto keep = [](const char* name) {
        const char* value = std::getenv(name);
        return std::pair<std::string, bool>(value ? value : "", value != nullptr);
    };
    const auto all = keep("LC_ALL"), numeric = keep("LC_NUMERIC"), lang = keep("LANG");
    setenv("LC_ALL", "", 1);
    setenv("LC_NUMERIC", "de_DE.UTF-8", 1);
    setenv("LANG", "cs_CZ.UTF-8", 1);
    EXPECT_EQ(NumericLocaleNameFromEnvironment(), "de_DE.UTF-8");
    setenv("LC_ALL", "C", 1);
    EXPECT_EQ(NumericLocaleNameFromEnvironment(), "C");
    for (const auto& [name, saved] : {std::pair{"LC_ALL", all}, {"LC_NUMERIC", numeric}, {"LANG", lang}}) {
        if (saved.second) {
            setenv(name, saved.first.c_str(), 1);
        } else {
            unsetenv(name);
        }
    }
}

} // namespace
} // namespace hydrim
