// Start-up of a lesson program and the error screen.
#include <gtest/gtest.h>

#include "tests/frame_testing.h"

namespace {

using frame_testing::End;
using frame_testing::Harness;
using frame_testing::TestLesson;
using plat::Text;

TEST(StartUp, SeedsTheRandomGeneratorWithHoursMinutesAndSeconds) {
  struct Case {
    const char* time;
    int seed;
  } cases[] = {{"00:00:00", 0}, {"23:59:59", 141}, {"10:20:30", 60}, {"12:18:30", 60}, {"07:05:09", 21}};
  for (const auto& c : cases) {
    Harness h("", c.time);
    h.Start();
    plat::Random expected;
    expected.Randomize(c.seed);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(h.screen().Rnd(), expected.Rnd()) << c.time;
  }
}

TEST(StartUp, LeavesWindowFontPenAndGlobalsForTheMainMenu) {
  Harness h;
  bool entered = false;
  h.Run([&](TestLesson& p) {
    entered = true;
    EXPECT_EQ(p.gTextColour, 4);
    EXPECT_EQ(p.scr.GetDrawWidth(0), 3);
    EXPECT_EQ(p.scr.fontName(), SJ("ｺﾞｼｯｸ"));
    EXPECT_EQ(p.scr.fontFace(), plat::Face::Gothic);
    EXPECT_EQ(p.scr.fontSize(), 16);
    EXPECT_EQ(p.gAnswerX, 1056);
    EXPECT_EQ(p.gAnswerY, 648);
    EXPECT_EQ(p.gTitle, "Testa");
    EXPECT_EQ(p.gDimBound, 23);
    // Everything else starts at zero or empty.
    EXPECT_EQ(p.gPenX, 0);
    EXPECT_EQ(p.gRaiseNext, 0);
    EXPECT_TRUE(p.gPrintText.empty());
  });
  EXPECT_TRUE(entered);
  EXPECT_TRUE(h.Lines().empty());  // the start-up draws nothing
}

TEST(StartUp, CreatesTheSharedArraysWithInclusiveBoundsFromZero) {
  Harness h;
  h.Start();
  auto& p = h.program;
  struct Bound {
    const char* name;
    int upper;
    std::function<void(float)> touch;
  };
  std::vector<Bound> bounds = {
      {"gTermText2", 40, [&](float i) { p.gTermText2(i) = "x"; }},
      {"gTermValue2", 40, [&](float i) { p.gTermValue2(i) = 1; }},
      {"gTermText", 80, [&](float i) { p.gTermText(i) = "x"; }},
      {"gTermValue", 80, [&](float i) { p.gTermValue(i) = 1; }},
      {"gSpareNum23", 23, [&](float i) { p.gSpareNum23(i) = 1; }},
      {"gSpareText6", 6, [&](float i) { p.gSpareText6(i) = "x"; }},
      {"gSpareText10A", 10, [&](float i) { p.gSpareText10A(i) = "x"; }},
      {"gSpareNum5A", 5, [&](float i) { p.gSpareNum5A(i) = 1; }},
      {"gSpareNum5B", 5, [&](float i) { p.gSpareNum5B(i) = 1; }},
      {"gPointX", 40, [&](float i) { p.gPointX(i) = 1; }},
      {"gPointY", 40, [&](float i) { p.gPointY(i) = 1; }},
      {"gPrimeList", 10, [&](float i) { p.gPrimeList(i) = 1; }},
      {"gSpareNum10A", 10, [&](float i) { p.gSpareNum10A(i) = 1; }},
      {"gSpareNum10B", 10, [&](float i) { p.gSpareNum10B(i) = 1; }},
      {"gLabelList", 20, [&](float i) { p.gLabelList(i) = "x"; }},
      {"gTextListB", 20, [&](float i) { p.gTextListB(i) = "x"; }},
      {"gSpareNum5C", 5, [&](float i) { p.gSpareNum5C(i) = 1; }},
      {"gSpareNum5D", 5, [&](float i) { p.gSpareNum5D(i) = 1; }},
      {"gTextList10", 10, [&](float i) { p.gTextList10(i) = "x"; }},
      {"gSpareText10B", 10, [&](float i) { p.gSpareText10B(i) = "x"; }},
      {"gSpareText10C", 10, [&](float i) { p.gSpareText10C(i) = "x"; }},
      {"gNumListA", 40, [&](float i) { p.gNumListA(i) = 1; }},
      {"gNumListB", 40, [&](float i) { p.gNumListB(i) = 1; }},
  };
  for (const auto& b : bounds) {
    EXPECT_NO_THROW(b.touch(0)) << b.name;
    EXPECT_NO_THROW(b.touch(static_cast<float>(b.upper))) << b.name;
    EXPECT_THROW(b.touch(static_cast<float>(b.upper + 1)), plat::Fault) << b.name;
    EXPECT_THROW(b.touch(-1), plat::Fault) << b.name;
  }
  // The two tables: rows 0 to 10 (5) and columns 0 to 2.
  EXPECT_NO_THROW(p.gPairTable(10, 2) = 1);
  EXPECT_NO_THROW(p.gPairTable(0, 0) = 1);
  EXPECT_THROW(p.gPairTable(11, 0), plat::Fault);
  EXPECT_THROW(p.gPairTable(0, 3), plat::Fault);
  EXPECT_NO_THROW(p.gSpareText5x2(5, 2) = "x");
  EXPECT_THROW(p.gSpareText5x2(6, 2), plat::Fault);
  // Element values survive: written and read back.
  p.gPointY(0) = 7;
  p.gTermValue(80) = -3;
  EXPECT_EQ(p.gPointY(0), 7);
  EXPECT_EQ(p.gTermValue(80), -3);
}

// The error report as the trace shows it: face Gothic 16 upright, colour 13 at (288, 432).
std::string ErrorReport(int line, int code, bool bold) {
  return "text x=288 y=432 h=1 v=1 colour=13 face=gothic size=16 bold=" + std::string(bold ? "1" : "0") +
         " italic=0 \" " + std::to_string(line) + ", " + std::to_string(code) +
         "エラーが発生しました。マウスで×をクリックして下さい。\"";
}

TEST(ErrorScreen, AFaultClearsTheScreenAndReportsLineAndCode) {
  Harness h("1 2 a Enter");
  int faultLine = 0;
  End end = h.Run([&](TestLesson& p) {
    p.gPenX = 100;
    p.gPenY = 10;
    p.gPrintText = "Title";
    p.PrintText();
    // clang-format off
    faultLine = __LINE__; p.gTermValue(81) = 1;
    // clang-format on
    ADD_FAILURE() << "the lesson went on after a fault";
  });
  EXPECT_EQ(end, End::WindowClosed);  // only closing the window ends the error screen
  auto lines = h.Lines();
  auto cls = std::find(lines.begin(), lines.end(), "cls");
  ASSERT_NE(cls, lines.end());
  ASSERT_EQ(lines.end() - cls, 2 + 4);  // cls, the report, then the four keys taken and ignored
  EXPECT_EQ(cls[1], ErrorReport(faultLine, plat::kFaultIndexOutOfRange, true));
  EXPECT_EQ(cls[2], "key \"1\"");
  EXPECT_EQ(frame_testing::Only(lines, "text ").size(), 5u + 1u);  // nothing is drawn after the report
  EXPECT_EQ(h.Waits(), 1);
}

TEST(ErrorScreen, IsLegibleWhateverFontWasInForce) {
  Harness h;
  int faultLine = 0;
  h.Run([&](TestLesson& p) {
    p.scr.SetFontName(0, "Times New Roman");
    p.scr.SetFontSize(0, 8);
    p.scr.SetFontItalic(0, -1);
    // clang-format off
    faultLine = __LINE__; plat::Div(1, 0);
    // clang-format on
  });
  auto lines = h.Lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "cls");
  EXPECT_EQ(lines[1], ErrorReport(faultLine, plat::kFaultDivisionByZero, false));
}

