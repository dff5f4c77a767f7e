#include "platform/canvas.h"
#include "platform/glyph_origins.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <map>
#include <mutex>
#include <ostream>

namespace plat {
namespace {

// Chosen for a projector, which washes colours out, against every pair of
// colours the screens show (tools/screen-walk lists them; the search in
// tools/palette_search.py finds the colours): each text reads on the surface
// under it at 4.5:1 or more (3:1 for labels 40 units tall or more, on a
// figure or in the labels' colour 13), each line and curve at 3:1; the
// colours that one screen sets side by side (results 5, hints 3, working 0,
// ...) and the fills that touch (the area figures' 3, 4, 6, 8) differ by a
// CIEDE2000 colour difference of 20 or more. Colour 9 alone is text on the
// dark key-wait box and on the pale step box, where no colour reaches 4.5:1
// on both: 4.46 and 4.33.
constexpr std::array<Rgb, 16> kPalette = {{
    {0x00 / 255.0, 0x00 / 255.0, 0x00 / 255.0},  // 0 black: prompts
    {0x1F / 255.0, 0x3F / 255.0, 0xBF / 255.0},  // 1 blue
    {0x60 / 255.0, 0x03 / 255.0, 0x08 / 255.0},  // 2 red
    {0x0E / 255.0, 0x00 / 255.0, 0xA1 / 255.0},  // 3 dark blue: figures, cell borders
    {0x00 / 255.0, 0x00 / 255.0, 0x2A / 255.0},  // 4 navy: default text, key-wait box
    {0x2E / 255.0, 0x08 / 255.0, 0x33 / 255.0},  // 5 deep purple: typed input, cursor, text in cells
    {0x04 / 255.0, 0x33 / 255.0, 0x2F / 255.0},  // 6 dark teal
    {0x1A / 255.0, 0x4D / 255.0, 0x17 / 255.0},  // 7 green
    {0x31 / 255.0, 0x2C / 255.0, 0x2C / 255.0},  // 8 dark grey
    {0xBB / 255.0, 0x5B / 255.0, 0x07 / 255.0},  // 9 orange: text in prompt boxes
    {0x01 / 255.0, 0x27 / 255.0, 0x15 / 255.0},  // 10 dark green: menu board
    {0xC5 / 255.0, 0x77 / 255.0, 0xCA / 255.0},  // 11 light purple
    {0xFF / 255.0, 0xFB / 255.0, 0xD0 / 255.0},  // 12 pale yellow: step box
    {0xF1 / 255.0, 0x6A / 255.0, 0x5D / 255.0},  // 13 coral red: cell fills, labels on figures, error text
    {0x80 / 255.0, 0xC0 / 255.0, 0xFF / 255.0},  // 14 light blue: grid accents
    {0xFF / 255.0, 0xFF / 255.0, 0xFF / 255.0},  // 15 white: page and wipes
}};

double Luminance(const Rgb& c) {
  auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
  return 0.2126 * lin(c.r) + 0.7152 * lin(c.g) + 0.0722 * lin(c.b);
}

// Where glyphs sit in their cells. Sizes are fractions of the font size.
//
// Gothic glyphs: the em box (ascent 0.88, descent 0.12) stands on the cell's
// bottom and is a little shorter than the cell, so that even the tallest
// digits keep a clear gap under a rule drawn along their cell's top, and
// nothing reaches further down than a full-height em box would.
constexpr double kDescent = 0.12;
constexpr double kEmHeight = 0.97;
constexpr double kBaseline = 1 - kDescent * kEmHeight;
// Roman letters of the serif face (the italic a, x and c of the formulas) are
// set in cells whose top lies above the line of the Gothic digits beside them:
// they stand near that line, below their cell, and are drawn narrower than
// the cell so that they fit their advance with room on both sides.
constexpr double kRomanBaseline = 1.15;
constexpr double kRomanWidth = 0.58;
// The typesetters put a Roman letter's cell 4 units into the letter's advance,
// and the advance is 0.6 of the cell's width plus 3.2 units (27 units for a
// cell of 40, 32 for 48, 20 for 28): the letter's ink is centred in it.
constexpr double kRomanLead = 4.0;
constexpr double kRomanAdvance = 0.6, kRomanAdvanceExtra = 3.2;
// The multiplication, division and plus-minus signs keep their proportions
// whatever the stretch: the longer side of their ink is this fraction of the
// font size times the smaller stretch (arms about as tall as a lower-case x),
// and they stand centred on the digits' middle line.
constexpr double kSignSize = 0.6;
// The script ell is a light, hairline design: outlined with a pen this wide
// (times the smaller stretch) it is as heavy as the bold Gothic beside it.
constexpr double kEllPen = 0.035;

struct FontKey {
  Face face;
  bool bold, italic;
  bool operator<(const FontKey& o) const {
    return std::tie(face, bold, italic) < std::tie(o.face, o.bold, o.italic);
  }
};

// A glyph's ink box and advance per unit of font size, measured at a large
// size so that hinting does not round them.
struct GlyphBox {
  double left, top, width, height, advance;
  unsigned long index;  // the glyph in its face
};

// Font faces are shared, immutable after creation.
class FontCache {
 public:
  static FontCache& Get() {
    static FontCache cache;
    return cache;
  }
  cairo_font_face_t* FaceFor(Face face, bool bold, bool italic) {
    std::lock_guard lock(mu_);
    FontKey key{face, bold, italic};
    auto it = faces_.find(key);
    if (it != faces_.end()) return it->second;
    const char* family = face == Face::Gothic ? "IPAexGothic" : "Liberation Serif";
    cairo_font_face_t* f = cairo_toy_font_face_create(family, italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                                                      bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    faces_[key] = f;
    return f;
  }
  GlyphBox Measure(Face face, bool bold, bool italic, char32_t u) {
    // FaceFor takes the lock itself.
    cairo_font_face_t* font = FaceFor(face, bold, italic);
    std::lock_guard lock(mu_);
    const std::pair<FontKey, char32_t> key{FontKey{face, bold, italic}, u};
    auto it = boxes_.find(key);
    if (it != boxes_.end()) return it->second;
    if (!scratch_) scratch_ = cairo_create(cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1));
    constexpr double kSize = 1000;
    std::string utf8;
    AppendUtf8(utf8, u);
    cairo_set_font_face(scratch_, font);
    cairo_set_font_size(scratch_, kSize);
    cairo_text_extents_t e;
    cairo_text_extents(scratch_, utf8.c_str(), &e);
    cairo_glyph_t* glyphs = nullptr;
    int count = 0;
    unsigned long index = 0;
    if (cairo_scaled_font_text_to_glyphs(cairo_get_scaled_font(scratch_), 0, 0, utf8.c_str(), -1, &glyphs, &count,
                                         nullptr, nullptr, nullptr) == CAIRO_STATUS_SUCCESS &&
        count > 0)
      index = glyphs[0].index;
    cairo_glyph_free(glyphs);
    const GlyphBox box{e.x_bearing / kSize, e.y_bearing / kSize, e.width / kSize, e.height / kSize, e.x_advance / kSize,
                       index};
    boxes_[key] = box;
    return box;
  }
  // Whether the serif face has a glyph for u (the Gothic face stands in otherwise).
  bool SerifHas(char32_t u) {
    std::lock_guard lock(mu_);
    auto it = serifHas_.find(u);
    if (it != serifHas_.end()) return it->second;
    bool has = false;
    if (!charset_) {
      FcPattern* pat = FcNameParse(reinterpret_cast<const FcChar8*>("Liberation Serif"));
      FcConfigSubstitute(nullptr, pat, FcMatchPattern);
      FcDefaultSubstitute(pat);
      FcResult res;
      FcPattern* match = FcFontMatch(nullptr, pat, &res);
      FcCharSet* cs = nullptr;
      FcChar8* family = nullptr;
      if (match && FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch &&
          std::string(reinterpret_cast<char*>(family)) == "Liberation Serif" &&
          FcPatternGetCharSet(match, FC_CHARSET, 0, &cs) == FcResultMatch) {
        charset_ = FcCharSetCopy(cs);
      }
      if (match) FcPatternDestroy(match);
      FcPatternDestroy(pat);
      if (!charset_) charset_ = FcCharSetCreate();  // no serif face: everything falls back
    }
    has = FcCharSetHasChar(charset_, u);
    serifHas_[u] = has;
    return has;
  }

