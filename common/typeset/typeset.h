// The expression typesetter: formulas in the lessons' plain markup, measured
// text, boxed cells, labels and table cells.
#pragma once

#include "common/frame/frame.h"

namespace lesson {

class Typeset : public Frame {
 public:
  using Frame::Frame;
  void DrawExpression() override {}
};

}  // namespace lesson
