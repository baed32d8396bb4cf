#pragma once

#include "colour.h"
#include "layout.h"

namespace quorvel {}  // namespace quorvel
