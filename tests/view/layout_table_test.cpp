#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "case_name.h"
#include "layout.h"

namespace quorvel {

// Readable failure output for the table's own types.
static void PrintTo(ControlName n, std::ostream* os) {
    *os << full_name(n);
}

static void PrintTo(Colour c, std::ostream* os) {
    *os << "0x" << std::hex << c.bgr << std::dec;
}

namespace {

constexpr ControlName form{"Form1"};

bool takes_focus(ControlKind kind) {
    return kind == ControlKind::picture || kind == ControlKind::push_button ||
           kind == ControlKind::option_button || kind == ControlKind::spin_button;
}

// ---------------------------------------------------------------------------------------
// Where things lie.

// The shown frames stand in three columns that cover the client area without a gap: each
// column starts at the top, every frame starts no lower than the one above it ends, each
// column starts no further right than the one before it ends, and all three end at one
// height. A frame moved or resized on its own breaks one of these.
TEST(LayoutTable, TheFramesTileTheWindowInThreeColumns) {
    std::map<int, std::vector<const ControlRow*>> columns;  // by left edge
    for (const ControlRow& row : layout_table()) {
        if (row.container == form && row.visible) {
            columns[row.left].push_back(&row);
        }
    }
    ASSERT_EQ(columns.size(), 3U);
    std::set<int> bottoms;
    int right_of_previous = 0;
    for (auto& [left, frames] : columns) {
        SCOPED_TRACE("column at " + std::to_string(left));
        EXPECT_LE(left, right_of_previous);
        std::sort(frames.begin(), frames.end(),
                  [](const ControlRow* a, const ControlRow* b) { return a->top < b->top; });
        int bottom = 0;
        int right = 0;
        for (const ControlRow* frame : frames) {
            EXPECT_LE(frame->top, bottom) << full_name(frame->name) << " leaves a gap above it";
            bottom = std::max(bottom, frame->top + frame->height);
            right = std::max(right, frame->left + frame->width);
        }
        bottoms.insert(bottom);
        right_of_previous = right;
    }
    EXPECT_EQ(bottoms.size(), 1U);
    EXPECT_LE(right_of_previous, window_look.client_width);
}

TEST(LayoutTable, OnlyTheChartFillsSolidAndItFillsRed) {
    for (const ControlRow& row : layout_table()) {
        SCOPED_TRACE(full_name(row.name));
        const bool chart = row.name == ControlName{"campus_graph"};
        EXPECT_EQ(row.fill_style == FillStyle::solid, chart);
        if (chart) {
            EXPECT_EQ(row.fill, colours::red);
        }
    }
}

TEST(LayoutTable, EachGroupOfOptionButtonsStartsWithExactlyOneSelected) {
    std::map<std::string, int> selected_in;
    for (const ControlRow& row : layout_table()) {
        if (row.kind == ControlKind::option_button) {
            selected_in[full_name(row.container)] += row.selected ? 1 : 0;
        } else {
            EXPECT_FALSE(row.selected) << full_name(row.name);
        }
    }
    EXPECT_FALSE(selected_in.empty());
    for (const auto& [group, count] : selected_in) {
        EXPECT_EQ(count, 1) << group;
    }
    ASSERT_NE(find_control({"switch_c"}), nullptr);
    EXPECT_TRUE(find_control({"switch_c"})->selected);  // the window opens on cos
}

TEST(LayoutTable, RowIndexIsEachRowsPlaceAndRefusesAnUnknownName) {
    const auto table = layout_table();
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(row_index(table[i].name), i) << full_name(table[i].name);
    }
    EXPECT_THROW(row_index({"s_wave", 5}), std::logic_error);
    EXPECT_THROW(row_index({"Form1"}), std::logic_error);
}

// Two buttons or spin buttons must not cover one another: a click or a tap on either must
// reach it. The one exception is the window's own: the cos button's box runs one pixel
// under the n spin button's left edge, beside the button's text.
TEST(LayoutTable, NoTwoButtonsOrSpinButtonsOverlap) {
    std::vector<std::pair<const ControlRow*, PixelRect>> placed;
    for (const ControlRow& row : layout_table()) {
        if (takes_focus(row.kind) && row.kind != ControlKind::picture && shown_at_start(row.name)) {
            const auto rect = client_rect(row.name);
            ASSERT_TRUE(rect.has_value()) << full_name(row.name);
            placed.emplace_back(&row, *rect);
        }
    }
    for (std::size_t i = 0; i < placed.size(); ++i) {
        for (std::size_t j = i + 1; j < placed.size(); ++j) {
            const PixelRect& a = placed[i].second;
            const PixelRect& b = placed[j].second;
            const bool overlap = a.left < b.left + b.width && b.left < a.left + a.width &&
                                 a.top < b.top + b.height && b.top < a.top + a.height;
            const std::string pair =
                full_name(placed[i].first->name) + " and " + full_name(placed[j].first->name);
            EXPECT_EQ(overlap, pair == "switch_c and Spin_n") << pair;
        }
    }
}

// ---------------------------------------------------------------------------------------
// Structure of the whole table.

TEST(LayoutTable, EveryNameIsUnique) {
    std::set<std::string> seen;
    for (const ControlRow& row : layout_table()) {
        EXPECT_TRUE(seen.insert(full_name(row.name)).second) << full_name(row.name);
    }
}

TEST(LayoutTable, EveryControlIsFoundAtItsOwnRow) {
    // Also catches duplicate names: find_control would return the first of the two.
    for (const ControlRow& row : layout_table()) {
        EXPECT_EQ(find_control(row.name), &row) << full_name(row.name);
    }
}

TEST(LayoutTable, ContainersAreEarlierFramesOrSurfaces) {
    const auto rows = layout_table();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].container == form) {
            EXPECT_EQ(rows[i].kind, ControlKind::frame) << full_name(rows[i].name);
            continue;
        }
        const auto end = rows.begin() + static_cast<std::ptrdiff_t>(i);
        const auto it = std::find_if(
            rows.begin(), end, [&](const ControlRow& s) { return s.name == rows[i].container; });
        ASSERT_NE(it, end) << full_name(rows[i].name) << " is in " << full_name(rows[i].container)
                           << ", which is not listed before it";
        EXPECT_TRUE(it->kind == ControlKind::frame || it->kind == ControlKind::picture)
            << full_name(rows[i].name);
    }
}

