#include "tests/support/PrivateMounts.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <sched.h>
#include <signal.h>
#include <string>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// Set in the child's environment: the test runs there. Its value is the descriptor on which
// the child says that it skipped the test.
const char kChildVariable[] = "QM_TEST_PRIVATE_MOUNTS";

// In the child, once its one test has run: a skip is told to the test process, which would
// otherwise take the child's exit status 0 for a pass.
class CChildReport : public ::testing::Environment {
public:
    void TearDown() override {
        const char* fd = std::getenv(kChildVariable);
        if (fd && ::testing::UnitTest::GetInstance()->skipped_test_count() > 0) {
            [[maybe_unused]] const ssize_t n = ::write(std::atoi(fd), "S", 1);
        }
    }
};

[[maybe_unused]] ::testing::Environment* const g_childReport =
    ::testing::AddGlobalTestEnvironment(new CChildReport);

// What the child reports through the pipe when it cannot set the namespaces up; exec closes
// the pipe unread when it can.
struct CSetupFailure {
    int step;
    int error;
};

const char* const kSteps[] = {"user and mount namespaces",
                              "mount namespace",
                              "setgroups",
                              "uid_map",
                              "gid_map",
                              "private mounts",
                              "running the test binary"};

bool WriteAll(const char* path, const std::string& text) {
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, text.data(), text.size()) == ssize_t(text.size());
    ::close(fd);
    return ok;
}

// After fork, in the child: only system calls on data made before the fork.
[[noreturn]] void BecomeChild(int report, pid_t parent, const std::string& uidMap,
                              const std::string& gidMap, const char* exe, char* const* argv,
                              char* const* envp) {
    auto fail = [report](int step) {
        const CSetupFailure failure{step, errno};
        [[maybe_unused]] const ssize_t n = ::write(report, &failure, sizeof failure);
        ::_exit(127);
    };
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) == 0) {
        if (!WriteAll("/proc/self/setgroups", "deny"))
            fail(2);
        if (!WriteAll("/proc/self/uid_map", uidMap))
            fail(3);
        if (!WriteAll("/proc/self/gid_map", gidMap))
            fail(4);
    } else if (::geteuid() != 0 || ::unshare(CLONE_NEWNS) != 0) {
        fail(::geteuid() == 0 ? 1 : 0); // root may still have a mount namespace alone
    }
    // Nothing mounted here may reach the host's mounts.
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        fail(5);
    // The child does not outlive a test process that dies.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent)
        ::_exit(127);
    ::execve(exe, argv, envp);
    fail(6);
    ::_exit(127);
}

// Marks the current test skipped (GTEST_SKIP returns from the function it is in).
void Skip(const std::string& why) {
    GTEST_SKIP() << why;
}

} // namespace

bool RerunWithPrivateMounts() {
    if (std::getenv(kChildVariable))
        return false;
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    if (!test) {
        ADD_FAILURE() << "RerunWithPrivateMounts runs inside a test";
        return true;
    }

    // Everything the child needs, made before the fork.
    char exe[4096];
    const ssize_t length = ::readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (length <= 0) {
        ADD_FAILURE() << "cannot find the test binary: " << std::strerror(errno);
        return true;
    }
    exe[length] = '\0';
    std::string filter =
        std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name();
    std::vector<char*> argv = {exe, filter.data(), nullptr};
    int skipped[2];
    // Not waited on: whatever the child left running may hold it open.
    if (::pipe2(skipped, O_CLOEXEC | O_NONBLOCK) != 0) {
        ADD_FAILURE() << "pipe: " << std::strerror(errno);
        return true;
    }
    std::string mark = std::string(kChildVariable) + "=" + std::to_string(skipped[1]);
    std::vector<char*> envp;
    for (char** e = environ; *e; ++e)
        envp.push_back(*e);
    envp.push_back(mark.data());
    envp.push_back(nullptr);
    const std::string uidMap = "0 " + std::to_string(::getuid()) + " 1";
    const std::string gidMap = "0 " + std::to_string(::getgid()) + " 1";
    int pipe[2];
    if (::pipe2(pipe, O_CLOEXEC) != 0) {
        ADD_FAILURE() << "pipe: " << std::strerror(errno);
        ::close(skipped[0]);
        ::close(skipped[1]);
        return true;
    }
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);

    const pid_t parent = ::getpid();
    const pid_t child = ::fork();
    if (child == 0) {
        ::fcntl(skipped[1], F_SETFD, 0); // the test binary keeps this one
        BecomeChild(pipe[1], parent, uidMap, gidMap, exe, argv.data(), envp.data());
    }
    ::close(pipe[1]);
    ::close(skipped[1]);
    if (child < 0) {
        ::close(pipe[0]);
        ::close(skipped[0]);
        ADD_FAILURE() << "fork: " << std::strerror(errno);
        return true;
    }
    CSetupFailure failure{};
    ssize_t got;
    do
        got = ::read(pipe[0], &failure, sizeof failure);
    while (got < 0 && errno == EINTR);
    ::close(pipe[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    char skip = 0;
    const bool childSkipped = ::read(skipped[0], &skip, 1) == 1;
    ::close(skipped[0]);
    if (got == sizeof failure) {
        if (failure.step == 6)
            ADD_FAILURE() << "cannot run " << exe << ": " << std::strerror(failure.error);
        else
            Skip(std::string("no private mounts here (") + kSteps[failure.step] + ": " +
                 std::strerror(failure.error) + "); the test needs user namespaces or root");
        return true;
    }
    if (WIFSIGNALED(status))
        ADD_FAILURE() << "the test died in its child process with signal " << WTERMSIG(status);
    else if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        ADD_FAILURE() << "the test failed in its child process (see its output above)";
    else if (childSkipped)
        Skip("skipped in its child process (see its output above)");
    return true;
}
