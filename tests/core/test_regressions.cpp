// Inputs that once made the core misbehave, each reduced to its smallest form.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <functional>
#include <string>

#include "core/errors.h"
#include "core/extract.h"

namespace qs {
namespace {

#ifndef _WIN32
// Runs body in a child process that the alarm ends after `seconds`; the
// child's exit status, or 128 + the signal that ended it. A hang then fails
// the test instead of stalling the whole run.
int RunGuarded(unsigned seconds, const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0) {
        alarm(seconds);
        _exit(body());
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// A NUL byte ends the text, so nothing after it needs reading: an endless
// source of NUL bytes (a device, a pipe) ends as a text without lines, or is
// refused as no file, instead of being read for ever.
TEST(Regressions, LoadingStopsAtTheNulThatEndsTheText) {
    const int status = RunGuarded(10, [] {
        try {
            return LoadTextFile("/dev/zero").empty() ? 0 : 1;
        } catch (const EMergeError&) {
            return 2;
        }
    });
    EXPECT_TRUE(status == 0 || status == 2) << status << " (1: lines loaded, 142: still reading)";
}
#endif

}  // namespace
}  // namespace qs
