// What only the tests' and the benchmark's build of the module exports, beside the
// page's own functions: the page that visitors load has neither.
#include <emscripten/emscripten.h>

#include "form.h"
#include "handler_timing.h"
#include "page_window.h"
#include "web_window.h"

extern "C" {

// For the benchmark: see handler_micros.
EMSCRIPTEN_KEEPALIVE double quorvel_handler_micros(const char* handler, int rounds, int runs) {
    return quorvel::handler_micros(page_window(), handler, rounds, runs);
}

// For the tests: puts the highest harmonic index out of range, as no click can, so that
// the next ANS stops with a subscript fault.
EMSCRIPTEN_KEEPALIVE void quorvel_test_set_max_order(int order) {
    page_window().form().max_order = quorvel::Int16(order);
}

}  // extern "C"
