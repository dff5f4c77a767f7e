// A lesson library on a headless screen for the figure tests, and helpers to
// pick the drawing operations out of its picture.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "common/figures/figures.h"
#include "platform/canvas.h"
#include "tests/support.h"

namespace figures_test {

using Kind = plat::DrawOp::Kind;
using lesson::Lesson;

using testing_support::TestLesson;

class FigureTest : public ::testing::Test {
 protected:
  FigureTest() : lib(ts.screen(), kSettings) {
    lib.gPairTable.Dim(10, 2);
    lib.gLabelList.Dim(20);
    ts.screen().SetDrawWidth(0, 3);
  }

  // The drawing operations of one kind, in order.
  std::vector<plat::DrawOp> Ops(Kind kind) const {
    std::vector<plat::DrawOp> out;
    for (const auto& op : ts.screen().canvas().ops())
      if (op.kind == kind) out.push_back(op);
    return out;
  }
  size_t OpCount() const { return ts.screen().canvas().ops().size(); }
  void ClearPicture() { ts.screen().Cls(); }

  static lesson::ProgramSettings Settings() {
    lesson::ProgramSettings s{};
    s.title = "Figures";
    return s;
  }
  static inline const lesson::ProgramSettings kSettings = Settings();
  mutable testing_support::TestScreen ts;
  TestLesson lib;
};

// Expects a fault with the given code from the statement.
#define EXPECT_FAULT(statement, expectedCode)           \
  do {                                                  \
    try {                                               \
      statement;                                        \
      ADD_FAILURE() << "no fault from " #statement;     \
    } catch (const plat::Fault& fault) {                \
      EXPECT_EQ(fault.code(), expectedCode) << #statement; \
    }                                                   \
  } while (0)

}  // namespace figures_test
