// The main menu and the chapter frame that every chapter of the three programs follows:
// goal screen, sub-menu loop, sections that return to it, drill loops that end on 1.
#pragma once

#include <array>
#include <initializer_list>
#include <span>
#include <string>

#include "lessonlib/program.h"

namespace lesson {

using Place = Jump (*)(Program&);

struct MainMenuItem {
  const char* text;
  // The chapter the item leads to; none for an item without a chapter, which shows the
  // menu again (and for item 8, which ends the program).
  Place target;
};

struct MainMenu {
  std::array<MainMenuItem, 8> items;
  // Reads the item number into InputValue once the menu has drawn its prompt.
  void (*read_number)(Program&);
};

// One pass of a main menu: draws it, reads a number and goes on to the chosen chapter, to
// `self` again, or ends the program on exactly 8.
Jump RunMainMenu(Program& p, const MainMenu& menu, Place self);

// A chapter's goal screen: erases the screen and draws "<めあて>" and the goal lines.
void ShowGoalScreen(Program& p, std::initializer_list<const char*> goal_lines);

// One pass of a sub-menu: draws the item line, reads a number and goes on to the chosen
// item's place, or back to `self` when the number is outside 1 to n. The last target is
// the program's main menu.
Jump RunSubMenu(Program& p, const char* item_line, std::initializer_list<Place> targets,
                Place self);

// Erases the whole screen (the box that menus, goal screens and many sections start with).
void EraseScreen(Program& p);
// An answer screen's start: the whole screen erased, the steps at x 108 (MarginX) from y 30
// (LineY); the question numbers stand 72 left of them.
void StartAnswerScreen(Program& p);
// Starts a column of answers at the top of the screen: problem labels at `column_x`
// (ColumnX), their lines 54 to the right (MarginX), the first line placed from y 30.
void StartAnswerColumn(Program& p, float column_x);

// A box of an exercise page's answer heading (the page's title, the exercise number): its
// size and colours.
struct HeadingBox {
  float width, height;
  float text_colour, border, fill;
};
// The exercise number's box: 44 x 44, the number in colour 13 on fill 3, bordered in 4.
inline constexpr HeadingBox kExerciseNumberBox{44, 44, 13, 4, 3};
// Draws `text` centred in a box from (x, y) with DrawBoxedText, bordered at the draw width in
// force. The box ends its row as a text does: LineEndX its right edge, LineY its top.
void DrawHeadingBox(Program& p, const HeadingBox& box, const std::string& text, float x,
                    float y);

// Draws `text` with DrawText at (x, y) in `colour`, leaving the lesson layout as it was: a
// caption beside the line, or a mark over it. TextX is left just after the text.
void DrawCaptionText(Program& p, const std::string& text, float colour, float x, float y);
// Draws `text` with DrawText at (x, y) in `colour` and keeps the lesson layout: LineEndX and
// LineY follow the text.
void DrawLessonText(Program& p, const std::string& text, float colour, float x, float y);
// The same, continuing the current line at (LineEndX, LineY).
void ContinueLessonText(Program& p, const std::string& text, float colour);

// The drill loop: runs `pass` until the user enters 1 at the next-step prompt that ends
// each pass. `InputValue` is set to 3 and `DrillItem` to 0 first.
template <typename Pass>
void RunDrill(Program& p, Pass&& pass) {
  p.input.InputValue = 3;
  p.layout.DrillItem = 0;
  while (p.input.InputValue != 1) pass();
}

// The two ways a drill picks its item from N: at random (the same item may come twice in
// a row), or in turn from 1, starting again at 1 after N.
void PickRandomItem(Program& p, float count);
void PickNextItem(Program& p, float count);


// ---- Step tables ----------------------------------------------------------------------------
//
// A lesson screen is a table of steps: whether a key press comes first, the text (formula
// text), its colour and where it starts. Positions are taken from the lesson layout when the
// step is drawn, so a row reads as the screen's plan: "50 below the line, at the margin",
// "continues the line", "at (720, 30)".

// Where a step's text starts across: a fixed x, or ColumnX, MarginX or LineEndX plus an offset.
struct StepX {
  enum Base { kFixed, kColumn, kMargin, kLineEnd } base;
  float offset;
};
// Where it starts down: a fixed y, or LineY plus an offset.
struct StepY {
  enum Base { kFixed, kLine } base;
  float offset;
};

constexpr StepX AtX(float x) { return {StepX::kFixed, x}; }
constexpr StepX AtColumn(float dx = 0) { return {StepX::kColumn, dx}; }
constexpr StepX AtMargin(float dx = 0) { return {StepX::kMargin, dx}; }
constexpr StepX AfterText(float dx = 0) { return {StepX::kLineEnd, dx}; }
constexpr StepY AtY(float y) { return {StepY::kFixed, y}; }
constexpr StepY OnLine() { return {StepY::kLine, 0}; }
constexpr StepY Below(float dy) { return {StepY::kLine, dy}; }

enum StepWait : bool { kAtOnce = false, kKeyFirst = true };

// Whether the lesson layout follows the text (a line of the screen); or the line moves down
// to the text but its end stays where the row before left it (the next "after the text"
// continues that row); or the text stands beside the line as a caption and the next row is
// placed as if it were not there.
enum StepLine { kMovesLine, kKeepsLineEnd, kCaption };

// One row; without a position the text continues the current line.
struct LessonStep {
  StepWait wait;
  std::string text;
  float colour;
  StepX x = AfterText();
  StepY y = OnLine();
  StepLine line = kMovesLine;
};

// Where a step starts, with the layout as it stands.
float StepXValue(const Program& p, StepX x);
float StepYValue(const Program& p, StepY y);

// Draws the steps in order, each after a key press (WaitForKey) where its row asks for one,
// with DrawLessonText, so that LineEndX and LineY follow every text but a caption.
void ShowSteps(Program& p, std::initializer_list<LessonStep> steps);
// One row of a step table, for tables whose rows draw more than text.
void ShowStep(Program& p, const LessonStep& step);

// ---- Drill tables -------------------------------------------------------------------------

// One item of a drill table: the question and up to two texts revealed after it, stored at
// TermTexts(i), TermTexts(10 + i) and TermTexts(20 + i). A null text leaves its entry alone.
struct DrillRow {
  const char* item;
  const char* second = nullptr;
  const char* third = nullptr;
};

// Stores rows 1 to N of a drill table into TermTexts.
void StoreDrillTable(Program& p, std::span<const DrillRow> rows);

// A uniform random whole number from `first` to first + count - 1: the integer part of
// count times the runtime's random fraction, plus `first`.
float PickRandomWhole(Program& p, float first, float count);
// The same, then its sign: a second draw, kept in RandomPick, makes it negative when it is 0
// (of 0 and 1).
float PickRandomSigned(Program& p, float first, float count);

// ---- Erasing ------------------------------------------------------------------------------

// Erases the box between two corners (absolute), or from a corner with a size.
void EraseBetween(Program& p, float x1, float y1, float x2, float y2);
void EraseFrom(Program& p, float x, float y, float width, float height);

}  // namespace lesson
