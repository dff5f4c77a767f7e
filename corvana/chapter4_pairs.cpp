// Chapter 4, items 4 and 5: pairs of even and odd numbers written with m and
// n, and the summary of every form.
#include "corvana/corvana.h"

namespace lesson {

namespace {

// The texts in which the even screen and the odd screen differ.
struct PairTexts {
  const char* part1;       // "(1) ..." / "(3) ..."
  const char* smaller;     // "①小さい方の…を"
  const char* smallForm;
  const char* larger;      // "大きい方の…は"
  const char* largeForm;
  const char* larger2;     // "②大きい方の…を"
  const char* largeForm2;
  const char* smaller2;    // "小さい方の…は"
  const char* smallForm2;
  const char* others;
  const char* part2;       // "(2) ..." / "(4) ..."
  const char* twoForms;
};

// One screen: the consecutive pair both ways round and other forms, then any
// two numbers of the kind.
constexpr std::array<Piece, 27> PairScreen(const PairTexts& t) {
  return {{
      LineStart(44, 30),
      NextLine(0, 0, "問4　次の数を 整数 m,n を使って表しなさい。"),
      Wait(),
      NextLine(60, 3, t.part1),
      Wait(),
      NextLine(60, 0, t.smaller, 88),
      Continue(5, t.smallForm),
      Continue(0, "とすると、"),
      Wait(),
      NextLine(60, 0, t.larger, 132),
      Continue(3, "2大きいから"),
      Continue(5, t.largeForm),
      Wait(),
      NextLine(60, 0, t.larger2, 88),
      Continue(5, t.largeForm2),
      Continue(0, "とすると、"),
      Wait(),
      NextLine(60, 0, t.smaller2, 132),
      Continue(3, "2小さいから"),
      Continue(5, t.smallForm2),
      Wait(),
      NextLine(60, 0, "③他にも、", 88),
      Continue(9, t.others),
      Wait(),
      NextLine(90, 3, t.part2),
      Wait(),
      NextLine(60, 5, t.twoForms, 132),
  }};
}

}  // namespace

void Corvana::ShowConsecutiveAndPairFormsQ4() {
  static constexpr auto kEven = PairScreen({"(1) 2と4のように、連続する偶数", "①小さい方の偶数を", "2n", "大きい方の偶数は",
                                            "2n+2", "②大きい方の偶数を", "2n", "小さい方の偶数は", "2n-2",
                                            "2n+2と2n+4,2n-4と2n-2…", "(2) 2と126のような２つの偶数", "2m と 2n"});
  static constexpr auto kOdd = PairScreen({"(3) 3と5のように、連続する奇数", "①小さい方の奇数を", "2n+1", "大きい方の奇数は",
                                           "2n+3", "②大きい方の奇数を", "2n+1", "小さい方の奇数は", "2n-1",
                                           "2n+3と2n+5,2n-5と2n-3…", "(4) 3と177のような２つの奇数", "2m+1 と 2n+1"});
  DrawPieces(*this, {Wipe(0, 0, 1760, 1800)});
  DrawPieces(*this, kEven);
  DrawPieces(*this, {Wait(), Wait(), Wipe(0, 0, 1320, 1300)});
  DrawPieces(*this, kOdd);
}

// The heading alone, a key, then the whole list at once; the part headings
// stand 66 left of the list.
void Corvana::ShowRepresentationsSummary() {
  static constexpr Piece kScreen[] = {
      Wipe(0, 0, 1760, 1800),
      LineStart(88, 30),
      NextLine(0, 5, "<倍数・偶数・奇数の表し方>"),
      Wait(),
      NextLine(60, 3, "(1) nを整数とすると", -66),
      NextLine(60, 0, "① ３の倍数…"),
      Continue(5, "3n"),
      NextLine(60, 0, "② 偶数…"),
      Continue(5, "2n"),
      NextLine(60, 0, "③ 奇数…"),
      Continue(5, "2n+1,2n-1"),
      NextLine(60, 3, "(2) m,nを整数とすると", -66),
      NextLine(60, 0, "① 連続する偶数…"),
      Continue(5, "2nと2n+2 ,2n-2と2n"),
      NextLine(60, 0, "② ２つの偶数…"),
      Continue(5, "2mと2n"),
      NextLine(60, 0, "③ 連続する奇数…"),
      Continue(5, "2n+1と2n+3,2n-1と2n+1"),
      NextLine(60, 0, "④ ２つの奇数…"),
      Continue(5, "2m+1と2n+1"),
  };
  DrawPieces(*this, kScreen);
}

}  // namespace lesson