TEST(LayoutTable, EveryControlLiesWithinItsContainer) {
    // The "T" marks and the spin buttons of the 1332-high frames reach 3 twips past their
    // container's edge; anything short of a pixel disappears in the window.
    constexpr int slack = twips_per_pixel - 1;
    for (const ControlRow& row : layout_table()) {
        int width = window_look.client_width;
        int height = window_look.client_height;
        if (!(row.container == form)) {
            const ControlRow* box = find_control(row.container);
            ASSERT_NE(box, nullptr) << full_name(row.name);
            width = box->width;
            height = box->height;
        }
        SCOPED_TRACE(full_name(row.name) + " in " + full_name(row.container));
        EXPECT_GT(row.width, 0);
        EXPECT_GT(row.height, 0);
        EXPECT_GE(row.left, 0);
        EXPECT_GE(row.top, 0);
        EXPECT_LE(row.left + row.width, width + slack);
        EXPECT_LE(row.top + row.height, height + slack);
    }
}

TEST(LayoutTable, OnlyTheEmptyFrameAndTheMissingB0AreHidden) {
    std::set<std::string> hidden;
    for (const ControlRow& row : layout_table()) {
        if (!row.visible) {
            hidden.insert(full_name(row.name));
        }
    }
    EXPECT_EQ(hidden, (std::set<std::string>{"ans_b(0)", "c_wave(0)"}));
}

TEST(LayoutTable, TextControlsHaveAFontAndTheOthersNoCaption) {
    for (const ControlRow& row : layout_table()) {
        SCOPED_TRACE(full_name(row.name));
        switch (row.kind) {
            case ControlKind::label:
            case ControlKind::push_button:
            case ControlKind::option_button:
                EXPECT_NE(row.font, FontId::none);
                break;
            case ControlKind::frame:
            case ControlKind::spin_button:
            case ControlKind::picture:
                EXPECT_EQ(row.font, FontId::none);
                EXPECT_EQ(row.caption, "");
                break;
        }
        if (row.kind != ControlKind::picture) {
            EXPECT_EQ(row.fill_style, FillStyle::transparent);
        }
    }
}

