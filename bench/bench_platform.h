#pragma once
// A platform for benchmarks: no dialogs, a fixed clock, seeded random numbers.

#include <random>

#include "shell/platform.h"

namespace mosarin {

class BenchPlatform final : public Platform {
public:
    void showMessage(MessageKind, const QString&) override {}
    bool confirm(const QString&) override { return false; }
    void showErrorBox(const QString&) override { ++errors; }
    std::optional<QString> openFileName(const QString&, const QString&) override { return std::nullopt; }
    std::optional<Color> chooseColor(Color) override { return std::nullopt; }
    void openUrl(const QString&) override {}
    LocalDateTime now() override { return {}; }
    int randomBelow(int bound) override { return std::uniform_int_distribution<int>(0, bound - 1)(generator_); }

    int errors = 0;

private:
    std::mt19937 generator_{12345};
};

}  // namespace mosarin
