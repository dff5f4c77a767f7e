// The screen runtime the lessons draw through: drawing operations on the
// retained picture, the current font and pen, key polling, the time of day and
// the random generator. A Backend supplies the window (or the headless stand-in).
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/canvas.h"
#include "platform/runtime.h"
#include "platform/text.h"

namespace plat {

class Backend {
 public:
  virtual ~Backend() = default;
  // Serves pending window events and returns a typed key if one is queued.
  // Throws WindowClosed once the window is closed.
  virtual bool PollKey(Text& key) = 0;
  // Sleeps until a key is queued or the time is up; throws WindowClosed.
  virtual void WaitForInput(double seconds) = 0;
  // The program is about to wait for the pupil.
  virtual void KeyWaitStarts(const Canvas&) {}
  // The picture changed (op is nullptr after a clear).
  virtual void Changed(const Canvas&, const DrawOp*) {}
  virtual std::string TimeOfDay() = 0;
  virtual void Maximize() {}
};

// Kinds of the Line operation.
enum LineKind : int { kLine = 0, kBox = 1, kFilledBox = 2 };

class Screen {
 public:
  explicit Screen(Backend& backend);
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  // --- Drawing (all coordinates in page units) ---
  // Line, box outline or filled box from (x1, y1) to (x2, y2); with relative
  // the second point is an offset from the first. A filled box's inside takes
  // fill, or the border colour when fill is negative.
  void Line(float x1, float y1, float x2, float y2, int colour, int kind = kLine, int fill = -1, bool relative = false,
            std::source_location where = std::source_location::current());
  // Text with its first cell's top-left at (x, y), stretched h x v.
  void Symbol(float x, float y, const Text& text, int h, int v, int colour,
              std::source_location where = std::source_location::current());
  // Circle of radius r; an arc from start to end (fractions of a turn,
  // clockwise on the screen from three o'clock) unless both are 0; filled in
  // fill when fill >= 0.
  void Circle(float x, float y, float r, int colour, float start = 0, float end = 0, int fill = -1,
              std::source_location where = std::source_location::current());
  void Connect(const std::vector<std::pair<float, float>>& points, int colour,
               std::source_location where = std::source_location::current());
  void Cls();

  // --- Keys and time ---
  // The next typed key as a one-character text, or empty; never waits.
  Text Inkey();
  // Sleeps until a key is typed or the time is up (never spins).
  void WaitForInput(double seconds);
  // Marks the start of a wait for the pupil (screenshots, presenting).
  void KeyWaitStarts();
  // "HH:MM:SS".
  Text TimeOfDay();
  void Randomize(int32_t seed) { random_.Randomize(seed); }
  float Rnd() { return random_.Rnd(); }
  [[noreturn]] void EndProgram();

  // --- Window extension; the first argument names the window (always 0) ---
  void SetMapMode(int window, int mode);
  void MaximizeWindow(int window);
  void SetFontName(int window, const Text& face);
  void SetFontSize(int window, float size, std::source_location where = std::source_location::current());
  void SetFontBold(int window, int on);
  void SetFontItalic(int window, int on);
  void SetDrawWidth(int window, int width, std::source_location where = std::source_location::current());
  int GetDrawWidth(int window) const;

  Face fontFace() const { return face_; }
  const Text& fontName() const { return faceName_; }
  float fontSize() const { return size_; }
  bool fontBold() const { return bold_; }
  bool fontItalic() const { return italic_; }

  // --- Measuring: while a scope is open nothing is drawn or traced ---
  class MeasureScope {
   public:
    explicit MeasureScope(Screen& s) : s_(s) { ++s_.measuring_; }
    ~MeasureScope() { --s_.measuring_; }
    MeasureScope(const MeasureScope&) = delete;
    MeasureScope& operator=(const MeasureScope&) = delete;

   private:
    Screen& s_;
  };
  bool measuring() const { return measuring_ > 0; }

  Canvas& canvas() { return canvas_; }
  Backend& backend() { return backend_; }

 private:
  void Add(DrawOp op);
  static void CheckColour(int c, std::source_location where);

  Backend& backend_;
  Canvas canvas_;
  Random random_;
  Face face_ = Face::Gothic;
  Text faceName_;
  float size_ = 16;
  bool bold_ = false, italic_ = false;
  int width_ = 1;
  int measuring_ = 0;
};

}  // namespace plat
