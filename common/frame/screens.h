// Screens as tables: the pieces of a lesson screen (texts with their colour
// and place, key waits, wipes) are data, run by one routine; the main menus
// and the chapter sub-menus of all four programs share one frame each.
#pragma once

#include <initializer_list>
#include <span>
#include <type_traits>

#include "common/frame/frame.h"

namespace lesson {

// Where a text piece puts the pen before it is drawn. After every text piece
// the lesson line follows the pen: gLineEndX = gPenX, gLineY = gPenY.
enum class Place : uint8_t {
  kAt,        // (x, y)
  kContinue,  // (gLineEndX + x, gLineY + y): continues the line
  kNextLine,  // (gLineStartX + x, gLineY + y): a new line below
};

struct Piece {
  enum class Kind : uint8_t {
    kExpression,  // text through DrawExpression
    kPlain,       // text through PrintText
    kWait,        // WaitForKey
    kWipe,        // filled box in colour 15 from (x, y) to (x2, y2)
    kPenWidth,    // pen width x
    kLine,        // line from (x, y) to (x2, y2) in colour
    kLineStart,   // gLineStartX = x, gLineY = y
  };
  Kind kind = Kind::kExpression;
  Place place = Place::kAt;
  float x = 0, y = 0, x2 = 0, y2 = 0;
  int colour = 0;
  const char* text = nullptr;  // UTF-8
  bool keepsLine = false;      // a text that leaves gLineEndX and gLineY alone
};

// Piece makers, so that a screen table reads like the screen.
constexpr Piece At(float x, float y, int colour, const char* text) {
  return {Piece::Kind::kExpression, Place::kAt, x, y, 0, 0, colour, text};
}
constexpr Piece Continue(int colour, const char* text, float dx = 0, float dy = 0) {
  return {Piece::Kind::kExpression, Place::kContinue, dx, dy, 0, 0, colour, text};
}
constexpr Piece NextLine(float dy, int colour, const char* text, float dx = 0) {
  return {Piece::Kind::kExpression, Place::kNextLine, dx, dy, 0, 0, colour, text};
}
constexpr Piece PlainAt(float x, float y, int colour, const char* text) {
  return {Piece::Kind::kPlain, Place::kAt, x, y, 0, 0, colour, text};
}
// A text piece that does not move the lesson line (a tag, a redrawn piece):
// the next Continue follows the piece before it.
constexpr Piece Tag(Piece p) {
  p.keepsLine = true;
  return p;
}
constexpr Piece Wait() { return {Piece::Kind::kWait}; }
constexpr Piece Wipe(float x1, float y1, float x2, float y2) {
  return {Piece::Kind::kWipe, Place::kAt, x1, y1, x2, y2, 15, nullptr};
}
constexpr Piece PenWidth(int w) { return {Piece::Kind::kPenWidth, Place::kAt, static_cast<float>(w)}; }
constexpr Piece LineTo(float x1, float y1, float x2, float y2, int colour) {
  return {Piece::Kind::kLine, Place::kAt, x1, y1, x2, y2, colour, nullptr};
}
constexpr Piece LineStart(float x, float y) { return {Piece::Kind::kLineStart, Place::kAt, x, y}; }

// Runs the pieces in order.
void DrawPieces(Frame& f, std::span<const Piece> pieces);
inline void DrawPieces(Frame& f, std::initializer_list<Piece> pieces) {
  DrawPieces(f, std::span<const Piece>(pieces.begin(), pieces.size()));
}

// A text built at run time (CP932), typeset at (x, y) in the colour; the
// lesson line stays where it was.
void DrawTextAt(Frame& f, float x, float y, int colour, const Text& text);
// The same, and the lesson line follows the pen, as after a text piece.
void DrawTextLine(Frame& f, float x, float y, int colour, const Text& text);

// A text literal in CP932, converted once per literal.
const Text& Literal(const char* utf8);

// --- Main menu ---
struct MenuLine {
  const char* text;  // UTF-8
  float x, y;
  int colour;
};

// Draws the main menu board with its heading and lines, asks for a number and
// returns the chapter selector: the typed value as a whole number (a half
// rounds up). The end number ends the program; a value outside 1 to the end
// number, or a selector outside 1 to `chapters`, draws the menu again.
int MainMenuChoice(Frame& f, std::span<const MenuLine> lines, int endNumber, int chapters);

// --- Chapter sub-menus ---
struct SubMenu {
  const char* line;        // the item line, UTF-8
  int items;               // the last item leaves the chapter
  bool setsInputValue10;   // the menu sets gInputValue to 10 after copying it
};

// Shows the item line on the bottom band until a choice from 1 to `items` is
// typed; the typed value is kept in `choice`. Returns the choice as a whole
// number (a half rounds up).
int SubMenuChoice(Frame& f, const SubMenu& menu, float& choice);

// A chapter's sub-menu loop: item k runs items[k - 1]; the last item (or a
// null entry) leaves the chapter, back to the main menu.
template <class P>
void RunSubMenu(P& program, const SubMenu& menu, float& choice,
                std::initializer_list<std::type_identity_t<void (P::*)()>> items) {
  for (;;) {
    int c = SubMenuChoice(program, menu, choice);
    if (c < 1 || c > static_cast<int>(items.size())) continue;
    const auto item = items.begin()[c - 1];
    if (c == menu.items || !item) return;
    (program.*item)();
  }
}

}  // namespace lesson