 private:
  std::mutex mu_;
  std::map<FontKey, cairo_font_face_t*> faces_;
  std::map<char32_t, bool> serifHas_;
  FcCharSet* charset_ = nullptr;
  std::map<std::pair<FontKey, char32_t>, GlyphBox> boxes_;
  cairo_t* scratch_ = nullptr;  // for measuring glyphs
};

void SetColour(cairo_t* cr, int index) {
  const Rgb& c = PaletteColour(index);
  cairo_set_source_rgb(cr, c.r, c.g, c.b);
}

bool IsOperatorSign(char32_t u) { return u == U'\u00D7' || u == U'\u00F7' || u == U'\u00B1'; }

// Where and how one glyph is drawn: its face, its stretches and its origin
// in page units.
struct PlacedGlyph {
  cairo_font_face_t* font;
  unsigned long index;
  double hScale, vScale, x, y;
  bool outlined;  // the bold script ell, drawn as an outline
  char32_t u;
  GlyphBox ink;  // per unit of font size, before the stretches
};

// Places one glyph in its cell, whose top-left corner is (cellX, op.y1).
PlacedGlyph PlaceGlyph(const DrawOp& op, double cellX, bool half, char32_t u) {
  const double unit = half ? op.size / 2.0 : op.size;
  const double cellWidth = unit * op.h;
  Face face = Face::Gothic;
  const bool ell = op.face == Face::Ell && u == U'l';
  if (ell) {
    u = U'\u2113';
    face = Face::Serif;
  } else if (op.face == Face::Serif && FontCache::Get().SerifHas(u)) {
    face = Face::Serif;
  }
  const bool roman = op.face == Face::Serif && face == Face::Serif;
  cairo_font_face_t* font = FontCache::Get().FaceFor(face, op.bold, op.italic);
  const GlyphBox g = FontCache::Get().Measure(face, op.bold, op.italic, u);
  const double size = op.size;

  // Stretches, and the glyph's origin from the cell's top-left corner, in page units.
  double hScale = op.h, vScale = op.v;
  double originX, baseline;
  if (roman) {
    hScale = op.h * kRomanWidth;
    const double centre = -kRomanLead + (kRomanAdvance * cellWidth + kRomanAdvanceExtra) / 2;
    originX = centre - (g.left + g.width / 2) * size * hScale;
    baseline = size * kRomanBaseline * vScale;
  } else if (ell) {
    // As wide as a Roman letter, on the Gothic line.
    hScale = op.h * kRomanWidth;
    originX = 0;
    baseline = size * kBaseline * op.v;
  } else if (IsOperatorSign(u)) {
    hScale = vScale = std::min(op.h, op.v) * kSignSize / std::max({g.width, g.height, 0.01});
    const GlyphBox digit = FontCache::Get().Measure(face, op.bold, op.italic, U'0');
    const double middle = size * op.v * (kBaseline + kEmHeight * (digit.top + digit.height / 2));
    originX = cellWidth / 2 - (g.left + g.width / 2) * size * hScale;
    baseline = middle - (g.top + g.height / 2) * size * vScale;
  } else {
    // Proportional half-width glyphs (the Gothic face's digits and Latin
    // letters) are narrowed to fit their cell.
    if (half && g.advance > 0.5) hScale *= 0.5 / g.advance;
    vScale = op.v * kEmHeight;
    if (u == U'.' || u == U',') {
      // A point sits in the left quarter of its cell, clear of the digit after it.
      originX = cellWidth / 4 - (g.left + g.width / 2) * size * hScale;
    } else if (u == U'\'') {
      // A prime marks the character before it: its ink starts at the left of
      // its cell, against that character, and clear of the one after it.
      originX = -g.left * size * hScale;
    } else {
      originX = (cellWidth - g.advance * size * hScale) / 2;
    }
    baseline = size * kBaseline * op.v;
  }
  return {font, g.index, hScale, vScale, cellX + originX, op.y1 + baseline, ell && op.bold, u, g};
}

// The bold script ell: outlined with a round pen in page units, whatever the
// stretch.
void RenderOutlined(cairo_t* cr, const DrawOp& op, const PlacedGlyph& g) {
  cairo_save(cr);
  cairo_matrix_t page;
  cairo_get_matrix(cr, &page);
  cairo_translate(cr, g.x, g.y);
  cairo_scale(cr, g.hScale, g.vScale);
  cairo_set_font_face(cr, g.font);
  cairo_set_font_size(cr, op.size);
  SetColour(cr, op.colour);
  cairo_move_to(cr, 0, 0);
  std::string utf8;
  AppendUtf8(utf8, g.u);
  cairo_text_path(cr, utf8.c_str());
  cairo_set_matrix(cr, &page);
  cairo_set_line_width(cr, kEllPen * op.size * std::min(op.h, op.v));
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_fill_preserve(cr);
  cairo_stroke(cr);
  cairo_restore(cr);
}

// Draws a text's glyphs. The font is set once for glyphs of one face in a
// row, and each glyph is drawn by itself (cairo composites a call's glyphs
// together, which changes pixels where their edges meet).
void RenderText(cairo_t* cr, const DrawOp& op) {
  std::vector<PlacedGlyph> placed;
  double x = op.x1;
  for (const Text& ch : SplitChars(op.text)) {
    const bool half = ch.size() == 1;
    const char32_t u = DecodeChar(ch);
    if (u != U' ' && u != U'\u3000') placed.push_back(PlaceGlyph(op, x, half, u));
    x += (half ? op.size / 2.0 : op.size) * op.h;
  }
  if (placed.empty()) return;
  cairo_save(cr);
  const GlyphOrigins origins(cr);
  SetColour(cr, op.colour);
  for (size_t i = 0; i < placed.size();) {
    const PlacedGlyph& first = placed[i];
    if (first.outlined) {
      RenderOutlined(cr, op, first);
      ++i;
      continue;
    }
    // Each glyph sets its own transform; the run's save keeps the page's
    // (as cairo holds it) for what follows.
    cairo_save(cr);
    cairo_set_font_face(cr, first.font);
    cairo_set_font_size(cr, op.size);
    for (; i < placed.size() && !placed[i].outlined && placed[i].font == first.font; ++i) {
      const PlacedGlyph& g = placed[i];
      cairo_glyph_t glyph{g.index, 0, 0};
      if (origins.exact()) {
        origins.Place(cr, g.x, g.y, g.hScale, g.vScale, glyph);
        cairo_show_glyphs(cr, &glyph, 1);
      } else {
        cairo_save(cr);
        cairo_translate(cr, g.x, g.y);
        cairo_scale(cr, g.hScale, g.vScale);
        cairo_move_to(cr, 0, 0);
        cairo_get_current_point(cr, &glyph.x, &glyph.y);
        cairo_show_glyphs(cr, &glyph, 1);
        cairo_restore(cr);
      }
    }
    cairo_restore(cr);
  }
  cairo_restore(cr);
}

// Bounds reach this far past the pen for antialiased edges.
constexpr float kEdgeMargin = 1.0f;

void Bounds(DrawOp& op) {
  float pen = op.width / 2.0f + kEdgeMargin;
  switch (op.kind) {
    case DrawOp::Kind::Text: {
      float w = 0;
      for (const Text& ch : SplitChars(op.text)) w += (ch.size() == 1 ? op.size / 2 : op.size) * op.h;
      float margin = op.size * 0.3f * op.v;  // slant, synthetic bold, descenders
      op.left = op.x1 - margin;
      op.right = op.x1 + w + margin;
      op.top = op.y1 - margin;
      op.bottom = op.y1 + op.size * op.v + margin;
      break;
    }
    case DrawOp::Kind::Line:
    case DrawOp::Kind::Box:
    case DrawOp::Kind::Fill:
      op.left = std::min(op.x1, op.x2) - pen;
      op.right = std::max(op.x1, op.x2) + pen;
      op.top = std::min(op.y1, op.y2) - pen;
      op.bottom = std::max(op.y1, op.y2) + pen;
      break;
    case DrawOp::Kind::Circle:
      op.left = op.x1 - op.r - pen;
      op.right = op.x1 + op.r + pen;
      op.top = op.y1 - op.r - pen;
      op.bottom = op.y1 + op.r + pen;
      break;
    case DrawOp::Kind::Poly:
      op.left = op.top = 1e30f;
      op.right = op.bottom = -1e30f;
      for (size_t i = 0; i + 1 < op.points.size(); i += 2) {
        op.left = std::min(op.left, op.points[i] - pen);
        op.right = std::max(op.right, op.points[i] + pen);
        op.top = std::min(op.top, op.points[i + 1] - pen);
        op.bottom = std::max(op.bottom, op.points[i + 1] + pen);
      }
      break;
  }
}

}  // namespace

std::vector<InkBox> GlyphInk(const DrawOp& op) {
  std::vector<InkBox> boxes;
  if (op.kind != DrawOp::Kind::Text) return boxes;
  double x = op.x1;
  for (const Text& ch : SplitChars(op.text)) {
    const bool half = ch.size() == 1;
    const char32_t u = DecodeChar(ch);
    const double cellWidth = (half ? op.size / 2.0 : op.size) * op.h;
    if (u != U' ' && u != U'\u3000') {
      const PlacedGlyph g = PlaceGlyph(op, x, half, u);
      const double sx = op.size * g.hScale, sy = op.size * g.vScale;
      // The outlined ell's pen reaches half its width past the outline.
      const double pen = g.outlined ? kEllPen * op.size * std::min(op.h, op.v) / 2 : 0;
      if (g.ink.width > 0 && g.ink.height > 0) {
        boxes.push_back({static_cast<float>(g.x + g.ink.left * sx - pen), static_cast<float>(g.y + g.ink.top * sy - pen),
                         static_cast<float>(g.x + (g.ink.left + g.ink.width) * sx + pen),
                         static_cast<float>(g.y + (g.ink.top + g.ink.height) * sy + pen), ch});
      }
    }
    x += cellWidth;
  }
  return boxes;
}

const Rgb& PaletteColour(int index) { return kPalette[static_cast<size_t>(index & 15)]; }

double ContrastRatio(int a, int b) {
  double la = Luminance(PaletteColour(a)), lb = Luminance(PaletteColour(b));
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

namespace {

struct Lab {
  double l, a, b;
};

// sRGB (D65) to CIE L*a*b*.
Lab ToLab(const Rgb& c) {
  auto lin = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
  const double r = lin(c.r), g = lin(c.g), b = lin(c.b);
  const double x = (0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047;
  const double y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b;
  const double z = (0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / 1.08883;
  auto f = [](double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; };
  return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

}  // namespace

double DeltaE2000(const Rgb& first, const Rgb& second) {
  constexpr double kPi = 3.14159265358979323846;
  auto rad = [](double d) { return d * kPi / 180; };
  auto deg = [](double r) { return r * 180 / kPi; };
  const Lab p = ToLab(first), q = ToLab(second);
  const double c1 = std::hypot(p.a, p.b), c2 = std::hypot(q.a, q.b);
  const double cMean7 = std::pow((c1 + c2) / 2, 7);
  const double g = 0.5 * (1 - std::sqrt(cMean7 / (cMean7 + std::pow(25.0, 7))));
  const double a1 = (1 + g) * p.a, a2 = (1 + g) * q.a;
  const double cp1 = std::hypot(a1, p.b), cp2 = std::hypot(a2, q.b);
  auto hue = [&](double b, double a) {
    if (a == 0 && b == 0) return 0.0;
    double h = deg(std::atan2(b, a));
    return h < 0 ? h + 360 : h;
  };
  const double h1 = hue(p.b, a1), h2 = hue(q.b, a2);
  const double dL = q.l - p.l, dC = cp2 - cp1;
  double dh = 0;
  if (cp1 * cp2 != 0) {
    dh = h2 - h1;
    if (dh > 180) dh -= 360;
    if (dh < -180) dh += 360;
  }
  const double dH = 2 * std::sqrt(cp1 * cp2) * std::sin(rad(dh / 2));
  const double lMean = (p.l + q.l) / 2, cpMean = (cp1 + cp2) / 2;
  double hMean = h1 + h2;
  if (cp1 * cp2 != 0) {
    if (std::abs(h1 - h2) <= 180) {
      hMean = (h1 + h2) / 2;
    } else {
      hMean = h1 + h2 < 360 ? (h1 + h2 + 360) / 2 : (h1 + h2 - 360) / 2;
    }
  }
  const double t = 1 - 0.17 * std::cos(rad(hMean - 30)) + 0.24 * std::cos(rad(2 * hMean)) +
                   0.32 * std::cos(rad(3 * hMean + 6)) - 0.20 * std::cos(rad(4 * hMean - 63));
  const double dTheta = 30 * std::exp(-std::pow((hMean - 275) / 25, 2));
  const double cpMean7 = std::pow(cpMean, 7);
  const double rc = 2 * std::sqrt(cpMean7 / (cpMean7 + std::pow(25.0, 7)));
  const double sl = 1 + 0.015 * std::pow(lMean - 50, 2) / std::sqrt(20 + std::pow(lMean - 50, 2));
  const double sc = 1 + 0.045 * cpMean, sh = 1 + 0.015 * cpMean * t;
  const double rt = -std::sin(rad(2 * dTheta)) * rc;
  return std::sqrt(std::pow(dL / sl, 2) + std::pow(dC / sc, 2) + std::pow(dH / sh, 2) + rt * (dC / sc) * (dH / sh));
}

double ColourDifference(int a, int b) { return DeltaE2000(PaletteColour(a), PaletteColour(b)); }

const char* FaceName(Face f) {
  switch (f) {
    case Face::Gothic:
      return "gothic";
    case Face::Serif:
      return "serif";
    case Face::Ell:
      return "ell";
  }
  return "gothic";
}

void Canvas::Drop(const DrawOp& o) {
  if (dropped_.empty) {
    dropped_ = {o.left, o.top, o.right, o.bottom, false};
  } else {
    dropped_.left = std::min(dropped_.left, o.left);
    dropped_.top = std::min(dropped_.top, o.top);
    dropped_.right = std::max(dropped_.right, o.right);
    dropped_.bottom = std::max(dropped_.bottom, o.bottom);
  }
}

bool Canvas::Add(DrawOp op) {
  Bounds(op);
  dropped_ = {};
  if (op.right < 0 || op.bottom < 0 || op.left > kPageWidth || op.top > kPageHeight) return false;
  if (op.kind == DrawOp::Kind::Fill) {
    // A filled box is opaque over its border's outer edge: what lies wholly
    // inside it can never show again. Only the part on the page counts, and
    // an edge's antialiased fringe is left out, so that the same wipe, or one
    // along the page's edge, done again and again replaces the last one
    // instead of piling up.
    float half = op.width / 2.0f;
    float l = std::min(op.x1, op.x2) - half, r = std::max(op.x1, op.x2) + half;
    float t = std::min(op.y1, op.y2) - half, b = std::max(op.y1, op.y2) + half;
    std::erase_if(ops_, [&](const DrawOp& o) {
      bool hidden = std::max(o.left + kEdgeMargin, 0.0f) >= l && std::min(o.right - kEdgeMargin, kPageWidth) <= r &&
                    std::max(o.top + kEdgeMargin, 0.0f) >= t && std::min(o.bottom - kEdgeMargin, kPageHeight) <= b;
      if (hidden) Drop(o);
      return hidden;
    });
  } else if (op.kind == DrawOp::Kind::Circle && op.fill >= 0 && op.start == 0 && op.end == 0) {
    // A disc hides the circles and discs on its centre that reach no farther
    // (the answer field's blinking dot). Only the last few operations are
    // looked at: the dot blinks in place, while a dotted arc draws hundreds
    // of discs that hide nothing.
    float outer = op.r + op.width / 2.0f;
    auto recent = ops_.end() - std::min<std::ptrdiff_t>(static_cast<std::ptrdiff_t>(ops_.size()), 8);
    ops_.erase(std::remove_if(recent, ops_.end(),
                              [&](const DrawOp& o) {
                                bool hidden = o.kind == DrawOp::Kind::Circle && o.x1 == op.x1 && o.y1 == op.y1 &&
                                              o.r + o.width / 2.0f <= outer;
                                if (hidden) Drop(o);
                                return hidden;
                              }),
               ops_.end());
  }
  if (trace_) Trace(op);
  ops_.push_back(std::move(op));
  if (onChange) onChange(&ops_.back());
  return true;
}

void Canvas::Clear() {
  ops_.clear();
  dropped_ = {};
  if (trace_) *trace_ << "cls\n";
  if (onChange) onChange(nullptr);
}

void Canvas::RenderOp(cairo_t* cr, const DrawOp& op) {
  cairo_save(cr);
  double width = std::max(op.width, 1);
  // Boxes are drawn crisp, without soft edges: the lessons draw them and wipe
  // them again at the same place, and a soft edge would leave a faint ghost.
  // For the same reason what is drawn in the background colour (a hidden
  // cursor dot, an erasing line) reaches one pixel further than it looks.
  bool erases = op.colour == kBackgroundColour && (op.fill < 0 || op.fill == kBackgroundColour);
  if (op.kind == DrawOp::Kind::Box || op.kind == DrawOp::Kind::Fill || (erases && op.kind != DrawOp::Kind::Text)) {
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  }
  if (erases && op.kind != DrawOp::Kind::Text) {
    double px = 1, py = 0;
    cairo_device_to_user_distance(cr, &px, &py);
    width += 2 * std::hypot(px, py);
  }
  cairo_set_line_width(cr, width);
  RenderShape(cr, op);
  cairo_restore(cr);
}

void Canvas::RenderShape(cairo_t* cr, const DrawOp& op) {
  switch (op.kind) {
    case DrawOp::Kind::Text:
      RenderText(cr, op);
      break;
    case DrawOp::Kind::Line:
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      cairo_move_to(cr, op.x1, op.y1);
      cairo_line_to(cr, op.x2, op.y2);
      SetColour(cr, op.colour);
      cairo_stroke(cr);
      break;
    case DrawOp::Kind::Box:
    case DrawOp::Kind::Fill: {
      double x = std::min(op.x1, op.x2), y = std::min(op.y1, op.y2);
      double w = std::fabs(op.x2 - op.x1), h = std::fabs(op.y2 - op.y1);
      cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
      cairo_rectangle(cr, x, y, w, h);
      if (op.kind == DrawOp::Kind::Fill) {
        SetColour(cr, op.fill);
        cairo_fill_preserve(cr);
      }
      SetColour(cr, op.colour);
      cairo_stroke(cr);
      break;
    }
    case DrawOp::Kind::Circle: {
      bool whole = op.start == 0 && op.end == 0;
      double a0 = op.start * 2 * M_PI, a1 = op.end * 2 * M_PI;
      cairo_new_path(cr);
      if (whole) {
        cairo_arc(cr, op.x1, op.y1, op.r, 0, 2 * M_PI);
        cairo_close_path(cr);
      } else {
        if (op.fill >= 0) cairo_move_to(cr, op.x1, op.y1);
        cairo_arc(cr, op.x1, op.y1, op.r, a0, a1);
        if (op.fill >= 0) cairo_close_path(cr);
      }
      if (op.fill >= 0) {
        SetColour(cr, op.fill);
        cairo_fill_preserve(cr);
      }
      SetColour(cr, op.colour);
      if (whole && op.r <= cairo_get_line_width(cr) / 2.0) {
        // The pen covers the whole circle: a disc as wide as the pen (cairo
        // drops the stroke of so small a circle).
        cairo_new_path(cr);
        cairo_arc(cr, op.x1, op.y1, op.r + cairo_get_line_width(cr) / 2.0, 0, 2 * M_PI);
        cairo_fill(cr);
      } else {
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
      }
      break;
    }
    case DrawOp::Kind::Poly:
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
      for (size_t i = 0; i + 1 < op.points.size(); i += 2) {
        if (i == 0) {
          cairo_move_to(cr, op.points[0], op.points[1]);
        } else {
          cairo_line_to(cr, op.points[i], op.points[i + 1]);
        }
      }
      SetColour(cr, op.colour);
      cairo_stroke(cr);
      break;
  }
}

void Canvas::Render(cairo_t* cr) const {
  SetColour(cr, kBackgroundColour);
  cairo_paint(cr);
  for (const DrawOp& op : ops_) RenderOp(cr, op);
}

void Canvas::WritePng(const std::string& path) const {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(kPageWidth), static_cast<int>(kPageHeight));
  cairo_t* cr = cairo_create(s);
  Render(cr);
  cairo_destroy(cr);
  cairo_surface_write_to_png(s, path.c_str());
  cairo_surface_destroy(s);
}

std::string TraceNumber(float v) {
  if (v == 0) v = 0;  // no "-0"
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, res.ptr);
}

std::string TraceLine(const DrawOp& op) {
  auto n = TraceNumber;
  std::string s;
  switch (op.kind) {
    case DrawOp::Kind::Text:
      s = "text x=" + n(op.x1) + " y=" + n(op.y1) + " h=" + std::to_string(op.h) + " v=" + std::to_string(op.v) +
          " colour=" + std::to_string(op.colour) + " face=" + FaceName(op.face) + " size=" + n(op.size) +
          " bold=" + (op.bold ? "1" : "0") + " italic=" + (op.italic ? "1" : "0") + " \"" + ToUtf8(op.text) + "\"";
      break;
    case DrawOp::Kind::Line:
    case DrawOp::Kind::Box:
      s = std::string(op.kind == DrawOp::Kind::Line ? "line" : "box") + " x1=" + n(op.x1) + " y1=" + n(op.y1) +
          " x2=" + n(op.x2) + " y2=" + n(op.y2) + " colour=" + std::to_string(op.colour) +
          " width=" + std::to_string(op.width);
      break;
    case DrawOp::Kind::Fill:
      s = "fill x1=" + n(op.x1) + " y1=" + n(op.y1) + " x2=" + n(op.x2) + " y2=" + n(op.y2) +
          " border=" + std::to_string(op.colour) + " fill=" + std::to_string(op.fill) +
          " width=" + std::to_string(op.width);
      break;
    case DrawOp::Kind::Circle:
      s = "circle x=" + n(op.x1) + " y=" + n(op.y1) + " r=" + n(op.r) + " colour=" + std::to_string(op.colour) +
          " width=" + std::to_string(op.width);
      if (op.fill >= 0) s += " fill=" + std::to_string(op.fill);
      if (op.start != 0 || op.end != 0) s += " start=" + n(op.start) + " end=" + n(op.end);
      break;
    case DrawOp::Kind::Poly: {
      s = "poly colour=" + std::to_string(op.colour) + " width=" + std::to_string(op.width) + " points=";
      for (size_t i = 0; i + 1 < op.points.size(); i += 2) {
        if (i) s += ";";
        s += n(op.points[i]) + "," + n(op.points[i + 1]);
      }
      break;
    }
  }
  return s;
}

void Canvas::Trace(const DrawOp& op) { *trace_ << TraceLine(op) << '\n'; }

void Canvas::TraceKey(const Text& key) {
  if (!trace_) return;
  std::string shown;
  if (key == "\r") {
    shown = "Enter";
  } else if (key == "\b") {
    shown = "Backspace";
  } else if (key == "\x0c") {
    shown = "Clear";
  } else if (key == " ") {
    shown = "Space";
  } else {
    shown = ToUtf8(key);
  }
  *trace_ << "key \"" << shown << "\"\n";
}

}  // namespace plat
