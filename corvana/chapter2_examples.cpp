// Chapter 2, the fixed screens: worked example 1 (three calculations
// explained with a product formula) and the worked answers to the textbook's
// question 1.
#include "corvana/corvana.h"

namespace lesson {

namespace {

// How an explanation screen opens: the wiped screen, the heading, the
// calculation to explain, then "＜説明＞", the reason and the product formula
// it calls for, each after a key; lines 70 apart.
constexpr std::array<Piece, 11> ExplanationOpening(const char* heading, const char* calculation,
                                                   const char* reason, const char* formula) {
  return {{
      Wipe(0, 0, 1320, 1300),
      LineStart(44, 30),
      NextLine(0, 0, heading),
      NextLine(70, 3, calculation, 44),
      Wait(),
      NextLine(70, 5, "＜説明＞"),
      Wait(),
      NextLine(70, 5, reason),
      Wait(),
      NextLine(70, 3, formula),
      Wait(),
  }};
}

}  // namespace

// Three screens, each after a key: a difference of two squares, the square of
// a sum, the product of a sum and a difference.
void Corvana::ShowNumberCalculationExample1() {
  static constexpr auto kOpening1 =
      ExplanationOpening("例1①　次のように計算できる理由を説明しなさい。", "45^2-35^2=80*10=800",
                         "２乗－２乗の形だから、", "乗法公式４'を使って因数分解すると");
  static constexpr Piece kWorking1[] = {
      NextLine(70, 0, "45^2-35^2　", 44),
      Wait(),
      NextLine(70, 5, "=(45+35)*(45-35)"),
      Wait(),
      NextLine(70, 0, "=80*10"),
      NextLine(70, 0, "=800"),
      Wait(),
  };
  static constexpr auto kOpening2 =
      ExplanationOpening("例1②　次のように計算できる理由を説明しなさい。", "11^2=100+20+1=121",
                         "11=10+1 だから、", "乗法公式2を使って展開すると");
  static constexpr Piece kWorking2[] = {
      NextLine(70, 0, "11^2"),
      Wait(),
      Continue(5, "=(10+1)^2"),
      Wait(),
      NextLine(70, 0, "=10^2+2*10*1+1^2", 81),
      Wait(),
      NextLine(70, 0, "=100+20+1", 81),
      NextLine(70, 0, "=121", 81),
      Wait(),
  };
  static constexpr auto kOpening3 =
      ExplanationOpening("例1③　次のように計算できる理由を説明しなさい。", "21*19=400-1=399",
                         "21=20+1 , 19=20-1 だから、", "乗法公式4を使って展開すると");
  static constexpr Piece kWorking3[] = {
      NextLine(70, 0, "21*19"),
      Wait(),
      Continue(5, "=(20+1)(20-1)"),
      Wait(),
      NextLine(70, 0, "=20^2-1^2", 135),
      Wait(),
      NextLine(70, 0, "=400-1", 135),
      Wait(),
      NextLine(70, 0, "=399", 135),
  };
  DrawPieces(*this, kOpening1);
  DrawPieces(*this, kWorking1);
  DrawPieces(*this, kOpening2);
  DrawPieces(*this, kWorking2);
  DrawPieces(*this, kOpening3);
  DrawPieces(*this, kWorking3);
}

// Answers 1 and 2 one under the other on the left, answer 3 on the right;
// each label stands 22 left of its column, its problem 22 right of it.
void Corvana::ShowNumberCalculationQ1Answers() {
  static constexpr Piece kAnswers[] = {
      Wipe(0, 0, 1320, 1300),
      LineStart(44, 30),
      NextLine(0, 3, "問1 解答"),
      Wait(),
      NextLine(80, 3, "(1)", -22),
      Continue(0, "98^2", 22),
      NextLine(60, 0, "=(100-2)^2"),
      NextLine(60, 0, "=100^2-2*100*2+2^2"),
      NextLine(60, 0, "=10000-400+4"),
      Continue(5, "=9604"),
      Wait(),
      NextLine(80, 3, "(2)", -22),
      Continue(0, "68^2-32^2", 22),
      NextLine(60, 0, "=(68+32)(68-32)"),
      NextLine(60, 0, "=100*36"),
      NextLine(60, 5, "=3600"),
      Wait(),
      LineStart(748, 30),
      NextLine(80, 3, "(3)", -22),
      Continue(0, "47*53", 22),
      NextLine(60, 0, "=(50-3)(50+3)"),
      NextLine(60, 0, "=50^2-3^2"),
      NextLine(60, 0, "=2500-9"),
      NextLine(60, 5, "=2491"),
  };
  DrawPieces(*this, kAnswers);
}

}  // namespace lesson
