// Chapter 4, the two random exercises: kinds of numbers written with a drawn
// letter, and whether expressions in two letters are multiples of a drawn
// number. Each answer comes after a key; the step prompt gives a new problem.
#include "corvana/corvana.h"

namespace lesson {

namespace {

constexpr const char* kLetters[] = {"a", "b", "k", "p", "m", "n"};
constexpr const char* kPairs[][2] = {{"i", "m"}, {"a", "k"}, {"k", "n"}, {"b", "m"}, {"m", "n"}, {"n", "p"}};

}  // namespace

// The pen's place behind a question, where its answer will go.
void Corvana::KeepAnswerPoint(int n) {
  gPointX(n) = gPenX;
  gPointY(n) = gPenY;
}

// A run of pieces on one line, each continuing where the one before ended.
void Corvana::DrawLinePieces(float x, float y, std::initializer_list<std::pair<int, Text>> pieces) {
  gLineEndX = x;
  gLineY = y;
  for (const auto& [colour, text] : pieces) DrawOnLine(colour, text);
}

// A step loop whose every pass wipes the whole window and poses a new problem.
void Corvana::RunWholeWindowExercise(void (Corvana::*pass)()) {
  gInputValue = 3;
  while (gInputValue != 1) {
    scr.Line(0, 0, 1760, 1800, 15, plat::kFilledBox, 15);
    (this->*pass)();
    AskNextStep();
  }
}

void Corvana::RunLetterExpressionsExercise1() { RunWholeWindowExercise(&Corvana::PoseLetterExpressions); }

// A letter, a number from 3 to 11 and a pair of letters for the digits of a
// two-digit number; seven kinds of numbers and the two-digit number to write.
void Corvana::PoseLetterExpressions() {
  gTermValue(1) = plat::Int(scr.Rnd() * 6 + 1);
  gTermValue(5) = plat::Int(scr.Rnd() * 9 + 3);
  gTermValue2(1) = plat::Int(scr.Rnd() * 2 + 1);
  PrepareTextsAndKeyChoice();
  gTermText(1) = kLetters[static_cast<int>(gTermValue(1)) - 1];
  gTermText2(1) = gTermValue2(1) == 1 ? "a" : "m";
  gTermText2(2) = gTermValue2(1) == 1 ? "b" : "n";
  const Text& l = gTermText(1);
  const Text& n = gTermText(5);
  const Text& t = gTermText2(1);
  const Text& u = gTermText2(2);

  gCorvanaHeadingX = 40;
  gLineStartX = gCorvanaHeadingX + 27;
  gLineY = 30;
  gCorvanaSecondColumnX = 600;
  DrawLinePieces(gCorvanaHeadingX, gLineY,
                 {{0, "1 "}, {3, l}, {0, Literal("を整数とするとき、次の数を")}, {3, l},
                  {0, Literal("を用いた式で表しなさい。")}});
  DrawNextLine(0, 60, 0, Literal("① ") + n + Literal("の倍数…"));
  KeepAnswerPoint(1);
  DrawLinePieces(gCorvanaSecondColumnX, gLineY, {{0, Literal("② 偶数…")}});
  KeepAnswerPoint(2);
  DrawNextLine(0, 60, 0, Literal("③ 奇数…"));
  KeepAnswerPoint(3);
  DrawLinePieces(gLineStartX, gLineY + 60,
                 {{0, Literal("④ ")}, {3, l}, {0, Literal("が一番小さい連続する3つの整数…")}});
  KeepAnswerPoint(4);
  DrawLinePieces(gLineStartX, gLineY + 60, {{0, Literal("⑤ ")}, {3, l}, {0, Literal("がまん中の連続する3つの整数…")}});
  KeepAnswerPoint(5);
  DrawNextLine(0, 60, 0, Literal("⑥ 連続する2つの偶数…"));
  KeepAnswerPoint(6);
  DrawNextLine(0, 60, 0, Literal("⑦ 連続する2つの奇数…"));
  KeepAnswerPoint(7);
  DrawLinePieces(gCorvanaHeadingX, gLineY + 80,
                 {{0, Literal("2 十の位の数を")}, {3, t}, {0, Literal("、一の位の数を")}, {3, u},
                  {0, Literal("とするとき、")}});
  DrawNextLine(0, 50, 0, Literal(" 2けたの自然数…"));
  KeepAnswerPoint(8);

  // The answers, each after a key; three of them with a second form.
  const Text answers[] = {
      n + l,
      "2" + l,
      "2" + l + "+1",
      l + "," + l + "+1," + l + "+2",
      l + "-1," + l + "," + l + "+1",
      "2" + l + Literal("と2") + l + "+2",
      "2" + l + Literal("+1と2") + l + "+3",
      "10" + t + "+" + u,
  };
  const Text second[] = {
      "", "", "(2" + l + "-1)", "", "", "(2" + l + Literal("-2と2") + l + ")", "(2" + l + Literal("-1と2") + l + "+1)", "",
  };
  for (int k = 1; k <= 8; ++k) {
    WaitForKey();
    DrawTextLine(*this, gPointX(k), gPointY(k), 5, answers[k - 1]);
    if (!second[k - 1].empty()) DrawTextLine(*this, gLineEndX + 30, gLineY, 3, second[k - 1]);
  }
}

void Corvana::RunMultipleOrNotExercise2() { RunWholeWindowExercise(&Corvana::PoseMultipleOrNot); }

// Two letters, a multiplier N from 3 to 11 and two numbers R, S below it;
// eleven expressions, each a multiple of N or not by its form alone.
void Corvana::PoseMultipleOrNot() {
  gTermValue(1) = plat::Int(scr.Rnd() * 6 + 1);
  gTermValue(5) = plat::Int(scr.Rnd() * 9 + 3);
  gTermValue2(1) = plat::Int(scr.Rnd() * (gTermValue(5) - 1) + 1);
  gTermValue2(2) = plat::Int(scr.Rnd() * (gTermValue(5) - 1) + 1);
  PrepareTextsAndKeyChoice();
  gTermText(1) = kPairs[static_cast<int>(gTermValue(1)) - 1][0];
  gTermText(2) = kPairs[static_cast<int>(gTermValue(1)) - 1][1];
  const Text& a = gTermText(1);
  const Text& b = gTermText(2);
  const Text& n = gTermText(5);
  const Text& r = gTermText2(1);
  const Text& s = gTermText2(2);

  gCorvanaHeadingX = 40;
  gLineStartX = gCorvanaHeadingX + 27;
  gLineY = 30;
  DrawLinePieces(gCorvanaHeadingX, gLineY, {{0, "  "}, {3, a + "," + b}});
  DrawTextLine(*this, gLineEndX + 8, gLineY, 0, Literal("を整数とするとき、次の数は"));
  DrawTextLine(*this, gLineEndX + 8, gLineY, 3, n);
  DrawTextLine(*this, gLineEndX + 8, gLineY, 0, Literal("の倍数ですか。"));

  struct Row {
    const char* number;
    int colour;
    Text expression;
    bool multiple;
  };
  const Row rows[] = {
      {"① ", 3, n + "(" + a + "+" + r + ")", true},
      {"② ", 7, n + "(" + a + "-" + s + ")", true},
      {"③ ", 3, n + "(" + a + "+" + b + ")", true},
      {"④ ", 7, n + "(" + a + "-" + b + ")", true},
      {"⑤ ", 3, n + "(" + a + "+" + b + "+" + s + ")", true},
      {"⑥ ", 7, n + a + b, true},
      {"⑦ ", 7, n + "(" + a + b + "-" + s + ")", true},
      {"⑧ ", 3, n + Literal("*ﾀ") + a + "/" + b + Literal("ﾀ"), false},
      {"⑨ ", 7, n + Literal("(ﾀ") + a + "/" + b + Literal("ﾀ+") + r + ")", false},
      {"⑩ ", 3, n + a + "^2", true},
      {"⑪ ", 3, n + "(" + a + "^2+" + s + ")", true},
  };
  // Six rows 80 apart on the left; five on the right from the same height,
  // the last three 90 apart.
  static constexpr float kRowStep[] = {80, 80, 80, 80, 80, 80, 80, 80, 90, 90, 90};
  for (int k = 1; k <= 11; ++k) {
    if (k == 7) {
      gCorvanaHeadingX = 600;
      gLineStartX = gCorvanaHeadingX + 27;
      gLineY = 30;
    }
    const Row& row = rows[k - 1];
    DrawLinePieces(gLineStartX, gLineY + kRowStep[k - 1],
                   {{0, Literal(row.number)}, {row.colour, row.expression}, {0, Literal("…")}});
    KeepAnswerPoint(k);
  }
  for (int k = 1; k <= 11; ++k) {
    WaitForKey();
    DrawTextLine(*this, gPointX(k), gPointY(k), 5, Literal(rows[k - 1].multiple ? "倍数" : "倍数ではない"));
  }
}

}  // namespace lesson
