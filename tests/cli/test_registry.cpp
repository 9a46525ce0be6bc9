// The registry adapter over the per-user settings file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "cli_support.h"
#include "core/errors.h"
#include "platform/registry.h"

namespace qs {
namespace {

using test::ReadFile;
using test::TScopedEnv;
using test::TTempDir;
using test::WriteFile;

std::string WriteFailure(const std::string& folder) {
    try {
        TSettingsRegistry().WriteTextDirectory(folder);
    } catch (const EMergeError& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(SettingsRegistry, WritesTheValueUnderXdgConfigHomeAndReadsItBack) {
    TTempDir config;
    TScopedEnv env("XDG_CONFIG_HOME", config.path());
    const std::string iniName = config / "QUILLSTONE/Import.ini";
    EXPECT_EQ(TSettingsRegistry::SettingsFileName(), iniName);
    EXPECT_EQ(TSettingsRegistry::ReadTextDirectory(), "");

    TSettingsRegistry().WriteTextDirectory("/home/user/data/");
    EXPECT_EQ(ReadFile(iniName), "[QS2017]\nTextDirectory=/home/user/data/\n");
    EXPECT_EQ(TSettingsRegistry::ReadTextDirectory(), "/home/user/data/");

    // An existing value is overwritten; the empty folder (a bare extract name) is a value too.
    TSettingsRegistry().WriteTextDirectory("");
    EXPECT_EQ(ReadFile(iniName), "[QS2017]\nTextDirectory=\n");
    EXPECT_EQ(TSettingsRegistry::ReadTextDirectory(), "");
}

TEST(SettingsRegistry, FollowsAChangedXdgConfigHome) {
    TTempDir first;
    TTempDir second;
    {
        TScopedEnv env("XDG_CONFIG_HOME", first.path());
        TSettingsRegistry().WriteTextDirectory("/one/");
    }
    {
        TScopedEnv env("XDG_CONFIG_HOME", second.path());
        TSettingsRegistry().WriteTextDirectory("/two/");
        EXPECT_EQ(TSettingsRegistry::ReadTextDirectory(), "/two/");
    }
    TScopedEnv env("XDG_CONFIG_HOME", first.path());
    EXPECT_EQ(TSettingsRegistry::ReadTextDirectory(), "/one/");
}

TEST(SettingsRegistry, KeepsTheOtherKeysOfTheFile) {
    TTempDir config;
    TScopedEnv env("XDG_CONFIG_HOME", config.path());
    std::filesystem::create_directories(config / "QUILLSTONE");
    const std::string iniName = config / "QUILLSTONE/Import.ini";
    WriteFile(iniName,
              "[QS2016]\nTextDirectory=/old/year/\n\n[QS2017]\nOther=kept\n"
              "TextDirectory=/previous/\n");

    TSettingsRegistry().WriteTextDirectory("/new/");

    const std::string ini = ReadFile(iniName).value_or("");
    EXPECT_NE(ini.find("[QS2016]\nTextDirectory=/old/year/\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Other=kept\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("TextDirectory=/new/\n"), std::string::npos) << ini;
    EXPECT_EQ(ini.find("/previous/"), std::string::npos) << ini;
    EXPECT_EQ(TSettingsRegistry::ReadTextDirectory(), "/new/");
}

TEST(SettingsRegistry, EveryByteOfTheFolderRoundTrips) {
    TTempDir config;
    TScopedEnv env("XDG_CONFIG_HOME", config.path());
    const std::string cases[] = {
        "/tmp/with blanks/",
        "/a,b;c=d/\"quoted\"/",
        "@variant/",
        "C:\\Data\\",
        std::string("/caf\xE9/\xFF\x80/"),  // bytes above 127, not UTF-8
        std::string("/tab\there/\x01\x1F\x7F/"),
        "  /leading and trailing blanks/  ",
    };
    for (const std::string& folder : cases) {
        TSettingsRegistry().WriteTextDirectory(folder);
        EXPECT_EQ(TSettingsRegistry::ReadTextDirectory(), folder);
    }
}

TEST(SettingsRegistry, FailsToCreateTheKeyWhenTheSettingsFolderCannotBeMade) {
    TTempDir config;
    // The folder's place is taken by a file.
    WriteFile(config / "QUILLSTONE", "not a folder");
    {
        TScopedEnv env("XDG_CONFIG_HOME", config.path());
        EXPECT_EQ(WriteFailure("/x/"), "Failed to create key Import\\QS2017");
    }
    EXPECT_EQ(ReadFile(config / "QUILLSTONE"), "not a folder");
    // XDG_CONFIG_HOME itself is a file.
    TScopedEnv env("XDG_CONFIG_HOME", config / "QUILLSTONE");
    EXPECT_EQ(WriteFailure("/x/"), "Failed to create key Import\\QS2017");
}

TEST(SettingsRegistry, FailsToSetTheValueWhenTheFileCannotBeWritten) {
    TTempDir config;
    TScopedEnv env("XDG_CONFIG_HOME", config.path());
    std::filesystem::create_directories(config / "QUILLSTONE/Import.ini");
    EXPECT_EQ(WriteFailure("/x/"), "Failed to set data for 'TextDirectory'");
}

TEST(SettingsRegistry, PermissionFailures) {
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    TTempDir config;
    TScopedEnv env("XDG_CONFIG_HOME", config.path());
    std::filesystem::create_directories(config / "QUILLSTONE");

    // The file cannot be created in a folder without write permission.
    chmod((config / "QUILLSTONE").c_str(), 0500);
    EXPECT_EQ(WriteFailure("/x/"), "Failed to create key Import\\QS2017");
    chmod((config / "QUILLSTONE").c_str(), 0700);

    // A file that cannot be read is not written over: its other keys would be lost.
    const std::string iniName = config / "QUILLSTONE/Import.ini";
    WriteFile(iniName, "[Other]\nKey=value\n");
    chmod(iniName.c_str(), 0200);
    EXPECT_EQ(WriteFailure("/x/"), "Failed to set data for 'TextDirectory'");
    chmod(iniName.c_str(), 0600);
    EXPECT_EQ(ReadFile(iniName), "[Other]\nKey=value\n");
}

}  // namespace
}  // namespace qs
