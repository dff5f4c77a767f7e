// Fraction texts: FormatFraction, ComputeGcdLcm, FloorModFn,
// FormatFractionSum and StripMarkupMarkers.
#include <gtest/gtest.h>

#include <numeric>

#include "tests/frame_testing.h"

namespace {

using frame_testing::Harness;
using plat::FromUtf8;
using plat::Text;

struct FractionCase {
  float n, d;
  int form;
  float num, den;
  float gcd, lcm;  // -1: left as they were
  const char *unreduced, *reduced, *term, *equation, *termEquation, *plain, *termPlain;
};

TEST(FormatFraction, WritesEveryFormAndSign) {
  const FractionCase cases[] = {
      {6, 4, 2, 3, 2, 2, 12, "ﾀ6/4ﾀ", "ﾀ3/2ﾀ", "+ﾀ3/2ﾀ", "ﾀ6/4ﾀ=ﾀ3/2ﾀ", "+ﾀ6/4ﾀ=+ﾀ3/2ﾀ", "3/2", "+3/2"},
      {-3, 6, 2, -1, 2, 3, 6, "ﾀ-3/6ﾀ", "-ﾀ1/2ﾀ", "-ﾀ1/2ﾀ", "ﾀ-3/6ﾀ=-ﾀ1/2ﾀ", "ﾀ-3/6ﾀ=-ﾀ1/2ﾀ", "-1/2", "-1/2"},
      {4, 2, 1, 2, 1, 2, 4, "ﾀ4/2ﾀ", "2", "+2", "ﾀ4/2ﾀ=2", "+ﾀ4/2ﾀ=+2", "2", "+2"},
      {3, 4, 3, 3, 4, 1, 12, "ﾀ3/4ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "3/4", "+3/4"},
      {-3, 4, 2, -3, 4, 1, 12, "ﾀ-3/4ﾀ", "-ﾀ3/4ﾀ", "-ﾀ3/4ﾀ", "ﾀ-3/4ﾀ=-ﾀ3/4ﾀ", "ﾀ-3/4ﾀ=-ﾀ3/4ﾀ", "-3/4", "-3/4"},
      {3, -4, 2, -3, 4, 1, 12, "ﾀ3/-4ﾀ", "-ﾀ3/4ﾀ", "-ﾀ3/4ﾀ", "ﾀ3/-4ﾀ=-ﾀ3/4ﾀ", "ﾀ3/-4ﾀ=-ﾀ3/4ﾀ", "-3/4", "-3/4"},
      {-3, -4, 2, 3, 4, 1, 12, "ﾀ-3/-4ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ-3/-4ﾀ=ﾀ3/4ﾀ", "+ﾀ-3/-4ﾀ=+ﾀ3/4ﾀ", "3/4", "+3/4"},
      {-5, 1, 1, -5, 1, -1, -1, "ﾀ-5/1ﾀ", "-5", "-5", "ﾀ-5/1ﾀ=-5", "ﾀ-5/1ﾀ=-5", "-5", "-5"},
      {5, -1, 1, -5, 1, 1, 5, "ﾀ5/-1ﾀ", "-5", "-5", "ﾀ5/-1ﾀ=-5", "ﾀ5/-1ﾀ=-5", "-5", "-5"},
      {0, 5, 1, 0, 1, 5, 0, "ﾀ0/5ﾀ", "0", "+0", "ﾀ0/5ﾀ=0", "+ﾀ0/5ﾀ=+0", "0", "+0"},
      {-12, -18, 2, 2, 3, 6, 36, "ﾀ-12/-18ﾀ", "ﾀ2/3ﾀ", "+ﾀ2/3ﾀ", "ﾀ-12/-18ﾀ=ﾀ2/3ﾀ", "+ﾀ-12/-18ﾀ=+ﾀ2/3ﾀ", "2/3", "+2/3"},
      // A zero denominator: nothing divided, no result texts.
      {5, 0, 0, 5, 0, -1, -1, "ﾀ5/0ﾀ", "", "", "", "", "", ""},
      {0, 0, 0, 0, 0, -1, -1, "ﾀ0/0ﾀ", "", "", "", "", "", ""},
  };
  for (const auto& c : cases) {
    Harness h;
    auto& p = h.program;
    p.gGcd = 99;
    p.gLcm = 98;
    p.gFracReduced = "stale";
    p.gFracNum = c.n;
    p.gFracDen = c.d;
    p.FormatFraction();
    std::string at = std::to_string(c.n) + " / " + std::to_string(c.d);
    EXPECT_EQ(p.gFracForm, c.form) << at;
    EXPECT_EQ(p.gFracNum, c.num) << at;
    EXPECT_EQ(p.gFracDen, c.den) << at;
    EXPECT_EQ(p.gGcd, c.gcd < 0 ? 99 : c.gcd) << at;
    EXPECT_EQ(p.gLcm, c.lcm < 0 ? 98 : c.lcm) << at;
    EXPECT_EQ(p.gFracUnreduced, FromUtf8(c.unreduced)) << at;
    EXPECT_EQ(p.gFracReduced, FromUtf8(c.reduced)) << at;
    EXPECT_EQ(p.gFracTerm, FromUtf8(c.term)) << at;
    EXPECT_EQ(p.gFracEquation, FromUtf8(c.equation)) << at;
    EXPECT_EQ(p.gFracTermEquation, FromUtf8(c.termEquation)) << at;
    EXPECT_EQ(p.gFracPlain, c.plain) << at;
    EXPECT_EQ(p.gFracTermPlain, c.termPlain) << at;
    if (c.form != 0) {
      EXPECT_EQ(p.gWorkText, c.termPlain) << at;
    }
  }
}

TEST(FormatFraction, TheDenominatorStaysExactlyWhenTheFractionDoesNotReduce) {
  Harness h;
  auto& p = h.program;
  for (int d = 2; d <= 6; ++d) {
    for (int n = 1; n <= 9; ++n) {
      p.gFracNum = static_cast<float>(n);
      p.gFracDen = static_cast<float>(d);
      p.FormatFraction();
      EXPECT_EQ(p.gFracDen == static_cast<float>(d), std::gcd(n, d) == 1) << n << "/" << d;
      // The value is kept.
      EXPECT_FLOAT_EQ(p.gFracNum / p.gFracDen, static_cast<float>(n) / static_cast<float>(d));
    }
  }
}

TEST(ComputeGcdLcm, EuclidOnWholeNumbers) {
  struct Case {
    float a, b, gcd, lcm;
  } cases[] = {{6, 4, 2, 12}, {0, 5, 5, 0}, {7, 1, 1, 7}, {12, 18, 6, 36}, {1, 1, 1, 1}, {35, 64, 1, 2240}};
  Harness h;
  auto& p = h.program;
  for (const auto& c : cases) {
    p.gFracNum = c.a;
    p.gFracDen = c.b;
    p.ComputeGcdLcm();
    EXPECT_EQ(p.gGcd, c.gcd) << c.a << "," << c.b;
    EXPECT_EQ(p.gLcm, c.lcm) << c.a << "," << c.b;
    EXPECT_EQ(p.gFracNum, c.a);
    EXPECT_EQ(p.gFracDen, c.b);
  }
}

TEST(FloorModFn, TakesTheSignOfTheDivisor) {
  Harness h;
  auto& p = h.program;
  EXPECT_EQ(p.FloorModFn(7, 3), 1);
  EXPECT_EQ(p.FloorModFn(6, 3), 0);
  EXPECT_EQ(p.FloorModFn(0, 5), 0);
  EXPECT_EQ(p.FloorModFn(-7, 3), 2);
  EXPECT_EQ(p.FloorModFn(7, -3), -2);
  EXPECT_THROW(p.FloorModFn(7, 0), plat::Fault);
}

TEST(FormatFractionSum, WritesBothFractionsAndTheSumOverTheCommonDenominator) {
  struct Case {
    float u, v, w, z;
    float sumNumerator, common;
    const char *first, *firstTerm, *second, *secondTerm, *oneFraction, *terms, *sum, *sumTerm, *unsignedA,
        *unsignedB;
  } cases[] = {
      {1, 2, 1, 3, 5, 6, "ﾀ3/6ﾀ", "+ﾀ3/6ﾀ", "ﾀ2/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ3+2/6ﾀ", "ﾀ3/6ﾀ+ﾀ2/6ﾀ", "ﾀ5/6ﾀ", "+ﾀ5/6ﾀ",
       "ﾀ3/6ﾀ", "ﾀ2/6ﾀ"},
      {1, 4, -1, 6, 1, 12, "ﾀ3/12ﾀ", "+ﾀ3/12ﾀ", "-ﾀ2/12ﾀ", "-ﾀ2/12ﾀ", "ﾀ3-2/12ﾀ", "ﾀ3/12ﾀ-ﾀ2/12ﾀ", "ﾀ1/12ﾀ",
       "+ﾀ1/12ﾀ", "ﾀ3/12ﾀ", "ﾀ2/12ﾀ"},
      {2, 1, 1, 3, 7, 3, "ﾀ6/3ﾀ", "+ﾀ6/3ﾀ", "ﾀ1/3ﾀ", "+ﾀ1/3ﾀ", "ﾀ6+1/3ﾀ", "ﾀ6/3ﾀ+ﾀ1/3ﾀ", "ﾀ7/3ﾀ", "+ﾀ7/3ﾀ",
       "ﾀ6/3ﾀ", "ﾀ1/3ﾀ"},
      // Signs in the denominators move to the numerators; zero counts as positive.
      {1, -2, 0, 3, -3, 6, "-ﾀ3/6ﾀ", "-ﾀ3/6ﾀ", "ﾀ0/6ﾀ", "+ﾀ0/6ﾀ", "ﾀ-3+0/6ﾀ", "-ﾀ3/6ﾀ+ﾀ0/6ﾀ", "-ﾀ3/6ﾀ",
       "-ﾀ3/6ﾀ", "ﾀ3/6ﾀ", "ﾀ0/6ﾀ"},
      {-1, -1, 1, 3, 4, 3, "ﾀ3/3ﾀ", "+ﾀ3/3ﾀ", "ﾀ1/3ﾀ", "+ﾀ1/3ﾀ", "ﾀ3+1/3ﾀ", "ﾀ3/3ﾀ+ﾀ1/3ﾀ", "ﾀ4/3ﾀ", "+ﾀ4/3ﾀ",
       "ﾀ3/3ﾀ", "ﾀ1/3ﾀ"},
  };
  for (const auto& c : cases) {
    Harness h;
    auto& p = h.program;
    p.gSumNumA = c.u;
    p.gSumDenA = c.v;
    p.gSumNumB = c.w;
    p.gSumDenB = c.z;
    p.FormatFractionSum();
    std::string at = std::to_string(c.u) + "/" + std::to_string(c.v) + " + " + std::to_string(c.w) + "/" +
                     std::to_string(c.z);
    EXPECT_EQ(p.gSumNumerator, c.sumNumerator) << at;
    EXPECT_EQ(p.gFracDen, c.common) << at;
    EXPECT_EQ(p.gFracUnreduced, FromUtf8(c.first)) << at;
    EXPECT_EQ(p.gSumTermA, FromUtf8(c.firstTerm)) << at;
    EXPECT_EQ(p.gFracReduced, FromUtf8(c.second)) << at;
    EXPECT_EQ(p.gFracTerm, FromUtf8(c.secondTerm)) << at;
    EXPECT_EQ(p.gFracEquation, FromUtf8(c.oneFraction)) << at;
    EXPECT_EQ(p.gSumTerms, FromUtf8(c.terms)) << at;
    EXPECT_EQ(p.gSumFraction, FromUtf8(c.sum)) << at;
    EXPECT_EQ(p.gSumFractionTerm, FromUtf8(c.sumTerm)) << at;
    EXPECT_EQ(p.gSumUnsignedA, FromUtf8(c.unsignedA)) << at;
    EXPECT_EQ(p.gSumUnsignedB, FromUtf8(c.unsignedB)) << at;
  }
  Harness h;
  h.program.gSumNumA = 1;
  h.program.gSumDenA = 0;
  h.program.gSumNumB = 1;
  h.program.gSumDenB = 2;
  EXPECT_THROW(h.program.FormatFractionSum(), plat::Fault);
}

TEST(StripMarkupMarkers, RemovesRaiseRootFractionMarksAndEquals) {
  struct Case {
    const char *in, *out;
  } cases[] = {{"-ﾀ1/3ﾀ", "-1/3"}, {"123", "123"}, {"", ""}, {"ﾀ6/4ﾀ=", "6/4"}, {"x^2!3ﾝ", "x2!3"}};
  Harness h;
  for (const auto& c : cases) {
    h.program.gWorkText = FromUtf8(c.in);
    h.program.StripMarkupMarkers();
    EXPECT_EQ(h.program.gWorkText, FromUtf8(c.out)) << c.in;
  }
}

}  // namespace
