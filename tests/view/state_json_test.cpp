// The state line every shell writes: keys in byte order, numbers that read back exactly.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "form_fixture.h"
#include "state_json.h"

namespace quorvel {
namespace {

TEST(StateJson, StartUpLineHoldsTheFirstExampleInKeyOrder) {
    testing::LoadedForm run;
    const std::string line = state_json(run.form, "Form_Load", nullptr);
    EXPECT_EQ(line.substr(0, 33), R"({"ans_a":["","","","",""],"ans_a_)");
    EXPECT_NE(line.find(R"("cos_mode":true,"d_theta":0.1256636083126068,"div_k":50,)"),
              std::string::npos);
    EXPECT_NE(line.find(R"("event":"Form_Load","ex_a":[8,6,0,0,0],)"), std::string::npos);
    EXPECT_NE(line.find(R"("s_over_t":0,"sim_a":[0,0,0,0,0],)"), std::string::npos);
    EXPECT_EQ(line.find("fault"), std::string::npos);
    EXPECT_EQ(line.back(), '}');
}

TEST(StateJson, AFaultComesAfterTheEventAndTextsAreEscaped) {
    testing::LoadedForm run;
    const RuntimeFault fault(FaultKind::overflow);
    const std::string line = state_json(run.form, "odd \"name\"\\", &fault);
    EXPECT_NE(line.find(R"("event":"odd \"name\"\\","ex_a":)"), std::string::npos);
    EXPECT_NE(line.find(R"("ex_b":[)"), std::string::npos);
    EXPECT_NE(line.find(R"("fault":"Overflow","lebel":1,)"), std::string::npos);
}

TEST(StateJson, AReadoutBelowOneTenThousandthIsWrittenInFull) {
    testing::LoadedForm run;
    run.form.s_over_t = -0.0001f;
    const std::string line = state_json(run.form, "x", nullptr);
    EXPECT_NE(line.find(R"("s_over_t":-9.999999747378752e-05,)"), std::string::npos);
}

// The shortest form that reads back, fixed or scientific whichever is shorter and fixed
// on a tie: the bytes of std::to_chars, which the WebAssembly build's library lacks.
TEST(StateJson, NumbersTakeTheShorterOfFixedAndScientificForm) {
    struct Case {
        float s_over_t;
        std::string_view text;
    };
    constexpr Case cases[] = {
        {2.9999f, "2.9999001026153564"},      {1.5f, "1.5"},
        {123456.7f, "123456.703125"},         {1e-7f, "1.0000000116860974e-07"},
        {0.00012f, "0.00011999999696854502"},  // a tie: 22 characters either way
        {3.4e38f, "3.3999999521443642e+38"},   // whole, but beyond plain digits
    };
    testing::LoadedForm run;
    for (const Case& c : cases) {
        run.form.s_over_t = c.s_over_t;
        const std::string line = state_json(run.form, "x", nullptr);
        EXPECT_NE(line.find("\"s_over_t\":" + std::string(c.text) + ","), std::string::npos)
            << c.text;
    }
}

}  // namespace
}  // namespace quorvel
