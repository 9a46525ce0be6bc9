#include "core/extract.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "core/errors.h"
#include "core/messages.h"

namespace qs {

namespace {

// Splits text that arrives in pieces into lines. Without a list it only
// counts them, so that the list can be allocated once before it is filled:
// a large extract holds millions of lines, and a list that regrows needs
// its space twice for a moment.
class TLineScanner {
  public:
    explicit TLineScanner(TStringList* lines) : lines_(lines) {}

    void Feed(std::string_view piece) {
        const char* p = piece.data();
        const char* const end = p + piece.size();
        while (p != end && !stopped_) {
            if (skipLf_) {
                // The LF of a CR LF pair that the previous piece ended in the middle of.
                skipLf_ = false;
                if (*p == '\n')
                    ++p;
                continue;
            }
            const char* start = p;
            while (p != end && !IsSpecial(*p))
                ++p;
            if (p == end) {
                Append(start, p);
                break;
            }
            if (*p == '\0') {
                // A NUL ends the text; a line begun before it is a line.
                if (p != start || inLine_)
                    EndLine(start, p);
                stopped_ = true;
                break;
            }
            EndLine(start, p);
            if (*p == '\r')
                skipLf_ = true;
            ++p;
        }
    }

    // A last line without a line end is a line.
    void Finish() {
        if (inLine_ && !stopped_)
            EndLine(nullptr, nullptr);
        stopped_ = true;
    }

    std::size_t Count() const { return count_; }
    bool Stopped() const { return stopped_; }

  private:
    static bool IsSpecial(char c) {
        return static_cast<unsigned char>(c) <= '\r' && (c == '\r' || c == '\n' || c == '\0');
    }

    void Append(const char* begin, const char* end) {
        if (begin == end)
            return;
        inLine_ = true;
        if (lines_ != nullptr)
            partial_.append(begin, end);
    }

    void EndLine(const char* begin, const char* end) {
        ++count_;
        if (lines_ != nullptr) {
            if (partial_.empty()) {
                lines_->emplace_back(begin, end);
            } else {
                partial_.append(begin, end);
                lines_->push_back(std::move(partial_));
                partial_.clear();
            }
        }
        inLine_ = false;
    }

    TStringList* lines_;
    std::string partial_;  // the begun line of an earlier piece
    std::size_t count_ = 0;
    bool inLine_ = false;
    bool skipLf_ = false;
    bool stopped_ = false;
};

std::string AbsolutePath(const std::string& path) {
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    if (ec)
        return path;
    return absolute.string();
}

[[noreturn]] void ThrowCannotOpen(const std::string& path, int err) {
    throw EMergeError(CannotOpenFileMessage(AbsolutePath(path), SystemErrorText(err)));
}

// Feeds the file to the scanner up to its end or its first NUL; false when
// reading failed (errno tells why). Nothing after a NUL is read, so an
// endless source of NUL bytes ends at once.
bool ScanFile(std::FILE* file, std::vector<char>& buffer, TLineScanner& scanner) {
    std::size_t got;
    while (!scanner.Stopped() && (got = std::fread(buffer.data(), 1, buffer.size(), file)) > 0) {
        scanner.Feed(std::string_view(buffer.data(), got));
    }
    const bool ok = std::ferror(file) == 0;
    scanner.Finish();
    return ok;
}

}  // namespace

TStringList SplitLines(std::string_view text) {
    TLineScanner counter(nullptr);
    counter.Feed(text);
    counter.Finish();
    TStringList lines;
    lines.reserve(counter.Count());
    TLineScanner scanner(&lines);
    scanner.Feed(text);
    scanner.Finish();
    return lines;
}

TStringList LoadTextFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        ThrowCannotOpen(path, errno);

    // The file is read in pieces, twice: once to count the lines, once to
    // store them. A file that cannot be read again (a pipe) is read once into
    // a list that grows.
    std::vector<char> buffer(1 << 16);
    TStringList lines;
    bool ok = true;
    if (std::fseek(file, 0, SEEK_SET) == 0) {
        TLineScanner counter(nullptr);
        ok = ScanFile(file, buffer, counter);
        if (ok) {
            lines.reserve(counter.Count());
            ok = std::fseek(file, 0, SEEK_SET) == 0;
        }
    }
    if (ok) {
        TLineScanner scanner(&lines);
        ok = ScanFile(file, buffer, scanner);
    }
    // Reading can fail after the open succeeded, for example on a folder.
    const int err = errno;
    std::fclose(file);
    if (!ok)
        ThrowCannotOpen(path, err);
    return lines;
}

}  // namespace qs
