// Reading back the expressions a Dellmir screen drew, from its replay trace,
// and working them out: a row of glyphs, sign strokes and fraction bars
// becomes a plain text ("(12x+15y):(-3)", "=-[12x*(-1)/3]+[15y*(-1)/3]"),
// and that text a polynomial with rational coefficients, so that the lines of
// a worked division can be compared as values. Only what the division
// chapter draws is known: digits, the letters a, b, x, y, raised digits,
// brackets, "+", "-", "×", "÷", "=" and stacked fractions.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "tests/dellmir_trace.h"

namespace dellmir_reader {

using dellmir_trace::Field;
using dellmir_trace::Lines;
using dellmir_trace::Quoted;
using dellmir_trace::StartsWith;

struct Segment {
  double x1, y1, x2, y2;
  int colour, width;
};

inline Segment SegmentOf(const std::string& l) {
  return {Field(l, "x1"), Field(l, "y1"), Field(l, "x2"), Field(l, "y2"), static_cast<int>(Field(l, "colour")),
          static_cast<int>(Field(l, "width"))};
}

inline std::string FieldText(const std::string& line, const std::string& key) {
  std::string k = " " + key + "=";
  size_t p = line.find(k);
  if (p == std::string::npos) return "";
  size_t e = line.find(' ', p + k.size());
  return line.substr(p + k.size(), e - p - k.size());
}

// Whether a glyph belongs to the row drawn at line y: the typesetter sets
// the cell of an italic letter 22 above its line (16 inside a fraction) and a
// raised digit in a fraction 8 above (4 in a tall denominator); a numerator
// stands on y - 10 and a denominator on y + 28 (y + 36 when it is tall).
inline bool OnRow(const std::string& glyph, double y) {
  const double top = Field(glyph, "y");
  const double h = Field(glyph, "h"), v = Field(glyph, "v");
  std::vector<double> bases = {top};
  if (FieldText(glyph, "face") == "serif") {
    bases = {top + (h == 10 && v == 7 ? 22 : 16)};
  } else if (Field(glyph, "size") == 8) {
    bases = {top + 8, top + 4};  // raised in a numerator, in a tall denominator
  }
  for (double base : bases)
    for (double row : {y, y - 10, y + 28, y + 36})
      if (std::abs(base - row) <= 1) return true;
  return false;
}

// The text of the row drawn at line y (the pen's y) in one colour, between
// trace lines `from` and `to`, left of x `right` and from x `left` on.
// Fractions read "[numerator/denominator]", raised digits "^d", "÷" ":" and
// "×" "*"; full-width blanks are left out, other full-width text is kept.
inline std::string ReadRow(const Lines& lines, int from, int to, double y, int colour, double left = -1e9,
                           double right = 1e9) {
  struct Item {
    double x, y;
    std::string text;
    bool stroke = false;  // a sign drawn as strokes: its y is the stroke's
  };
  std::vector<Item> items;
  std::vector<Segment> bars, dashes, uprights;
  for (int i = std::max(from, 0); i < dellmir_trace::EndOf(lines, to); ++i) {
    const std::string& l = lines[static_cast<size_t>(i)];
    if (StartsWith(l, "text ")) {
      double gx = Field(l, "x"), gy = Field(l, "y");
      if (Field(l, "colour") != colour || gx < left || gx >= right || !OnRow(l, y)) continue;
      std::string t = Quoted(l);
      if (t == "　" || t == " ") continue;
      if (t == "÷") t = ":";
      if (t == "×") t = "*";
      const bool digit = t.size() == 1 && std::isdigit(static_cast<unsigned char>(t[0]));
      const bool small = FieldText(l, "face") == "gothic" && Field(l, "size") == 8;
      const bool squat = Field(l, "h") == 3 && Field(l, "v") == 2;
      if (digit && (small || squat)) t = "^" + t;
      items.push_back({gx, gy, t});
    } else if (StartsWith(l, "line ")) {
      Segment s = SegmentOf(l);
      if (s.colour != colour || std::min(s.x1, s.x2) < left || std::min(s.x1, s.x2) >= right) continue;
      // Signs stand 20 below the line (4 in a numerator, 42 in a
      // denominator), fraction bars 25.
      // The upright of a plus sign is only matched with a dash.
      const double dy = s.y1 - y;
      const bool signOrBar = (dy >= 18 && dy <= 23) || (dy >= 2 && dy <= 7) || (dy >= 40 && dy <= 45) || dy == 25;
      if (s.y1 == s.y2 && !signOrBar) continue;
      if (s.y1 == s.y2 && s.width == 4 && std::abs(s.x2 - s.x1) >= 28) {
        bars.push_back(s);
      } else if (s.y1 == s.y2) {
        dashes.push_back(s);
      } else if (s.x1 == s.x2) {
        uprights.push_back(s);
      }
    }
  }
  // A glyph or a stroke drawn again over itself (an overlay) reads once.
  auto sameItem = [](const Item& a, const Item& b) { return a.x == b.x && a.y == b.y && a.text == b.text; };
  auto sameSegment = [](const Segment& a, const Segment& b) {
    return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2;
  };
  auto dedupe = [](auto& v, auto same) {
    for (size_t i = 0; i < v.size(); ++i)
      for (size_t j = v.size(); j-- > i + 1;)
        if (same(v[i], v[j])) v.erase(v.begin() + static_cast<std::ptrdiff_t>(j));
  };
  dedupe(items, sameItem);
  dedupe(bars, sameSegment);
  dedupe(dashes, sameSegment);
  dedupe(uprights, sameSegment);
  // A dash crossed by an upright is a plus sign.
  for (const Segment& d : dashes) {
    bool plus = false;
    for (const Segment& u : uprights) {
      double mid = (d.x1 + d.x2) / 2;
      if (std::abs(u.x1 - mid) <= 2 && std::min(u.y1, u.y2) < d.y1 && std::max(u.y1, u.y2) > d.y1) plus = true;
    }
    items.push_back({std::min(d.x1, d.x2), d.y1, plus ? "+" : "-", true});
  }
  // Glyphs over a bar's span belong to its fraction: above it the numerator,
  // below it the denominator. A glyph's y is the top of its cell, and an
  // italic letter's cell stands higher than a digit's: the numerator's cells
  // start above the bar by more than 20 units, the denominator's less.
  struct Piece {
    double x;
    std::string text;
  };
  std::vector<Piece> pieces;
  std::vector<std::vector<Item>> num(bars.size()), den(bars.size());
  for (const Item& it : items) {
    bool inFraction = false;
    for (size_t b = 0; b < bars.size(); ++b) {
      double x1 = std::min(bars[b].x1, bars[b].x2), x2 = std::max(bars[b].x1, bars[b].x2);
      if (it.x >= x1 - 1 && it.x < x2 - 1) {
        const bool above = it.stroke ? it.y < bars[b].y1 : it.y < bars[b].y1 - 20;
        (above ? num[b] : den[b]).push_back(it);
        inFraction = true;
        break;
      }
    }
    if (!inFraction) pieces.push_back({it.x, it.text});
  }
  auto joined = [](std::vector<Item> part) {
    std::stable_sort(part.begin(), part.end(), [](const Item& a, const Item& b) { return a.x < b.x; });
    std::string s;
    for (const Item& it : part) s += it.text;
    return s;
  };
  for (size_t b = 0; b < bars.size(); ++b)
    pieces.push_back({std::min(bars[b].x1, bars[b].x2), "[" + joined(num[b]) + "/" + joined(den[b]) + "]"});
  std::stable_sort(pieces.begin(), pieces.end(), [](const Piece& a, const Piece& b) { return a.x < b.x; });
  std::string s;
  for (const Piece& p : pieces) s += p.text;
  return s;
}

// --- Values ---

struct Rational {
  int64_t n = 0, d = 1;
  Rational(int64_t num = 0, int64_t den = 1) : n(num), d(den) {
    if (d < 0) n = -n, d = -d;
    int64_t g = std::gcd(n < 0 ? -n : n, d);
    if (g > 1) n /= g, d /= g;
  }
  friend Rational operator+(Rational a, Rational b) { return {a.n * b.d + b.n * a.d, a.d * b.d}; }
  friend Rational operator*(Rational a, Rational b) { return {a.n * b.n, a.d * b.d}; }
  friend bool operator==(Rational a, Rational b) { return a.n == b.n && a.d == b.d; }
};

// Exponents of a, b, x and y (negative after a division).
using Monomial = std::array<int, 4>;
using Poly = std::map<Monomial, Rational>;

inline Poly Constant(Rational r) { return r.n == 0 ? Poly{} : Poly{{Monomial{}, r}}; }

inline Poly Plus(const Poly& p, const Poly& q, int sign = 1) {
  Poly out = p;
  for (const auto& [m, c] : q) {
    Rational v = out[m] + c * Rational(sign);
    if (v.n == 0) {
      out.erase(m);
    } else {
      out[m] = v;
    }
  }
  return out;
}

inline Poly Times(const Poly& p, const Poly& q) {
  Poly out;
  for (const auto& [mp, cp] : p)
    for (const auto& [mq, cq] : q) {
      Monomial m;
      for (size_t i = 0; i < 4; ++i) m[i] = mp[i] + mq[i];
      out = Plus(out, Poly{{m, cp * cq}});
    }
  return out;
}

// Division by one term; nullopt for anything else.
inline std::optional<Poly> Over(const Poly& p, const Poly& q) {
  if (q.size() != 1) return std::nullopt;
  const auto& [mq, cq] = *q.begin();
  Monomial inv;
  for (size_t i = 0; i < 4; ++i) inv[i] = -mq[i];
  return Times(p, Poly{{inv, Rational(cq.d, cq.n)}});
}

// Parses a row text into its value; nullopt when it does not read as an
// expression. The forms: sums and differences of terms; a term is groups of
// factors side by side joined by "*" and ":"; a factor is a number, a letter
// with an optional "^d", a bracket or a fraction "[p/q]".
class Parser {
 public:
  explicit Parser(std::string s) : s_(std::move(s)) {}
  std::optional<Poly> Parse() {
    auto v = Sum();
    if (!v || i_ != s_.size()) return std::nullopt;
    return v;
  }

