#include "common/frame/screens.h"

#include <mutex>
#include <unordered_map>

namespace lesson {

const Text& Literal(const char* utf8) {
  static std::mutex mu;
  static std::unordered_map<const char*, Text> cache;
  std::lock_guard lock(mu);
  auto it = cache.find(utf8);
  if (it == cache.end()) it = cache.emplace(utf8, plat::FromUtf8(utf8)).first;
  return it->second;
}

void DrawTextAt(Frame& f, float x, float y, int colour, const Text& text) {
  f.gTextColour = static_cast<float>(colour);
  f.gPenX = x;
  f.gPenY = y;
  f.gPrintText = text;
  f.DrawExpression();
}

void DrawTextLine(Frame& f, float x, float y, int colour, const Text& text) {
  DrawTextAt(f, x, y, colour, text);
  f.gLineEndX = f.gPenX;
  f.gLineY = f.gPenY;
}

void DrawPieces(Frame& f, std::span<const Piece> pieces) {
  for (const Piece& p : pieces) {
    switch (p.kind) {
      case Piece::Kind::kExpression:
      case Piece::Kind::kPlain:
        f.gTextColour = static_cast<float>(p.colour);
        switch (p.place) {
          case Place::kAt:
            f.gPenX = p.x;
            f.gPenY = p.y;
            break;
          case Place::kContinue:
            f.gPenX = f.gLineEndX + p.x;
            f.gPenY = f.gLineY + p.y;
            break;
          case Place::kNextLine:
            f.gPenX = f.gLineStartX + p.x;
            f.gPenY = f.gLineY + p.y;
            break;
        }
        f.gPrintText = Literal(p.text);
        if (p.kind == Piece::Kind::kPlain) {
          f.PrintText();
        } else {
          f.DrawExpression();
        }
        if (!p.keepsLine) {
          f.gLineEndX = f.gPenX;
          f.gLineY = f.gPenY;
        }
        break;
      case Piece::Kind::kWait:
        f.WaitForKey();
        break;
      case Piece::Kind::kWipe:
        f.scr.Line(p.x, p.y, p.x2, p.y2, 15, plat::kFilledBox, 15);
        break;
      case Piece::Kind::kPenWidth:
        f.scr.SetDrawWidth(0, static_cast<int>(p.x));
        break;
      case Piece::Kind::kLine:
        f.scr.Line(p.x, p.y, p.x2, p.y2, p.colour);
        break;
      case Piece::Kind::kLineStart:
        f.gLineStartX = p.x;
        f.gLineY = p.y;
        break;
    }
  }
}

int MainMenuChoice(Frame& f, std::span<const MenuLine> lines, int endNumber, int chapters) {
  for (;;) {
    f.ClearWorkArea();
    f.scr.Line(0, 0, 1760, 1800, 15, plat::kFilledBox, 15);
    f.scr.Line(22, 10, 1342, 610, 15, plat::kFilledBox, 10);
    f.gTextColour = 15;
    f.gPenX = 264;
    f.gPenY = 30;
    f.gPrintText = SJ("＜") + f.gTitle + SJ("　メニュー＞");
    f.DrawExpression();
    for (const MenuLine& line : lines) {
      f.gTextColour = static_cast<float>(line.colour);
      f.gPenX = line.x;
      f.gPenY = line.y;
      f.gPrintText = Literal(line.text);
      f.DrawExpression();
    }
    f.gTextColour = 0;
    f.gPenX = f.gAnswerX - 240;
    f.gPenY = f.gAnswerY;
    f.gPrintText = SJ("番号を入力して下さい。");
    f.PrintText();
    f.AskMenuNumber();
    f.ClearMenuPromptLine();
    if (f.gInputValue == static_cast<float>(endNumber)) f.scr.EndProgram();
    if (f.gInputValue < 1 || f.gInputValue > static_cast<float>(endNumber)) continue;
    f.scr.Line(0, 0, 1760, 1800, 15, plat::kFilledBox, 15);
    // The jump follows the value that passed the tests, not the typed text
    // ("12/2" is 6, not 12); a selector without a chapter draws the menu again.
    int selector = plat::CInt(f.gInputValue);
    if (selector >= 1 && selector <= chapters) return selector;
  }
}

int SubMenuChoice(Frame& f, const SubMenu& menu, float& choice) {
  for (;;) {
    f.gPrintText = Literal(menu.line);
    f.AskOnBottomLine();
    choice = f.gInputValue;
    if (menu.setsInputValue10) f.gInputValue = 10;
    f.ClearBottomBand();
    if (choice < 1 || choice > static_cast<float>(menu.items)) continue;
    return plat::CInt(choice);
  }
}

}  // namespace lesson
