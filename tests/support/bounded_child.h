// Runs code that might block for ever (opening a FIFO, reading from one) in a child process
// that an alarm ends, so that a test fails instead of hanging.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace orvanta::testing_support {

// Runs body in a forked child with an alarm of seconds and returns the text body returned;
// nothing when the child did not finish by itself (the alarm ended it, or it crashed).
inline std::optional<std::string> RunInBoundedChild(const std::function<std::string()>& body,
                                                    unsigned seconds = 20) {
    std::array<int, 2> pipe{};
    if (::pipe(pipe.data()) != 0) {
        return std::nullopt;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(seconds);
        const std::string text = body();
        ::_exit(::write(pipe[1], text.data(), text.size()) == static_cast<ssize_t>(text.size())
                    ? 0
                    : 3);
    }
    ::close(pipe[1]);
    std::string text;
    std::array<char, 4096> chunk{};
    for (ssize_t n; (n = ::read(pipe[0], chunk.data(), chunk.size())) > 0;) {
        text.append(chunk.data(), static_cast<std::size_t>(n));
    }
    ::close(pipe[0]);
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    return text;
}

}  // namespace orvanta::testing_support
