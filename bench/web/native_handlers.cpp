// quorvel-web-handlers: the web page's handlers timed natively, on the same window
// adapter and with the same timing code as the WebAssembly module in the browser. Prints
// "handler microseconds" per line: CALC at k = 50, then the example's RESET.
#include <cstdio>

#include "handler_timing.h"
#include "web_window.h"

int main() {
    quorvel::WebWindow window(1.0, 1280, 1024);
    window.raise("Form_Load");
    for (const char* handler : {"Command3_Click", "Command1_Click"}) {
        std::printf("%s %.2f\n", handler, quorvel::handler_micros(window, handler, 15, 200));
    }
    return 0;
}