// ---------------------------------------------------------------------------------------
// Control arrays.

struct ArrayCase {
    const char* name;
    int last;
    ControlKind kind;
    // Element i sits in `in`, or in element i of `in` when `per_element`; an empty `in`
    // means the containers vary (see the plot tags below).
    std::string_view in;
    bool per_element;
};

void PrintTo(const ArrayCase& c, std::ostream* os) {
    *os << c.name;
}

class ControlArray : public ::testing::TestWithParam<ArrayCase> {};

TEST_P(ControlArray, RunsFromZeroWithoutGaps) {
    const ArrayCase& a = GetParam();
    std::vector<int> indices;
    for (const ControlRow& row : layout_table()) {
        if (row.name.name != a.name) {
            continue;
        }
        indices.push_back(row.name.index);
        EXPECT_EQ(row.kind, a.kind) << full_name(row.name);
        if (a.per_element) {
            EXPECT_EQ(row.container, (ControlName{a.in, row.name.index})) << full_name(row.name);
        } else if (!a.in.empty()) {
            EXPECT_EQ(row.container, ControlName{a.in}) << full_name(row.name);
        }
    }
    std::sort(indices.begin(), indices.end());
    std::vector<int> expected;
    for (int i = 0; i <= a.last; ++i) {
        expected.push_back(i);
    }
    EXPECT_EQ(indices, expected);
}

const ArrayCase array_cases[] = {
    {"s_wave", 4, ControlKind::frame, "Form1", false},
    {"c_wave", 4, ControlKind::frame, "Form1", false},
    {"campus_a", 4, ControlKind::picture, "s_wave", true},
    {"campus_b", 4, ControlKind::picture, "c_wave", true},
    {"value_a", 4, ControlKind::label, "s_wave", true},
    {"Label_a", 4, ControlKind::label, "s_wave", true},
    {"value_b", 4, ControlKind::label, "c_wave", true},
    {"Label_b", 4, ControlKind::label, "c_wave", true},
    {"ans_a", 4, ControlKind::label, "simulate", false},
    {"ans_b", 4, ControlKind::label, "simulate", false},
    {"Label25", 12, ControlKind::label, "", false},
    {"Label26", 12, ControlKind::label, "", false},
};

INSTANTIATE_TEST_SUITE_P(Arrays, ControlArray, ::testing::ValuesIn(array_cases),
                         testing::CaseName{});

TEST(LayoutTable, OnlyControlArraysHaveIndices) {
    std::set<std::string_view> arrays;
    for (const ArrayCase& a : array_cases) {
        arrays.insert(a.name);
    }
    for (const ControlRow& row : layout_table()) {
        EXPECT_EQ(row.name.index >= 0, arrays.count(row.name.name) == 1) << full_name(row.name);
    }
}

bool is_plot(const ControlRow& row) {
    return row.kind == ControlKind::picture && row.name.name.starts_with("campus_");
}

// The shown plot surfaces in a frame.
std::vector<ControlName> plots_in(ControlName frame) {
    std::vector<ControlName> out;
    for (const ControlRow& row : layout_table()) {
        if (row.container == frame && is_plot(row) && shown_at_start(row.name)) {
            out.push_back(row.name);
        }
    }
    return out;
}

// Every tag (Label25) sits in a frame of its own that shows one plot, every "T" mark
// (Label26) on a plot of its own, and the plots tagged are the plots marked. The tag of a
// harmonic's frame carries the frame's index.
TEST(LayoutTable, EveryPlotTagNamesOnePlotAndEveryTMarkSitsOnOne) {
    std::set<std::string> tags;
    std::set<std::string> tagged;
    std::set<std::string> marked;
    for (const ControlRow& row : layout_table()) {
        SCOPED_TRACE(full_name(row.name));
        if (row.name.name == "Label25") {
            EXPECT_TRUE(tags.insert(std::string(row.caption)).second) << "tag used twice";
            const std::vector<ControlName> plots = plots_in(row.container);
            ASSERT_EQ(plots.size(), 1U) << "in " << full_name(row.container);
            EXPECT_TRUE(tagged.insert(full_name(plots[0])).second) << "a second tag on its plot";
            if (row.container.index >= 0) {
                EXPECT_TRUE(row.caption.ends_with(std::to_string(row.container.index)))
                    << row.caption << " in " << full_name(row.container);
            }
        } else if (row.name.name == "Label26") {
            EXPECT_EQ(row.caption, "T");
            const ControlRow* surface = find_control(row.container);
            ASSERT_NE(surface, nullptr);
            EXPECT_TRUE(is_plot(*surface)) << full_name(row.container);
            EXPECT_TRUE(marked.insert(full_name(row.container)).second) << "a second T mark";
        }
    }
    EXPECT_FALSE(tagged.empty());
    EXPECT_EQ(tagged, marked);
}

