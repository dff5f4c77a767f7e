// How formulas and headings read on a projector: where glyphs sit in their
// cells, the look of the signs and the program names in the menu headings.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "tests/support.h"

namespace {

using testing_support::RunReplay;

// A program's name is no formula: the heading writes it in full-width letters,
// which no letter rule of the typesetter turns into an italic or script glyph.
TEST(MenuHeading, ProgramNameInFullWidthLettersInTheGothicFace) {
  struct Case {
    const char* program;
    const char* heading;
  } cases[] = {
      {"corvana", "＜Ｃｏｒｖａｎａ　メニュー＞"},
      {"dellmir", "＜Ｄｅｌｌｍｉｒ　メニュー＞"},
      {"fennor", "＜Ｆｅｎｎｏｒ　メニュー＞"},
      {"jorrel", "＜Ｊｏｒｒｅｌ　メニュー＞"},
  };
  const std::regex glyph(R"re(^text x=(\S+) y=30 .* face=(\w+) .*"(.*)"$)re");
  for (const auto& c : cases) {
    std::string heading;
    float lastX = 0;
    for (const auto& line : RunReplay(c.program, "").With("text ")) {
      std::smatch m;
      if (!std::regex_match(line, m, glyph)) continue;
      EXPECT_EQ(m[2], "gothic") << c.program << ": " << line;
      EXPECT_GT(std::stof(m[1]), lastX) << c.program;
      lastX = std::stof(m[1]);
      heading += m[3];
    }
    EXPECT_EQ(heading, c.heading);
  }
}

}  // namespace
