// The main menu and the chapter frame that every chapter of the three programs follows:
// goal screen, sub-menu loop, sections that return to it, drill loops that end on 1.
#pragma once

#include <array>
#include <initializer_list>
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

}  // namespace lesson
