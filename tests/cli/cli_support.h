#pragma once
// Helpers for the console tool's tests: temporary folders, whole-file reads
// and writes, and running a program with its output captured.
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace qs::test {

// A fresh folder, removed with its content at the end of the test.
class TTempDir {
  public:
    TTempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "qscli-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            std::abort();
        path_ = pattern;
    }
    ~TTempDir() {
        std::error_code ec;
        // Give back permissions a test took away, so that everything can go.
        for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
             !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
            chmod(it->path().c_str(), 0700);
        }
        std::filesystem::remove_all(path_, ec);
    }
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    const std::string& path() const { return path_; }
    // The folder with "/" and name appended.
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

inline std::optional<std::string> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline bool Exists(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0;
}

// The names in a folder.
inline std::set<std::string> FolderNames(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// lines joined, each followed by the line end
inline std::string JoinLines(const std::vector<std::string>& lines, const std::string& end) {
    std::string text;
    for (const std::string& line : lines)
        text += line + end;
    return text;
}

struct TRunResult {
    int exitCode = -1;  // the exit status, or 128 + signal
    std::string out;
    std::string err;
};

struct TRunOptions {
    std::string cwd;  // empty: the test's own
    // Environment changes: a value sets the variable, nullopt removes it.
    std::vector<std::pair<std::string, std::optional<std::string>>> env;
};

// Runs argv[0] with argv (no shell), stdout and stderr captured.
inline TRunResult RunProgram(const std::vector<std::string>& argv, const TRunOptions& options) {
    TTempDir capture;
    const std::string outName = capture / "out";
    const std::string errName = capture / "err";
    const pid_t pid = fork();
    if (pid == 0) {
        if (!options.cwd.empty() && chdir(options.cwd.c_str()) != 0)
            _exit(126);
        for (const auto& [name, value] : options.env) {
            if (value) {
                setenv(name.c_str(), value->c_str(), 1);
            } else {
                unsetenv(name.c_str());
            }
        }
        const int out = open(outName.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(errName.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0)
            _exit(126);
        std::vector<char*> args;
        for (const std::string& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    TRunResult result;
    int status = 0;
    if (pid > 0 && waitpid(pid, &status, 0) == pid) {
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    result.out = ReadFile(outName).value_or("");
    result.err = ReadFile(errName).value_or("");
    return result;
}

// Runs the console tool with its settings folder (XDG_CONFIG_HOME) at configHome.
inline TRunResult RunCli(const std::vector<std::string>& args, const std::string& configHome,
                         TRunOptions options = {}) {
    std::vector<std::string> argv{QS_CLI_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    options.env.emplace_back("XDG_CONFIG_HOME", configHome);
    return RunProgram(argv, options);
}

// The same with the file size limited to `blocks` blocks of the shell's
// ulimit, SIGXFSZ ignored so that a write beyond it fails with EFBIG.
inline TRunResult RunCliWithFileSizeLimit(int blocks, const std::vector<std::string>& args,
                                          const std::string& configHome) {
    std::vector<std::string> argv{
        "/bin/sh", "-c",
        "trap '' XFSZ; ulimit -f " + std::to_string(blocks) + "; exec \"$0\" \"$@\"", QS_CLI_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    TRunOptions options;
    options.env.emplace_back("XDG_CONFIG_HOME", configHome);
    return RunProgram(argv, options);
}

// Sets an environment variable for the life of the object.
class TScopedEnv {
  public:
    TScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~TScopedEnv() {
        if (old_) {
            setenv(name_.c_str(), old_->c_str(), 1);
        } else {
            unsetenv(name_.c_str());
        }
    }
    TScopedEnv(const TScopedEnv&) = delete;
    TScopedEnv& operator=(const TScopedEnv&) = delete;

  private:
    std::string name_;
    std::optional<std::string> old_;
};

}  // namespace qs::test
