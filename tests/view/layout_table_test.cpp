#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <ostream>
#include <set>
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
// Spot checks: one full row per kind of control, and the rows that differ from their kin.

struct SpotCase {
    const char* row;
    ControlRow expected;
};

void PrintTo(const SpotCase& c, std::ostream* os) {
    *os << c.row;
}

class LayoutSpot : public testing::TestWithParam<SpotCase> {};

TEST_P(LayoutSpot, RowMatches) {
    const ControlRow& want = GetParam().expected;
    const ControlRow* got = find_control(want.name);
    ASSERT_NE(got, nullptr);
    EXPECT_EQ(got->kind, want.kind);
    EXPECT_EQ(got->container, want.container);
    EXPECT_EQ(got->caption, want.caption);
    EXPECT_EQ(got->left, want.left);
    EXPECT_EQ(got->top, want.top);
    EXPECT_EQ(got->width, want.width);
    EXPECT_EQ(got->height, want.height);
    EXPECT_EQ(got->back, want.back);
    EXPECT_EQ(got->fore, want.fore);
    EXPECT_EQ(got->font, want.font);
    EXPECT_EQ(got->align, want.align);
    EXPECT_EQ(got->transparent, want.transparent);
    EXPECT_EQ(got->visible, want.visible);
    EXPECT_EQ(got->selected, want.selected);
    EXPECT_EQ(got->fill, want.fill);
    EXPECT_EQ(got->fill_style, want.fill_style);
}

constexpr Colour cyan{0x00FFFF00};
constexpr Colour light_green{0x00C0FFC0};
constexpr Colour yellow{0x0000FFFF};

// Each row as the window description has it; fields left out take their defaults.
// clang-format off
const SpotCase spot_cases[] = {
    {"Frame3",
     {.name = {"Frame3"}, .kind = ControlKind::frame, .container = form, .caption = "",
      .left = 6600, .top = 0, .width = 3015, .height = 1455,
      .back = cyan, .fore = std::nullopt}},
    {"hidden_c_wave_0",
     {.name = {"c_wave", 0}, .kind = ControlKind::frame, .container = form, .caption = "",
      .left = 6600, .top = 1440, .width = 3012, .height = 1332,
      .back = std::nullopt, .fore = std::nullopt, .visible = false}},
    {"s_wave_4",
     {.name = {"s_wave", 4}, .kind = ControlKind::frame, .container = form, .caption = "",
      .left = 3600, .top = 5280, .width = 3015, .height = 1455,
      .back = colours::light_yellow, .fore = std::nullopt}},
    {"Command1_white_reset",
     {.name = {"Command1"}, .kind = ControlKind::push_button, .container = {"example"},
      .caption = "RESET",
      .left = 120, .top = 1440, .width = 732, .height = 252,
      .back = colours::white, .fore = std::nullopt, .font = FontId::serif}},
    {"switch_c",
     {.name = {"switch_c"}, .kind = ControlKind::option_button, .container = {"Frame1"},
      .caption = "cos",
      .left = 120, .top = 540, .width = 615, .height = 225,
      .back = std::nullopt, .fore = std::nullopt, .font = FontId::serif, .selected = true}},
    {"Spin_lebel",
     {.name = {"Spin_lebel"}, .kind = ControlKind::spin_button, .container = {"example"},
      .caption = "",
      .left = 600, .top = 720, .width = 255, .height = 375,
      .back = std::nullopt, .fore = std::nullopt}},
    {"Spin_b3",
     {.name = {"Spin_b3"}, .kind = ControlKind::spin_button, .container = {"c_wave", 3},
      .caption = "",
      .left = 0, .top = 960, .width = 375, .height = 375,
      .back = std::nullopt, .fore = std::nullopt}},
    {"campus_graph_solid_fill",
     {.name = {"campus_graph"}, .kind = ControlKind::picture, .container = {"Frame3"},
      .caption = "",
      .left = 240, .top = 120, .width = 2652, .height = 1092,
      .back = light_green, .fore = yellow, .fill = colours::red, .fill_style = FillStyle::solid}},
    {"campus_sqr_green_pen",
     {.name = {"campus_sqr"}, .kind = ControlKind::picture, .container = {"Frame2"}, .caption = "",
      .left = 960, .top = 240, .width = 2532, .height = 1452,
      .back = colours::white, .fore = colours::green, .fill = colours::light_yellow}},
    {"SpinButton1_is_a_surface",
     {.name = {"SpinButton1"}, .kind = ControlKind::picture, .container = {"c_wave", 0},
      .caption = "",
      .left = 120, .top = 960, .width = 132, .height = 252,
      .back = std::nullopt, .fore = colours::black}},
    {"Label27_on_the_chart",
     {.name = {"Label27"}, .kind = ControlKind::label, .container = {"campus_graph"},
      .caption = "Spectol",
      .left = 840, .top = 0, .width = 975, .height = 255,
      .back = std::nullopt, .fore = std::nullopt, .font = FontId::serif_italic, .align = Align::centre,
      .transparent = true}},
    {"Label26_6_on_campus_b_2",
     {.name = {"Label26", 6}, .kind = ControlKind::label, .container = {"campus_b", 2},
      .caption = "T",
      .left = 2280, .top = 600, .width = 255, .height = 255,
      .back = colours::white, .fore = colours::blue, .font = FontId::sans, .align = Align::centre,
      .transparent = true}},
    {"hidden_ans_b_0",
     {.name = {"ans_b", 0}, .kind = ControlKind::label, .container = {"simulate"}, .caption = "",
      .left = 600, .top = 360, .width = 135, .height = 255,
      .back = colours::light_yellow, .fore = colours::red, .font = FontId::serif, .visible = false}},
    {"value_a_3_smaller",
     {.name = {"value_a", 3}, .kind = ControlKind::label, .container = {"s_wave", 3}, .caption = "",
      .left = 0, .top = 600, .width = 372, .height = 252,
      .back = std::nullopt, .fore = colours::red, .font = FontId::serif, .align = Align::centre,
      .transparent = true}},
    {"value_k_opaque_right",
     {.name = {"value_k"}, .kind = ControlKind::label, .container = {"Frame2"}, .caption = "",
      .left = 360, .top = 480, .width = 255, .height = 255,
      .back = std::nullopt, .fore = colours::red, .font = FontId::sans, .align = Align::right}},
    {"Label_b_0_small_italic",
     {.name = {"Label_b", 0}, .kind = ControlKind::label, .container = {"c_wave", 0},
      .caption = "b0",
      .left = 120, .top = 240, .width = 132, .height = 252,
      .back = colours::white, .fore = colours::blue, .font = FontId::serif_italic_tiny, .align = Align::centre,
      .transparent = true}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Rows, LayoutSpot, testing::ValuesIn(spot_cases),
                         [](const testing::TestParamInfo<SpotCase>& p) {
                             return std::string(p.param.row);
                         });

// ---------------------------------------------------------------------------------------
// Structure of the whole table.

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
