#include "platform/window_picture.h"

#include <algorithm>
#include <cmath>

namespace plat {
namespace {

// Separate rectangles kept at most; beyond, a new one joins the one it
// enlarges least (each rectangle is one request to the display server).
constexpr size_t kMaxRects = 64;

long Area(const SDL_Rect& r) { return static_cast<long>(r.w) * r.h; }

}  // namespace

WindowPicture::WindowPicture(unsigned char* pixels, int width, int height, int stride) {
  Setup(cairo_image_surface_create_for_data(pixels, CAIRO_FORMAT_RGB24, width, height, stride));
}

WindowPicture::WindowPicture(int width, int height) {
  Setup(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
}

WindowPicture::~WindowPicture() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

void WindowPicture::Setup(cairo_surface_t* surface) {
  surface_ = surface;
  cr_ = cairo_create(surface_);
  width_ = cairo_image_surface_get_width(surface_);
  height_ = cairo_image_surface_get_height(surface_);
  stride_ = cairo_image_surface_get_stride(surface_);
  scale_ = std::min(width_ / static_cast<double>(kPageWidth), height_ / static_cast<double>(kPageHeight));
  originX_ = (width_ - kPageWidth * scale_) / 2;
  originY_ = (height_ - kPageHeight * scale_) / 2;
  int l = static_cast<int>(std::ceil(originX_)), t = static_cast<int>(std::ceil(originY_));
  int r = static_cast<int>(std::floor(originX_ + kPageWidth * scale_));
  int b = static_cast<int>(std::floor(originY_ + kPageHeight * scale_));
  inside_ = {l, t, std::max(0, r - l), std::max(0, b - t)};
}

unsigned char* WindowPicture::Pixels() {
  Flush(0);
  cairo_surface_flush(surface_);
  return cairo_image_surface_get_data(surface_);
}

// The grey round the page (each pixel written once: under the page's own
// antialiased edge, if it has one, too).
void WindowPicture::Surround() {
  cairo_save(cr_);
  cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_rectangle(cr_, 0, 0, width_, height_);
  cairo_rectangle(cr_, inside_.x, inside_.y, inside_.w, inside_.h);
  cairo_set_source_rgb(cr_, 0.25, 0.25, 0.25);
  cairo_fill(cr_);
  cairo_restore(cr_);
}

bool WindowPicture::Prepare() {
  // The pens the lessons draw their curves with, as rows of dots (6 and 8:
  // Corvana's and Dellmir's figures), so that no first screen of them pays
  // for their masks.
  constexpr int kCurvePens[] = {5, 3, 15, 8, 6};
  constexpr int kMasksAtATime = 8;  // well under a millisecond
  for (int pen : kCurvePens) {
    DrawOp dot;
    dot.kind = DrawOp::Kind::Circle;
    dot.r = 0.5f;
    dot.width = pen;
    dot.colour = dot.fill = 0;
    if (stamps_.Prepare(dot, scale_, kMasksAtATime)) return true;
  }
  return stamps_.PrepareNoted(kMasksAtATime);
}

// Maps page units to the pixels; with clip, clips to the page.
void WindowPicture::ToPage(bool clip) {
  cairo_translate(cr_, originX_, originY_);
  cairo_scale(cr_, scale_, scale_);
  if (!clip) return;
  cairo_rectangle(cr_, 0, 0, kPageWidth, kPageHeight);
  cairo_clip(cr_);
}

// One operation, under the page's transform and clip, and inside the whole
// pixels of area (which the clip of cr holds too). A disc wholly inside the
// page is stamped (the page's edge cannot touch its pixels) once its mask is
// made.
void WindowPicture::Draw(const DrawOp& op, const SDL_Rect& area) {
  if (DiscStamps::Fits(op)) {
    double x = originX_ + op.x1 * scale_, y = originY_ + op.y1 * scale_;
    double reach = DiscStamps::Reach(op, scale_);
    if (x - reach >= inside_.x && y - reach >= inside_.y && x + reach <= inside_.x + inside_.w &&
        y + reach <= inside_.y + inside_.h) {
      if (stamps_.DrawIfMade(surface_, {area.x, area.y, area.x + area.w, area.y + area.h}, op, x, y, scale_)) return;
    }
  }
  Canvas::RenderOp(cr_, op);
}

void WindowPicture::RenderOpAt(const DrawOp& op) {
  if (Erases(op)) {
    Erase(op);
    return;
  }
  cairo_save(cr_);
  ToPage(true);
  Draw(op, {0, 0, width_, height_});
  cairo_restore(cr_);
  SDL_Rect px = PixelBounds(op.left, op.top, op.right, op.bottom);
  AddDamage(px);
  AddRect(inked_, px);
}

// Whether an operation paints in the page's own colour only: it can change
// no pixel that nothing was drawn on since the page was last blank.
bool WindowPicture::Erases(const DrawOp& op) {
  return op.kind != DrawOp::Kind::Text && op.colour == kBackgroundColour &&
         (op.fill < 0 || op.fill == kBackgroundColour);
}

// The whole pixels inside a filled box's outer edge and on the page: its
// paint covers them entirely.
SDL_Rect WindowPicture::Solid(const DrawOp& op) const {
  float half = static_cast<float>(op.width) / 2.0f;
  double l = originX_ + (std::min(op.x1, op.x2) - half) * scale_, r = originX_ + (std::max(op.x1, op.x2) + half) * scale_;
  double t = originY_ + (std::min(op.y1, op.y2) - half) * scale_, b = originY_ + (std::max(op.y1, op.y2) + half) * scale_;
  int il = static_cast<int>(std::ceil(l)), it = static_cast<int>(std::ceil(t));
  SDL_Rect solid{il, it, static_cast<int>(std::floor(r)) - il, static_cast<int>(std::floor(b)) - it};
  if (!SDL_IntersectRect(&solid, &inside_, &solid)) return {0, 0, 0, 0};
  return solid;
}

// The parts of rects outside hole (bands above and below, pieces left and
// right of it).
std::vector<SDL_Rect> WindowPicture::Outside(const std::vector<SDL_Rect>& rects, const SDL_Rect& hole) {
  std::vector<SDL_Rect> out;
  for (const SDL_Rect& r : rects) {
    SDL_Rect both;
    if (!SDL_IntersectRect(&r, &hole, &both)) {
      out.push_back(r);
      continue;
    }
    int right = r.x + r.w, bottom = r.y + r.h;
    int bothRight = both.x + both.w, bothBottom = both.y + both.h;
    if (both.y > r.y) out.push_back({r.x, r.y, r.w, both.y - r.y});
    if (bothBottom < bottom) out.push_back({r.x, bothBottom, r.w, bottom - bothBottom});
    if (both.x > r.x) out.push_back({r.x, both.y, both.x - r.x, both.h});
    if (bothRight < right) out.push_back({bothRight, both.y, right - bothRight, both.h});
  }
  return out;
}

// An erasing operation is drawn only where there was ink, and only those
// pixels are sent: a wipe of the whole page after a few lines of text costs
// those lines, not the page. What a filled box leaves wholly blank is no
// longer ink. A wiping box is painted later, with the next operation, so
// that what an opaque box drawn next covers is not painted twice.
void WindowPicture::Erase(const DrawOp& op) {
  SDL_Rect px = PixelBounds(op.left, op.top, op.right, op.bottom);
  std::vector<SDL_Rect> touched;
  for (const SDL_Rect& r : inked_) {
    SDL_Rect both;
    if (SDL_IntersectRect(&r, &px, &both)) touched.push_back(both);
  }
  if (op.kind != DrawOp::Kind::Fill) {
    Paint({Pending::Kind::Erase, op, touched}, 0);
    return;
  }
  pending_.push_back({Pending::Kind::Erase, op, std::move(touched)});
  SDL_Rect solid = Solid(op);
  if (solid.w <= 0 || solid.h <= 0) return;
  std::vector<SDL_Rect> kept = Outside(inked_, solid);
  inked_.clear();
  for (const SDL_Rect& k : kept) AddRect(inked_, k);
}

void WindowPicture::Paint(const Pending& p, size_t ops) {
  const Rgb& bg = PaletteColour(kBackgroundColour);
  for (const SDL_Rect& r : p.rects) {
    if (r.w <= 0 || r.h <= 0) continue;
    cairo_save(cr_);
    cairo_rectangle(cr_, r.x, r.y, r.w, r.h);  // whole pixels: no blended seam
    cairo_clip(cr_);
    if (p.kind == Pending::Kind::Clear) Surround();
    ToPage(true);
    if (p.kind == Pending::Kind::Erase) {
      Draw(p.op, r);
    } else {
      cairo_set_source_rgb(cr_, bg.r, bg.g, bg.b);
      cairo_paint(cr_);
    }
    if (p.kind == Pending::Kind::Area) {
      // Everything that reaches the whole pixels painted over, not only the
      // rectangle asked for: what lies in the pixels' fringe would be lost.
      double l = (r.x - originX_) / scale_, t = (r.y - originY_) / scale_;
      double rt = (r.x + r.w - originX_) / scale_, b = (r.y + r.h - originY_) / scale_;
      for (size_t i = 0; i < ops; ++i) {
        const DrawOp& o = canvas_->ops()[i];
        if (o.right >= l && o.left <= rt && o.bottom >= t && o.top <= b) Draw(o, r);
      }
    }
    cairo_restore(cr_);
    AddDamage(r);
  }
}

// Paints what waits, in order; drawings of areas leave out the newest
// operations (drawn by themselves next).
void WindowPicture::Flush(size_t leaveOut) {
  size_t ops = canvas_ ? canvas_->ops().size() - std::min(leaveOut, canvas_->ops().size()) : 0;
  for (const Pending& p : pending_) Paint(p, ops);
  pending_.clear();
}

// The whole pixels a rectangle of the page touches, inside the window.
SDL_Rect WindowPicture::PixelBounds(double left, double top, double right, double bottom) const {
  int l = std::max(0, static_cast<int>(std::floor(originX_ + left * scale_)) - 1);
  int t = std::max(0, static_cast<int>(std::floor(originY_ + top * scale_)) - 1);
  int r = std::min(width_, static_cast<int>(std::ceil(originX_ + right * scale_)) + 1);
  int b = std::min(height_, static_cast<int>(std::ceil(originY_ + bottom * scale_)) + 1);
  return {l, t, std::max(0, r - l), std::max(0, b - t)};
}

// Draws the picture again inside the pixels of a rectangle of the page, now
// or (later) when what waits is painted.
void WindowPicture::RenderArea(const Canvas& canvas, float left, float top, float right, float bottom, bool later) {
  SDL_Rect px = PixelBounds(left, top, right, bottom);
  if (px.w <= 0 || px.h <= 0) return;
  Pending area{Pending::Kind::Area, {}, {px}};
  if (later) {
    pending_.push_back(std::move(area));
  } else {
    Paint(area, canvas.ops().size());
  }
  AddRect(inked_, px);
}

void WindowPicture::RenderAll(const Canvas* canvas) {
  pending_.clear();
  canvas_ = canvas;
  // The page's colour everywhere but under the largest filled box, which
  // paints every one of those pixels itself (a menu's panel covers most of
  // the page).
  SDL_Rect covered{0, 0, 0, 0};
  if (canvas)
    for (const DrawOp& op : canvas->ops())
      if (op.kind == DrawOp::Kind::Fill) {
        SDL_Rect solid = Solid(op);
        if (solid.w > 0 && solid.h > 0 && Area(solid) > Area(covered)) covered = solid;
      }
  std::vector<SDL_Rect> blank{{0, 0, width_, height_}};
  if (covered.w > 0) blank = Outside(blank, covered);
  Paint({Pending::Kind::Clear, {}, std::move(blank)}, 0);
  cairo_save(cr_);
  ToPage(true);
  if (canvas)
    for (const DrawOp& op : canvas->ops()) Draw(op, {0, 0, width_, height_});
  cairo_restore(cr_);
  shownOps_ = canvas ? canvas->ops().size() : 0;
  damage_.clear();
  DamageAll();
  inked_.clear();
  if (shownOps_ > 0) inked_.push_back({0, 0, width_, height_});
}

// After a clear only what was drawn is painted over, and sent to the screen:
// the rest of the page is blank already. It is painted with the next
// operation, like a wipe.
void WindowPicture::Clear() {
  pending_.push_back({Pending::Kind::Clear, {}, std::move(inked_)});
  inked_.clear();
  shownOps_ = 0;
}

void WindowPicture::Changed(const Canvas& canvas, const DrawOp* op) {
  // The picture drops what an opaque shape hides. Where it did, the shape's
  // area is drawn again from the picture: painted over, the antialiased rim
  // of what lay beneath would stay as a faint ring (the blinking dot would
  // leave a circle round every typed digit).
  bool dropped = canvas.ops().size() != shownOps_ + 1;
  if (op) shownOps_ = canvas.ops().size();
  canvas_ = &canvas;
  const bool wipe = op && op->kind == DrawOp::Kind::Fill && Erases(*op);
  if (op && op->kind == DrawOp::Kind::Fill && !wipe) {
    // An opaque box: what waits to be painted under it never shows.
    SDL_Rect solid = Solid(*op);
    if (solid.w > 0 && solid.h > 0)
      for (Pending& p : pending_) p.rects = Outside(p.rects, solid);
  }
  if (op && !wipe) Flush(1);
  if (!op) {
    if (canvas.ops().empty()) {
      Clear();
    } else {
      RenderAll(&canvas);
    }
  } else if (dropped && op->kind == DrawOp::Kind::Circle) {
    RenderArea(canvas, op->left, op->top, op->right, op->bottom, false);
  } else if (dropped && op->kind == DrawOp::Kind::Fill) {
    // A filled box's inside is plainly painted over; only the strips along
    // its edges, where what it hid reached out, are drawn again.
    RenderOpAt(*op);
    const plat::Canvas::Area& hid = canvas.dropped();
    float m = static_cast<float>(op->width) + 2;
    auto strip = [&](float left, float top, float right, float bottom) {
      left = std::max(left, hid.left);
      top = std::max(top, hid.top);
      right = std::min(right, hid.right);
      bottom = std::min(bottom, hid.bottom);
      if (!hid.empty && left < right && top < bottom) RenderArea(canvas, left, top, right, bottom, wipe);
    };
    strip(op->left, op->top, op->right, op->top + m);
    strip(op->left, op->bottom - m, op->right, op->bottom);
    strip(op->left, op->top, op->left + m, op->bottom);
    strip(op->right - m, op->top, op->right, op->bottom);
  } else {
    RenderOpAt(*op);
  }
}

void WindowPicture::AddDamage(SDL_Rect r) { AddRect(damage_, r); }

void WindowPicture::AddRect(std::vector<SDL_Rect>& rects, SDL_Rect r) const {
  SDL_Rect whole{0, 0, width_, height_};
  if (!SDL_IntersectRect(&r, &whole, &r)) return;
  // Joined with each rectangle it overlaps where the two together are not
  // much larger than apart (a curve of dots stays a chain of rectangles along
  // it, not the box round it); the pixels where two kept apart overlap are
  // sent twice.
  for (size_t i = 0; i < rects.size();) {
    SDL_Rect both, u;
    if (SDL_IntersectRect(&r, &rects[i], &both)) {
      if (both.w == r.w && both.h == r.h) return;  // already inside
      SDL_UnionRect(&r, &rects[i], &u);
      if (4 * Area(u) <= 5 * (Area(r) + Area(rects[i]) - Area(both))) {
        r = u;
        rects[i] = rects.back();
        rects.pop_back();
        i = 0;
        continue;
      }
    }
    ++i;
  }
  if (rects.size() < kMaxRects) {
    rects.push_back(r);
    return;
  }
  size_t best = 0;
  long growth = -1;
  for (size_t i = 0; i < rects.size(); ++i) {
    SDL_Rect u;
    SDL_UnionRect(&r, &rects[i], &u);
    long g = Area(u) - Area(rects[i]);
    if (growth < 0 || g < growth) {
      growth = g;
      best = i;
    }
  }
  SDL_Rect u;
  SDL_UnionRect(&r, &rects[best], &u);
  rects[best] = rects.back();
  rects.pop_back();
  AddRect(rects, u);  // it may overlap others now
}

}  // namespace plat
