#include "core/extract.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include "core/errors.h"
#include "core/messages.h"

namespace qs {

namespace {

// The piece read at a time from a source whose size is not known beforehand.
constexpr std::size_t kPiece = 1 << 16;

[[noreturn]] void ThrowCannotOpen(const std::string& path, int err) {
    throw EMergeError(CannotOpenFileMessage(AbsolutePath(path), SystemErrorText(err)));
}

// Reads the file into text up to its end or its first NUL; false when reading
// failed (errno tells why). Nothing after a NUL is read, so an endless source
// of NUL bytes ends at once. A file whose size is known is read in one piece
// into storage allocated once, with room for the line end that TLineList may
// add; a pipe, or a file that has grown meanwhile, is read in pieces.
bool ReadText(std::FILE* file, std::uintmax_t sizeHint, std::string& text) {
    std::size_t piece = kPiece;
    if (sizeHint > 0 && sizeHint < text.max_size() - 1) {
        piece = static_cast<std::size_t>(sizeHint) + 1;  // one more: the end shows at once
        text.reserve(piece);
    }
    for (;;) {
        const std::size_t old = text.size();
        text.resize(old + piece);
        const std::size_t got = std::fread(text.data() + old, 1, piece, file);
        text.resize(old + got);
        const void* nul = std::memchr(text.data() + old, '\0', got);
        if (nul != nullptr) {
            text.resize(static_cast<std::size_t>(static_cast<const char*>(nul) - text.data()));
            return true;
        }
        if (got < piece)
            return std::ferror(file) == 0;
        piece = kPiece;
    }
}

}  // namespace

TLineList SplitLines(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    std::string copy;
    copy.reserve(text.size() + 1);
    copy.assign(text);
    return TLineList(std::move(copy));
}

TLineList LoadTextFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        ThrowCannotOpen(path, errno);
    // The size of a regular file; 0 (read in pieces) for anything else.
    std::error_code ec;
    std::uintmax_t size = 0;
    if (std::filesystem::is_regular_file(path, ec))
        size = std::filesystem::file_size(path, ec);
    if (ec)
        size = 0;

    std::string text;
    const bool ok = ReadText(file, size, text);
    // Reading can fail after the open succeeded, for example on a folder.
    const int err = errno;
    std::fclose(file);
    if (!ok)
        ThrowCannotOpen(path, err);
    return TLineList(std::move(text));
}

}  // namespace qs
