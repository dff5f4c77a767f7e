#include "platform/disc_stamps.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace plat {
namespace {

// Kinds of disc kept at most (sizes, pens and scales; a picture needs a few):
// all of one kind's masks take up to 0.8 MB in a window of 2880 x 1800.
constexpr size_t kMaxKinds = 12;

// Discs of one kind drawn without masks that make the kind worth its masks:
// a curve's dots. A lone dot (a cursor's) costs less drawn as a path each
// time than its masks cost to make and keep.
constexpr int kManyDots = 32;

// a * b / 255, rounded as cairo's compositing (pixman) does.
inline uint32_t Mul(uint32_t a, uint32_t b) {
  uint32_t t = a * b + 0x80;
  return (t + (t >> 8)) >> 8;
}

}  // namespace

DiscStamps::Kind::~Kind() {
  if (cr) cairo_destroy(cr);
  if (atlas) cairo_surface_destroy(atlas);
}

bool DiscStamps::Fits(const DrawOp& op) {
  return op.kind == DrawOp::Kind::Circle && op.start == 0 && op.end == 0 && op.fill == op.colour;
}

double DiscStamps::Reach(const DrawOp& op, double scale) {
  // The pen, the widening of an erasing stroke and antialiasing included.
  return (op.r + std::max(op.width, 1) / 2.0) * scale + 3;
}

DiscStamps::KindKey DiscStamps::KeyOf(const DrawOp& op, double scale) {
  return {op.r, op.width, op.colour == kBackgroundColour, scale};
}

DiscStamps::Kind& DiscStamps::KindFor(const DrawOp& op, double scale) {
  KindKey key = KeyOf(op, scale);
  auto it = kinds_.find(key);
  if (it != kinds_.end()) return *it->second;
  if (kinds_.size() >= kMaxKinds) {
    kinds_.clear();
    made_ = 0;
  }
  auto kind = std::make_unique<Kind>();
  kind->pad = static_cast<int>(std::ceil(Reach(op, scale)));
  kind->side = 2 * kind->pad + 1;
  kind->atlas = cairo_image_surface_create(CAIRO_FORMAT_A8, kind->side, kind->side * kPhasesX * kPhasesY);
  kind->cr = cairo_create(kind->atlas);
  kind->made.assign(kPhasesX * kPhasesY, false);
  return *kinds_.emplace(key, std::move(kind)).first->second;
}

const uint8_t* DiscStamps::Mask(Kind& kind, const DrawOp& op, double scale, int px, int py) {
  int cell = py * kPhasesX + px;
  int top = cell * kind.side;
  if (!kind.made[static_cast<size_t>(cell)]) {
    // The page's own drawing of the disc, so that a stamp matches it.
    cairo_t* cr = kind.cr;
    double cx = kind.pad + static_cast<double>(px) / kPhasesX, cy = top + kind.pad + static_cast<double>(py) / kPhasesY;
    double pen = std::max(op.width, 1) / 2.0;
    if (op.colour != kBackgroundColour && op.r <= pen) {
      // Where the pen covers the circle the page draws one disc as wide as
      // the pen over the filled circle, which it wholly covers: that disc
      // alone (the same path, in pixels) is the mask.
      cairo_new_path(cr);
      cairo_arc(cr, cx, cy, (op.r + pen) * scale, 0, 2 * M_PI);
      cairo_fill(cr);
    } else {
      cairo_save(cr);
      cairo_rectangle(cr, 0, top, kind.side, kind.side);
      cairo_clip(cr);
      cairo_translate(cr, cx, cy);
      cairo_scale(cr, scale, scale);
      DrawOp at = op;
      at.x1 = 0;
      at.y1 = 0;
      Canvas::RenderOp(cr, at);
      cairo_restore(cr);
    }
    cairo_surface_flush(kind.atlas);
    kind.made[static_cast<size_t>(cell)] = true;
    ++made_;
  }
  return cairo_image_surface_get_data(kind.atlas) + static_cast<size_t>(top) * cairo_image_surface_get_stride(kind.atlas);
}

bool DiscStamps::Prepare(const DrawOp& op, double scale, int count) {
  if (!kinds_.contains(KeyOf(op, scale)) && kinds_.size() >= kMaxKinds)
    return false;
  Kind& kind = KindFor(op, scale);
  for (; kind.firstUnmade < kind.made.size() && count > 0; ++kind.firstUnmade) {
    if (kind.made[kind.firstUnmade]) continue;
    int cell = static_cast<int>(kind.firstUnmade);
    Mask(kind, op, scale, cell % kPhasesX, cell / kPhasesX);
    --count;
  }
  return kind.firstUnmade < kind.made.size();
}

