// Chapter 1, items 3 and 4: why quick squaring needs the ones digit 5, and
// products of numbers with equal tens digits whose ones digits sum to 10.
#include "corvana/corvana.h"

namespace lesson {

void Corvana::ExplainQuickSquaringLimit() {
  static constexpr Step kReason[] = {
      Heading(0, 3, "Q "),
      Continue(0, "1の位が5以外の2けたの自然数の2乗が速算で求めらない理由は?"),
      NextLine(50, 3, "＜理由＞"),
      NextLine(55, 0, "十の位がxである2けたの自然数は、一の位を"),
      NextLine(55, 0, "aとすると、"),
      Box(1, 10, 150, 9, 3, "①"),
      Continue(0, "と表すことができる。", 10),
      NextLine(55, 0, "この数の2乗は "),
      Wait(),
      BoxAgain(1, 150, 9, 5, "10x+a"),
      Wait(),
      NextLine(55, 0, "(10x+a)^2"),
      Wait(),
      ColumnStart(0, "=(10x)^2+2*a*10x+a^2"),
      Wait(),
      AtColumn(55, 0, "=100x^2+10*2ax+a^2"),
      Wait(),
      NextLine(60, 3, "10*2axが"),
      Wait(),
      Continue(7, "十の位と百の位の計算に影響するから"),
  };
  BeginQuickScreen(1600, 20);
  RunSteps(kReason);
}

void Corvana::ShowOnesSumToTenProducts() {
  static constexpr Step kClaim[] = {
      Heading(0, 3, "Q "),
      Continue(7, "十の位が等しく、1の位の和が10である"),
      NextLine(50, 7, "2けたの自然数の積は速算で求められる。"),
  };
  static constexpr Step kConjectureHead[] = {
      UnderTable(70, 7, "<速算の方法予想>"),
      Wait(),
  };
  static constexpr auto kConjecture = TwoBlankConjecture(324, "一の位どうしの積");
  static constexpr Step kProof[] = {
      NextLine(0, 3, "＜証明＞"),
      Wait(),
      NextLine(55, 0, "十の位をx,一の位をa,b,a+b=10 とすると、"),
      Wait(),
      NextLine(55, 0, "2けたの自然数はそれぞれ、10x+a,10x+b と表すことができる。"),
      NextLine(55, 0, "この2数の積は"),
      Wait(),
      NextLine(55, 0, " (10x+a)(10x+b)"),
      Wait(),
      NextLine(55, 0, "=(10x)^2+(a+b)*10x+ab"),
      Wait(),
      NextLine(55, 3, "  a+b=10 だから"),
      Wait(),
      NextLine(55, 0, "=100x^2+10*10x+ab"),
      Wait(),
      NextLine(55, 0, "=100x^2+100x+ab"),
      Wait(),
      NextLine(55, 7, "=100x(x+1)+ab"),
      Wait(),
      NextLine(60, 3, "abが"),
      Wait(),
      Continue(0, "下2けたの数を表し、"),
      Continue(3, "x(x+1)が"),
      Wait(),
      Continue(0, "百以上の位の数を表している。"),
  };

  BeginQuickScreen(1600, 20);
  RunSteps(kClaim);
  // 3i times 3(10 - i): equal tens digits, ones digits summing to 10.
  for (int i = 1; i <= 9; ++i) {
    gTermValue2(i) = static_cast<float>(30 + i);
    gTermValue2(10 + i) = static_cast<float>(40 - i);
    gTermValue(i) = gTermValue2(i) * gTermValue2(10 + i);
  }
  PrepareTextsAndKeyChoice();
  PadThreeDigitProducts();
  DrawProductTable(10, false);
  RunSteps(kConjectureHead);
  RunSteps(kConjecture);

  BeginQuickScreen(1760, 30);
  RunSteps(kProof);
}

}  // namespace lesson
