// The retained picture: every visible drawing operation in logical page units
// (1440 x 900, y down), kept as a display list so that it can be rendered
// crisply at any window size, written to PNG and traced.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "platform/text.h"

namespace plat {

constexpr float kPageWidth = 1440.0f;
constexpr float kPageHeight = 900.0f;
constexpr int kBackgroundColour = 15;

struct Rgb {
  double r, g, b;
};
// The 16-colour palette; index 15 is the white page.
const Rgb& PaletteColour(int index);
// WCAG contrast ratio between two palette colours.
double ContrastRatio(int a, int b);
// How different two colours look: the CIEDE2000 colour difference (about 2
// is just noticeable; 20 or more reads as another colour at a glance).
double DeltaE2000(const Rgb& a, const Rgb& b);
double ColourDifference(int a, int b);

enum class Face : uint8_t { Gothic, Serif, Ell };
const char* FaceName(Face f);

struct DrawOp {
  enum class Kind : uint8_t { Text, Line, Box, Fill, Circle, Poly };
  Kind kind = Kind::Line;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // line and box corners; text and circle position in x1, y1
  float r = 0, start = 0, end = 0;       // circle
  int colour = 0;                        // line, border, text colour
  int fill = -1;                         // fill colour of a filled box or circle, -1 for none
  int width = 1;                         // pen width
  // Text
  Text text;
  int h = 1, v = 1;
  Face face = Face::Gothic;
  float size = 16;
  bool bold = false, italic = false;
  // Polyline
  std::vector<float> points;  // x0, y0, x1, y1, ...
  // Bounds in page units, including the pen.
  float left = 0, top = 0, right = 0, bottom = 0;
};

// The ink of one glyph of a text operation as it is drawn, in page units.
struct InkBox {
  float left, top, right, bottom;
  Text glyph;  // the character (CP932)
};
// The ink boxes of a text operation's glyphs, in order; blanks have none.
std::vector<InkBox> GlyphInk(const DrawOp& op);

class Canvas {
 public:
  // Adds an operation. Operations wholly outside the page are dropped (nothing
  // can ever show them); an opaque filled box drops what it hides entirely.
  // Returns true when the operation landed on the page.
  bool Add(DrawOp op);
  void Clear();

  // Renders the whole picture; the caller's transform maps page units.
  void Render(cairo_t* cr) const;
  static void RenderOp(cairo_t* cr, const DrawOp& op);
  static void RenderShape(cairo_t* cr, const DrawOp& op);
  // A PNG of the visible page at one pixel per unit.
  void WritePng(const std::string& path) const;

  const std::vector<DrawOp>& ops() const { return ops_; }

  // The page area of what the last Add dropped as hidden (empty if nothing).
  struct Area {
    float left = 0, top = 0, right = 0, bottom = 0;
    bool empty = true;
  };
  const Area& dropped() const { return dropped_; }

  // Trace: one line per visible drawing call, and the keys the program takes.
  void SetTrace(std::ostream* out) { trace_ = out; }
  void TraceKey(const Text& key);

  // Called after each visible operation (nullptr after Clear).
  std::function<void(const DrawOp*)> onChange;

 private:
  void Trace(const DrawOp& op);
  void Drop(const DrawOp& o);
  std::vector<DrawOp> ops_;
  Area dropped_;
  std::ostream* trace_ = nullptr;
};

// Formats a trace line for an operation (without the newline).
std::string TraceLine(const DrawOp& op);
std::string TraceNumber(float v);

}  // namespace plat
