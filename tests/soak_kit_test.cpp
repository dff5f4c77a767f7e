// The soak on a small lesson built only from the shared kit: the main-menu
// and sub-menu frames, screen tables with key waits, a step loop with random
// problems and a letter-key choice. It covers the kit on its own, whatever
// the four programs use of it so far.
#include <gtest/gtest.h>

#include <iostream>

#include "common/figures/figures.h"
#include "common/frame/screens.h"
#include "tests/soak_driver.h"

namespace lesson {
namespace {

const ProgramSettings kKitSettings = {
    .title = "Kit",
    .ellSize = 15, .ellH = 5, .ellV = 4, .ellRaiseInFraction = 15, .ellRaiseOutside = 6,
    .typesetBlankRule = true,
    .hasDivisorPairs = true,
};

class KitLesson : public Lesson {
 public:
  explicit KitLesson(plat::Screen& screen) : Lesson(screen, kKitSettings) {}

  void ShowMainMenu() override {
    static constexpr MenuLine kLines[] = {
        {"１．展開", 100, 150, 15},
        {"２．練習", 100, 200, 15},
        {"３．", 100, 250, 15},  // a blank title leads straight back
        {"４．終了", 100, 300, 15},
    };
    for (;;) {
      switch (MainMenuChoice(*this, kLines, 4, 3)) {
        case 1: Chapter1(); break;
        case 2: Chapter2(); break;
        default: break;
      }
    }
  }

 private:
  void Chapter1() {
    DrawPieces(*this, {At(60, 80, 4, "<めあて>"), NextLine(40, 4, "(x+a)(x+b)=x^2+(a+b)x+ab")});
    static constexpr SubMenu kMenu = {"①導入　②例　③終了", 3, false};
    RunSubMenu<KitLesson>(*this, kMenu, choice_, {&KitLesson::Intro, &KitLesson::Practice, nullptr});
  }

  void Chapter2() {
    static constexpr SubMenu kMenu = {"①練習　②文字　③終了", 3, true};
    RunSubMenu<KitLesson>(*this, kMenu, choice_, {&KitLesson::Practice, &KitLesson::Letters, nullptr});
  }

  void Intro() {
    ClearWorkArea();
    DrawPieces(*this, {LineStart(60, 120), At(60, 120, 4, "(10x+5)^2=100x^2+100x+25"), Wait(),
                       NextLine(48, 2, "x=ﾀ-b@!b^2-4acﾝ/2aﾀ"), Continue(4, "　と"), Wait(),
                       PenWidth(2), LineTo(60, 300, 600, 300, 3), PlainAt(60, 320, 0, "ABC 123 ^x"), Wait(),
                       lesson::Wipe(0, 54, 1440, 640)});
  }

  // The step loop: random coefficients, the problem, a key, the answer, the
  // step prompt; 1 leaves.
  void Practice() {
    gInputValue = 3;
    while (gInputValue != 1) {
      ClearWorkArea();
      int a = plat::Int(scr.Rnd() * 9) + 1, b = plat::Int(scr.Rnd() * 9) - 4;
      gFracNum = static_cast<float>(b);
      gFracDen = static_cast<float>(a);
      FormatFraction();
      gPenX = 60;
      gPenY = 150;
      gTextColour = 4;
      gPrintText = SJ("(x+") + plat::Str(static_cast<float>(a)) + ")(x" + plat::Str(static_cast<float>(b)) + ")";
      DrawExpression();
      WaitForKey();
      gPenX = 60;
      gPenY = 220;
      gPrintText = SJ("x^2+") + plat::Str(static_cast<float>(a + b)) + "x";
      DrawExpression();
      AskNextStep();
    }
  }

  void Letters() {
    ClearWorkArea();
    DrawPieces(*this, {At(60, 120, 4, "Ｑ　Ｗ　Ｅ　のどれか")});
    gKey.clear();
    PollLetter();
  }

  void PollLetter() {
    for (int tries = 0; tries < 20; ++tries) {
      WaitForKey();
      PrepareTextsAndKeyChoice();
      if (gKeyChoiceFlag == 1) {
        gPenX = 60;
        gPenY = 200;
        gPrintText = plat::Str(gKeyChoice);
        PrintText();
        return;
      }
    }
  }

  float choice_ = 0;
};

// The soak of a lesson class, 20,000 keys.
template <class L>
soak::Result SoakLesson(const char* name, uint64_t seed) {
  soak::Options o;
  o.program = name;
  o.programFn = [](plat::Screen& screen) {
    L lesson(screen);
    lesson.ProgramMain();
  };
  o.keys = 20000;
  o.seed = seed;
  return soak::Run(o);
}

TEST(Soak, SharedKitLessonNeverBreaks) {
  soak::Result r = SoakLesson<KitLesson>("kit", 99);
  std::cout << "kit: " << r.keysTaken << " keys in " << r.runs << " runs (" << r.runsEnded << " ended by the menu), "
            << r.keyWaits << " waits for a key, ~" << r.distinctTexts << " different texts, " << r.cpuSeconds
            << " s CPU\n";
  ASSERT_TRUE(r.ok) << r.failure;
  EXPECT_GT(r.keyWaits, 1000);
  EXPECT_GT(r.runsEnded, 0);
}

// A lesson whose menu divides by zero when 7 is typed: the frame's own error
// trap shows the error screen, and the soak reports it with the keys.
class FaultyLesson : public Lesson {
 public:
  explicit FaultyLesson(plat::Screen& screen) : Lesson(screen, kKitSettings) {}
  void ShowMainMenu() override {
    for (;;) {
      AskMenuNumber();
      if (gInputValue == 7) gInputValue = plat::Div(1, gInputValue - 7);
    }
  }
};

TEST(Soak, CatchesTheFramesErrorScreen) {
  soak::Result r = SoakLesson<FaultyLesson>("faulty", 5);
  ASSERT_FALSE(r.ok);
  EXPECT_NE(r.failure.find(", 11エラーが発生しました。"), std::string::npos) << r.failure;
  EXPECT_NE(r.failure.find("--keys \"7 Enter\""), std::string::npos) << r.failure;
}

}  // namespace
}  // namespace lesson
