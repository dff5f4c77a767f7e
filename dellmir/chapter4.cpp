// Chapter 4, multiplication of polynomials: entry, goal, sub-menu, and the
// written products whose terms the pairing arcs join, with the texts of
// their terms.
#include "common/frame/screens.h"
#include "dellmir/dellmir.h"

namespace lesson {

namespace {

// The half-width blanks of the line take empty cells on the bottom band.
constexpr SubMenu kProductMenu = {" ①Q　②a+b=N　③例1　④まとめ１　⑤問1　⑥例2　⑦問2　⑧例3　⑨問3  ⑩終", 10, false};

// Over the factors of a product of two binomials: first term with first
// term and with the last, second term with the first term and with the last.
// The arcs from the first term stand on the line, those from the second on
// a segment 50 lower; the labels are blanks.
constexpr ArcRow kBinomialArcs[] = {
    PairingArc(1, 10, 3, 10, 0, -1, -10, 3, 3, "", 20),
    PairingArc(1, 0, 4, 0, 0, -1, -20, 7, 3, "   ", 20),
    PairingArc(2, 10, 3, 0, 50, 1, -10, 3, 5, "  ", -20),
    PairingArc(2, 0, 4, 0, 50, 1, -20, 7, 5, "  ", -20),
};

}  // namespace

// The main menu has wiped the page; the goal is drawn on it as it is.
void Dellmir::StartPolynomialProductChapter() {
  ShowPolynomialProductGoal();
  ShowPolynomialProductMenu();
}

void Dellmir::ShowPolynomialProductGoal() {
  DrawPieces(*this, {
                        LineStart(44, 240),
                        NextLine(0, 5, "<めあて>"),
                        NextLine(65, 0, "多項式×多項式の計算を考えよう。", 32),
                    });
}

void Dellmir::ShowPolynomialProductMenu() {
  RunSubMenu(*this, kProductMenu, gDellmirSubMenuChoice,
             {&Dellmir::ShowExpansionQuestion, &Dellmir::ShowSubstituteNExpansion, &Dellmir::RunExpansionExample1,
              &Dellmir::ShowExpansionSummary, &Dellmir::ShowExpansionQ1Answers, &Dellmir::RunExpansionExample2,
              &Dellmir::ShowExpansionQ2Answers, &Dellmir::RunExpansionExample3, &Dellmir::ShowExpansionQ3Answers,
              nullptr});
}

void Dellmir::DrawLetterFactors(float lowerBy) {
  static constexpr const char* kPieces[] = {"a+", "b)(", "c+", "d)"};
  for (int k = 1; k <= 4; ++k) {
    gPointX(k) = gLineEndX;
    gPointY(k) = gLineY + (k >= 3 ? lowerBy : 0);
    DrawPieces(*this, {Continue(0, kPieces[k - 1])});
  }
}

void Dellmir::DrawPairedFactors(const std::array<Text, 4>& pieces, float secondInto) {
  for (int k = 1; k <= 4; ++k) {
    gPointX(k) = gLineEndX + (k % 2 == 0 ? secondInto : 0);
    gPointY(k) = gLineY;
    DrawTextLine(*this, gLineEndX, gLineY, 0, pieces[static_cast<size_t>(k) - 1]);
  }
}

void Dellmir::ShowPairedTerms(const std::array<Text, 4>& terms, int colour) {
  for (size_t k = 0; k < terms.size(); ++k) {
    WaitForKey();
    DrawArcRows({&kBinomialArcs[k], 1}, true);
    WaitForKey();
    if (k == 0) {
      DrawTextLine(*this, gLineStartX, gLineY + 80, colour, terms[k]);
    } else {
      DrawTextLine(*this, gLineEndX, gLineY, colour, terms[k]);
    }
  }
}

// Constants keep their 1 and take a "+"; a coefficient before a letter shows
// 1 as nothing and -1 as "-", and the two middle terms take a "+".
void Dellmir::PrepareBinomialTexts(int last) {
  PrepareTextsAndKeyChoice();
  for (gLoopIndex = 1; gLoopIndex <= 3; ++gLoopIndex)
    if (gTermValue2(gLoopIndex) > 0) gTermText2(gLoopIndex) = "+" + gTermText2(gLoopIndex);
  for (gLoopIndex = 2; gLoopIndex <= static_cast<float>(last); ++gLoopIndex) {
    if (gTermValue(gLoopIndex) == 1) {
      gTermText(gLoopIndex).clear();
    } else if (gTermValue(gLoopIndex) == -1) {
      gTermText(gLoopIndex) = "-";
    }
  }
  for (gLoopIndex = 4; gLoopIndex <= static_cast<float>(last); ++gLoopIndex)
    if (gTermValue(gLoopIndex) > 0) gTermText(gLoopIndex) = "+" + gTermText(gLoopIndex);
}

void Dellmir::ShowBinomialProduct() {
  const Text& u = gLabelList(1);
  const Text& v = gLabelList(2);
  DrawPairedFactors({gTermText(2) + u, gTermText2(1) + ")(", v, gTermText2(2) + ")"});
  ShowPairedTerms({"=" + gTermText(3) + u + v, gTermText(4) + u, gTermText(5) + v, gTermText2(3)}, 5);
}

// p·r x^2 + p·s x + q·r x + q·s. Coefficients 1 and 0 show as nothing, -1
// as "-", and a positive one takes a "+"; constants take a "+" and keep
// their 1; the heads of the factors and of x^2 lose their "+".
void Dellmir::ComputeLikeTerms() {
  gTermValue(3) = gTermValue2(1);
  gTermValue(4) = gTermValue(1) * gTermValue(2);
  gTermValue(5) = gTermValue(1) * gTermValue2(2);
  gTermValue(6) = gTermValue(2) * gTermValue(3);
  gTermValue2(3) = gTermValue(3) * gTermValue2(2);
  gTermValue(7) = gTermValue(5) + gTermValue(6);
  PrepareTextsAndKeyChoice();
  for (gLoopIndex = 1; gLoopIndex <= 21; ++gLoopIndex) {
    const float v = gTermValue(gLoopIndex);
    if (v == 1 || v == 0) {
      gTermText(gLoopIndex).clear();
    } else if (v == -1) {
      gTermText(gLoopIndex) = "-";
    }
    if (v > 0) gTermText(gLoopIndex) = "+" + gTermText(gLoopIndex);
    if (gTermValue2(gLoopIndex) > 0) gTermText2(gLoopIndex) = "+" + gTermText2(gLoopIndex);
  }
  for (int n : {1, 2, 4}) {
    gWorkText = gTermText(n);
    StripLeadingPlus();
    gTermText(n) = gWorkText;
  }
}

void Dellmir::ShowLikeTermsProduct(float collectedDy) {
  DrawPairedFactors({gTermText(1) + "x", gTermText2(1) + ")(", gTermText(2) + "x", gTermText2(2) + ")"});
  ShowPairedTerms({"=" + gTermText(4) + "x^2", gTermText(5) + "x", gTermText(6) + "x", gTermText2(3)}, 0);
  WaitForKey();
  // A zero x coefficient leaves the x term out.
  const Text x = gTermValue(7) == 0 ? Text() : gTermText(7) + "x";
  DrawTextLine(*this, gLineStartX, gLineY + collectedDy, 5, "=" + gTermText(4) + "x^2" + x + gTermText2(3));
}

}  // namespace lesson
