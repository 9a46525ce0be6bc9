#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/errors.h"
#include "core/extract.h"
#include "pipeline_fakes.h"

namespace qs {
namespace {

using test::Fixture;
using test::ScratchDir;

TEST(SplitLines, LineEndRules) {
    using namespace std::string_literals;
    struct Case {
        std::string text;
        TStringList lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        {"a\n\rb", {"a", "", "b"}},  // LF CR: two line ends
        {"a\r\rb", {"a", "", "b"}},  // CR CR: two line ends
        {"a\r\n\r\n", {"a", ""}},    // no empty line after the last line end
        {"\n", {""}},
        {"\r\n\n", {"", ""}},
        {"a\0b\nc"s, {"a"}},  // NUL ends the line and the text
        {"a\n\0b"s, {"a"}},
        {"\0abc"s, {}},
        {"  x \t\n", {"  x \t"}},  // nothing trimmed
        {"\xEF\xBB\xBF"
         "FORM\xFF\x01",
         {"\xEF\xBB\xBF"
          "FORM\xFF\x01"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitLines(c.text), c.lines) << testing::PrintToString(c.text);
    }
}

TEST(LoadTextFile, KeepsBytesAndStopsAtNul) {
    const TStringList expected = {"FORM 1098-E", "KEY 019", "", "  caf\xe9 \t", "",
                                  "{END DATA}",  ""};
    EXPECT_EQ(LoadTextFile(Fixture("line_ends.txt")), expected);
}

TEST(LoadTextFile, UnreadableFileNamesAbsolutePathAndReason) {
    ScratchDir dir;
    const std::string missing = dir.File("missing.txt");
    try {
        LoadTextFile(missing);
        FAIL() << "no error";
    } catch (const EMergeError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot open file \"" + missing + "\". No such file or directory");
    }

    // A relative name is reported with its absolute path.
    const std::string relative = "qs_no_such_extract.txt";
    const std::string absolute = (std::filesystem::current_path() / relative).string();
    try {
        LoadTextFile(relative);
        FAIL() << "no error";
    } catch (const EMergeError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot open file \"" + absolute + "\". No such file or directory");
    }

#ifndef _WIN32
    // A folder opens on POSIX but cannot be read.
    const std::string folder = dir.File("folder.txt");
    std::filesystem::create_directory(folder);
    try {
        LoadTextFile(folder);
        FAIL() << "no error";
    } catch (const EMergeError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + folder + "\". Is a directory");
    }
#endif
}

}  // namespace
}  // namespace qs
