// Number entry at the answer field, the prompts and the key waits.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/frame_testing.h"

namespace {

using frame_testing::FilledBox;
using frame_testing::Glyph;
using frame_testing::Harness;
using frame_testing::Only;
using plat::FromUtf8;

std::string Dot(int cursorX, int colour, int width = 3) {
  return "circle x=" + std::to_string(cursorX + 8) + " y=656 r=4 colour=" + std::to_string(colour) +
         " width=" + std::to_string(width) + " fill=" + std::to_string(colour);
}

// Glyphs of a text printed from x in one colour, 16 units apart.
std::vector<std::string> Glyphs(int x, int y, int colour, const char* utf8) {
  std::vector<std::string> out;
  for (const auto& c : plat::SplitChars(FromUtf8(utf8))) {
    out.push_back(Glyph(x, y, colour, plat::ToUtf8(c)));
    x += 16;
  }
  return out;
}

std::vector<std::string> Join(std::vector<std::vector<std::string>> parts) {
  std::vector<std::string> out;
  for (auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

TEST(AnswerField, EchoesTypedKeysWithTheBlinkingDotAndWipesAtEnter) {
  Harness h("3 . 5 Enter");
  h.Start();
  auto& p = h.program;
  p.AskMenuNumber();
  auto expected = Join({
      Glyphs(816, 648, 0, "番号を入力して下さい。"),
      Glyphs(1008, 648, 0, "入力"),
      {Dot(1056, 5), "key \"3\"", Dot(1056, 15), Glyph(1056, 648, 5, "３")},
      // The period is drawn 4 units left of its cell, and the cursor stays.
      {Dot(1072, 5), "key \".\"", Dot(1072, 15), Glyph(1068, 648, 5, "．")},
      {Dot(1072, 5), "key \"5\"", Dot(1072, 15), Glyph(1072, 648, 5, "５")},
      {Dot(1088, 5), "key \"Enter\"", Dot(1088, 15)},
      {FilledBox(1008, 640, 1248, 670, 15, 15, 3)},
  });
  EXPECT_EQ(h.Lines(), expected);
  EXPECT_EQ(p.gInputText, "3.5");
  EXPECT_FLOAT_EQ(p.gInputValue, 3.5f);
  EXPECT_EQ(p.gTextColour, 5);
  EXPECT_EQ(p.gPenX, 1072);
  EXPECT_EQ(p.gPenY, 648);
  EXPECT_EQ(p.gKey, "\r");
  EXPECT_EQ(p.gRaiseNext, 0);
  EXPECT_TRUE(p.gPrintText.empty());
  EXPECT_EQ(h.Waits(), 1);
}

TEST(AnswerField, KeysClearIgnoreOrFillTheField) {
  struct Case {
    const char* keys;
    const char* text;
    float value;
    float colour;  // left by the entry
    float penX;
  } cases[] = {
      {"Enter", "", 0, 0, 1040},
      {"1 2 Backspace 7 Enter", "7", 7, 5, 1056},
      {"1 2 Clear Enter", "", 0, 5, 1072},
      // The eleventh key clears the field and is lost.
      {"1 2 3 4 5 6 7 8 9 0 5 7 Enter", "7", 7, 5, 1056},
      {"1 2 3 4 5 6 7 8 9 0 Enter 3 Enter", "3", 3, 5, 1056},
      {"1 2 3 4 5 6 7 8 9 Enter", "123456789", 123456789.0f, 5, 1184},
      {"a + * , : Space q Z 4 Enter", "4", 4, 5, 1056},
      {"3 / 4 Enter", "3/4", 0.75f, 5, 1088},
      {"- 2 / 3 Enter", "-2/3", -0.6666667f, 5, 1104},
      {"1 / 0 Enter", "1/0", 0, 5, 1088},
  };
  for (const auto& c : cases) {
    Harness h(c.keys);
    h.Start();
    auto& p = h.program;
    p.AskMenuNumber();
    EXPECT_EQ(p.gInputText, c.text) << c.keys;
    EXPECT_FLOAT_EQ(p.gInputValue, c.value) << c.keys;
    EXPECT_EQ(p.gTextColour, c.colour) << c.keys;
    EXPECT_EQ(p.gPenX, c.penX) << c.keys;
    EXPECT_EQ(p.gKey, "\r") << c.keys;
  }
}

TEST(AnswerField, BackspaceWipesTheWholeFieldButNotTheLabel) {
  Harness h("3 / 4 Backspace 8 Enter");
  h.Start();
  h.program.ReadAnswer();
  auto lines = h.Lines();
  auto texts = Only(lines, "text ");
  EXPECT_EQ(texts, Join({Glyphs(1008, 648, 0, "入力"), Glyphs(1056, 648, 5, "３÷４"), {Glyph(1056, 648, 5, "８")}}));
  auto fills = Only(lines, "fill ");
  EXPECT_EQ(fills, (std::vector<std::string>{FilledBox(1056, 640, 1248, 670, 15, 15, 3),
                                              FilledBox(1008, 640, 1248, 670, 15, 15, 3)}));
  EXPECT_EQ(h.program.gInputText, "8");
}

TEST(ParseAnswerNumber, ReadsNumbersAndFractions) {
  struct Case {
    const char* typed;
    float value;
  } cases[] = {
      {"12", 12},       {"-3", -3},        {"1.5", 1.5f},   {"3/4", 0.75f}, {"-2/3", -0.6666667f},
      {"1/2/3", 0.5f},  {"5-", 5},         {"1.2.3", 1.2f}, {"", 0},        {"-", 0},
      {".", 0},         {"2/2", 1},        {"-6/-3", 2},    {".5/.25", 2},
      // No denominator: 0, which no menu range holds and which is not the step answer 1.
      {"1/0", 0},       {"5/", 0},         {"/", 0},        {"0/0", 0},     {"-/-", 0},
  };
  Harness h;
  for (const auto& c : cases) {
    h.program.gInputText = c.typed;
    h.program.ParseAnswerNumber();
    EXPECT_FLOAT_EQ(h.program.gInputValue, c.value) << c.typed;
    EXPECT_TRUE(std::isfinite(h.program.gInputValue)) << c.typed;
  }
  h.program.gInputText = "12/34";
  h.program.ParseAnswerNumber();
  EXPECT_EQ(h.program.gWorkText, "12");
  EXPECT_EQ(h.program.gChar, "34");
}

TEST(AskNextStep, ShowsTheStepBoxAtWidthTwoAndRemovesIt) {
  struct Case {
    const char* keys;
    float value;
    float colour;
  } cases[] = {{"1 Enter", 1, 5}, {"2 / 2 Enter", 1, 5}, {"Enter", 0, 0}, {"2 Enter", 2, 5}, {"0 Enter", 0, 5}};
  for (const auto& c : cases) {
    Harness h(c.keys);
    h.Start();
    auto& p = h.program;
    p.scr.SetDrawWidth(0, 5);
    p.gLoopIndex = 7;
    p.AskNextStep();
    EXPECT_FLOAT_EQ(p.gInputValue, c.value) << c.keys;
    EXPECT_EQ(p.gTextColour, c.colour) << c.keys;
    EXPECT_EQ(p.scr.GetDrawWidth(0), 5) << c.keys;
    EXPECT_EQ(p.gLoopIndex, 7) << c.keys;
    EXPECT_EQ(h.Waits(), 1) << c.keys;
    auto lines = h.Lines();
    ASSERT_GE(lines.size(), 15u);
    EXPECT_EQ(lines[0], FilledBox(96, 639, 400, 675, 13, 12, 2));
    std::vector<std::string> prompt(lines.begin() + 1, lines.begin() + 13);
    EXPECT_EQ(prompt, Glyphs(128, 648, 9, "次のステップは１を入力。"));
    EXPECT_EQ(lines[15], Dot(1056, 5, 2));
    std::vector<std::string> last(lines.end() - 3, lines.end());
    EXPECT_EQ(last, (std::vector<std::string>{FilledBox(1008, 640, 1248, 670, 15, 15, 2),
                                             FilledBox(1008, 639, 1168, 666, 15, 15, 2),
                                             FilledBox(96, 639, 400, 675, 15, 15, 2)}));
  }
}

TEST(WaitForKey, ShowsItsBoxTakesAnyKeyAndRestoresColourAndWidth) {
  for (const char* key : {"a", "Enter", "Backspace", "Space", "+", "7", "Q"}) {
    Harness h(key);
    h.Start();
    auto& p = h.program;
    p.gTextColour = 7;
    p.scr.SetDrawWidth(0, 5);
    p.gLoopIndex = 3;
    p.WaitForKey();
    auto lines = h.Lines();
    auto expected = Join({{FilledBox(96, 657, 400, 693, 13, 4, 3)},
                          Glyphs(128, 666, 9, "何かキーを押して下さい。"),
                          {lines.size() > 13 ? lines[13] : "", FilledBox(0, 657, 400, 693, 15, 15, 3)}});
    EXPECT_EQ(lines, expected) << key;
    EXPECT_EQ(lines.size() > 13 ? lines[13].rfind("key ", 0) : 1, 0u) << key;
    EXPECT_EQ(p.gKey, plat::ParseKeyScript(key)[0].value()) << key;
    EXPECT_EQ(p.gTextColour, 7) << key;
    EXPECT_EQ(p.scr.GetDrawWidth(0), 5) << key;
    EXPECT_EQ(p.gPenX, 320) << key;
    EXPECT_EQ(p.gPenY, 666) << key;
    EXPECT_EQ(p.gLoopIndex, 3) << key;
    EXPECT_TRUE(p.gPrintText.empty()) << key;
    EXPECT_EQ(p.gRaiseNext, 0) << key;
    EXPECT_EQ(h.Waits(), 1) << key;
  }
}

TEST(WaitForKey, KeysTypedAheadAreTakenInOrder) {
  Harness h("x 1 Enter");
  h.Start();
  auto& p = h.program;
  p.WaitForKey();
  EXPECT_EQ(p.gKey, "x");
  p.WaitForKey();
  EXPECT_EQ(p.gKey, "1");
  p.WaitForKey();
  EXPECT_EQ(p.gKey, "\r");
  EXPECT_EQ(h.Waits(), 3);
  EXPECT_THROW(p.WaitForKey(), plat::WindowClosed);
}

TEST(ShowMessageAndWait, ShowsTheCallersTextInTheWideBox) {
  Harness h("k");
  h.Start();
  auto& p = h.program;
  p.gTextColour = 2;
  p.gPrintText = "Hi";
  p.ShowMessageAndWait();
  auto expected = Join({{FilledBox(16, 657, 496, 693, 13, 4, 3)},
                        Glyphs(48, 666, 9, "Ｈｉ"),
                        {"key \"k\"", FilledBox(0, 657, 992, 720, 15, 15, 3)}});
  EXPECT_EQ(h.Lines(), expected);
  EXPECT_EQ(p.gKey, "k");
  EXPECT_EQ(p.gTextColour, 2);
  EXPECT_EQ(p.gPenX, 80);
  EXPECT_EQ(h.Waits(), 1);
}

TEST(BottomLine, PromptsAtTheBottomAndWipesTheBandAndTheMenuLine) {
  Harness h("4 Enter");
  h.Start();
  auto& p = h.program;
  p.gPrintText = FromUtf8("①導入　②終了");
  p.AskOnBottomLine();
  EXPECT_EQ(p.gInputValue, 4);
  auto texts = Only(h.Lines(), "text ");
  std::vector<std::string> line(texts.begin(), texts.begin() + 7);
  EXPECT_EQ(line, Glyphs(16, 666, 0, "①導入　②終了"));
  h.ClearTrace();
  p.gPenX = 1;
  p.ClearBottomBand();
  p.ClearMenuPromptLine();
  EXPECT_EQ(h.Lines(), (std::vector<std::string>{FilledBox(0, 657, 992, 720, 15, 15, 3),
                                                  FilledBox(816, 640, 1872, 690, 15, 15, 3)}));
  EXPECT_EQ(p.gPenX, 1);
}

}  // namespace
