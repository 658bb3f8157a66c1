// A runtime for benchmarks and fuzzing: no window and no log, only the squares' colours, so
// that what it measures is the game's own work.
#pragma once

#include <array>
#include <cstdint>

#include "game/runtime_services.h"

namespace tinzel::testing {

class QuietRuntime final : public RuntimeServices {
  public:
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
    [[noreturn]] void endProgram() override { throw ProgramEnded{}; }
    // A clock that stands still: the deal depends on the game's seed alone.
    std::uint64_t clockReading() override { return 0; }

  private:
    std::array<ColorValue, 101> squareColors_{};
};

}  // namespace tinzel::testing
