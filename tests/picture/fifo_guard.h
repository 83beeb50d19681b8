#pragma once
// Calls code given a named pipe without letting a reader that blocks on it
// hang the test run.

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <future>

namespace mosarin::testing {

// True when `call` returns within a few seconds. When it does not, a writer
// opens and closes `fifo` until it does: a blocked open or read then ends at
// end-of-file, so a broken reader fails the test instead of hanging it.
inline bool returnsPromptly(const std::filesystem::path& fifo, const std::function<void()>& call) {
    using namespace std::chrono_literals;
    std::future<void> done = std::async(std::launch::async, call);
    if (done.wait_for(5s) == std::future_status::ready) {
        done.get();
        return true;
    }
    do ::close(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));  // -1 when no reader: close does nothing
    while (done.wait_for(100ms) != std::future_status::ready);
    return false;
}

}  // namespace mosarin::testing
