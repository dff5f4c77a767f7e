// Term texts, sign routines, letter keys and the number-theory routines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/frame_testing.h"

namespace {

using frame_testing::End;
using frame_testing::Harness;
using frame_testing::TestLesson;
using plat::FromUtf8;

TEST(SignRoutines, EditTheLeadingSignOfATerm) {
  struct Case {
    const char *in, *plus, *sign, *flip, *bracket;
  } cases[] = {
      {"", "", "", "", ""},
      {"+", "", "", "-", "+"},
      {"-", "-", "", "+", "(-)"},
      {"+3", "3", "3", "-3", "+3"},
      {"-3", "-3", "3", "+3", "(-3)"},
      {"3", "3", "3", "-3", "3"},
      {"x-3", "x-3", "x-3", "-x-3", "(x-3)"},
      {"-x+3", "-x+3", "x+3", "+x+3", "(-x+3)"},
      {"--3", "--3", "-3", "+-3", "(--3)"},
      {"(-3)", "(-3)", "(-3)", "-(-3)", "((-3))"},
      // Double-byte characters after the sign stay whole.
      {"+ａ－", "ａ－", "ａ－", "-ａ－", "+ａ－"},
      {"ｰ3", "ｰ3", "ｰ3", "-ｰ3", "ｰ3"},
  };
  Harness h;
  auto& p = h.program;
  auto run = [&](const char* in, void (TestLesson::*routine)()) {
    p.gWorkText = FromUtf8(in);
    (p.*routine)();
    return p.gWorkText;
  };
  for (const auto& c : cases) {
    EXPECT_EQ(run(c.in, &TestLesson::StripLeadingPlus), FromUtf8(c.plus)) << c.in;
    EXPECT_EQ(run(c.in, &TestLesson::StripLeadingSign), FromUtf8(c.sign)) << c.in;
    EXPECT_EQ(run(c.in, &TestLesson::FlipLeadingSign), FromUtf8(c.flip)) << c.in;
    EXPECT_EQ(run(c.in, &TestLesson::BracketNegative), FromUtf8(c.bracket)) << c.in;
  }
}

TEST(PrepareTexts, WritesEveryTermTextWithoutBlanks) {
  Harness h;
  h.Start();
  auto& p = h.program;
  for (int i = 0; i <= 80; ++i) p.gTermValue(i) = static_cast<float>(i - 40);
  for (int i = 0; i <= 40; ++i) p.gTermValue2(i) = static_cast<float>(i) / 2;
  p.gTermText(0) = "kept";
  p.gTermText2(0) = "kept2";
  p.gTermText(5) = "replaced";
  p.gLoopIndex = 12;
  p.PrepareTextsAndKeyChoice();
  EXPECT_EQ(p.gTermText(0), "kept");
  EXPECT_EQ(p.gTermText2(0), "kept2");
  EXPECT_EQ(p.gTermText(5), "-35");
  EXPECT_EQ(p.gTermText(40), "0");
  EXPECT_EQ(p.gTermText(80), "40");
  EXPECT_EQ(p.gTermText2(1), ".5");
  EXPECT_EQ(p.gTermText2(40), "20");
  EXPECT_EQ(p.gWorkText, "20");
  EXPECT_EQ(p.gLoopIndex, 12);
}

TEST(PrepareTexts, ClassifiesTheLetterKeys) {
  Harness h;
  h.Start();
  auto& p = h.program;
  const char* keys[] = {"Q", "W", "E", "R", "T", "@", "I", "[", "]", "S"};
  for (int row = 0; row < 10; ++row) {
    p.gKey = keys[row];
    p.PrepareTextsAndKeyChoice();
    EXPECT_EQ(p.gKeyChoiceFlag, 1) << keys[row];
    EXPECT_EQ(p.gKeyChoice, row + 1) << keys[row];
  }
  // No match: the flag drops, the choice stays at the last match.
  for (const char* other : {"A", "q", "", "s", "1", "\r"}) {
    p.gKey = other;
    p.PrepareTextsAndKeyChoice();
    EXPECT_EQ(p.gKeyChoiceFlag, 0) << other;
    EXPECT_EQ(p.gKeyChoice, 10) << other;
  }
}

TEST(ListDivisorPairs, ListsEveryDivisorWithItsCofactor) {
  struct Case {
    float n;
    std::vector<float> divisors;
    float pairs;
  } cases[] = {
      {1, {1}, 1},
      {4, {1, 2, 4}, 2},
      {9, {1, 3, 9}, 2},
      {12, {1, 2, 3, 4, 6, 12}, 3},
      {-12, {1, 2, 3, 4, 6, 12}, 3},
      {16, {1, 2, 4, 8, 16}, 3},
      {36, {1, 2, 3, 4, 6, 9, 12, 18, 36}, 5},
      {100, {1, 2, 4, 5, 10, 20, 25, 50, 100}, 5},
      {7, {1, 7}, 1},
      {0, {1}, 1},  // the first pass runs before the bound is tested
  };
  for (const auto& c : cases) {
    Harness h;
    h.Start();
    auto& p = h.program;
    p.gPointX(30) = -1;
    p.gDivisorNumber = c.n;
    p.ListDivisorPairs();
    ASSERT_EQ(p.gRandomPick, static_cast<float>(c.divisors.size())) << c.n;
    for (size_t k = 0; k < c.divisors.size(); ++k) {
      float i = static_cast<float>(k + 1);
      EXPECT_EQ(p.gPointX(i), c.divisors[k]) << c.n;
      EXPECT_EQ(p.gPointY(i), std::fabs(c.n) / c.divisors[k]) << c.n;
    }
    EXPECT_EQ(p.gDivisorPairCount, c.pairs) << c.n;
    EXPECT_EQ(p.gDivisorNumber, std::fabs(c.n)) << c.n;
    EXPECT_EQ(p.gLoopIndex, std::max(std::fabs(c.n), 1.0f) + 1) << c.n;  // one past the last tried
    EXPECT_EQ(p.gPointX(30), -1) << c.n;  // places above the count keep their contents
  }
}

TEST(ListDivisorPairs, APerfectSquareKeepsItsMiddlePair) {
  Harness h;
  h.Start();
  auto& p = h.program;
  for (int r = 1; r <= 10; ++r) {
    p.gDivisorNumber = static_cast<float>(r * r);
    p.ListDivisorPairs();
    float last = p.gDivisorPairCount;
    EXPECT_EQ(p.gPointX(last), r) << r * r;
    EXPECT_EQ(p.gPointY(last), r) << r * r;
  }
}

TEST(ListDivisorPairs, FaultsWhereItCannotWork) {
  // More than 40 divisors: the list is full (index out of range).
  Harness many;
  many.Start();
  many.program.gDivisorNumber = 720720;
  try {
    many.program.ListDivisorPairs();
    ADD_FAILURE();
  } catch (const plat::Fault& f) {
    EXPECT_EQ(f.code(), plat::kFaultIndexOutOfRange);
  }
  // A program without the routine: a bad call ends on the error screen.
  Harness without("", "10:20:30", frame_testing::kSettingsWithoutPairs);
  without.Run([](TestLesson& p) {
    p.gDivisorNumber = 12;
    p.ListDivisorPairs();
  });
  auto lines = without.Lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "cls");
  EXPECT_NE(lines[1].find(", 5"), std::string::npos);
}

