// Round start bookkeeping: reset the round, write the score labels, end the game at ten wins.
#include "game/counts.h"
#include "game/form1_module.h"
#include "game/number_functions.h"

namespace tinzel {

void Form1Module::loadvars() {
    state_.tenReached = false;
    state_.colorCount.clear();
    runtime_.setCaption(ScoreLabel::Wins, "WINS:" + numberText(state_.winCount));
    runtime_.setCaption(ScoreLabel::Losses, "LOST:" + numberText(state_.lossCount));

    if (state_.winCount >= kWinsToEnd) {
        // The digits run straight into "losses."; that is how the game has always said it.
        runtime_.messageBox("You won! But you had" + numberText(state_.lossCount) + "losses.");
        runtime_.endProgram();
    }
}

}  // namespace tinzel
