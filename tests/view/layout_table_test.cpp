#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

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
// Spot checks: where a few rows lie that no other test places (the client-area tests place
// Frame2, campus_ex, a T mark, value_b(0) and ans_b(0)): one of each kind of container and
// control, in twips.

struct SpotCase {
    const char* row;
    ControlName name;
    ControlKind kind;
    ControlName container;
    int left, top, width, height;
};

void PrintTo(const SpotCase& c, std::ostream* os) {
    *os << c.row;
}

class LayoutSpot : public testing::TestWithParam<SpotCase> {};

TEST_P(LayoutSpot, LiesWhereTheWindowPutsIt) {
    const SpotCase& c = GetParam();
    const ControlRow* got = find_control(c.name);
    ASSERT_NE(got, nullptr);
    EXPECT_EQ(got->kind, c.kind);
    EXPECT_EQ(got->container, c.container);
    EXPECT_EQ(got->left, c.left);
    EXPECT_EQ(got->top, c.top);
    EXPECT_EQ(got->width, c.width);
    EXPECT_EQ(got->height, c.height);
}

// clang-format off
const SpotCase spot_cases[] = {
    {"frame_top_right", {"Frame3"}, ControlKind::frame, form, 6600, 0, 3015, 1455},
    {"frame_bottom_middle", {"s_wave", 4}, ControlKind::frame, form, 3600, 5280, 3015, 1455},
    {"push_button", {"Command1"}, ControlKind::push_button, {"example"}, 120, 1440, 732, 252},
    {"option_button", {"switch_c"}, ControlKind::option_button, {"Frame1"}, 120, 540, 615, 225},
    {"spin_button_in_a_frame", {"Spin_b3"}, ControlKind::spin_button, {"c_wave", 3}, 0, 960, 375, 375},
    {"chart", {"campus_graph"}, ControlKind::picture, {"Frame3"}, 240, 120, 2652, 1092},
    {"label_on_the_chart", {"Label27"}, ControlKind::label, {"campus_graph"}, 840, 0, 975, 255},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Rows, LayoutSpot, testing::ValuesIn(spot_cases),
                         [](const testing::TestParamInfo<SpotCase>& p) {
                             return std::string(p.param.row);
                         });

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

class ControlArray : public testing::TestWithParam<ArrayCase> {};

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

INSTANTIATE_TEST_SUITE_P(Arrays, ControlArray, testing::ValuesIn(array_cases),
                         [](const testing::TestParamInfo<ArrayCase>& p) {
                             return std::string(p.param.name);
                         });

TEST(LayoutTable, OnlyControlArraysHaveIndices) {
    std::set<std::string_view> arrays;
    for (const ArrayCase& a : array_cases) {
        arrays.insert(a.name);
    }
    for (const ControlRow& row : layout_table()) {
        EXPECT_EQ(row.name.index >= 0, arrays.count(row.name.name) == 1) << full_name(row.name);
    }
}

// Element i of Label25 tags a plot's frame and element i of Label26 is the "T" mark on a
// plot surface. The two indices agree except at 9 and 10, where they are crossed: the tag
// "W0" of the example frame shares its index with the mark on the summed wave, and "W1"
// with the mark on the example wave.
struct PlotTagCase {
    int index;
    const char* tag;
    ControlName tag_frame;
    ControlName mark_surface;
};

void PrintTo(const PlotTagCase& c, std::ostream* os) {
    *os << c.index;
}

class PlotTag : public testing::TestWithParam<PlotTagCase> {};

TEST_P(PlotTag, TagAndTMarkSitWhereTheirIndexSays) {
    const PlotTagCase& c = GetParam();
    const ControlRow* tag = find_control({"Label25", c.index});
    const ControlRow* mark = find_control({"Label26", c.index});
    ASSERT_NE(tag, nullptr);
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(tag->caption, c.tag);
    EXPECT_EQ(tag->container, c.tag_frame);
    EXPECT_EQ(mark->caption, "T");
    EXPECT_EQ(mark->container, c.mark_surface);
}

const PlotTagCase plot_tag_cases[] = {
    {0, "C0", {"s_wave", 0}, {"campus_a", 0}}, {1, "C1", {"s_wave", 1}, {"campus_a", 1}},
    {2, "C2", {"s_wave", 2}, {"campus_a", 2}}, {3, "C3", {"s_wave", 3}, {"campus_a", 3}},
    {4, "C4", {"s_wave", 4}, {"campus_a", 4}}, {5, "S1", {"c_wave", 1}, {"campus_b", 1}},
    {6, "S2", {"c_wave", 2}, {"campus_b", 2}}, {7, "S3", {"c_wave", 3}, {"campus_b", 3}},
    {8, "S4", {"c_wave", 4}, {"campus_b", 4}}, {9, "W0", {"example"}, {"campus_sim"}},
    {10, "W1", {"simulate"}, {"campus_ex"}},   {11, "E", {"Frame1"}, {"campus_ess"}},
    {12, "W2", {"Frame2"}, {"campus_sqr"}},
};

