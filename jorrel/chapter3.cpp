// Chapter 3, the square formulas used backwards: the entry, the goal screen,
// the sub-menu and item ① (perfect squares, then x^2+(p+q)x+36, with the
// table of candidate pairs).
#include "common/frame/screens.h"
#include "jorrel/jorrel.h"

namespace lesson {

void Jorrel::StartFormulas23BackwardsChapter() {
  ShowFormulas23BackwardsGoal();
  ShowFormulas23BackwardsMenu();
}

void Jorrel::ShowFormulas23BackwardsGoal() {
  gLineStartX = 44;
  gLineY = 240;
  DrawPieces(*this, {At(44, 240, 3, "<めあて>"), NextLine(65, 0, "公式2,3を逆に使って、因数分解しよう。", 32)});
}

// Returns when the end item is chosen, back to the main menu.
void Jorrel::ShowFormulas23BackwardsMenu() {
  static constexpr SubMenu kMenu = {"①課題　②例3　③練習　④問4　⑤終了", 5, true};
  RunSubMenu(*this, kMenu, gJorrelSubMenuChoice,
             {&Jorrel::RunPerfectSquareTask, &Jorrel::ShowPerfectSquareExample3, &Jorrel::RunPerfectSquarePractice,
              &Jorrel::ShowPerfectSquareQ4Answers, nullptr});
}

namespace {

constexpr Piece kPageWipe = Wipe(0, 0, 1320, 1300);

}  // namespace

void Jorrel::PrepareProductTerms(float p, float q) {
  gTermValue(1) = p;
  gTermValue(2) = q;
  gTermValue(3) = p + q;
  gTermValue(4) = p * q;
  gTermValue(5) = p + q;
  gTermValue(6) = p * q;
  gDivisorNumber = p * q;
  ListCandidatePairs();
  PrepareTextsAndKeyChoice();
  PrefixPlusSigns();
}

void Jorrel::RunPerfectSquareTask() {
  // First half: x^2+2ax+a^2 is (x+a)(x+a), that is (x+a)^2.
  DrawPieces(*this, {kPageWipe});
  gInputValue = 3;
  while (gInputValue != 1) {
    const float a = plat::Int(scr.Rnd() * 9) + 1;
    PrepareProductTerms(a, a);
    gLineStartX = 88;
    gLineY = 18;
    DrawPieces(*this, {kPageWipe, At(44, 18, 0, "問　次の式を因数分解しなさい。"), Wait()});
    DrawTextLine(*this, gLineStartX, gLineY + 80, 0, " x^2" + gTermText(3) + "x" + gTermText(4));
    WaitForKey();
    ShowProblemPairTable();
    WaitForKey();
    DrawTextLine(*this, gLineStartX, gLineY + 80, 0, "=(x" + gTermText(1) + ")(x" + gTermText(2) + ")");
    WaitForKey();
    DrawTextLine(*this, gLineStartX, gLineY + 80, 5, "=(x" + gTermText(1) + ")^2");
    AskNextStep();
  }
  DrawPieces(*this, {At(44, 338, 0, "問　どんなことがいえますか。"), Wait(),
                     At(88, 418, 3, "a^2のときは、(x+a)^2 になる。"), Wait(),
                     At(88, 498, 5, "公式2' x^2+2ax+a^2=(x+a)^2"), Wait()});

  // The fixed problem x^2+12x+36, the reason written beside its answer.
  DrawPieces(*this, {kPageWipe, LineStart(121, 30), At(40, 30, 0, "問　次の式を因数分解しなさい。"),
                     At(40, 110, 0, "(1) x^2+12x+36"), Wait(), Tag(At(361, 185, 3, "36=6^2だから")), Wait(),
                     At(121, 185, 5, "=(x+6)^2")});

  // Second half: x^2+(p+q)x+36 with p + q never 12.
  gInputValue = 3;
  while (gInputValue != 1) {
    const float p = plat::Int(scr.Rnd() * 4) + 1;
    PrepareProductTerms(p, 36 / p);
    gLineStartX = 88;
    gLineY = 240;
    gJorrelPairTableY = 60;
    // Below problem (1) and the table's area (where the table of the first
    // half stood, on the first pass). The first wipe starts at the line's own
    // y: the brackets of the answer line above reach down to y 236.
    DrawPieces(*this, {Wipe(0, gLineY, 1320, gLineY + 1300),
                       Wipe(gJorrelPairTableX, 0, gJorrelPairTableX + 1320, 1300), Wait()});
    DrawTextLine(*this, gLineStartX - 44, gLineY, 0, "(2) x^2" + gTermText(3) + "x" + gTermText(4));
    WaitForKey();
    ShowProblemPairTable();
    WaitForKey();
    DrawTextLine(*this, gLineStartX, gLineY + 80, 5, "=(x" + gTermText(1) + ")(x" + gTermText(2) + ")");
    AskNextStep();
  }
  DrawPieces(*this, {At(44, 400, 0, "問　どんなことがいえますか。"), Wait(), At(88, 480, 3, "xの係数が、12でないと"),
                     NextLine(70, 3, "公式２'は使えない。"), Wait()});

  // Formulas 2' and 3' where the table stood.
  gLineStartX = gJorrelPairTableX;
  gLineY = gJorrelPairTableY;
  DrawPieces(*this, {Wipe(gJorrelPairTableX, 0, gJorrelPairTableX + 1320, 1300),
                     At(728, 60, 3, "公式2'"), NextLine(70, 5, "　x^2+2ax+a^2=(x+a)^2"), Wait(),
                     NextLine(80, 3, "公式３'"), NextLine(70, 5, "　x^2-2ax+a^2=(x-a)^2"), Wait(),
                     NextLine(80, 7, "注) 2乗、2倍"), NextLine(60, 7, "  でないと使えない！")});
}

}  // namespace lesson
