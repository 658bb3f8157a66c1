// What a screen reader finds in the window's panel, and in which order, on every window: the
// board, the colour buttons shown, from the top, then the scores, Wins above Losses as they
// stand. Label2, a one-pixel line of no meaning, is never among them.
#pragma once

#include <vector>

#include "game/controls.h"
#include "ui/form_model.h"

namespace tinzel {

struct PanelChild {
    enum class Kind { Board, Button, Score };
    Kind kind;
    int button = -1;                      // a Button's index
    ScoreLabel score = ScoreLabel::Wins;  // a Score's label
};

// The panel's children while `model` is drawn; between rounds (no model), the board and the
// scores alone.
std::vector<PanelChild> panelChildren(const FormModel* model);

}  // namespace tinzel
