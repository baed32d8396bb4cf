#pragma once

#include <QColor>
#include <cstdint>

#include "colour.h"

namespace quorvel {

// The program's 0x00BBGGRR colours and Qt's colours, both ways.
inline QColor to_qcolor(Colour c) {
    return QColor(c.red(), c.green(), c.blue());
}

inline Colour from_qcolor(const QColor& q) {
    return Colour{static_cast<std::uint32_t>(q.red()) |
                  (static_cast<std::uint32_t>(q.green()) << 8) |
                  (static_cast<std::uint32_t>(q.blue()) << 16)};
}

}  // namespace quorvel
