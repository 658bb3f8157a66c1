// The baseline page for the web benchmarks: emscripten's glue and a module that paints one
// element and nothing else, built with the game page's own link options.
#include <emscripten/emscripten.h>

extern "C" void tinzel_bench_paint_one_element();

int main() {
    tinzel_bench_paint_one_element();
    return 0;
}