 private:
  bool Eat(char c) {
    if (i_ < s_.size() && s_[i_] == c) {
      ++i_;
      return true;
    }
    return false;
  }
  bool At(const char* set) const { return i_ < s_.size() && std::string(set).find(s_[i_]) != std::string::npos; }

  std::optional<Poly> Sum() {
    Poly total;
    int sign = 1;
    if (Eat('-')) {
      sign = -1;
    } else {
      Eat('+');
    }
    for (;;) {
      auto t = Product();
      if (!t) return std::nullopt;
      total = Plus(total, *t, sign);
      if (Eat('+')) {
        sign = 1;
      } else if (Eat('-')) {
        sign = -1;
      } else {
        return total;
      }
    }
  }
  // Factors side by side bind tighter than "*" and ":": "a:2y" is a over 2y.
  std::optional<Poly> Product() {
    auto v = Juxtaposed();
    if (!v) return std::nullopt;
    for (;;) {
      if (Eat('*')) {
        auto f = Juxtaposed();
        if (!f) return std::nullopt;
        v = Times(*v, *f);
      } else if (Eat(':')) {
        auto f = Juxtaposed();
        if (!f) return std::nullopt;
        v = Over(*v, *f);
        if (!v) return std::nullopt;
      } else {
        return v;
      }
    }
  }
  std::optional<Poly> Juxtaposed() {
    auto v = Factor();
    while (v && At("0123456789abxy([")) {
      auto f = Factor();
      if (!f) return std::nullopt;
      v = Times(*v, *f);
    }
    return v;
  }
  std::optional<Poly> Factor() {
    if (Eat('(')) {
      auto v = Sum();
      if (!v || !Eat(')')) return std::nullopt;
      return v;
    }
    if (Eat('[')) {
      size_t slash = s_.find('/', i_), close = s_.find(']', i_);
      if (slash == std::string::npos || close == std::string::npos || slash > close) return std::nullopt;
      auto top = Parser(s_.substr(i_, slash - i_)).Parse();
      auto bottom = Parser(s_.substr(slash + 1, close - slash - 1)).Parse();
      i_ = close + 1;
      if (!top || !bottom) return std::nullopt;
      return Over(*top, *bottom);
    }
    if (At("0123456789")) {
      int64_t n = 0;
      while (At("0123456789")) n = n * 10 + (s_[i_++] - '0');
      return Constant(Rational(n));
    }
    static const std::string kLetters = "abxy";
    if (i_ < s_.size() && kLetters.find(s_[i_]) != std::string::npos) {
      Monomial m{};
      size_t letter = kLetters.find(s_[i_++]);
      int power = 1;
      if (Eat('^')) {
        if (!At("0123456789")) return std::nullopt;
        power = s_[i_++] - '0';
      }
      m[letter] = power;
      return Poly{{m, Rational(1)}};
    }
    return std::nullopt;
  }

  std::string s_;
  size_t i_ = 0;
};

inline std::optional<Poly> Value(const std::string& text) { return Parser(text).Parse(); }

// A row's value after its leading "=".
inline std::optional<Poly> ValueAfterEquals(const std::string& text) {
  if (text.empty() || text[0] != '=') return std::nullopt;
  return Value(text.substr(1));
}

}  // namespace dellmir_reader
