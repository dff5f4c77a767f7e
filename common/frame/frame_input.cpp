// Number entry at the answer field, the three prompts that ask for a number,
// the conversion of the typed text, and the key waits.
#include "common/frame/frame.h"

namespace lesson {

namespace {

const Text kEnter = "\r";
const Text kBackspace = "\b";
const Text kClearKey = "\x0c";

// How long the cursor dot stays shown, and then hidden, while the pupil does
// not type.
constexpr double kBlinkSeconds = 0.4;

// An entry holds at most this many characters; the next key clears it.
constexpr int kFieldLength = 10;

}  // namespace

// The boxes on the bottom line: corners, border and fill, text position.
const Frame::PromptBox Frame::kStepBox = {96, 639, 400, 675, 13, 12, 128, 648};
const Frame::PromptBox Frame::kKeyWaitBox = {96, 657, 400, 693, 13, 4, 128, 666};
const Frame::PromptBox Frame::kMessageBox = {16, 657, 496, 693, 13, 4, 48, 666};

void Frame::AskMenuNumber() {
  gPrintText = SJ("番号を入力して下さい。");
  PrintTextAt(gAnswerX - 240, gAnswerY, 0);
  ReadAnswer();
  ParseAnswerNumber();
}

void Frame::ClearMenuPromptLine() { WipeArea(gAnswerX - 240, gAnswerY - 8, gAnswerX - 240 + 1056, gAnswerY - 8 + 50); }

void Frame::AskOnBottomLine() {
  PrintTextAt(16, 666, 0);
  ReadAnswer();
  ParseAnswerNumber();
}

void Frame::ClearBottomBand() { WipeArea(0, 657, 992, 720); }

void Frame::AskNextStep() {
  gSavedDrawWidth = static_cast<float>(scr.GetDrawWidth(0));
  scr.SetDrawWidth(0, 2);
  gPrintText = SJ("次のステップは１を入力。");
  ShowPromptBox(kStepBox);
  ReadAnswer();
  ParseAnswerNumber();
  WipeArea(gAnswerX - 48, gAnswerY - 9, gAnswerX - 48 + 160, gAnswerY - 9 + 27);
  WipeArea(kStepBox.x1, kStepBox.y1, kStepBox.x2, kStepBox.y2);
  scr.SetDrawWidth(0, plat::CInt(gSavedDrawWidth));
}

void Frame::ReadAnswer() {
  gCursorX = gAnswerX;
  gCursorY = gAnswerY;
  gInputText.clear();
  gPrintText = SJ("入力");
  PrintTextAt(gCursorX - 48, gCursorY, 0);
  ReadKeysLoop();
  // Label, typed characters and dot go together.
  WipeArea(gAnswerX - 48, gAnswerY - 8, gAnswerX - 48 + 240, gAnswerY - 8 + 30);
}

void Frame::DrawCursorDot(int colour) { scr.Circle(gCursorX + 8, gCursorY + 8, 4, colour, 0, 0, colour); }

void Frame::ReadKeysLoop() {
  scr.KeyWaitStarts();
  for (;;) {
    DrawCursorDot(5);
    gKey = scr.Inkey();
    if (gKey.empty()) {
      // No key: the dot blinks, and the program sleeps meanwhile. A key typed
      // during either half ends that half at once.
      scr.WaitForInput(kBlinkSeconds);
      DrawCursorDot(15);
      scr.WaitForInput(kBlinkSeconds);
      continue;
    }
    // The length test comes first: a full field is cleared by any key, Enter too.
    if (gKey == kBackspace || gKey == kClearKey || plat::Len(gInputText) >= kFieldLength) {
      WipeArea(gAnswerX, gAnswerY - 8, gAnswerX + 192, gAnswerY - 8 + 30);
      gInputText.clear();
      gCursorX = gAnswerX;
      gCursorY = gAnswerY;
      gKey.clear();
      continue;
    }
    if (gKey == kEnter) {
      DrawCursorDot(15);
      return;
    }
    // "-", ".", "/" and the digits: the one-character keys from "-" to "9".
    if (gKey >= "-" && gKey <= "9") {
      DrawCursorDot(15);
      gTextColour = 5;
      gWorkText = gKey;
      gPenX = gCursorX;
      gPenY = gCursorY;
      DrawGlyphs();
      gCursorX = gGlyphX;
      gInputText += gKey;
    }
  }
}

void Frame::ParseAnswerNumber() {
  int n = plat::Len(gInputText);
  int p = plat::InStr(gInputText, "/");
  if (p == 0) {
    gInputValue = plat::Val(gInputText);
    return;
  }
  gWorkText = plat::Left(gInputText, p - 1);
  gChar = plat::Right(gInputText, n - p);
  // A zero denominator ("1/0", "5/", "/") has no value; 0 lies outside every
  // menu range and is not the step answer 1, so the pupil is simply asked again.
  float denominator = plat::Val(gChar);
  gInputValue = denominator == 0 ? 0.0f : plat::Val(gWorkText) / denominator;
}

void Frame::PrintTextAt(float x, float y, float colour) {
  gTextColour = colour;
  gPenX = x;
  gPenY = y;
  PrintText();
}

void Frame::ShowPromptBox(const PromptBox& box) {
  scr.Line(box.x1, box.y1, box.x2, box.y2, box.border, plat::kFilledBox, box.fill);
  PrintTextAt(box.textX, box.textY, 9);
}

void Frame::PollUntilKey() {
  // Sleeps between polls; a key typed ahead ends the wait at once.
  for (;;) {
    gKey = scr.Inkey();
    if (!gKey.empty()) return;
    scr.WaitForInput(3600);
  }
}

void Frame::WaitInPromptBox(const PromptBox& box, float wipeX2, float wipeY2) {
  gSavedTextColour = gTextColour;
  gSavedDrawWidth = static_cast<float>(scr.GetDrawWidth(0));
  scr.SetDrawWidth(0, 3);
  ShowPromptBox(box);
  scr.KeyWaitStarts();
  PollUntilKey();
  WipeArea(0, box.y1, wipeX2, wipeY2);
  gTextColour = gSavedTextColour;
  scr.SetDrawWidth(0, plat::CInt(gSavedDrawWidth));
}

void Frame::WaitForKey() {
  gPrintText = SJ("何かキーを押して下さい。");
  WaitInPromptBox(kKeyWaitBox, 400, 693);
}

void Frame::ShowMessageAndWait() { WaitInPromptBox(kMessageBox, 992, 720); }

}  // namespace lesson