TEST(FactorizePrimes, TabulatesPrimesExponentsAndTheCofactor) {
  struct Case {
    float n;
    std::vector<std::pair<float, float>> rows;
    float rest;
  } cases[] = {
      {360, {{2, 3}, {3, 2}, {5, 1}}, 1},
      {58, {{2, 1}}, 29},
      {1, {}, 1},
      {-12, {{2, 2}, {3, 1}}, 1},
      {29, {}, 29},
      {23 * 23 * 7, {{7, 1}, {23, 2}}, 1},
      {2.0f * 3 * 5 * 7 * 11 * 13 * 17 * 19, {{2, 1}, {3, 1}, {5, 1}, {7, 1}, {11, 1}, {13, 1}, {17, 1}, {19, 1}}, 1},
      {1024 * 31, {{2, 10}}, 31},
  };
  for (const auto& c : cases) {
    Harness h;
    h.Start();
    auto& p = h.program;
    p.gPairTable(4, 1) = 99;
    p.gFactorNumber = c.n;
    p.FactorizePrimes();
    EXPECT_EQ(p.gFactorCount, static_cast<float>(c.rows.size())) << c.n;
    for (int row = 1; row <= 9; ++row) {
      auto want = static_cast<size_t>(row) <= c.rows.size() ? c.rows[static_cast<size_t>(row - 1)]
                                                             : std::pair<float, float>{0, 0};
      EXPECT_EQ(p.gPairTable(row, 1), want.first) << c.n << " row " << row;
      EXPECT_EQ(p.gPairTable(row, 2), want.second) << c.n << " row " << row;
    }
    EXPECT_EQ(p.gPairTable(10, 1), c.rest) << c.n;
    EXPECT_EQ(p.gPairTable(10, 2), 1) << c.n;
    EXPECT_EQ(p.gFactorNumber, std::fabs(c.n)) << c.n;
    EXPECT_EQ(p.gRandomPick, 10) << c.n;
    EXPECT_EQ(p.gPrimeList(10), 29);
  }
  Harness zero;
  zero.Start();
  zero.program.gFactorNumber = 0;
  EXPECT_THROW(zero.program.FactorizePrimes(), plat::Fault);  // would divide by 2 without end
}

}  // namespace
