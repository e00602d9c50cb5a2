#include "PosixRunner.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <stdexcept>
#include <thread>
#include <vector>

extern char** environ;

namespace {

constexpr int kStatusFd = 3;

// A pipe whose ends the child does not keep unless it is given them as its descriptors.
struct Pipe {
    int read = -1, write = -1;
    Pipe() {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0) {
            throw std::runtime_error("pipe failed");
        }
        read = fds[0];
        write = fds[1];
    }
};

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

std::vector<std::string> Environment(const std::string& home) {
    std::vector<std::string> entries{"GNUPGHOME=" + home};
    for (char** entry = environ; *entry; ++entry) {
        if (std::string(*entry).rfind("GNUPGHOME=", 0) != 0) {
            entries.emplace_back(*entry);
        }
    }
    return entries;
}

void Feed(int fd, const std::string& input) {
    for (std::size_t done = 0; done < input.size();) {
        const ssize_t n = write(fd, input.data() + done, input.size() - done);
        if (n <= 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    close(fd);
}

void Drain(int fd, std::string& into) {
    char buffer[65536];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) {
        into.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
}

}  // namespace

// One thread feeds the input while others drain the outputs, as the Windows runner does.
gpgtray::ProcessResult PosixRunner::Run(const gpgtray::ProcessRequest& request) {
    signal(SIGPIPE, SIG_IGN);  // a child that stops reading must not end the test
    Pipe in, out, err, status;
    std::vector<std::string> argv{request.program};
    if (!request.statusOption.empty()) {
        argv.insert(argv.end(), {request.statusOption, std::to_string(kStatusFd)});
    }
    argv.insert(argv.end(), request.arguments.begin(), request.arguments.end());
    std::vector<std::string> env = Environment(home_);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in.read, 0);
    posix_spawn_file_actions_adddup2(&actions, out.write, 1);
    posix_spawn_file_actions_adddup2(&actions, err.write, 2);
    posix_spawn_file_actions_adddup2(&actions, status.write, kStatusFd);
    pid_t child = 0;
    const bool spawned = posix_spawn(&child, request.program.c_str(), &actions, nullptr,
                                     Pointers(argv).data(), Pointers(env).data()) == 0;
    posix_spawn_file_actions_destroy(&actions);
    for (int fd : {in.read, out.write, err.write, status.write}) {
        close(fd);
    }
    gpgtray::ProcessResult result;
    result.started = spawned;
    std::thread feeder(Feed, in.write, std::cref(request.input));
    std::thread outputs(Drain, out.read, std::ref(result.output));
    std::thread errors(Drain, err.read, std::ref(result.errors));
    Drain(status.read, result.status);
    feeder.join();
    outputs.join();
    errors.join();
    int wstatus = 0;
    if (spawned && waitpid(child, &wstatus, 0) == child && WIFEXITED(wstatus)) {
        result.exitCode = WEXITSTATUS(wstatus);
    }
    return result;
}