// ---------------------------------------------------------------------------------------
// Focus and events.

TEST(TabOrder, VisitsEveryFocusableControlOnce) {
    std::vector<std::string> visited;
    for (ControlName name : tab_order()) {
        const ControlRow* row = find_control(name);
        ASSERT_NE(row, nullptr) << full_name(name);
        EXPECT_TRUE(takes_focus(row->kind)) << full_name(name);
        visited.push_back(full_name(name));
    }
    std::vector<std::string> focusable;
    for (const ControlRow& row : layout_table()) {
        if (takes_focus(row.kind)) {
            focusable.push_back(full_name(row.name));
        }
    }
    std::sort(visited.begin(), visited.end());
    std::sort(focusable.begin(), focusable.end());
    EXPECT_EQ(visited, focusable);  // a duplicate or a missing control shows here
}

// ---------------------------------------------------------------------------------------
// Lookup and faces.

struct MissingCase {
    const char* name;
    ControlName control;
};

void PrintTo(const MissingCase& c, std::ostream* os) {
    *os << c.name;
}

class FindControlMiss : public ::testing::TestWithParam<MissingCase> {};

TEST_P(FindControlMiss, ReturnsNull) {
    EXPECT_EQ(find_control(GetParam().control), nullptr);
}

const MissingCase missing_cases[] = {
    {"index_past_the_array", {"campus_a", 5}},
    {"array_without_index", {"value_b"}},
    {"index_on_a_single_control", {"Spin_n", 0}},
    {"the_window_itself", {"Form1"}},
    {"wrong_case", {"label1"}},
};

INSTANTIATE_TEST_SUITE_P(Names, FindControlMiss, ::testing::ValuesIn(missing_cases),
                         testing::CaseName{});

// Each face is what its name says (serif or sans, italic, bold, small or tiny), the
// faces differ from one another, and the table uses every one.
TEST(Fonts, EachFaceIsWhatItsNameSaysAndEveryOneIsUsed) {
    struct Named {
        FontId id;
        std::string_view name;
    };
    const Named faces[] = {
        {FontId::serif_italic, "serif_italic"},
        {FontId::serif, "serif"},
        {FontId::sans, "sans"},
        {FontId::sans_bold, "sans_bold"},
        {FontId::sans_small, "sans_small"},
        {FontId::sans_tiny, "sans_tiny"},
        {FontId::serif_italic_tiny, "serif_italic_tiny"},
    };
    std::set<FontId> used;
    for (const ControlRow& row : layout_table()) {
        used.insert(row.font);
    }
    const float full_size = font_face(FontId::serif).points;
    std::set<std::tuple<FontFamily, float, bool, bool>> distinct;
    for (const auto& [id, name] : faces) {
        SCOPED_TRACE(name);
        const FontFace face = font_face(id);
        const bool tiny = name.ends_with("_tiny");
        const bool small = name.ends_with("_small");
        EXPECT_EQ(face.family, name.starts_with("serif") ? FontFamily::serif : FontFamily::sans);
        EXPECT_EQ(face.italic, name.find("italic") != std::string_view::npos);
        EXPECT_EQ(face.bold, name.find("bold") != std::string_view::npos);
        if (tiny) {
            EXPECT_LT(face.points, font_face(FontId::sans_small).points);
        } else if (small) {
            EXPECT_LT(face.points, full_size);
        } else {
            EXPECT_EQ(face.points, full_size);
        }
        EXPECT_TRUE(distinct.insert({face.family, face.points, face.bold, face.italic}).second);
        EXPECT_EQ(used.count(id), 1U) << "no control uses it";
    }
}

}  // namespace
}  // namespace quorvel
