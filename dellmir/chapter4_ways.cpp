// Chapter 4, items 2 and 4: (a+b)(c+d) expanded by putting a+b=N, the way
// of calculating it term by term under numbered pairing arcs, and the
// summary of expansion.
#include "common/frame/screens.h"
#include "dellmir/dellmir.h"

namespace lesson {

namespace {

// --- Item 2 ---
constexpr Piece kPutN[] = {
    Wipe(0, 0, 1320, 1300),
    LineStart(40, 30),
    NextLine(60, 0, "(a+b)(c+d)", 44),
    NextLine(70, 3, "  a+b=N とおくと、"),
    Wait(),
    NextLine(70, 0, "=N(c+d)"),
    Wait(),
    NextLine(70, 0, "=Nc+Nd"),
    Wait(),
    NextLine(70, 3, "  Nをa+b　にもどすと、"),
    Wait(),
    NextLine(70, 0, "=(a+b)c+(a+b)d"),
    Wait(),
    NextLine(70, 5, "=ac+bc+ad+bd "),
    Wait(),
    LineStart(560, 30),
    NextLine(0, 5, "<計算のしかた>"),
    NextLine(50, 3, "計算するには、次のようにすればよい。"),
    NextLine(140, 0, " (", -40),
};

// Points 1 to 4: where a, b, c and d begin. The long arcs span the short
// ones; the lower arcs stand on a segment 40 below the line.
constexpr ArcRow kArcAC[] = {PairingArc(1, 10, 3, 10, 0, -1, -15, 9, 3, "①", 20)};
constexpr ArcRow kArcAD[] = {PairingArc(1, 0, 4, 0, 0, -1, -50, 7, 3, "   ②", 20)};
constexpr ArcRow kArcBC[] = {PairingArc(2, 10, 3, 0, 40, 1, -15, 9, 5, "  ③", -20)};
constexpr ArcRow kArcBD[] = {PairingArc(2, 0, 4, 0, 40, 1, -50, 7, 5, "  ④", -20)};

// --- Item 4 ---
constexpr Piece kSummaryRule[] = {
    Wipe(0, 0, 1320, 1300),
    At(88, 18, 3, "<式の展開>"),
    Continue(5, "…積の形を和の形に表すこと"),
    At(132, 88, 0, "(a+b)(c+d)＝ac+ad+bc+bd"),
    At(88, 163, 3, "<計算のしかた>"),
    // The title shares its row with the expression placed from the line
    // before it.
    Tag(At(44, 238, 5, "1 組み合わせの和をつくる")),
    LineStart(572, 163 - 140),
    NextLine(210 + 10, 0, " ("),
};
constexpr ArcRow kSummaryArcs[] = {
    PairingArc(1, 0, 3, 0, 0, -1, 0.5f, 9, 5, "   ①", 0),
    PairingArc(1, 0, 4, 0, 0, -1, 60, 7, 5, "   ②", 0),
    PairingArc(2, 0, 3, 0, 40, 1, 0.5f, 9, 5, "  ③", 0),
    PairingArc(2, 0, 4, 0, 40, 1, 60, 7, 5, "  ④", 0),
};
constexpr Piece kSummarySecondWay[] = {
    At(44, 403, 5, "2 (c+d)をひとつのものとみて、分配法則を使う"),
    At(132, 473, 0, "(a+b)(c+d)=a(c+d)+b(c+d)"),
    Wait(),
    At(44, 570, 0, "教科書P15 問1　をやろう。"),
};

}  // namespace

void Dellmir::ShowSubstituteNExpansion() {
  DrawPieces(*this, kPutN);
  DrawLetterFactors(0);
  DrawPieces(*this, {PenWidth(5), Wait()});
  DrawArcRows(kArcAC, true);
  DrawPieces(*this, {Wait(), Continue(0, "=ac"), Wait()});
  DrawArcRows(kArcAD, true);
  DrawPieces(*this, {Wait(), Continue(0, "+ad"), Wait()});
  DrawArcRows(kArcBC, true);
  DrawPieces(*this, {Continue(0, "+bc"), Wait()});
  DrawArcRows(kArcBD, true);
  DrawPieces(*this, {Wait(), Continue(0, "+bd")});
}

// Sets no pen width: the dots take the width the screens before it left.
void Dellmir::ShowExpansionSummary() {
  gLineY = 18;
  DrawPieces(*this, kSummaryRule);
  DrawLetterFactors(40);
  DrawArcRows(kSummaryArcs, true);
  DrawPieces(*this, kSummarySecondWay);
}

}  // namespace lesson
