#include "core/extract.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/errors.h"
#include "core/messages.h"

namespace qs {

namespace {

// Calls onLine(begin, end) for every line of text, text already cut at its first NUL.
template <typename OnLine>
void ForEachLine(std::string_view text, OnLine onLine) {
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end) {
        const char* start = p;
        while (p != end && *p != '\r' && *p != '\n')
            ++p;
        onLine(start, p);
        if (p != end && *p == '\r')
            ++p;
        if (p != end && *p == '\n')
            ++p;
    }
}

std::string AbsolutePath(const std::string& path) {
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    if (ec)
        return path;
    return absolute.string();
}

}  // namespace

TStringList SplitLines(std::string_view text) {
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos)
        text = text.substr(0, nul);

    // Counting first lets the list be allocated once: a large extract holds
    // millions of lines, and regrowing would briefly need the space twice.
    std::size_t count = 0;
    ForEachLine(text, [&count](const char*, const char*) { ++count; });
    TStringList lines;
    lines.reserve(count);
    ForEachLine(text, [&lines](const char* b, const char* e) { lines.emplace_back(b, e); });
    return lines;
}

TStringList LoadTextFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        const int err = errno;
        throw EMergeError(CannotOpenFileMessage(AbsolutePath(path), SystemErrorText(err)));
    }

    std::string content;
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (!ec)
        content.reserve(static_cast<std::size_t>(size));

    char buffer[1 << 16];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        content.append(buffer, got);
    // Reading can still fail after the open succeeded, for example on a folder.
    const bool failed = std::ferror(file) != 0;
    const int err = errno;
    std::fclose(file);
    if (failed) {
        throw EMergeError(CannotOpenFileMessage(AbsolutePath(path), SystemErrorText(err)));
    }
    return SplitLines(content);
}

}  // namespace qs
