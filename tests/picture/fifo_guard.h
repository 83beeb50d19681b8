#pragma once
// Calling code that is given a named pipe, without letting a reader that
// blocks on it hang the whole test run.

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <future>

namespace mosarin::testing {

// Runs `call` on another thread; true when it returns within a few seconds.
// When it does not, a writer opens and closes `fifo` until the call returns:
// that ends a blocked open or read with end-of-file, so a broken reader fails
// the test instead of hanging it.
inline bool returnsPromptly(const std::filesystem::path& fifo, const std::function<void()>& call) {
    using namespace std::chrono_literals;
    std::future<void> done = std::async(std::launch::async, call);
    if (done.wait_for(5s) == std::future_status::ready) {
        done.get();
        return true;
    }
    do {
        const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) ::close(fd);
    } while (done.wait_for(100ms) != std::future_status::ready);
    return false;
}

}  // namespace mosarin::testing
