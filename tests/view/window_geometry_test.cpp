// The window's geometry as properties over the whole table: every control inside its
// container, a plot's uncovered parts exactly what the frames above its own overlap of
// it, and contents moving with their frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "layout.h"
#include "window_geometry.h"

namespace quorvel {
namespace {

using Pixel = std::pair<int, int>;

std::set<Pixel> pixels_of(const PixelRect& r) {
    std::set<Pixel> out;
    for (int x = r.left; x < r.left + r.width; ++x) {
        for (int y = r.top; y < r.top + r.height; ++y) {
            out.emplace(x, y);
        }
    }
    return out;
}

bool inside(const PixelRect& inner, const PixelRect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top &&
           inner.left + inner.width <= outer.left + outer.width &&
           inner.top + inner.height <= outer.top + outer.height;
}

const RowGeometry& of(const std::vector<RowGeometry>& geometry, ControlName name) {
    for (const RowGeometry& row : geometry) {
        if (row.name == name) {
            return row;
        }
    }
    throw std::logic_error("no geometry for " + full_name(name));
}

bool is_frame(const RowGeometry& row) {
    return row.name == row.frame;
}

TEST(WindowGeometry, HasOneEntryPerRowInTheTablesOrder) {
    const auto geometry = window_geometry();
    const auto table = layout_table();
    ASSERT_EQ(geometry.size(), table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(full_name(geometry[i].name), full_name(table[i].name));
    }
}

TEST(WindowGeometry, EveryControlLiesInsideItsContainerAndTheWindow) {
    const auto geometry = window_geometry();
    const PixelRect client{0, 0, pixels_of_twips(window_look.client_width),
                           pixels_of_twips(window_look.client_height)};
    for (const RowGeometry& row : geometry) {
        const ControlName container = find_control(row.name)->container;
        const PixelRect& outer = container == window_name ? client : of(geometry, container).rect;
        EXPECT_TRUE(inside(row.rect, outer))
            << full_name(row.name) << " in " << full_name(container);
        // The frame named is the top-level container, and a control is shown only
        // within a shown frame.
        const RowGeometry& frame = of(geometry, row.frame);
        EXPECT_TRUE(is_frame(frame)) << full_name(row.name);
        EXPECT_TRUE(inside(row.rect, frame.rect)) << full_name(row.name);
        EXPECT_TRUE(!row.shown || frame.shown) << full_name(row.name);
    }
}

// Where a frame stacked above a plot's own frame overlaps the plot, the plot's uncovered
// parts say so, pixel for pixel, and name no pixel that no frame above covers.
TEST(WindowGeometry, UncoveredPartsAreExactlyWhatTheFramesAboveOverlap) {
    const auto geometry = window_geometry();
    int parts = 0;
    for (const RowGeometry& plot : geometry) {
        if (find_control(plot.name)->kind != ControlKind::picture || !plot.shown) {
            EXPECT_TRUE(plot.uncovered.empty()) << full_name(plot.name);
            continue;
        }
        const RowGeometry& own = of(geometry, plot.frame);
        for (const RowGeometry& frame : geometry) {
            if (!is_frame(frame) || !frame.shown || frame.name == own.name) {
                continue;
            }
            std::set<Pixel> covered;
            if (lies_above(frame, own)) {
                const std::set<Pixel> plot_pixels = pixels_of(plot.rect);
                for (const Pixel& p : pixels_of(frame.rect)) {
                    if (plot_pixels.contains(p)) {
                        covered.insert(p);
                    }
                }
            }
            std::set<Pixel> uncovered;
            for (const UncoveredPart& part : plot.uncovered) {
                if (part.frame == frame.name) {
                    const std::set<Pixel> more = pixels_of(part.rect);
                    uncovered.insert(more.begin(), more.end());
                    ++parts;
                }
            }
            EXPECT_EQ(uncovered, covered)
                << full_name(plot.name) << " under " << full_name(frame.name);
        }
    }
    // The frames of a column overlap by a pixel: there is something to uncover.
    EXPECT_GT(parts, 0);
}

// Stacking among frames is a strict order: of two frames exactly one lies above.
TEST(WindowGeometry, OfTwoFramesExactlyOneLiesAbove) {
    const auto geometry = window_geometry();
    for (const RowGeometry& a : geometry) {
        for (const RowGeometry& b : geometry) {
            if (is_frame(a) && is_frame(b) && !(a.name == b.name)) {
                EXPECT_NE(lies_above(a, b), lies_above(b, a))
                    << full_name(a.name) << " and " << full_name(b.name);
            }
        }
    }
}

// The spectrum frame's axis marks along its bottom edge stay readable: the frame lies
// above the sine frame it reaches into, whose plot's top row it so leaves uncovered.
TEST(WindowGeometry, TheSpectrumFrameLiesAboveTheFrameItReachesInto) {
    const auto geometry = window_geometry();
    const RowGeometry& spectrum = of(geometry, {"Frame3"});
    const RowGeometry& below = of(geometry, {"c_wave", 1});
    EXPECT_TRUE(lies_above(spectrum, below));
    const RowGeometry& plot = of(geometry, {"campus_b", 1});
    EXPECT_TRUE(std::ranges::any_of(plot.uncovered, [&](const UncoveredPart& part) {
        return part.frame == spectrum.name && part.rect.top == plot.rect.top;
    }));
}

bool uncovered_by(const RowGeometry& plot, ControlName frame) {
    return std::ranges::any_of(plot.uncovered,
                               [&](const UncoveredPart& part) { return part.frame == frame; });
}

// Labels lie beneath the other controls of their container.
TEST(WindowGeometry, LabelsAndOnlyLabelsLieBeneath) {
    for (const RowGeometry& row : window_geometry()) {
        EXPECT_EQ(row.stacking == Stacking::beneath,
                  find_control(row.name)->kind == ControlKind::label)
            << full_name(row.name);
    }
}

// A frame put elsewhere takes its contents with it, by as many pixels, and what it
// overlapped is uncovered no more; everything else stays where it was.
TEST(WindowGeometry, ContentsMoveWithTheirFrame) {
    const auto before = window_geometry();
    const RowGeometry& spectrum = of(before, {"Frame3"});
    const FramePlace away{{"Frame3"}, spectrum.rect.left + 7, spectrum.rect.top + 1000};
    const auto after = window_geometry(std::span(&away, 1));
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        const bool moves = before[i].frame == away.frame;
        EXPECT_EQ(after[i].rect.left - before[i].rect.left, moves ? 7 : 0)
            << full_name(before[i].name);
        EXPECT_EQ(after[i].rect.top - before[i].rect.top, moves ? 1000 : 0)
            << full_name(before[i].name);
        EXPECT_EQ(after[i].rect.width, before[i].rect.width);
        EXPECT_EQ(after[i].rect.height, before[i].rect.height);
    }
    EXPECT_TRUE(uncovered_by(of(before, {"campus_b", 1}), away.frame));
    EXPECT_FALSE(uncovered_by(of(after, {"campus_b", 1}), away.frame));
}

// The top-level frames grouped into columns by their left edge as the window places
// them, left to right; each column as the smallest rectangle around its frames.
struct ColumnBox {
    std::vector<ControlName> frames;
    PixelRect box;
};

std::vector<ColumnBox> columns_of(const std::vector<RowGeometry>& geometry,
                                  const std::vector<RowGeometry>& by_left) {
    std::map<int, ColumnBox> columns;
    for (std::size_t i = 0; i < geometry.size(); ++i) {
        if (!is_frame(geometry[i])) {
            continue;
        }
        const PixelRect& r = geometry[i].rect;
        auto [at, added] = columns.try_emplace(by_left[i].rect.left);
        ColumnBox& column = at->second;
        if (added) {
            column.box = r;
        } else {
            const int right = std::max(column.box.left + column.box.width, r.left + r.width);
            const int bottom = std::max(column.box.top + column.box.height, r.top + r.height);
            column.box.left = std::min(column.box.left, r.left);
            column.box.top = std::min(column.box.top, r.top);
            column.box.width = right - column.box.left;
            column.box.height = bottom - column.box.top;
        }
        column.frames.push_back(geometry[i].name);
    }
    std::vector<ColumnBox> out;
    for (const auto& [left, column] : columns) {
        out.push_back(column);
    }
    return out;
}

// Every control keeps its size and its place within its frame, and every frame its place
// within its column; the whole arrangement holds every row.
TEST(PortraitArrangement, MovesWholeFramesOnlyAndHoldsEveryRow) {
    const auto landscape = window_geometry();
    const PortraitArrangement portrait = portrait_arrangement();
    ASSERT_EQ(portrait.rows.size(), landscape.size());
    const PixelRect whole{0, 0, portrait.width, portrait.height};
    for (std::size_t i = 0; i < landscape.size(); ++i) {
        const RowGeometry& was = landscape[i];
        const RowGeometry& now = portrait.rows[i];
        const std::string name = full_name(was.name);
        ASSERT_EQ(full_name(now.name), name);
        EXPECT_EQ(now.rect.width, was.rect.width) << name;
        EXPECT_EQ(now.rect.height, was.rect.height) << name;
        const RowGeometry& frame_was = of(landscape, was.frame);
        const RowGeometry& frame_now = of(portrait.rows, was.frame);
        EXPECT_EQ(now.rect.left - frame_now.rect.left, was.rect.left - frame_was.rect.left) << name;
        EXPECT_EQ(now.rect.top - frame_now.rect.top, was.rect.top - frame_was.rect.top) << name;
        EXPECT_TRUE(inside(now.rect, whole)) << name;
    }
    const auto columns_was = columns_of(landscape, landscape);
    const auto columns_now = columns_of(portrait.rows, landscape);
    ASSERT_EQ(columns_now.size(), columns_was.size());
    ASSERT_GT(columns_now.size(), 1u);
    for (std::size_t c = 0; c < columns_now.size(); ++c) {
        const ColumnBox& was = columns_was[c];
        const ColumnBox& now = columns_now[c];
        for (const ControlName& frame : now.frames) {
            EXPECT_EQ(of(portrait.rows, frame).rect.left - now.box.left,
                      of(landscape, frame).rect.left - was.box.left)
                << full_name(frame);
            EXPECT_EQ(of(portrait.rows, frame).rect.top - now.box.top,
                      of(landscape, frame).rect.top - was.box.top)
                << full_name(frame);
        }
    }
}

// The columns stand one under another, left to right becoming top to bottom, each in a
// band of the window's height at its own height in the window, the widest filling the
// width and the others centred.
TEST(PortraitArrangement, StacksTheColumnsInBandsCentredOnTheWidest) {
    const auto landscape = window_geometry();
    const PortraitArrangement portrait = portrait_arrangement();
    const auto columns = columns_of(portrait.rows, landscape);
    const auto columns_was = columns_of(landscape, landscape);
    ASSERT_EQ(columns.size(), columns_was.size());
    const int band = pixels_of_twips(window_look.client_height);
    EXPECT_EQ(portrait.height, band * static_cast<int>(columns.size()));
    int widest = 0;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const PixelRect& box = columns[c].box;
        widest = std::max(widest, box.width);
        EXPECT_TRUE(inside(box, {0, band * static_cast<int>(c), portrait.width, band}))
            << "column " << c;
        // Each keeps the margins above and below it that the window gives it.
        EXPECT_EQ(box.top - band * static_cast<int>(c), columns_was[c].box.top) << "column " << c;
        const int left_margin = box.left;
        const int right_margin = portrait.width - (box.left + box.width);
        EXPECT_GE(right_margin - left_margin, 0) << "column " << c;
        EXPECT_LE(right_margin - left_margin, 1) << "column " << c;
    }
    EXPECT_EQ(portrait.width, widest);
}

}  // namespace
}  // namespace quorvel
