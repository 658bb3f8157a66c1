// The round cycle: a load starts a round, a click judges it and starts the next.
#include <limits>

#include "game/counts.h"
#include "game/form1_module.h"

namespace tinzel {

void Form1Module::Form_Load() {
    random_.seed(runtime_.clockReading());
    loadvars();
    loadshapes();
}

void Form1Module::Color_Click(std::int16_t Index) {
    if (state_.colorCount[Index] == kAnswerSquares) {
        state_.winCount += 1;
    } else if (state_.lossCount < std::numeric_limits<std::int32_t>::max()) {
        state_.lossCount += 1;
    }
    // Rebuilding the window from scratch runs Form_Load again: the whole next round is set
    // up inside this one click.
    runtime_.unloadForm();
    runtime_.showForm();
}

}  // namespace tinzel
