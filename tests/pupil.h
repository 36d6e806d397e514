// A scripted pupil: goes through one section of a program as a pupil would, answering what
// the program shows at each wait, so that a test can run every section of a program without
// a key script for each.
#pragma once

#include <memory>
#include <string>

#include "lessonlib/headless_session.h"

namespace testing_support {

struct SectionVisit {
  std::unique_ptr<lesson::HeadlessSession> session;
  std::string item_line;  // the chapter's sub-menu line; empty when the item has no chapter
  int items = 0;          // the sub-menu's items, its last one back to the main menu
  bool back_at_sub_menu = false;  // the section ran to its end and the sub-menu showed again
};

struct PupilHabits {
  std::string time = "10:20:30";  // the clock, and so the random seed
  // What the pupil types at a number question of a lesson (not a menu or next-step prompt).
  std::string answer = "12";
  // How many problems the pupil asks for at each stage of a drill before going on.
  int problems_per_stage = 2;
  int max_waits = 2000;  // the pupil gives up after so many waits
};

// Picks `chapter` at the main menu and `item` at the chapter's sub-menu (item 0: stops at
// the sub-menu), presses a key at every key wait, enters 2 at a next-step prompt until the
// stage has shown `problems_per_stage` problems and then 1, answers any other number
// question with `answer`, and stops when the sub-menu shows again.
SectionVisit VisitSection(const lesson::ProgramDefinition& program, int chapter, int item,
                          const PupilHabits& habits = {});

}  // namespace testing_support
