#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/errors.h"
#include "core/importfile.h"
#include "pipeline_fakes.h"

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif

namespace qs {
namespace {

using test::ReadBytes;
using test::ScratchDir;
using test::WriteBytes;

TEST(SplitFileName, BothSeparatorSets) {
    struct Case {
        std::string fileName;
        std::string_view separators;
        std::string folder;
        std::string name;
    };
    const Case cases[] = {
        {"C:\\Data\\extract.txt", kWindowsSeparators, "C:\\Data\\", "extract.txt"},
        {"D:extract.txt", kWindowsSeparators, "D:", "extract.txt"},
        {"extract.txt", kWindowsSeparators, "", "extract.txt"},
        {"C:/Data/extract.txt", kWindowsSeparators, "C:", "/Data/extract.txt"},
        {"\\\\server\\share\\x.txt", kWindowsSeparators, "\\\\server\\share\\", "x.txt"},
        {"/home/u/extract.txt", kPosixSeparators, "/home/u/", "extract.txt"},
        {"extract.txt", kPosixSeparators, "", "extract.txt"},
        {"dir\\D:extract.txt", kPosixSeparators, "", "dir\\D:extract.txt"},
        {"/data/", kPosixSeparators, "/data/", ""},
        {"", kPosixSeparators, "", ""},
    };
    for (const Case& c : cases) {
        const TFileNameParts parts = SplitFileName(c.fileName, c.separators);
        EXPECT_EQ(parts.folder, c.folder) << c.fileName;
        EXPECT_EQ(parts.name, c.name) << c.fileName;
    }
#ifdef _WIN32
    EXPECT_EQ(PlatformSeparators(), kWindowsSeparators);
#else
    EXPECT_EQ(PlatformSeparators(), kPosixSeparators);
#endif
}

TEST(ImportFileName, PrefixesTheNamePart) {
    EXPECT_EQ(ImportFileName("C:\\Data\\extract.txt", kWindowsSeparators),
              "C:\\Data\\2017DM_extract.txt");
    EXPECT_EQ(ImportFileName("D:extract.txt", kWindowsSeparators), "D:2017DM_extract.txt");
    EXPECT_EQ(ImportFileName("/tmp/a/extract.txt", kWindowsSeparators),
              "2017DM_/tmp/a/extract.txt");
    EXPECT_EQ(ImportFileName("/tmp/a/extract.txt", kPosixSeparators), "/tmp/a/2017DM_extract.txt");
    EXPECT_EQ(ImportFileName("extract.txt", kPosixSeparators), "2017DM_extract.txt");
    EXPECT_EQ(ImportFileName("/x/2017DM_e.txt", kPosixSeparators), "/x/2017DM_2017DM_e.txt");
}

TEST(CommaText, QuotingRule) {
    struct Case {
        TStringList values;
        std::string line;
    };
    const Case cases[] = {
        {{"A", "", "B"}, "A,,B"},
        {{""}, "\"\""},  // a single empty value
        {{"", ""}, ","},
        {{}, ""},
        {{"", "A"}, ",A"},
        {{"A", ""}, "A,"},
        {{"a b"}, "\"a b\""},
        {{"a\tb", "x"}, "\"a\tb\",x"},
        {{"\x01"}, "\"\x01\""},
        {{"a,b"}, "\"a,b\""},
        {{"say \"hi\""}, "\"say \"\"hi\"\"\""},
        {{"\""}, "\"\"\"\""},
        {{"a;b", "it's", "\xE9t\xE9\x7F", "1234.50"}, "a;b,it's,\xE9t\xE9\x7F,1234.50"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CommaText(c.values), c.line) << testing::PrintToString(c.values);
    }
    std::string buffer = "kept|";
    AppendCommaText(buffer, {"a", "b c"});
    EXPECT_EQ(buffer, "kept|a,\"b c\"");
}

TEST(WriteImportFile, EveryLineEndsWithCrLfAndReplacesEarlierFile) {
    ScratchDir dir;
    const std::string path = dir.File("2017DM_e.txt");
    WriteBytes(path, "an earlier, longer import file\r\n");
    WriteImportFile(path, {"a", "", "b,\xE9"});
    EXPECT_EQ(ReadBytes(path), "a\r\n\r\nb,\xE9\r\n");
    WriteImportFile(path, {});
    EXPECT_EQ(ReadBytes(path), "");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"2017DM_e.txt"});  // no temporary file left
}

TEST(WriteImportFile, CannotCreateLeavesNothingBehind) {
    ScratchDir dir;
    // Missing folder.
    const std::string inMissing = dir.File("missing") + "/2017DM_e.txt";
    try {
        WriteImportFile(inMissing, {"a"});
        FAIL() << "no error";
    } catch (const EMergeError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot create file \"" + inMissing + "\". No such file or directory");
    }
    EXPECT_TRUE(dir.Names().empty());

#ifndef _WIN32
    // A folder in the import file's place stays as it is.
    const std::string folder = dir.File("2017DM_e.txt");
    std::filesystem::create_directory(folder);
    WriteBytes(folder + "/inside.txt", "x");
    try {
        WriteImportFile(folder, {"a"});
        FAIL() << "no error";
    } catch (const EMergeError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file \"" + folder + "\". Is a directory");
    }
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"2017DM_e.txt"});
    EXPECT_EQ(ReadBytes(folder + "/inside.txt"), "x");
#endif
}

#ifndef _WIN32
// A file size limit makes the write fail the way a full disk does.
TEST(WriteImportFile, WriteErrorKeepsEarlierFileIntact) {
    ScratchDir dir;
    const std::string path = dir.File("2017DM_e.txt");
    WriteBytes(path, "earlier\r\n");

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto* previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 64 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);

    std::string message;
    try {
        WriteImportFile(path, TStringList(100, std::string(4096, 'x')));
    } catch (const EMergeError& e) {
        message = e.what();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(message, "Stream write error");
    EXPECT_EQ(ReadBytes(path), "earlier\r\n");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"2017DM_e.txt"});
}
#endif

}  // namespace
}  // namespace qs
