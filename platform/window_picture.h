// What the window shows: the picture rendered by cairo at the window's pixel
// size (the page scaled to fit, its aspect kept), so that it stays crisp at
// any size. New drawing is added to the pixels already there; the whole
// picture is rendered again only for a clear or a new size. Every change
// leaves the rectangles of pixels it touched, to be copied to the screen.
#pragma once

#include <SDL.h>
#include <cairo.h>

#include <vector>

#include "platform/canvas.h"
#include "platform/disc_stamps.h"

namespace plat {

class WindowPicture {
 public:
  // Draws into 32-bit XRGB pixels owned by the caller (stride bytes a row).
  WindowPicture(unsigned char* pixels, int width, int height, int stride);
  // Draws into pixels of its own.
  WindowPicture(int width, int height);
  ~WindowPicture();
  WindowPicture(const WindowPicture&) = delete;
  WindowPicture& operator=(const WindowPicture&) = delete;

  // The whole window again: the page (blank without a canvas) on grey.
  void RenderAll(const Canvas* canvas);
  // The canvas gained op (nullptr: it was cleared).
  void Changed(const Canvas& canvas, const DrawOp* op);

  // Does a little of the work that can be done ahead while the program waits
  // for a key (the masks of the pen-wide dots that curves are drawn with, at
  // this size, and of any other kind of dot drawn so far). Returns whether
  // any is left.
  bool Prepare();
  // Whether drawing since the last look left work for Prepare.
  bool WorkAhead() { return stamps_.KeepNoted(); }

  // Rectangles of pixels changed since the last TakeDamage; overlapping ones
  // are merged, the others kept apart.
  const std::vector<SDL_Rect>& damage() {
    Flush(0);
    return damage_;
  }
  void TakeDamage() { damage_.clear(); }
  void DamageAll() { AddDamage({0, 0, width_, height_}); }

  // The pixels, complete (cairo's drawing flushed).
  unsigned char* Pixels();
  int width() const { return width_; }
  int height() const { return height_; }
  int stride() const { return stride_; }
  double scale() const { return scale_; }

 private:
  void Setup(cairo_surface_t* surface);
  void Surround();
  void ToPage(bool clip);
  void Draw(const DrawOp& op, const SDL_Rect& area);
  void RenderOpAt(const DrawOp& op);
  static bool Erases(const DrawOp& op);
  void Erase(const DrawOp& op);
  SDL_Rect Solid(const DrawOp& op) const;
  static std::vector<SDL_Rect> Outside(const std::vector<SDL_Rect>& rects, const SDL_Rect& hole);
  // Painting that waits for the next operation: a clear, a wipe, an area to
  // draw again, each in whole-pixel rectangles.
  struct Pending {
    enum class Kind { Clear, Erase, Area } kind;
    DrawOp op;
    std::vector<SDL_Rect> rects;
  };
  void Paint(const Pending& p, size_t ops);
  void Flush(size_t leaveOut);
  SDL_Rect PixelBounds(double left, double top, double right, double bottom) const;
  void RenderArea(const Canvas& canvas, float left, float top, float right, float bottom, bool later);
  void Clear();
  void AddDamage(SDL_Rect r);
  // Adds a rectangle to a list, joined with those it overlaps.
  void AddRect(std::vector<SDL_Rect>& rects, SDL_Rect r) const;

  cairo_surface_t* surface_ = nullptr;
  cairo_t* cr_ = nullptr;
  int width_ = 0, height_ = 0, stride_ = 0;
  double scale_ = 1, originX_ = 0, originY_ = 0;  // page units to pixels
  SDL_Rect inside_{};  // whole pixels wholly on the page
  size_t shownOps_ = 0;  // operations in the picture when it last changed
  DiscStamps stamps_;
  std::vector<SDL_Rect> damage_;
  std::vector<Pending> pending_;
  const Canvas* canvas_ = nullptr;  // the picture's, as last told
  std::vector<SDL_Rect> inked_;  // pixels drawn on since the page was last blank
};

}  // namespace plat
