#include "core/importfile.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/errors.h"
#include "core/messages.h"

namespace qs {

namespace {

// The characters that make a value be enclosed in double quotes: codes 1 to
// 32, the double quote and the comma.
struct TQuoteTable {
    bool quote[256] = {};
    constexpr TQuoteTable() {
        for (int c = 1; c <= 32; ++c)
            quote[c] = true;
        quote[static_cast<unsigned char>('"')] = true;
        quote[static_cast<unsigned char>(',')] = true;
    }
};
constexpr TQuoteTable kQuote;

bool NeedsQuotes(std::string_view value) {
    for (char c : value) {
        if (kQuote.quote[static_cast<unsigned char>(c)])
            return true;
    }
    return false;
}

// Writes the value at p, enclosed in double quotes when it needs them, and
// returns the end. p must have room for 2 * size + 2 characters.
char* WriteValue(char* p, std::string_view value) {
    if (!NeedsQuotes(value)) {
        std::memcpy(p, value.data(), value.size());
        return p + value.size();
    }
    // Each inner double quote is doubled: the pieces up to and including one,
    // then another.
    *p++ = '"';
    std::size_t from = 0;
    for (std::size_t q = value.find('"'); q != std::string_view::npos; q = value.find('"', from)) {
        std::memcpy(p, value.data() + from, q + 1 - from);
        p += q + 1 - from;
        *p++ = '"';
        from = q + 1;
    }
    std::memcpy(p, value.data() + from, value.size() - from);
    p += value.size() - from;
    *p++ = '"';
    return p;
}

// The message when the import file itself cannot be created.
[[noreturn]] void ThrowCannotCreate(const std::string& path, const std::string& reason) {
    throw EMergeError(CannotCreateFileMessage(AbsolutePath(path), reason));
}

// A name beside path that no file has yet; created exclusively, so an
// existing file is never opened.
std::FILE* CreateTemporaryFile(const std::string& path, std::string& tempPath) {
    const auto seed = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    int err = 0;
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        char suffix[40];
        std::snprintf(suffix, sizeof suffix, ".%llx.tmp", (seed + attempt * 7919ULL) & 0xffffffULL);
        tempPath = path + suffix;
        std::FILE* file = std::fopen(tempPath.c_str(), "wbx");
        if (file != nullptr)
            return file;
        err = errno;
        if (err != EEXIST)
            break;
    }
    ThrowCannotCreate(path, SystemErrorText(err));
}

// Replacing the file needs the same rights as creating or emptying it: a
// read-only import file or a folder of that name is reported, not replaced.
void CheckTargetWritable(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return;
    if (std::filesystem::is_directory(path, ec))
        ThrowCannotCreate(path, SystemErrorText(EISDIR));
    std::FILE* file = std::fopen(path.c_str(), "r+b");
    if (file == nullptr)
        ThrowCannotCreate(path, SystemErrorText(errno));
    std::fclose(file);
}

}  // namespace

std::string_view PlatformSeparators() {
#ifdef _WIN32
    return kWindowsSeparators;
#else
    return kPosixSeparators;
#endif
}

TFileNameParts SplitFileName(std::string_view fileName, std::string_view separators) {
    const std::size_t last = fileName.find_last_of(separators);
    if (last == std::string_view::npos)
        return {std::string(), std::string(fileName)};
    return {std::string(fileName.substr(0, last + 1)), std::string(fileName.substr(last + 1))};
}

std::string ImportFileName(std::string_view extractFileName, std::string_view separators) {
    const TFileNameParts parts = SplitFileName(extractFileName, separators);
    return parts.folder + "2017" + "DM_" + parts.name;
}

void AppendCommaText(std::string& out, const TStringList& values) {
    if (values.size() == 1 && values[0].empty()) {
        out += "\"\"";
        return;
    }
    // Room for the longest line the values can give (every value quoted, every
    // character a doubled quote), so that they are written without a check
    // each; the line is cut to its length afterwards.
    std::size_t room = values.size();  // the commas
    for (const std::string& value : values)
        room += 2 * value.size() + 2;
    const std::size_t start = out.size();
    out.resize(start + room);
    char* p = out.data() + start;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            *p++ = ',';
        p = WriteValue(p, values[i]);
    }
    out.resize(static_cast<std::size_t>(p - out.data()));
}

std::string CommaText(const TStringList& values) {
    std::string out;
    AppendCommaText(out, values);
    return out;
}

void WriteImportText(const std::string& path, std::string_view text) {
    CheckTargetWritable(path);
    std::string tempPath;
    std::FILE* file = CreateTemporaryFile(path, tempPath);

    bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (ok && std::fflush(file) != 0)
        ok = false;
    if (std::fclose(file) != 0)
        ok = false;
    if (!ok) {
        std::remove(tempPath.c_str());
        throw EMergeError(kStreamWriteError);
    }

    std::error_code ec;
    std::filesystem::rename(tempPath, path, ec);
    if (ec) {
        std::remove(tempPath.c_str());
        ThrowCannotCreate(path, ReasonText(ec.message()));
    }
}

void WriteImportFile(const std::string& path, const TStringList& lines) {
    std::size_t size = 0;
    for (const std::string& line : lines)
        size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    WriteImportText(path, text);
}

}  // namespace qs
