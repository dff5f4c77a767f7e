// Solid discs drawn as stamps. The lessons draw a thick curve as hundreds of
// pen-wide discs; drawn one by one as paths each costs several microseconds.
// A disc is rendered by cairo once per size, pen, scale and sub-pixel
// position (to a sixteenth of a pixel across, a thirtieth down) into a
// coverage mask, and then only stamped: the mask blends the disc's colour
// into the pixels with the same arithmetic as cairo's own drawing.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "platform/canvas.h"

namespace plat {

class DiscStamps {
 public:
  // Sub-pixel positions per pixel along each axis. cairo samples a pixel's
  // coverage on fifteen rows: a stamp placed to a thirtieth of a pixel down
  // stays within one of its levels of the disc drawn where it lies.
  static constexpr int kPhasesX = 16, kPhasesY = 30;

  // Whether the operation is a whole disc in one colour (a stamp draws it).
  static bool Fits(const DrawOp& op);
  // Pixels a stamp may touch around its centre, at a scale.
  static double Reach(const DrawOp& op, double scale);

  // Pixels that may be written: [x0, x1) x [y0, y1).
  struct Clip {
    int x0, y0, x1, y1;
  };
  // Draws a disc that Fits, with its centre at the pixel position (x, y) of
  // an RGB24 image surface, the page scaled by scale, inside clip only.
  void Draw(cairo_surface_t* target, const Clip& clip, const DrawOp& op, double x, double y, double scale);
  // Draws as Draw does where the disc's mask is made already. Otherwise draws
  // nothing and returns false: making a mask costs several times more than
  // drawing the disc as a path, so a kind of disc new to the picture is
  // drawn so, and its masks are made later by PrepareNoted.
  bool DrawIfMade(cairo_surface_t* target, const Clip& clip, const DrawOp& op, double x, double y, double scale);

  // Renders up to count masks of the kind of op not yet needed, so that a
  // first curve of such discs finds them made. Returns whether some are left
  // (false too when a new kind would push out others).
  bool Prepare(const DrawOp& op, double scale, int count);

  // Keeps, of the kinds DrawIfMade found missing since the last call, those
  // it drew by the dozen (a curve's dots) and forgets the others. Returns
  // whether any are kept.
  bool KeepNoted();
  // Renders up to count masks of the kinds kept. Returns whether some are left.
  bool PrepareNoted(int count);

  // Masks rendered so far.
  size_t masks() const { return made_; }

 private:
  struct KindKey {
    float r;
    int width;
    bool erases;
    double scale;
    auto operator<=>(const KindKey&) const = default;
  };
  // Every sub-pixel position of one disc, in one A8 raster (a cell each, one
  // above the other), rendered as first needed.
  struct Kind {
    ~Kind();
    int pad = 0, side = 0;
    cairo_surface_t* atlas = nullptr;
    cairo_t* cr = nullptr;
    std::vector<bool> made;
    size_t firstUnmade = 0;  // no mask before this cell is still to be made
  };
  // A stamp's top-left pixel less the padding, and its sub-pixel position.
  struct Place {
    int x, y, phaseX, phaseY;
  };
  static Place PlaceOf(double x, double y);
  static KindKey KeyOf(const DrawOp& op, double scale);
  Kind& KindFor(const DrawOp& op, double scale);
  const uint8_t* Mask(Kind& kind, const DrawOp& op, double scale, int px, int py);
  static void Stamp(cairo_surface_t* target, const Clip& clip, const DrawOp& op, const Kind& kind, const Place& at,
                    const uint8_t* mask);

  std::map<KindKey, std::unique_ptr<Kind>> kinds_;
  size_t made_ = 0;
  struct Noted {
    DrawOp op;
    double scale;
    int dots;  // drawn without masks
  };
  std::vector<Noted> noted_;
};

}  // namespace plat
