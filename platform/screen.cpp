#include "platform/screen.h"

namespace plat {

Screen::Screen(Backend& backend) : backend_(backend) {
  canvas_.onChange = [this](const DrawOp* op) { backend_.Changed(canvas_, op); };
}

void Screen::CheckColour(int c, std::source_location where) {
  if (c < 0 || c > 15) RaiseFault(kFaultBadArgument, where);
}

void Screen::Add(DrawOp op) {
  op.width = width_;
  canvas_.Add(std::move(op));
}

void Screen::Line(float x1, float y1, float x2, float y2, int colour, int kind, int fill, bool relative,
                  std::source_location where) {
  if (measuring_) return;
  CheckColour(colour, where);
  if (kind == kFilledBox && fill >= 0) CheckColour(fill, where);
  if (kind < kLine || kind > kFilledBox) RaiseFault(kFaultBadArgument, where);
  DrawOp op;
  op.kind = kind == kLine ? DrawOp::Kind::Line : kind == kBox ? DrawOp::Kind::Box : DrawOp::Kind::Fill;
  op.x1 = x1;
  op.y1 = y1;
  op.x2 = relative ? x1 + x2 : x2;
  op.y2 = relative ? y1 + y2 : y2;
  op.colour = colour;
  if (kind == kFilledBox) op.fill = fill >= 0 ? fill : colour;
  Add(std::move(op));
}

void Screen::Symbol(float x, float y, const Text& text, int h, int v, int colour, std::source_location where) {
  if (measuring_) return;
  CheckColour(colour, where);
  if (h < 1 || h > 12 || v < 1 || v > 7) RaiseFault(kFaultBadArgument, where);
  if (text.empty()) return;
  DrawOp op;
  op.kind = DrawOp::Kind::Text;
  op.x1 = x;
  op.y1 = y;
  op.text = text;
  op.h = h;
  op.v = v;
  op.colour = colour;
  op.face = face_;
  op.size = size_;
  op.bold = bold_;
  op.italic = italic_;
  Add(std::move(op));
}

void Screen::Circle(float x, float y, float r, int colour, float start, float end, int fill,
                    std::source_location where) {
  if (measuring_) return;
  CheckColour(colour, where);
  if (fill >= 0) CheckColour(fill, where);
  if (r < 0) RaiseFault(kFaultBadArgument, where);
  DrawOp op;
  op.kind = DrawOp::Kind::Circle;
  op.x1 = x;
  op.y1 = y;
  op.r = r;
  op.start = start;
  op.end = end;
  op.colour = colour;
  op.fill = fill;
  Add(std::move(op));
}

void Screen::Connect(const std::vector<std::pair<float, float>>& points, int colour, std::source_location where) {
  if (measuring_) return;
  CheckColour(colour, where);
  if (points.empty()) return;
  DrawOp op;
  op.kind = DrawOp::Kind::Poly;
  for (auto [x, y] : points) {
    op.points.push_back(x);
    op.points.push_back(y);
  }
  op.colour = colour;
  Add(std::move(op));
}

void Screen::Cls() {
  if (measuring_) return;
  canvas_.Clear();
}

Text Screen::Inkey() {
  Text key;
  if (!backend_.PollKey(key)) return {};
  canvas_.TraceKey(key);
  return key;
}

void Screen::WaitForInput(double seconds) { backend_.WaitForInput(seconds); }

void Screen::KeyWaitStarts() { backend_.KeyWaitStarts(canvas_); }

Text Screen::TimeOfDay() { return backend_.TimeOfDay(); }

void Screen::EndProgram() { throw ProgramEnded{}; }

void Screen::SetMapMode(int, int) {}  // the page is always in logical units, y down

void Screen::MaximizeWindow(int) { backend_.Maximize(); }

void Screen::SetFontName(int, const Text& face) {
  faceName_ = face;
  if (face == SJ("ｺﾞｼｯｸ") || face == SJ("ゴシック")) {
    face_ = Face::Gothic;
  } else if (face == "Times New Roman") {
    face_ = Face::Serif;
  } else if (face == "MT Extra") {
    face_ = Face::Ell;
  } else {
    face_ = Face::Gothic;  // a missing face falls back to the Gothic face
  }
}

void Screen::SetFontSize(int, float size, std::source_location where) {
  if (!(size > 0) || size > 1000) RaiseFault(kFaultBadArgument, where);
  size_ = size;
}

void Screen::SetFontBold(int, int on) { bold_ = on != 0; }
void Screen::SetFontItalic(int, int on) { italic_ = on != 0; }

void Screen::SetDrawWidth(int, int width, std::source_location where) {
  if (width < 0 || width > 1000) RaiseFault(kFaultBadArgument, where);
  width_ = width;
}

int Screen::GetDrawWidth(int) const { return width_; }

}  // namespace plat
