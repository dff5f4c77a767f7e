#include "platform/runtime.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace plat {

void RaiseFault(int code, std::source_location where) { throw Fault(code, where); }

float Div(float a, float b, std::source_location where) {
  if (b == 0.0f) RaiseFault(kFaultDivisionByZero, where);
  return Checked(a / b, where);
}

float Checked(float x, std::source_location where) {
  if (!std::isfinite(x)) RaiseFault(kFaultOverflow, where);
  return x;
}

int CInt(float v, std::source_location where) {
  if (!std::isfinite(v)) RaiseFault(kFaultOverflow, where);
  double r = std::floor(static_cast<double>(v) + 0.5);
  if (r < std::numeric_limits<int>::min() || r > std::numeric_limits<int>::max()) RaiseFault(kFaultOverflow, where);
  return static_cast<int>(r);
}

int CInt16(float v, std::source_location where) {
  int r = CInt(v, where);
  if (r < -32768 || r > 32767) RaiseFault(kFaultOverflow, where);
  return r;
}

Text Str(float v) {
  std::string sign = std::signbit(v) && v != 0.0f ? "-" : " ";
  float a = std::fabs(v);
  if (std::isnan(v)) return " NaN";
  if (std::isinf(v)) return sign + "Inf";
  if (a == std::floor(a) && a < 1e7f) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.0f", static_cast<double>(a));
    return sign + buf;
  }
  // The shortest decimal of at most 7 significant digits that reads back as
  // the same float.
  char buf[40];
  for (int digits = 1; digits <= 9; ++digits) {
    std::snprintf(buf, sizeof buf, "%.*G", digits, static_cast<double>(a));
    if (std::strtof(buf, nullptr) == a || digits == 7) break;
  }
  std::string s = buf;
  if (s.find('E') != std::string::npos) {
    // Exponent form: at least two exponent digits, written as "E+08".
    return sign + s;
  }
  if (s.rfind("0.", 0) == 0) s.erase(0, 1);
  return sign + s;
}

float Val(std::string_view t) {
  size_t i = 0;
  while (i < t.size() && t[i] == ' ') ++i;
  size_t start = i;
  if (i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
  bool digits = false, point = false;
  for (; i < t.size(); ++i) {
    char c = t[i];
    if (c >= '0' && c <= '9') {
      digits = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (!digits) return 0.0f;
  std::string num(t.substr(start, i - start));
  return std::strtof(num.c_str(), nullptr);
}

void Random::Randomize(int32_t seed) {
  // Fixed mixing so that equal seeds give equal sequences.
  state_ = 0x853c49e6748fea9bULL ^ (static_cast<uint64_t>(static_cast<uint32_t>(seed)) * 0x9E3779B97F4A7C15ULL);
  Rnd();
}


float Random::Rnd() {
  // PCG32 (XSH RR), reduced to 24 bits so that the float is exact and below 1.
  uint64_t old = state_;
  state_ = old * 6364136223846793005ULL + 1442695040888963407ULL;
  uint32_t xorshifted = static_cast<uint32_t>(((old >> 18u) ^ old) >> 27u);
  uint32_t rot = static_cast<uint32_t>(old >> 59u);
  uint32_t r = (xorshifted >> rot) | (xorshifted << ((32 - rot) & 31));
  return static_cast<float>(r >> 8) * (1.0f / 16777216.0f);
}

}  // namespace plat
