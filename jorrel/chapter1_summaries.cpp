// Chapter 1, items ② (summary 1), ③ (common factors) and ⑤ (summary 2).
#include "common/frame/screens.h"
#include "jorrel/jorrel.h"

namespace lesson {

// A horizontal arrow between x 440 and 616, dy below the lesson line; the
// head end flag decides which end carries the head (-1: x 440).
void Jorrel::DrawSummaryArrow(float dy, float headEnd) {
  gP1X = 440;
  gP1Y = gLineY + dy;
  gArrowFromX = gP1X + 176;
  gArrowFromY = gP1Y;
  gArrowHeadEnd = headEnd;
  gFigureColour = 11;
  gArrowHead = 16;
  DrawArrowLine();
}

void Jorrel::ShowCommonFactorSummary1() {
  gLineY = 22;
  DrawPieces(*this,
             {Wipe(0, 0, 1320, 1500),                                                                              //
              At(88, 22, 3, "<まとめ>"),                                                                           //
              At(44, 97, 0, "1 "), Continue(5, "因数分解"), Continue(0, "…多項式をいくつかの因数の積で表すこと"),  //
              At(440, 157, 5, "因数分解 "),                                                                        //
              At(132, 217, 0, "x^2+5x+6 "),                                                                        //
              PenWidth(15)});
  // Factorising turns x^2+5x+6 (left) into (x+2)(x+3) (right); expanding goes back.
  DrawSummaryArrow(8, 1);    // under 因数分解: towards (x+2)(x+3)
  DrawSummaryArrow(36, -1);  // over 展開: towards x^2+5x+6
  // The thick arrows end with width 5, which stays in force afterwards.
  DrawPieces(*this, {PenWidth(5),                                                                 //
                     At(440, 277, 5, "　展開"), At(264, 277, 9, "面積"), Continue(9, "式", 418),  //
                     Tag(Continue(0, "(x+2)(x+3)", -132, -60)),                                   //
                     At(44, 352, 0, "2 "), Continue(5, "因数"),
                     Continue(0, "…かけ算で表したとき、かけられている数・文字式"),  //
                     At(132, 422, 3, "x^2+5x+6の因数は、 x+2 と x+3 "),             //
                     At(132, 492, 0, "2abの因数は、2,a,b,2aなど"),                  //
                     At(132, 562, 9, "面積と縦・横の長さ")});
}

// A factor line drawn piece by piece in colour 0 from (x, y).
void Jorrel::DrawKeptRow(float x, float y, std::initializer_list<KeptPiece> pieces) {
  gLineEndX = x;
  gLineY = y;
  for (const KeptPiece& p : pieces) {
    if (p.point > 0) gPointX(p.point) = gLineEndX;
    DrawPieces(*this, {Continue(0, p.text)});
  }
}

// Kept pieces drawn again over themselves, so only their colour changes.
void Jorrel::RedrawKept(int colour, std::initializer_list<RedrawnPiece> pieces) {
  for (const RedrawnPiece& p : pieces) DrawPieces(*this, {Tag(At(gPointX(p.point), p.y, colour, p.text))});
}

void Jorrel::ShowCommonFactors() {
  // First screen: 2a(2x+3) expanded, and 2a as a factor of both terms.
  gLineStartX = 88;
  gLineY = 30;
  DrawPieces(*this, {Wipe(0, 0, 1320, 1300), At(22, 30, 0, "問 次の式を展開しなさい。"), At(88, 90, 0, "2a(2x+3)="),
                     Wait(), Wipe(0, 155, 1320, 1455)});
  gJorrelFigureOriginX = 220;
  gJorrelFigureOriginY = 500;
  gTermText2(1) = Literal("2a");
  gTermText2(2) = Literal("2x");
  gTermText2(3) = Literal("4ax");
  gTermText2(5) = Literal("3");
  gTermText2(6) = Literal("6a");
  DrawCommonFactorRectangles();
  DrawPieces(*this, {Wait(),  //
                     Continue(0, "4ax+6a"),
                     Wait(),  //
                     At(88, 150, 3, "2aは4axの因数"),
                     Wait(),
                     Continue(0, " (4ax=2a*2x だから)"),
                     Wait(),  //
                     At(88, 210, 9, "2aは6aの因数"),
                     Wait(),
                     Continue(0, " (6a=2a*3 だから)"),
                     Wait(),  //
                     At(22, 270, 3, "3 共通因数"),
                     Wait(),                                                       //
                     At(88, 330, 0, "2aは、4axの因数であり、6aの因数でもある。"),  //
                     At(88, 390, 0, "2aのように、各項に共通な因数を"),
                     Continue(5, "共通因数"),
                     Continue(0, "という。"),
                     Wait(),  //
                     At(528, 480, 3, "共通因数がわかれば、因数分解できる。"),
                     Wait()});

  // Second screen: how to find the common factor of 3ax-6ay.
  gLineStartX = 110;
  gLineY = 30;
  DrawPieces(*this, {Wipe(0, 0, 1320, 1300),                                               //
                     At(44, 30, 3, "共通因数"), Continue(0, "…各項に共通な因数"), Wait(),  //
                     At(22, 100, 0, "問 共通因数をいいなさい。"),                          //
                     At(110, 160, 0, "3ax-6ay"), Wait(), Continue(5, "3a", 132), Wait(),   //
                     At(66, 220, 3, "<共通因数のさがし方>"), Wait(),                       //
                     At(110, 280, 7, "① 各項を約数と文字の積で表す。")});
  DrawKeptRow(198, 340, {{"3ax=", 0}, {"3", 1}, {"*", 0}, {"a", 2}, {"*x", 0}});
  DrawKeptRow(198, 400, {{"6ay=2*", 0}, {"3", 3}, {"*", 0}, {"a", 4}, {"*y", 0}});
  DrawPieces(*this, {Wait(), At(110, 460, 7, "② 共通な数と文字を取りだす。"), Wait()});
  RedrawKept(5, {{"3", 1, 340}, {"a", 2, 340}, {"3", 3, 400}, {"a", 4, 400}});
  DrawPieces(*this, {Wait(), At(198, 520, 3, "3*a=3a"), Wait(), At(198, 580, 5, "共通な数は最大公約数")});
}

void Jorrel::ShowTakeOutCommonFactorSummary() {
  gLineStartX = 44;
  gLineY = 22;
  DrawPieces(*this,
             {Wipe(0, 0, 1320, 1300), At(88, 22, 5, "<共通因数をくくりだす因数分解>"), At(132, 97, 0, "12x^2-18x=")});
  // The answer is written behind the problem in two pieces.
  float answerX = gLineEndX;
  const float answerY = gLineY;
  DrawPieces(*this, {At(44, 172, 3, "①　共通因数をみつける")});
  const float resultX = gLineEndX + 88, resultY = gLineY;
  DrawPieces(*this, {Wait()});

  // Both terms as products; the shared factors are drawn again in colour 5.
  DrawKeptRow(132, 232, {{"12x^2=", 0}, {"2", 1}, {"*2*", 0}, {"3", 2}, {"*", 0}, {"x", 3}, {"*x", 0}});
  DrawKeptRow(132, 292, {{"18x=", 0}, {"2", 4}, {"*", 0}, {"3", 5}, {"*3*", 0}, {"x", 6}});
  DrawPieces(*this, {Wait()});
  RedrawKept(5, {{"2", 1, 232}, {"3", 2, 232}, {"x", 3, 232}, {"2", 4, 292}, {"3", 5, 292}, {"x", 6, 292}});
  DrawPieces(*this,
             {Wait(), At(resultX, resultY, 3, "2*3*x="), Continue(5, "6x"), Wait(), At(answerX, answerY, 5, "6x(")});
  answerX = gLineEndX;
  DrawPieces(*this, {Wait(), At(44, 367, 5, "②　( )の中をみつける")});
  const float divisionX = gLineEndX + 132, divisionY = gLineY;
  DrawPieces(*this, {At(132, 427, 0, "各項を共通因数でわる"), Wait(),                      //
                     At(divisionX, divisionY, 0, "12x^2/6x="), Continue(5, "2x"), Wait(),  //
                     At(divisionX, 427, 0, "-18x/6x="), Continue(5, "-3"), Wait(),         //
                     At(answerX, answerY, 5, "2x-3)"), Wait(),                             //
                     At(44, 570, 3, "教科書P25 問1　をしなさい。")});
}

}  // namespace lesson
