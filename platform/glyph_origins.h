// Glyphs placed as cairo places text, without its cost.
#pragma once

#include <cairo.h>

#include <cmath>

namespace plat {

// Where cairo places a glyph drawn at the current point after a move to the
// origin of a glyph's own transform: the point goes to the device, is held
// there in cairo's fixed point (a 256th of a pixel) and comes back through
// the inverse transform. Kept so that a glyph lands on the same pixel as it
// would have with that (much slower) sequence of calls: cairo rounds glyphs to
// whole pixels, and a point exactly half way between two moves either way.
class GlyphOrigins {
 public:
  // Under the page's transform as it is now. Exact only on a surface without
  // a device offset or scale (where a glyph should be drawn with the calls
  // themselves).
  explicit GlyphOrigins(cairo_t* cr) {
    cairo_get_matrix(cr, &page_);
    double ox = 0, oy = 0, sx = 1, sy = 1;
    cairo_surface_t* target = cairo_get_target(cr);
    cairo_surface_get_device_offset(target, &ox, &oy);
    cairo_surface_get_device_scale(target, &sx, &sy);
    exact_ = ox == 0 && oy == 0 && sx == 1 && sy == 1;
    // The inverse as cairo keeps it (it updates it step by step, which a
    // fresh inversion would not match to the last bit).
    double xx = 1, yx = 0, xy = 0, yy = 1, x0 = 0, y0 = 0;
    cairo_device_to_user_distance(cr, &xx, &yx);
    cairo_device_to_user_distance(cr, &xy, &yy);
    cairo_device_to_user(cr, &x0, &y0);
    cairo_matrix_init(&pageInverse_, xx, yx, xy, yy, x0, y0);
  }
  bool exact() const { return exact_; }

  // Sets the transform of a glyph with its origin at (x, y) of the page,
  // stretched by (h, v), and returns where the glyph goes in it.
  void Place(cairo_t* cr, double x, double y, double h, double v, cairo_glyph_t& glyph) const {
    cairo_matrix_t m = page_, inverse = pageInverse_, step;
    cairo_matrix_translate(&m, x, y);
    cairo_matrix_scale(&m, h, v);
    cairo_set_matrix(cr, &m);
    cairo_matrix_init_translate(&step, -x, -y);
    cairo_matrix_multiply(&inverse, &inverse, &step);
    cairo_matrix_init_scale(&step, 1 / h, 1 / v);
    cairo_matrix_multiply(&inverse, &inverse, &step);
    double dx = 0, dy = 0;
    cairo_matrix_transform_point(&m, &dx, &dy);
    glyph.x = Fixed(dx);
    glyph.y = Fixed(dy);
    cairo_matrix_transform_point(&inverse, &glyph.x, &glyph.y);
  }

 private:
  // To cairo's 24.8 fixed point and back: nearest, ties to even.
  static double Fixed(double d) { return std::nearbyint(d * 256) / 256; }

  cairo_matrix_t page_, pageInverse_;
  bool exact_ = false;
};

}  // namespace plat