DiscStamps::Place DiscStamps::PlaceOf(double x, double y) {
  double fx = std::floor(x), fy = std::floor(y);
  int px = static_cast<int>(std::lround((x - fx) * kPhasesX)), py = static_cast<int>(std::lround((y - fy) * kPhasesY));
  if (px == kPhasesX) {
    px = 0;
    fx += 1;
  }
  if (py == kPhasesY) {
    py = 0;
    fy += 1;
  }
  return {static_cast<int>(fx), static_cast<int>(fy), px, py};
}

void DiscStamps::Draw(cairo_surface_t* target, const Clip& clip, const DrawOp& op, double x, double y, double scale) {
  const Place at = PlaceOf(x, y);
  Kind& kind = KindFor(op, scale);
  Stamp(target, clip, op, kind, at, Mask(kind, op, scale, at.phaseX, at.phaseY));
}

bool DiscStamps::DrawIfMade(cairo_surface_t* target, const Clip& clip, const DrawOp& op, double x, double y,
                            double scale) {
  const Place at = PlaceOf(x, y);
  const KindKey key = KeyOf(op, scale);
  auto it = kinds_.find(key);
  if (it == kinds_.end() || !it->second->made[static_cast<size_t>(at.phaseY * kPhasesX + at.phaseX)]) {
    auto noted = std::find_if(noted_.begin(), noted_.end(), [&](const Noted& n) { return KeyOf(n.op, n.scale) == key; });
    if (noted == noted_.end()) noted = noted_.insert(noted_.end(), {op, scale, 0});
    ++noted->dots;
    return false;
  }
  Kind& kind = *it->second;
  Stamp(target, clip, op, kind, at, Mask(kind, op, scale, at.phaseX, at.phaseY));
  return true;
}

bool DiscStamps::KeepNoted() {
  std::erase_if(noted_, [](const Noted& n) { return n.dots < kManyDots; });
  return !noted_.empty();
}

bool DiscStamps::PrepareNoted(int count) {
  while (!noted_.empty()) {
    const Noted& n = noted_.front();
    if (Prepare(n.op, n.scale, count)) return true;
    noted_.erase(noted_.begin());  // made, or no room for another kind
  }
  return false;
}

void DiscStamps::Stamp(cairo_surface_t* target, const Clip& clip, const DrawOp& op, const Kind& kind, const Place& at,
                       const uint8_t* mask) {
  int maskStride = cairo_image_surface_get_stride(kind.atlas);
  int left = at.x - kind.pad, top = at.y - kind.pad;
  int x0 = std::max(left, clip.x0), x1 = std::min(left + kind.side, clip.x1);
  int y0 = std::max(top, clip.y0), y1 = std::min(top + kind.side, clip.y1);
  if (x0 >= x1 || y0 >= y1) return;

  const Rgb& c = PaletteColour(op.colour);
  uint32_t r = static_cast<uint32_t>(std::lround(c.r * 255)), g = static_cast<uint32_t>(std::lround(c.g * 255)),
           b = static_cast<uint32_t>(std::lround(c.b * 255));
  cairo_surface_flush(target);
  unsigned char* data = cairo_image_surface_get_data(target);
  int stride = cairo_image_surface_get_stride(target);
  for (int row = y0; row < y1; ++row) {
    const uint8_t* m = mask + static_cast<size_t>(row - top) * maskStride + (x0 - left);
    uint32_t* d = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(row) * stride) + x0;
    for (int col = x0; col < x1; ++col, ++m, ++d) {
      uint32_t a = *m;
      if (a == 0) continue;
      if (a == 255) {
        *d = 0xFF000000u | r << 16 | g << 8 | b;
        continue;
      }
      // The colour through the mask, over the pixel.
      uint32_t p = *d, keep = 255 - a;
      uint32_t nr = Mul(r, a) + Mul((p >> 16) & 0xFF, keep);
      uint32_t ng = Mul(g, a) + Mul((p >> 8) & 0xFF, keep);
      uint32_t nb = Mul(b, a) + Mul(p & 0xFF, keep);
      *d = 0xFF000000u | nr << 16 | ng << 8 | nb;
    }
  }
  cairo_surface_mark_dirty_rectangle(target, x0, y0, x1 - x0, y1 - y0);
}

}  // namespace plat
