// Globals of the lesson frame: the parameter globals through which every
// routine takes its inputs and leaves its results, and the 25 shared arrays.
// Every numeric global starts at 0 and every text global empty.
#pragma once

#include "platform/runtime.h"
#include "platform/text.h"

namespace lesson {

using plat::Text;

struct FrameGlobals {
  // Text output and the pen.
  Text gPrintText;
  Text gWorkText;
  Text gChar;
  float gPenX = 0, gPenY = 0;
  float gGlyphX = 0;
  float gTextColour = 0;
  float gRaiseNext = 0;  // shared with the typesetter
  Text gAsciiLetters, gFullLetters, gAsciiSymbols, gFullSymbols;

  // Number entry and the key wait.
  float gAnswerX = 0, gAnswerY = 0;
  float gCursorX = 0, gCursorY = 0;
  Text gInputText;
  float gInputValue = 0;
  Text gKey;
  float gSavedTextColour = 0;
  float gSavedDrawWidth = 0;

  // Program.
  Text gTitle;
  float gDimBound = 0;
  float gLoopIndex = 0;   // the program-wide loop counter
  float gRandomPick = 0;  // the lessons' random pick; also a count of the number-theory routines

  // Fraction texts.
  float gFracNum = 0, gFracDen = 0;
  float gGcd = 0, gLcm = 0;
  float gFracForm = 0;
  Text gFracUnreduced, gFracReduced, gFracTerm;
  Text gFracEquation, gFracTermEquation;
  Text gFracPlain, gFracTermPlain;
  // Sum of two fractions.
  float gSumNumA = 0, gSumDenA = 0, gSumNumB = 0, gSumDenB = 0;
  float gSumNumerator = 0;
  Text gSumTermA, gSumFraction, gSumFractionTerm, gSumTerms;
  Text gSumUnsignedA, gSumUnsignedB;

  // Letter-key choice.
  float gKeyChoice = 0;
  float gKeyChoiceFlag = 0;

  // Number-theory routines.
  float gDivisorNumber = 0;
  float gDivisorPairCount = 0;
  float gFactorNumber = 0;
  float gFactorCount = 0;

  // Lesson line position.
  float gLineStartX = 0, gLineY = 0, gLineEndX = 0;

  // The 25 shared arrays, created at start-up.
  plat::Array1<Text> gTermText2;
  plat::Array1<float> gTermValue2;
  plat::Array1<Text> gTermText;
  plat::Array1<float> gTermValue;
  plat::Array1<float> gSpareNum23;
  plat::Array1<Text> gSpareText6;
  plat::Array2<Text> gSpareText5x2;
  plat::Array1<Text> gSpareText10A;
  plat::Array1<float> gSpareNum5A;
  plat::Array1<float> gSpareNum5B;
  plat::Array2<float> gPairTable;
  plat::Array1<float> gPointX;
  plat::Array1<float> gPointY;
  plat::Array1<float> gPrimeList;
  plat::Array1<float> gSpareNum10A;
  plat::Array1<float> gSpareNum10B;
  plat::Array1<Text> gLabelList;
  plat::Array1<Text> gTextListB;
  plat::Array1<float> gSpareNum5C;
  plat::Array1<float> gSpareNum5D;
  plat::Array1<Text> gTextList10;
  plat::Array1<Text> gSpareText10B;
  plat::Array1<Text> gSpareText10C;
  plat::Array1<float> gNumListA;
  plat::Array1<float> gNumListB;
};

}  // namespace lesson
