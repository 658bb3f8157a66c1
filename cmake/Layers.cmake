# Each layer of the source tree (game, ui, tools, tests, bench) is seen through an include
# root of its own that holds that layer alone, so `#include "game/…"` resolves wherever the
# game is linked and an include of a layer a target does not link fails to compile: the
# game sees only the game, and the front ends never see the tests.
function(tinzel_layer_include_root result layer)
    set(root ${PROJECT_BINARY_DIR}/layers/${layer})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${layer} ${root}/${layer} SYMBOLIC)
    set(${result} ${root} PARENT_SCOPE)
endfunction()
