#include "common/frame/frame.h"

namespace lesson {

void Frame::ProgramMain() {
  scr.SetMapMode(0, 1);
  scr.MaximizeWindow(0);
  scr.SetFontName(0, SJ("ｺﾞｼｯｸ"));
  scr.SetFontSize(0, 16.0f);
  scr.SetDrawWidth(0, 3);
  gTextColour = 4;
  gTitle = plat::FromUtf8(settings.title);
  gAnswerX = 1056;
  gAnswerY = 648;
  ShowMainMenu();
}

}  // namespace lesson
