#pragma once
// The one error type of the program: its what() is the exact text the user
// sees in the application's error box. Plain C++, so the rules can throw it
// without knowing anything of windows.

#include <concepts>
#include <stdexcept>
#include <string>

namespace mosarin {

class MosarinError : public std::runtime_error {
public:
    explicit MosarinError(const std::string& message) : std::runtime_error(message) {}
    // Any text type that can spell itself as a std::string (the windows' QString).
    template <typename Text>
        requires requires(const Text& text) {
            { text.toStdString() } -> std::convertible_to<std::string>;
        }
    explicit MosarinError(const Text& message) : std::runtime_error(message.toStdString()) {}
};

}  // namespace mosarin
