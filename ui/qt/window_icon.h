// The window icon, given once the board is on screen.
#pragma once

namespace tinzel::qt {

// Gives the application Tinzel's icon, at every size it is drawn in, as soon as the first
// window has painted its first frame. Reading the six images costs about a tenth of the
// start-up, and nobody sees the icon before the board.
void setWindowIconAfterFirstFrame();

}  // namespace tinzel::qt
