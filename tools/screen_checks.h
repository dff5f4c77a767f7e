// Checks over what a walk draws: glyphs left cut by a later box, text that
// reaches into the bottom band, and the colours that meet on the screens.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "tools/screen_walk.h"

namespace walk {

// The bottom band, which the sub-menu line and the prompts redraw: a text of
// the lesson area that reaches into it is cut there.
constexpr float kBandTop = 657, kBandRight = 992;
// The answer line, where the frame's own prompts stand (in the band's height).
constexpr float kAnswerLineY = 648;

struct Rect {
  float left, top, right, bottom;
};

// Finds glyphs that a later filled box covers in part and that are neither
// covered whole nor drawn again before the pupil next sees the page, and
// glyphs of the lesson area whose ink reaches into the bottom band.
class CleanScreens : public Observer {
 public:
  void Drawn(const plat::DrawOp& op, const Place& place) override;
  void Cleared(const Place&) override { live_.clear(); }
  void Waits(const plat::Canvas&, const Place& place) override;

  // One line a fault, with the first place it was seen and how often.
  std::vector<std::string> Faults() const;

 private:
  struct Glyph {
    plat::InkBox ink;
    std::vector<Rect> shown;  // the parts of the ink not covered yet
    bool cut = false;
    std::string what;  // the glyph and its text operation, and where it was drawn
    std::string cutter;
  };
  void Note(const std::string& key, const std::string& where);

  std::vector<Glyph> live_;
  std::map<std::string, std::pair<std::string, int>> faults_;  // key -> first place, count
};

// Colour pairs as the screens show them.
enum class PairKind {
  kText,        // text colour on the surface under it
  kLargeLabel,  // a label 40 units tall or more: on a figure's fill, or in the labels' colour
  kStroke,      // line, outline, arc or curve on the surface under it
  kFills,       // two fills that touch or lie one on the other
  kSideBySide,  // two text colours that one screen sets on one surface
};
const char* KindName(PairKind kind);

struct Pair {
  PairKind kind;
  int a, b;            // text or stroke colour and surface; or two colours
  int surface = -1;    // kSideBySide: the surface both stand on
  bool operator<(const Pair& o) const;
  bool operator==(const Pair& o) const = default;
};

struct PairFigures {
  double contrast = 0, deltaE = 0;
  double need = 0;  // contrast ratio, or colour difference for kFills and kSideBySide
  double measure() const;  // the figure compared with need
  bool passes() const { return measure() >= need; }
  int count = 0;
  std::string first;  // where it was first seen
};

class ColourPairs : public Observer {
 public:
  void Waits(const plat::Canvas& page, const Place& place) override;
  const std::map<Pair, PairFigures>& pairs() const { return pairs_; }
  // Every pair, worst first (by its figure over what it needs).
  std::vector<std::pair<Pair, PairFigures>> WorstFirst() const;
  static std::string Line(const Pair& pair, const PairFigures& figures);

 private:
  void Add(const Pair& pair, const Place& place, const std::string& what);
  std::map<Pair, PairFigures> pairs_;
};

// Passes every walk's events to several observers.
class Observers : public Observer {
 public:
  explicit Observers(std::vector<Observer*> all) : all_(std::move(all)) {}
  void Drawn(const plat::DrawOp& op, const Place& place) override {
    for (Observer* o : all_) o->Drawn(op, place);
  }
  void Cleared(const Place& place) override {
    for (Observer* o : all_) o->Cleared(place);
  }
  void Waits(const plat::Canvas& page, const Place& place) override {
    for (Observer* o : all_) o->Waits(page, place);
  }

 private:
  std::vector<Observer*> all_;
};

}  // namespace walk
