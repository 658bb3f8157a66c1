// A runtime for benchmarks and fuzzing: no window and no log, only the squares' colours, so
// that what it measures is the game's own work. Draws come from given bytes while they last
// (three bytes a draw, 24 bits like the real generator), then from a seeded generator.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "game/random_source.h"
#include "ui/runtime_services.h"

namespace tinzel::testing {

// Thrown by `endProgram()`; a benchmark or fuzzer never plays up to the end of a game.
struct QuietProgramEnded {};

class QuietRuntime final : public RuntimeServices {
  public:
    explicit QuietRuntime(std::uint64_t seed, std::span<const std::uint8_t> drawBytes = {})
        : random_(seed), drawBytes_(drawBytes) {}

    std::uint64_t drawsTaken() const { return drawsTaken_; }
    ColorValue squareColor(int index) const {
        return squareColors_.at(static_cast<std::size_t>(index));
    }

    void setCaption(ScoreLabel, std::string_view) override {}
    void createElement(ControlArray, int) override {}
    void setTop(ControlArray, int, int) override {}
    void setLeft(ControlArray, int, int) override {}
    void setVisible(ControlArray, int, bool) override {}
    void setBackColor(ControlArray array, int index, ColorValue color) override {
        if (array == ControlArray::Square) {
            squareColors_.at(static_cast<std::size_t>(index)) = color;
        }
    }
    void unloadForm() override {}
    void showForm() override {}
    void messageBox(std::string_view) override {}
    [[noreturn]] void endProgram() override { throw QuietProgramEnded{}; }
    void seedRandom() override {}

    float drawRandom() override {
        ++drawsTaken_;
        if (drawBytes_.size() >= 3) {
            const std::uint32_t bits = drawBytes_[0] | (drawBytes_[1] << 8) | (drawBytes_[2] << 16);
            drawBytes_ = drawBytes_.subspan(3);
            return static_cast<float>(bits) / 16777216.0f;
        }
        return random_.draw();
    }

  private:
    RandomSource random_;
    std::span<const std::uint8_t> drawBytes_;
    std::uint64_t drawsTaken_ = 0;
    std::array<ColorValue, 101> squareColors_{};
};

}  // namespace tinzel::testing
