// What a screen reader is told after an answer, the same in every window: the score that
// changed, and that a new board is dealt. A window tells it politely, without moving the
// focus; the player who wants the board reads it then.
#pragma once

#include <string>

#include "ui/form_changes.h"
#include "ui/form_model.h"

namespace tinzel {

// The news of the render that `changes` took to `model`: the changed scores' captions in
// the window's order (wins, then losses), then "New board." where the board was dealt
// anew, as in "WINS: 3. New board.". Nothing for the first board, which the window's
// appearing tells, nor for a render that changed neither.
std::string roundNews(const FormChanges& changes, const FormModel& model);

}  // namespace tinzel
