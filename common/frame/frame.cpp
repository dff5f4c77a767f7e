// Start-up, screen clearing and the error screen.
#include "common/frame/frame.h"

namespace lesson {

void Frame::ProgramMain() {
  // The error trap covers every later step and the whole program; closing the
  // window and the program's own end pass through it untouched.
  try {
    scr.SetMapMode(0, 1);
    scr.MaximizeWindow(0);
    scr.SetFontName(0, SJ("ｺﾞｼｯｸ"));
    scr.SetFontSize(0, 16.0f);
    scr.SetDrawWidth(0, 3);

    // The seed is hours + minutes + seconds (0 to 141), each field from a
    // reading of the clock of its own.
    float hours = plat::Val(plat::Left(scr.TimeOfDay(), 2));
    float minutes = plat::Val(plat::Mid(scr.TimeOfDay(), 4, 2));
    float seconds = plat::Val(plat::Right(scr.TimeOfDay(), 2));
    scr.Randomize(plat::CInt(hours + minutes + seconds));

    gTextColour = 4;
    gTitle = plat::FromUtf8(settings.title);
    gDimBound = 23;

    // The 25 shared arrays, in this order, each once.
    gTermText2.Dim(40);
    gTermValue2.Dim(40);
    gTermText.Dim(80);
    gTermValue.Dim(80);
    gSpareNum23.Dim(plat::CInt(gDimBound));
    gSpareText6.Dim(6);
    gSpareText5x2.Dim(5, 2);
    gSpareText10A.Dim(10);
    gSpareNum5A.Dim(5);
    gSpareNum5B.Dim(5);
    gPairTable.Dim(10, 2);
    gPointX.Dim(40);
    gPointY.Dim(40);
    gPrimeList.Dim(10);
    gSpareNum10A.Dim(10);
    gSpareNum10B.Dim(10);
    gLabelList.Dim(20);
    gTextListB.Dim(20);
    gSpareNum5C.Dim(5);
    gSpareNum5D.Dim(5);
    gTextList10.Dim(10);
    gSpareText10B.Dim(10);
    gSpareText10C.Dim(10);
    gNumListA.Dim(40);
    gNumListB.Dim(40);

    FinishStartUp();
  } catch (const plat::Fault& fault) {
    errorLine_ = fault.line();
    errorCode_ = fault.code();
    ErrorTrap();
  }
}

void Frame::FinishStartUp() {
  gAnswerX = 1056;
  gAnswerY = 648;
  ShowMainMenu();
}

void Frame::WipeArea(float x1, float y1, float x2, float y2) { scr.Line(x1, y1, x2, y2, 15, plat::kFilledBox, 15); }

void Frame::ClearWorkArea() { WipeArea(0, 54, 1440, 900); }

void Frame::ClearAnswerBand() {
  gPenX = gAnswerX + 80;
  gPenY = gAnswerY - 72;
  WipeArea(gPenX, gPenY, gPenX + 1440, gPenY + 90);
}

void Frame::ErrorTrap() {
  scr.Cls();
  // The report keeps the blank that the number-to-text conversion puts before
  // a number of zero or more: " 812, 6エラーが…".
  gWorkText = plat::Str(static_cast<float>(ErrorLine()));
  gChar = plat::Str(static_cast<float>(static_cast<int16_t>(ErrorCode())));
  // Whatever face and size the fault came in, the report is always legible.
  scr.SetFontName(0, SJ("ゴシック"));
  scr.SetFontSize(0, 16.0f);
  scr.SetFontItalic(0, 0);
  scr.Symbol(288, 432, gWorkText + "," + gChar + SJ("エラーが発生しました。マウスで×をクリックして下さい。"), 1, 1, 13);
  // Keys change nothing; only closing the window (WindowClosed) ends the wait.
  scr.KeyWaitStarts();
  for (;;) {
    while (!scr.Inkey().empty()) {
    }
    scr.WaitForInput(3600);
  }
}

}  // namespace lesson