TEST(ErrorScreen, ClosingTheWindowAndTheProgramsOwnEndPassThrough) {
  Harness closed("Close");
  EXPECT_EQ(closed.Run([](TestLesson& p) { p.WaitForKey(); }), End::WindowClosed);
  auto lines = closed.Lines();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "cls"), 0);  // no error screen
  Harness ended;
  EXPECT_EQ(ended.Run([](TestLesson& p) { p.scr.EndProgram(); }), End::ProgramEnded);
  EXPECT_TRUE(ended.Lines().empty());
}

TEST(Clearing, WorkAreaAndAnswerBandWipeTheirRectangles) {
  Harness h;
  h.Start();
  auto& p = h.program;
  p.gPenX = 5;
  p.gPenY = 6;
  p.ClearWorkArea();
  EXPECT_EQ(p.gPenX, 5);
  EXPECT_EQ(p.gPenY, 6);
  p.ClearAnswerBand();
  EXPECT_EQ(p.gPenX, 1136);
  EXPECT_EQ(p.gPenY, 576);
  auto lines = h.Lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], frame_testing::FilledBox(0, 54, 1440, 900, 15, 15, 3));
  EXPECT_EQ(lines[1], frame_testing::FilledBox(1136, 576, 2576, 666, 15, 15, 3));
}

}  // namespace

namespace {

TEST(StartUp, EveryProgramReachesItsMainMenuWithoutAFault) {
  for (const char* program : {"corvana", "dellmir", "fennor", "jorrel"}) {
    auto replay = testing_support::RunReplay(program, "Close", "23:59:59");
    EXPECT_EQ(replay.exitCode, 0) << program;
    EXPECT_EQ(replay.Find("cls"), -1) << program;  // no error screen
    EXPECT_EQ(replay.Find("エラー"), -1) << program;
  }
}

}  // namespace
