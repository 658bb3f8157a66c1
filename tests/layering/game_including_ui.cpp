// Compiled as the game is, this must fail at its second include: the game sees only itself.
#include "game/palette.h"
#include "ui/form_design.h"
