#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/errors.h"
#include "core/extract.h"
#include "pipeline_fakes.h"

#ifndef _WIN32
#include <sys/stat.h>

#include <thread>
#endif

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
        EXPECT_EQ(SplitLines(c.text).ToStringList(), c.lines) << testing::PrintToString(c.text);
    }
}

TEST(LoadTextFile, KeepsBytesAndStopsAtNul) {
    const TStringList expected = {"FORM 1098-E", "KEY 019", "", "  caf\xe9 \t", "",
                                  "{END DATA}",  ""};
    EXPECT_EQ(LoadTextFile(Fixture("line_ends.txt")).ToStringList(), expected);
}

// The file is read in pieces: line ends and lines that straddle the pieces'
// borders, and a NUL far into the file, give the same lines as the whole text.
TEST(LoadTextFile, PiecesGiveTheSameLinesAsTheWholeText) {
    std::string text(65535, 'a');
    text += "\r\n";                           // CR LF across the first border
    text += std::string(200000, 'b') + "\r";  // a line over several pieces
    text += std::string(131071 - text.size() % 65536, 'c') + "\n\r";
    text += "last";
    std::string withNul = text + std::string("\0tail\r\n", 8);
    ScratchDir dir;
    for (const std::string& bytes : {text, withNul}) {
        test::WriteBytes(dir.File("big.txt"), bytes);
        const TStringList lines = LoadTextFile(dir.File("big.txt")).ToStringList();
        EXPECT_EQ(lines, SplitLines(text).ToStringList());
        EXPECT_EQ(lines.size(), 5u);
        EXPECT_EQ(lines.back(), "last");
    }

#ifndef _WIN32
    // A pipe cannot be read twice; it is read once.
    const std::string fifo = dir.File("pipe");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([&] { test::WriteBytes(fifo, text); });
    const TStringList lines = LoadTextFile(fifo).ToStringList();
    writer.join();
    EXPECT_EQ(lines, SplitLines(text).ToStringList());
#endif
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
