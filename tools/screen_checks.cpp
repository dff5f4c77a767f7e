#include "tools/screen_checks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>
#include <tuple>

namespace walk {
namespace {

using plat::DrawOp;

// Ink within this much of a box's edge counts as inside it (antialiased
// fringes); an overlap must be larger than this to count as a cut.
constexpr float kSlack = 1.0f;
// Discs up to this radius are a curve's or a mark's dots, drawn as strokes;
// larger ones are surfaces.
constexpr float kDotRadius = 6.0f;
// Text this tall or taller counts as large.
constexpr float kLargeText = 40.0f;
// The colour the figures are labelled in: a large text in it is a figure's
// label wherever it stands, on the figure or beside it.
constexpr int kLabelColour = 13;

// The opaque area of a filled box: its border's outer edge.
Rect FillArea(const DrawOp& op) {
  const float half = op.width / 2.0f;
  return {std::min(op.x1, op.x2) - half, std::min(op.y1, op.y2) - half, std::max(op.x1, op.x2) + half,
          std::max(op.y1, op.y2) + half};
}

template <class A, class B>
bool Overlap(const A& r, const B& g) {
  const float w = std::min(r.right, g.right) - std::max(r.left, g.left);
  const float h = std::min(r.bottom, g.bottom) - std::max(r.top, g.top);
  return w > kSlack && h > kSlack;
}

// What of the parts stays outside the box; slivers within the slack go.
std::vector<Rect> Subtract(const std::vector<Rect>& parts, const Rect& box) {
  std::vector<Rect> out;
  auto keep = [&](float l, float t, float r, float b) {
    if (r - l > kSlack && b - t > kSlack) out.push_back({l, t, r, b});
  };
  for (const Rect& p : parts) {
    if (!Overlap(box, p)) {
      out.push_back(p);
      continue;
    }
    keep(p.left, p.top, p.right, std::min(p.bottom, box.top));                  // above
    keep(p.left, std::max(p.top, box.bottom), p.right, p.bottom);               // below
    const float t = std::max(p.top, box.top), b = std::min(p.bottom, box.bottom);
    keep(p.left, t, std::min(p.right, box.left), b);                            // left
    keep(std::max(p.left, box.right), t, p.right, b);                           // right
  }
  return out;
}

bool SameInk(const plat::InkBox& a, const plat::InkBox& b) {
  return a.glyph == b.glyph && std::abs(a.left - b.left) <= 0.5f && std::abs(a.top - b.top) <= 0.5f &&
         std::abs(a.right - b.right) <= 0.5f && std::abs(a.bottom - b.bottom) <= 0.5f;
}

std::string Num(float v) { return plat::TraceNumber(v); }

std::string Describe(const plat::InkBox& g, const DrawOp& op) {
  return "\"" + plat::ToUtf8(g.glyph) + "\" of the text at (" + Num(op.x1) + ", " + Num(op.y1) + ") size " +
         Num(op.size * op.v) + " colour " + std::to_string(op.colour) + ", ink " + Num(g.left) + ".." +
         Num(g.right) + " x " + Num(g.top) + ".." + Num(g.bottom);
}

std::string WhereInItem(const Place& p) {
  return p.program + " chapter " + std::to_string(p.chapter) + " item " + std::to_string(p.item);
}

// A surface a text or a stroke can stand on: a filled box or a disc.
struct Surface {
  Rect area;
  bool disc = false;
  float cx = 0, cy = 0, r = 0;
  int colour = 15;
  // Whether the point lies inside, at least `margin` from the edge.
  bool Holds(float x, float y, float margin) const {
    if (disc) return std::hypot(x - cx, y - cy) < r - margin;
    return x > area.left + margin && x < area.right - margin && y > area.top + margin && y < area.bottom - margin;
  }
  bool Touches(const Surface& o) const {
    return area.left <= o.area.right + kSlack && o.area.left <= area.right + kSlack &&
           area.top <= o.area.bottom + kSlack && o.area.top <= area.bottom + kSlack;
  }
};

// The surface under a point; a stroke's point must lie inside by its own
// half width, so that a line or curve that only meets a fill at its edge (a
// brace's end at a figure's corner) counts as standing on what lies outside.
int SurfaceAt(const std::vector<Surface>& surfaces, float x, float y, float margin = 0.5f) {
  for (auto it = surfaces.rbegin(); it != surfaces.rend(); ++it)
    if (it->Holds(x, y, margin)) return it->colour;
  return plat::kBackgroundColour;
}

// A point on a stroke, where the surface under it is looked up.
void StrokePoint(const DrawOp& op, float& x, float& y) {
  switch (op.kind) {
    case DrawOp::Kind::Line:
      x = (op.x1 + op.x2) / 2;
      y = (op.y1 + op.y2) / 2;
      break;
    case DrawOp::Kind::Box:
      x = op.x1;
      y = (op.y1 + op.y2) / 2;
      break;
    case DrawOp::Kind::Circle: {
      if (op.r <= kDotRadius) {
        x = op.x1;
        y = op.y1;
        break;
      }
      const bool arc = op.start != 0 || op.end != 0;
      float turn = arc ? (op.start + op.end) / 2 : 0;
      if (arc && op.end < op.start) turn += 0.5f;
      constexpr double kTwoPi = 6.283185307179586;
      x = op.x1 + op.r * static_cast<float>(std::cos(kTwoPi * turn));
      y = op.y1 + op.r * static_cast<float>(std::sin(kTwoPi * turn));
      break;
    }
    case DrawOp::Kind::Poly: {
      const size_t n = op.points.size() / 2;
      const size_t i = n >= 2 ? (n - 2) / 2 : 0;
      x = n >= 2 ? (op.points[2 * i] + op.points[2 * i + 2]) / 2 : op.points[0];
      y = n >= 2 ? (op.points[2 * i + 1] + op.points[2 * i + 3]) / 2 : op.points[1];
      break;
    }
    default:
      x = op.x1;
      y = op.y1;
  }
}

}  // namespace

// --- Clean screens ---

void CleanScreens::Note(const std::string& key, const std::string& where) {
  auto [it, added] = faults_.try_emplace(key, where, 0);
  ++it->second.second;
}

void CleanScreens::Drawn(const DrawOp& op, const Place& place) {
  if (op.kind == DrawOp::Kind::Text) {
    for (plat::InkBox& g : plat::GlyphInk(op)) {
      std::erase_if(live_, [&](const Glyph& old) { return SameInk(old.ink, g); });
      const std::string what = WhereInItem(place) + ": " + Describe(g, op);
      const bool lessonArea = op.y1 < kBandTop && op.y1 != kAnswerLineY;
      if (lessonArea && g.bottom > kBandTop + kSlack && g.left < kBandRight && g.right > 0)
        Note(what + " reaches into the bottom band (y " + Num(kBandTop) + ")", Describe(place));
      const Rect ink{g.left, g.top, g.right, g.bottom};
      live_.push_back({std::move(g), {ink}, false, what, {}});
    }
  } else if (op.kind == DrawOp::Kind::Fill) {
    const Rect r = FillArea(op);
    std::erase_if(live_, [&](Glyph& g) {
      if (std::none_of(g.shown.begin(), g.shown.end(), [&](const auto& part) { return Overlap(r, part); }))
        return false;
      g.shown = Subtract(g.shown, r);
      if (g.shown.empty()) return true;  // covered whole
      if (!g.cut) {
        g.cut = true;
        g.cutter = "the box " + Num(op.x1) + "," + Num(op.y1) + " to " + Num(op.x2) + "," + Num(op.y2) + " fill " +
                   std::to_string(op.fill);
      }
      return false;
    });
  }
}

void CleanScreens::Waits(const plat::Canvas&, const Place& place) {
  std::erase_if(live_, [&](const Glyph& g) {
    if (!g.cut) return false;
    Note(g.what + " is cut by " + g.cutter, Describe(place));
    return true;
  });
}

std::vector<std::string> CleanScreens::Faults() const {
  std::vector<std::string> lines;
  for (const auto& [key, seen] : faults_)
    lines.push_back(key + " (" + std::to_string(seen.second) + " times; first at " + seen.first + ")");
  return lines;
}

// --- Colour pairs ---

const char* KindName(PairKind kind) {
  switch (kind) {
    case PairKind::kText:
      return "text on";
    case PairKind::kLargeLabel:
      return "large label on";
    case PairKind::kStroke:
      return "stroke on";
    case PairKind::kFills:
      return "fills touching";
    case PairKind::kSideBySide:
      return "texts side by side";
  }
  return "";
}

bool Pair::operator<(const Pair& o) const {
  return std::tie(kind, a, b, surface) < std::tie(o.kind, o.a, o.b, o.surface);
}

double PairFigures::measure() const { return need >= 10 ? deltaE : contrast; }

void ColourPairs::Add(const Pair& pair, const Place& place, const std::string& what) {
  auto [it, added] = pairs_.try_emplace(pair);
  PairFigures& f = it->second;
  if (added) {
    f.contrast = plat::ContrastRatio(pair.a, pair.b);
    f.deltaE = plat::ColourDifference(pair.a, pair.b);
    switch (pair.kind) {
      case PairKind::kText:
        f.need = 4.5;
        break;
      case PairKind::kLargeLabel:
      case PairKind::kStroke:
        f.need = 3.0;
        break;
      case PairKind::kFills:
      case PairKind::kSideBySide:
        f.need = 20;
        break;
    }
    f.first = Describe(place) + " " + what;
  }
  ++f.count;
}

void ColourPairs::Waits(const plat::Canvas& page, const Place& place) {
  std::vector<Surface> surfaces;
  std::map<int, std::map<int, std::string>> textsOn;  // surface -> text colour -> a glyph
  for (const DrawOp& op : page.ops()) {
    const bool disc = op.kind == DrawOp::Kind::Circle && op.fill >= 0 && op.start == 0 && op.end == 0;
    if (op.kind == DrawOp::Kind::Fill || (disc && op.r > kDotRadius)) {
      Surface s;
      if (disc) {
        s = {{op.x1 - op.r, op.y1 - op.r, op.x1 + op.r, op.y1 + op.r}, true, op.x1, op.y1, op.r, op.fill};
      } else {
        s = {FillArea(op), false, 0, 0, 0, op.fill};
      }
      if (s.colour != plat::kBackgroundColour) {
        for (const Surface& o : surfaces) {
          if (o.colour == plat::kBackgroundColour || o.colour == s.colour || !s.Touches(o)) continue;
          Add({PairKind::kFills, std::min(o.colour, s.colour), std::max(o.colour, s.colour)}, place,
              "at " + Num(op.x1) + "," + Num(op.y1));
        }
      }
      surfaces.push_back(s);
      continue;
    }
    if (op.kind == DrawOp::Kind::Text) {
      float x = op.x1;
      for (const plat::Text& ch : plat::SplitChars(op.text)) {
        const float w = (ch.size() == 1 ? op.size / 2 : op.size) * op.h;
        const bool blank = ch == " " || ch == "\x81\x40";
        const int surface = SurfaceAt(surfaces, x + w / 2, op.y1 + op.size * op.v / 2);
        x += w;
        if (blank || surface == op.colour) continue;
        const bool large = op.size * op.v >= kLargeText &&
                           (surface != plat::kBackgroundColour || op.colour == kLabelColour);
        const std::string what = "\"" + plat::ToUtf8(ch) + "\" at " + Num(x - w) + "," + Num(op.y1);
        Add({large ? PairKind::kLargeLabel : PairKind::kText, op.colour, surface}, place, what);
        textsOn[surface].try_emplace(op.colour, what);
      }
      continue;
    }
    if (op.colour == plat::kBackgroundColour) continue;  // an eraser
    float x = 0, y = 0;
    StrokePoint(op, x, y);
    const float reach = op.width / 2.0f + (op.kind == DrawOp::Kind::Circle && op.r <= kDotRadius ? op.r : 0) + 1;
    const int surface = SurfaceAt(surfaces, x, y, reach);
    if (surface != op.colour) Add({PairKind::kStroke, op.colour, surface}, place, "at " + Num(x) + "," + Num(y));
  }
  for (const auto& [surface, colours] : textsOn) {
    for (auto i = colours.begin(); i != colours.end(); ++i) {
      for (auto j = std::next(i); j != colours.end(); ++j)
        Add({PairKind::kSideBySide, i->first, j->first, surface}, place, i->second + " and " + j->second);
    }
  }
}

std::vector<std::pair<Pair, PairFigures>> ColourPairs::WorstFirst() const {
  std::vector<std::pair<Pair, PairFigures>> all(pairs_.begin(), pairs_.end());
  std::stable_sort(all.begin(), all.end(), [](const auto& x, const auto& y) {
    return x.second.measure() / x.second.need < y.second.measure() / y.second.need;
  });
  return all;
}

std::string ColourPairs::Line(const Pair& p, const PairFigures& f) {
  char head[160];
  if (p.kind == PairKind::kSideBySide) {
    std::snprintf(head, sizeof head, "%-19s %2d and %2d on %2d", KindName(p.kind), p.a, p.b, p.surface);
  } else if (p.kind == PairKind::kFills) {
    std::snprintf(head, sizeof head, "%-19s %2d and %2d      ", KindName(p.kind), p.a, p.b);
  } else {
    std::snprintf(head, sizeof head, "%-19s %2d on %2d        ", KindName(p.kind), p.a, p.b);
  }
  char figures[160];
  std::snprintf(figures, sizeof figures, "  contrast %5.2f  dE %5.1f  needs %s %4.1f  %s  %6d times  first: ",
                f.contrast, f.deltaE, f.need >= 10 ? "dE" : "  ", f.need, f.passes() ? "ok  " : "SHORT", f.count);
  return std::string(head) + figures + f.first;
}

}  // namespace walk
