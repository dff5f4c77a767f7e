#include "tests/support.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "tools/programs.h"

namespace testing_support {

std::vector<std::string> SplitLines(const std::string& s) {
  std::vector<std::string> out;
  std::istringstream in(s);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

std::vector<std::string> SeedTimes(int step) {
  std::vector<std::string> times;
  for (int seed = 0; seed <= 141; seed += step) {
    int h = std::min(seed, 23), m = std::min(seed - h, 59), s = seed - h - m;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", h, m, s);
    times.push_back(buf);
  }
  return times;
}

std::string Type(const std::string& number) {
  std::string keys;
  for (char c : number) keys += std::string(1, c) + " ";
  return keys + "Enter ";
}

std::string Keys(const std::string& key, int n) {
  std::string keys;
  for (int i = 0; i < n; ++i) keys += key + " ";
  return keys;
}

TestScreen::TestScreen(const std::string& keys, const std::string& time) {
  plat::HeadlessOptions o;
  o.keys = plat::ParseKeyScript(keys);
  o.timeOfDay = time;
  backend_ = std::make_unique<plat::HeadlessBackend>(o);
  screen_ = std::make_unique<plat::Screen>(*backend_);
  screen_->canvas().SetTrace(&trace_);
}

std::vector<std::string> TestScreen::lines() const { return SplitLines(trace_.str()); }

std::vector<std::string> Replay::With(const std::string& prefix) const {
  std::vector<std::string> out;
  for (const auto& l : lines)
    if (l.rfind(prefix, 0) == 0) out.push_back(l);
  return out;
}

int Replay::Find(const std::string& text, int from) const {
  for (size_t i = static_cast<size_t>(std::max(from, 0)); i < lines.size(); ++i)
    if (lines[i].find(text) != std::string::npos) return static_cast<int>(i);
  return -1;
}

std::string Replay::Texts() const {
  std::string out;
  for (const auto& l : With("text ")) out += l + "\n";
  return out;
}

Replay RunReplay(const std::string& program, const std::string& keys, const std::string& time) {
  std::ostringstream trace;
  plat::HeadlessOptions o;
  o.keys = plat::ParseKeyScript(keys);
  o.timeOfDay = time;
  o.trace = &trace;
  Replay r;
  r.exitCode = plat::RunHeadless(o, lesson::ProgramByName(program));
  r.lines = SplitLines(trace.str());
  return r;
}

Picture::Picture(const plat::Canvas& canvas, double scale) {
  surface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(1440 * scale), static_cast<int>(900 * scale));
  cairo_t* cr = cairo_create(surface_);
  cairo_scale(cr, scale, scale);
  canvas.Render(cr);
  cairo_destroy(cr);
  cairo_surface_flush(surface_);
}

Picture::~Picture() { cairo_surface_destroy(surface_); }

uint32_t Picture::Pixel(int x, int y) const {
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  int stride = cairo_image_surface_get_stride(surface_);
  return *reinterpret_cast<const uint32_t*>(data + y * stride + x * 4) & 0xFFFFFF;
}

int Picture::ColourAt(int x, int y) const {
  uint32_t p = Pixel(x, y);
  double r = (p >> 16 & 255) / 255.0, g = (p >> 8 & 255) / 255.0, b = (p & 255) / 255.0;
  int best = -1;
  double bestD = std::numeric_limits<double>::max();
  for (int i = 0; i < 16; ++i) {
    const plat::Rgb& c = plat::PaletteColour(i);
    double d = std::pow(c.r - r, 2) + std::pow(c.g - g, 2) + std::pow(c.b - b, 2);
    if (d < bestD) {
      bestD = d;
      best = i;
    }
  }
  return best;
}

}  // namespace testing_support
