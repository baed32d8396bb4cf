#pragma once

#include "web_window.h"

// The page's one window, which quorvel_open built; for the functions that only the tests'
// and the benchmark's module exports.
quorvel::WebWindow& page_window();
