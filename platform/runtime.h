// Numbers, faults, arrays and random numbers as the lesson programs use them.
//
// Every lesson number is a 32-bit float. A run-time fault (division by zero,
// overflow, an index outside an array, a bad argument) throws Fault carrying
// its code and the source line of the failing statement; the program's error
// trap catches it and shows the error screen.
#pragma once

#include <cstdint>
#include <exception>
#include <source_location>
#include <string>
#include <vector>

#include "platform/text.h"

namespace plat {

// Error codes shown on the error screen.
enum FaultCode : int {
  kFaultBadArgument = 5,
  kFaultOverflow = 6,
  kFaultIndexOutOfRange = 9,
  kFaultDivisionByZero = 11,
};

class Fault : public std::exception {
 public:
  Fault(int code, std::source_location where) : code_(code), line_(static_cast<int>(where.line())), file_(where.file_name()) {}
  int code() const { return code_; }
  int line() const { return line_; }
  const char* file() const { return file_; }
  const char* what() const noexcept override { return "run-time fault"; }

 private:
  int code_;
  int line_;
  const char* file_;
};

// The user closed the window: the program ends cleanly (exit code 0).
struct WindowClosed {};
// The program's own end item: the program ends cleanly.
struct ProgramEnded {};

[[noreturn]] void RaiseFault(int code, std::source_location where = std::source_location::current());

// a / b, faulting on a zero divisor or a result that is not finite.
float Div(float a, float b, std::source_location where = std::source_location::current());
// x itself, faulting when it is infinite or NaN (overflow).
float Checked(float x, std::source_location where = std::source_location::current());

// Number to text: a blank before a value of zero or more (negative zero
// included), "-" before a negative one; whole values up to 7 digits without a
// point; fractions below 1 without a leading zero (" .5", "-.25").
Text Str(float v);
// Text to number: the longest leading decimal number (optional sign, digits,
// at most one point), 0 when there is none. Leading blanks are skipped.
float Val(std::string_view t);
// Largest whole number not above v.
inline float Int(float v) { return static_cast<float>(__builtin_floorf(v)); }
// Conversion to a whole number, rounding a half up (2.5 -> 3, -2.5 -> -2);
// a value outside the 32-bit range is an overflow fault.
int CInt(float v, std::source_location where = std::source_location::current());
// The same, limited to the 16-bit range.
int CInt16(float v, std::source_location where = std::source_location::current());

// The seeded pseudo-random generator: Rnd() is in [0, 1).
class Random {
 public:
  void Randomize(int32_t seed);
  float Rnd();

 private:
  uint64_t state_ = 0x853c49e6748fea9bULL;
};

// Arrays with an inclusive upper bound from index 0. Indices are numbers and
// are rounded like any whole-number argument; an index outside the bounds (or
// an array not created yet) is a run-time fault.
template <class T>
class Array1 {
 public:
  void Dim(int upper) { data_.assign(static_cast<size_t>(upper) + 1, T{}); }
  int Upper() const { return static_cast<int>(data_.size()) - 1; }
  T& operator()(float index, std::source_location where = std::source_location::current()) {
    return data_[Index(index, where)];
  }
  const T& operator()(float index, std::source_location where = std::source_location::current()) const {
    return data_[Index(index, where)];
  }

 private:
  size_t Index(float index, std::source_location where) const {
    int i = CInt(index, where);
    if (i < 0 || i >= static_cast<int>(data_.size())) RaiseFault(kFaultIndexOutOfRange, where);
    return static_cast<size_t>(i);
  }
  std::vector<T> data_;
};

template <class T>
class Array2 {
 public:
  void Dim(int upper1, int upper2) {
    n1_ = upper1 + 1;
    n2_ = upper2 + 1;
    data_.assign(static_cast<size_t>(n1_) * static_cast<size_t>(n2_), T{});
  }
  T& operator()(float i, float j, std::source_location where = std::source_location::current()) {
    return data_[Index(i, j, where)];
  }

 private:
  size_t Index(float i, float j, std::source_location where) const {
    int a = CInt(i, where), b = CInt(j, where);
    if (a < 0 || a >= n1_ || b < 0 || b >= n2_) RaiseFault(kFaultIndexOutOfRange, where);
    return static_cast<size_t>(a) * static_cast<size_t>(n2_) + static_cast<size_t>(b);
  }
  int n1_ = 0, n2_ = 0;
  std::vector<T> data_;
};

}  // namespace plat
