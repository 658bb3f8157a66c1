// The names by which the game refers to the window's controls.
#pragma once

namespace tinzel {

// The two control arrays of the window. Element 0 of each is placed at design time and is
// the template of every element created at run time.
enum class ControlArray { Square, Color };

// The two score labels that the game writes to.
enum class ScoreLabel { Wins, Losses };

}  // namespace tinzel
