// tracert HOST: runs traceroute towards HOST and prints its hops in the layout of the
// Windows command, which the trace window and its WHOIS look-up read.
#include "trace/TracertLayout.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

volatile std::sig_atomic_t childPid = 0;
volatile std::sig_atomic_t stoppedBy = 0;

// Stopping tracert must stop the traceroute it runs, or that would go on alone.
void forwardSignal(int signal) {
    stoppedBy = signal;
    if (childPid > 0)
        kill(childPid, signal);
}

void forwardStopSignals() {
    struct sigaction action {};
    action.sa_handler = forwardSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

void print(const std::vector<std::string>& lines) {
    for (const auto& line : lines)
        std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// Starts traceroute with its output and errors on one pipe; returns its reading end.
int spawnTraceroute(const std::string& host, pid_t& pid) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return -errno;
    std::vector<std::string> args{"traceroute"};
    for (const auto& option : corvanta::tracerouteOptions())
        args.push_back(option);
    args.push_back(host);
    std::vector<char*> argv;
    for (auto& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDERR_FILENO);
    const int error = posix_spawnp(&pid, "traceroute", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (error != 0) {
        close(fds[0]);
        return -error;
    }
    return fds[0];
}

int exitStatusOf(pid_t pid) {
    int status = 0;
    if (waitpid(pid, &status, 0) < 0)
        return 1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 || argv[1][0] == '-' || argv[1][0] == '\0') {
        print({"Usage: tracert target_name"});
        return 2;
    }
    pid_t pid = 0;
    const int output = spawnTraceroute(argv[1], pid);
    if (output < 0) {
        print({std::string("Unable to run traceroute: ") + std::strerror(-output)});
        return 127;
    }
    childPid = pid;
    forwardStopSignals();
    FILE* in = fdopen(output, "r");
    char* buffer = nullptr;
    std::size_t capacity = 0;
    for (ssize_t length; (length = getline(&buffer, &capacity, in)) >= 0;) {
        std::string line(buffer, static_cast<std::size_t>(length));
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.pop_back();
        print(corvanta::tracertLines(line));
    }
    std::free(buffer);
    std::fclose(in);
    const int status = exitStatusOf(pid);
    if (stoppedBy != 0)
        return 128 + stoppedBy; // whoever stopped us reads no more
    print(corvanta::tracertEnd(status));
    return status;
}
