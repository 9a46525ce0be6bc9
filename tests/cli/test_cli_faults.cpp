// Faults under the pipeline with the real registry adapter, and the console
// tool on inputs that are not ordinary files or on a disk that fills up.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "../core/pipeline_fakes.h"
#include "cli_support.h"
#include "core/clock.h"
#include "core/merge.h"
#include "platform/registry.h"

namespace qs {
namespace {

using test::FolderNames;
using test::ReadFile;
using test::RunCliWithFileSizeLimit;
using test::RunProgram;
using test::TRunOptions;
using test::TRunResult;
using test::TScopedEnv;
using test::TTempDir;
using test::WriteFile;

const std::string kExtract1098E =
    "FORM 1098-E\r\nKEY 0191000000000010010000\r\n{BEGIN DATA}\r\n"
    "FIRST RECIPIENT\r\n111-22-3333\r\n$1,234.50\r\n"
    "SECOND RECIPIENT\r\n12-3456789\r\n87.00\r\n{END DATA}\r\n";
const std::string kImport1098E =
    "\"FIRST RECIPIENT\",,,,,,,,,,SSN,111223333,,,1234.50,,,,\r\n"
    "\"SECOND RECIPIENT\",,,,,,,,,,EIN,123456789,,,87.00,,,,\r\n";

// The settings store cannot take the value: the import file is complete and
// stays, the error box shows the registry's message (with the full stop
// where its last character asks for one), and no instructions follow.
TEST(RegistryFaults, ImportFileStaysCompleteWhenTheValueCannotBeWritten) {
    struct Case {
        const char* what;
        void (*prepare)(const std::string& config);
        std::string errorBox;
    };
    const Case cases[] = {
        {"settings folder is a file",
         [](const std::string& config) { WriteFile(config + "/QUILLSTONE", "a file"); },
         "Failed to create key Import\\QS2017."},
        {"a folder above the settings folder is a file",
         [](const std::string& config) { WriteFile(config + "/home", "a file"); },
         "Failed to create key Import\\QS2017."},
        {"settings file is a folder",
         [](const std::string& config) {
             std::filesystem::create_directories(config + "/QUILLSTONE/Import.ini");
         },
         "Failed to set data for 'TextDirectory'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TTempDir config;
        c.prepare(config.path());
        // The second case points the settings below the file it made.
        const std::string home = std::string(c.what).find("above") != std::string::npos
                                     ? config / "home/config"
                                     : config.path();
        TScopedEnv env("XDG_CONFIG_HOME", home);
        TTempDir work;
        const std::string extract = work / "extract.txt";
        WriteFile(extract, kExtract1098E);

        test::FakeOps ops;
        ops.arguments = {extract};
        TSettingsRegistry registry;
        FixedClock clock(TDate{2017, 6, 15});
        TDataMerge merge(ops, registry, clock);
        merge.FormShow();

        EXPECT_EQ(ops.events, std::vector<std::string>{"error"});
        EXPECT_EQ(ops.errorText, c.errorBox);
        EXPECT_EQ(ReadFile(work / "2017DM_extract.txt"), kImport1098E);
        EXPECT_EQ(FolderNames(work.path()),
                  (std::set<std::string>{"2017DM_extract.txt", "extract.txt"}));
    }
}

// Names that exist but are no ordinary files: the tool ends and writes
// nothing, whether it refuses them as missing or reads them as a text that
// the NUL byte (of /dev/zero) or the end (of /dev/null) cuts off at once.
TEST(CliFaults, DevicesAsExtractsEndAndWriteNothing) {
    if (!std::filesystem::exists("/dev/zero") || !std::filesystem::exists("/usr/bin/timeout")) {
        GTEST_SKIP() << "no /dev/zero or timeout";
    }
    TTempDir config;
    for (const std::string device : {"/dev/zero", "/dev/null"}) {
        SCOPED_TRACE(device);
        TRunOptions options;
        options.env.emplace_back("XDG_CONFIG_HOME", config.path());
        const TRunResult r =
            RunProgram({"/usr/bin/timeout", "20", QS_CLI_PATH, "convert", device}, options);
        const std::string rejected = "FORM segment not found.\n\nEXTRACT = " + device + ".\n";
        EXPECT_TRUE((r.exitCode == 1 && r.err == rejected) ||
                    (r.exitCode == 2 && r.err.find("Failed to open data extract:") == 0))
            << r.exitCode << " (124: still running after 20 s)\n"
            << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_TRUE(FolderNames(config.path()).empty());
}

// The disk fills up while the first import file of an extract is written:
// no file at all is left behind, and no registry value is written.
TEST(CliFaults, DiskFullBeforeAnyImportFileLeavesNoFile) {
    TTempDir work;
    TTempDir config;
    std::string text = "FORM 1098-E\r\nKEY 0191000000000010010000\r\n{BEGIN DATA}\r\n";
    for (int r = 0; r < 200; ++r)
        text += "RECIPIENT " + std::to_string(r) + "\r\n111-22-3333\r\n1.00\r\n";
    text += "{END DATA}\r\n";
    const std::string extract = work / "extract.txt";
    WriteFile(extract, text);

    const TRunResult r = RunCliWithFileSizeLimit(1, {"convert", extract}, config.path());

    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Stream write error.\n");
    EXPECT_EQ(FolderNames(work.path()), std::set<std::string>{"extract.txt"});
    EXPECT_TRUE(FolderNames(config.path()).empty());
}

}  // namespace
}  // namespace qs
