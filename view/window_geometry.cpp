#include "window_geometry.h"

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>

namespace quorvel {
namespace {

// The spectrum frame is listed first of the frames and so would lie under its neighbour
// below, which would hide the axis marks along its bottom edge: it lies above the others.
constexpr ControlName frame_on_top{"Frame3"};

Stacking stacking_of(const ControlRow& row) {
    if (row.name == frame_on_top) {
        return Stacking::on_top;
    }
    return row.kind == ControlKind::label ? Stacking::beneath : Stacking::table_order;
}

const ControlRow& top_frame_of(const ControlRow& row) {
    const ControlRow* at = &row;
    while (!(at->container == window_name)) {
        at = find_control(at->container);
        if (at == nullptr) {
            throw std::logic_error("layout table: " + full_name(row.name) +
                                   " lies in an unknown container");
        }
    }
    return *at;
}

// The common part of two rectangles, or nullopt when they share no pixel.
std::optional<PixelRect> common_part(const PixelRect& a, const PixelRect& b) {
    const int left = std::max(a.left, b.left);
    const int top = std::max(a.top, b.top);
    const int right = std::min(a.left + a.width, b.left + b.width);
    const int bottom = std::min(a.top + a.height, b.top + b.height);
    if (left >= right || top >= bottom) {
        return std::nullopt;
    }
    return PixelRect{left, top, right - left, bottom - top};
}

// A column of top-level frames: those whose left edges coincide.
struct Column {
    int left = 0;  // pixels, as the window places it
    int right = 0;
    std::vector<const ControlRow*> frames;
};

// The columns from left to right.
std::vector<Column> frame_columns() {
    std::map<int, Column> columns;
    for (const ControlRow& row : layout_table()) {
        if (row.container != window_name) {
            continue;
        }
        auto [at, added] = columns.try_emplace(row.left);
        Column& column = at->second;
        const int left = pixels_of_twips(row.left);
        const int right = left + pixels_of_twips(row.width);
        column.left = added ? left : std::min(column.left, left);
        column.right = added ? right : std::max(column.right, right);
        column.frames.push_back(&row);
    }
    std::vector<Column> out;
    for (auto& [twips, column] : columns) {
        out.push_back(std::move(column));
    }
    return out;
}

}  // namespace

const char* stacking_word(Stacking stacking) {
    switch (stacking) {
        case Stacking::beneath:
            return "beneath";
        case Stacking::table_order:
            return "table_order";
        case Stacking::on_top:
            return "on_top";
    }
    return "unknown";
}

PortraitArrangement portrait_arrangement() {
    const std::vector<Column> columns = frame_columns();
    int width = 0;
    for (const Column& column : columns) {
        width = std::max(width, column.right - column.left);
    }
    const int band = pixels_of_twips(window_look.client_height);
    std::vector<FramePlace> moved;
    int top = 0;
    for (const Column& column : columns) {
        const int shift = (width - (column.right - column.left)) / 2 - column.left;
        for (const ControlRow* frame : column.frames) {
            moved.push_back({frame->name, pixels_of_twips(frame->left) + shift,
                             pixels_of_twips(frame->top) + top});
        }
        top += band;
    }
    return {.width = width,
            .height = band * static_cast<int>(columns.size()),
            .rows = window_geometry(moved)};
}

bool lies_above(const RowGeometry& upper, const RowGeometry& lower) {
    if (upper.stacking != lower.stacking) {
        return upper.stacking > lower.stacking;
    }
    return row_index(upper.name) > row_index(lower.name);
}

std::vector<RowGeometry> window_geometry(std::span<const FramePlace> moved) {
    std::vector<RowGeometry> out;
    for (const ControlRow& row : layout_table()) {
        const ControlRow& frame = top_frame_of(row);
        RowGeometry g{.name = row.name,
                      .rect = client_rect(row.name).value(),
                      .shown = shown_at_start(row.name),
                      .frame = frame.name,
                      .stacking = stacking_of(row),
                      .uncovered = {}};
        // Each step is rounded on its own, so moving the frame moves its contents by as
        // many whole pixels.
        for (const FramePlace& place : moved) {
            if (place.frame == frame.name) {
                g.rect.left += place.left - pixels_of_twips(frame.left);
                g.rect.top += place.top - pixels_of_twips(frame.top);
            }
        }
        out.push_back(std::move(g));
    }
    for (RowGeometry& plot : out) {
        if (find_control(plot.name)->kind != ControlKind::picture || !plot.shown) {
            continue;
        }
        const RowGeometry& own = out[row_index(plot.frame)];
        for (const RowGeometry& frame : out) {
            if (!(frame.name == frame.frame) || frame.name == plot.frame || !frame.shown) {
                continue;
            }
            if (!lies_above(frame, own)) {
                continue;
            }
            if (const auto part = common_part(plot.rect, frame.rect)) {
                plot.uncovered.push_back({frame.name, *part});
            }
        }
    }
    return out;
}

}  // namespace quorvel
