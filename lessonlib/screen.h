// The lesson screen runtime: start-up, prompt text, the number field, prompts and waits,
// clearing, number texts, the runtime-error screen and the square grid. Every routine works
// on the program's shared records (see program.h) and takes nothing else.
#pragma once

#include "lessonlib/program.h"

namespace lesson {

// Start-up: sets the error trap, window, font, draw width, random seed, text colour, field
// position, title and work arrays, then runs the program from its main menu. Returns only
// by the exceptions that end a run (platform::ProgramExit).
void StartProgram(Program& p);
void SeedRandomFromClock(Program& p);
// Goes from place to place until the run ends.
[[noreturn]] void RunFrom(Program& p, Jump place);

// Wide-character text: every character in a 16-unit cell, half-width letters, digits and
// signs shown in their full-width forms.
void DrawWideText(Program& p);
void DrawWideGlyphs(Program& p);
void ToWideChar(Program& p);

// The number-input field.
void ReadNumberField(Program& p);
void ReadFieldKeys(Program& p);
void ParseNumberInput(Program& p);

// Prompts and waits.
void AskMenuNumber(Program& p);
void ClearMenuPrompt(Program& p);
void AskSubMenuNumber(Program& p);
void ClearBottomBand(Program& p);
void AskNextStep(Program& p);
void WaitForKey(Program& p);
void WaitForKeyWithMessage(Program& p);

// String clean-up of WorkText.
void RemoveSpaces(Program& p);
void StripMarkup(Program& p);

// Clearing and number texts.
void ClearWorkArea(Program& p);
void ClearInputStrip(Program& p);
void FormatNumberArrays(Program& p);

// The runtime-error screen: shows the failing line and error number and idles until the
// window is closed.
[[noreturn]] void ShowRuntimeError(Program& p, int line, int number);

// The square grid frame, drawn as squared paper unless LineColour is 15.
void DrawSquareGrid(Program& p);

}  // namespace lesson