INSTANTIATE_TEST_SUITE_P(Plots, PlotTag, testing::ValuesIn(plot_tag_cases),
                         [](const testing::TestParamInfo<PlotTagCase>& p) {
                             return std::string(p.param.tag);
                         });

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

struct HandledCase {
    ControlName name;
    ControlKind kind;
};

void PrintTo(const HandledCase& c, std::ostream* os) {
    *os << c.name.name;
}

class HandledControl : public testing::TestWithParam<HandledCase> {};

TEST_P(HandledControl, ExistsWithItsKind) {
    const ControlRow* row = find_control(GetParam().name);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->kind, GetParam().kind);
    EXPECT_TRUE(row->visible);
}

// The controls whose Click, SpinUp and SpinDown events the program handles.
const HandledCase handled_cases[] = {
    {{"Command1"}, ControlKind::push_button},   {{"Command2"}, ControlKind::push_button},
    {{"Command3"}, ControlKind::push_button},   {{"Command4"}, ControlKind::push_button},
    {{"switch_c"}, ControlKind::option_button}, {{"switch_s"}, ControlKind::option_button},
    {{"Spin_a0"}, ControlKind::spin_button},    {{"Spin_a1"}, ControlKind::spin_button},
    {{"Spin_a2"}, ControlKind::spin_button},    {{"Spin_a3"}, ControlKind::spin_button},
    {{"Spin_a4"}, ControlKind::spin_button},    {{"Spin_b1"}, ControlKind::spin_button},
    {{"Spin_b2"}, ControlKind::spin_button},    {{"Spin_b3"}, ControlKind::spin_button},
    {{"Spin_b4"}, ControlKind::spin_button},    {{"Spin_lebel"}, ControlKind::spin_button},
    {{"Spin_n"}, ControlKind::spin_button},     {{"Spin_k"}, ControlKind::spin_button},
};

INSTANTIATE_TEST_SUITE_P(Events, HandledControl, testing::ValuesIn(handled_cases),
                         [](const testing::TestParamInfo<HandledCase>& p) {
                             return std::string(p.param.name.name);
                         });

// ---------------------------------------------------------------------------------------
// Lookup and fonts.

struct MissingCase {
    const char* label;
    ControlName name;
};

void PrintTo(const MissingCase& c, std::ostream* os) {
    *os << c.label;
}

class FindControlMiss : public testing::TestWithParam<MissingCase> {};

TEST_P(FindControlMiss, ReturnsNull) {
    EXPECT_EQ(find_control(GetParam().name), nullptr);
}

const MissingCase missing_cases[] = {
    {"index_past_the_array", {"campus_a", 5}},
    {"array_without_index", {"value_b"}},
    {"index_on_a_single_control", {"Spin_n", 0}},
    {"the_window_itself", {"Form1"}},
    {"wrong_case", {"label1"}},
};

INSTANTIATE_TEST_SUITE_P(Names, FindControlMiss, testing::ValuesIn(missing_cases),
                         [](const testing::TestParamInfo<MissingCase>& p) {
                             return std::string(p.param.label);
                         });

struct FontCase {
    FontId id;
    FontFamily family;
    float points;
    bool bold;
    bool italic;
};

// "serif_975_italic": the face's family, size in hundredths of a point and style.
std::string face_label(const FontCase& c) {
    std::string s = c.family == FontFamily::serif ? "serif" : "sans";
    s += "_" + std::to_string(static_cast<int>(c.points * 100.0f));
    s += c.bold ? "_bold" : "";
    s += c.italic ? "_italic" : "";
    return s;
}

void PrintTo(const FontCase& c, std::ostream* os) {
    *os << face_label(c);
}

class Font : public testing::TestWithParam<FontCase> {};

TEST_P(Font, FaceSizeAndStyle) {
    const FontCase& c = GetParam();
    const FontFace f = font_face(c.id);
    EXPECT_EQ(f.family, c.family);
    EXPECT_EQ(f.points, c.points);
    EXPECT_EQ(f.bold, c.bold);
    EXPECT_EQ(f.italic, c.italic);
}

const FontCase font_cases[] = {
    {FontId::serif_italic, FontFamily::serif, 9.75f, false, true},
    {FontId::serif, FontFamily::serif, 9.75f, false, false},
    {FontId::sans, FontFamily::sans, 9.75f, false, false},
    {FontId::sans_bold, FontFamily::sans, 9.75f, true, false},
    {FontId::sans_small, FontFamily::sans, 7.5f, false, false},
    {FontId::sans_tiny, FontFamily::sans, 6.0f, false, false},
    {FontId::serif_italic_tiny, FontFamily::serif, 6.0f, false, true},
};

INSTANTIATE_TEST_SUITE_P(Fonts, Font, testing::ValuesIn(font_cases),
                         [](const testing::TestParamInfo<FontCase>& p) {
                             return face_label(p.param);
                         });

}  // namespace
}  // namespace quorvel
