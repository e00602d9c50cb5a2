#include "PosixRunner.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <stdexcept>
#include <vector>

extern char** environ;

namespace {

constexpr int kStatusFd = 3;

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

std::vector<std::string> Environment(const std::string& home) {
    std::vector<std::string> entries{"GNUPGHOME=" + home};
    for (char** entry = environ; *entry; ++entry) {
        if (std::string(*entry).rfind("GNUPGHOME=", 0) != 0) {
            entries.emplace_back(*entry);
        }
    }
    return entries;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

// Feeds the input and drains the three outputs in one poll loop until all are done.
void Exchange(int input, const std::string& data, std::array<int, 3> outputs,
              std::array<std::string*, 3> into) {
    std::size_t written = 0;
    if (data.empty()) {
        close(input);
        input = -1;
    }
    for (;;) {
        std::vector<pollfd> polled;
        if (input >= 0) {
            polled.push_back({input, POLLOUT, 0});
        }
        for (int fd : outputs) {
            if (fd >= 0) {
                polled.push_back({fd, POLLIN, 0});
            }
        }
        if (polled.empty()) {
            return;
        }
        poll(polled.data(), polled.size(), -1);
        for (const pollfd& p : polled) {
            if (!p.revents) {
                continue;
            }
            if (p.fd == input) {
                const ssize_t n = write(input, data.data() + written, data.size() - written);
                written += n > 0 ? static_cast<std::size_t>(n) : 0;
                if (n < 0 || written == data.size()) {
                    close(input);
                    input = -1;
                }
                continue;
            }
            for (std::size_t i = 0; i < outputs.size(); ++i) {
                if (outputs[i] == p.fd) {
                    char buffer[65536];
                    const ssize_t n = read(p.fd, buffer, sizeof buffer);
                    if (n <= 0) {
                        close(p.fd);
                        outputs[i] = -1;
                    } else {
                        into[i]->append(buffer, static_cast<std::size_t>(n));
                    }
                }
            }
        }
    }
}

}  // namespace

gpgtray::ProcessResult PosixRunner::Run(const gpgtray::ProcessRequest& request) {
    signal(SIGPIPE, SIG_IGN);  // a child that stops reading must not end the test
    Pipe in, out, err, status;
    fcntl(in.write, F_SETFL, O_NONBLOCK);
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
    const int spawned = posix_spawn(&child, request.program.c_str(), &actions, nullptr,
                                    Pointers(argv).data(), Pointers(env).data());
    posix_spawn_file_actions_destroy(&actions);
    for (int fd : {in.read, out.write, err.write, status.write}) {
        close(fd);
    }
    gpgtray::ProcessResult result;
    if (spawned != 0) {
        for (int fd : {in.write, out.read, err.read, status.read}) {
            close(fd);
        }
        return result;
    }
    result.started = true;
    Exchange(in.write, request.input, {out.read, err.read, status.read},
             {&result.output, &result.errors, &result.status});
    int wstatus = 0;
    waitpid(child, &wstatus, 0);
    result.exitCode = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
    return result;
}
