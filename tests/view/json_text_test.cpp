// The one JSON writer: strings come out with the escapes every reader takes back to the
// same bytes, and the writer places its own commas.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "json_text.h"

namespace quorvel {
namespace {

TEST(JsonText, StringsAreEscapedOnce) {
    struct Case {
        std::string_view name;
        std::string_view text;
        std::string_view json;
    };
    const Case cases[] = {
        {"plain", "S/T = 3", R"("S/T = 3")"},
        {"quote_and_backslash", R"(a"b\c)", R"("a\"b\\c")"},
        {"newline", "a\nb", R"("a\nb")"},
        {"carriage_return", "a\rb", R"("a\rb")"},
        {"tab", "a\tb", R"("a\tb")"},
        {"other_control_characters", std::string_view("\x01\x1f\0", 3), R"("\u0001\u001f\u0000")"},
        {"utf8_as_it_is", "θ … é", R"("θ … é")"},
        {"delete_as_it_is", "\x7f", "\"\x7f\""},
    };
    for (const Case& c : cases) {
        std::string out;
        append_json_string(out, c.text);
        EXPECT_EQ(out, c.json) << c.name;
        JsonText json;
        EXPECT_EQ(json.value(c.text).text(), c.json) << c.name;
    }
}

TEST(JsonText, CommasSeparateFieldsAndItemsAtEveryDepth) {
    JsonText json;
    json.begin_object().key("fault").null().key("rows").begin_array();
    json.value(1).begin_array().value(2).value(true).end_array().value("x").end_array();
    json.field("empty", "").key("none").begin_object().end_object().end_object();
    EXPECT_EQ(json.text(), R"({"fault":null,"rows":[1,[2,true],"x"],"empty":"","none":{}})");
}

}  // namespace
}  // namespace quorvel
