#include "tests/pupil.h"

#include <algorithm>
#include <vector>

#include "tests/test_support.h"

namespace testing_support {

namespace {

constexpr const char* kNextStepPrompt = "次のステップは１を入力。";

// The sub-menu's item line is drawn at the left of the bottom band, in colour 0.
bool IsItemLine(const Fields& event) {
  return event.size() == 6 && event[0] == "text" && event[1] == "DrawWideText" &&
         event[2] == "16" && event[3] == "666" && event[4] == "0";
}

// Items are numbered with the circled digits ① to ⑳ (U+2460 to U+2473), the last one going
// back to the main menu; a line may name a run of items by its first and last ("①～⑧").
int CountItems(const std::string& line) {
  int count = 0;
  for (size_t k = 0; k + 2 < line.size(); ++k) {
    const auto b0 = static_cast<unsigned char>(line[k]), b1 = static_cast<unsigned char>(line[k + 1]),
               b2 = static_cast<unsigned char>(line[k + 2]);
    if (b0 == 0xE2 && b1 == 0x91 && b2 >= 0xA0 && b2 <= 0xB3) count = std::max(count, b2 - 0x9F);
  }
  return count;
}

class Pupil {
 public:
  Pupil(int chapter, int item, const PupilHabits& habits)
      : chapter_(chapter), item_(item), habits_(habits) {}

  // The run the pupil answers, and what it saw of the chapter.
  const lesson::HeadlessSession* session = nullptr;
  std::string item_line;
  int items = 0;
  bool back_at_sub_menu = false;

  // The keys for the wait the program is at; none ends the run.
  std::vector<std::string> Answer() {
    const std::vector<std::string>& lines = session->trace().lines();
    if (++answers_ > habits_.max_waits) return {};
    // What was drawn since the last key, and the wait the program is at.
    std::vector<Fields> shown;
    std::string wait;
    for (size_t k = lines.size(); k-- > 0;) {
      Fields event = Split(lines[k]);
      if (event[0] == "key") break;
      if (event[0] == "wait" && wait.empty()) wait = event[1];
      shown.push_back(std::move(event));
    }
    if (wait == "WaitForKey" || wait == "WaitForKeyWithMessage") return {" "};
    if (wait != "ReadFieldKeys") return {};  // the runtime-error screen, or a poll of its own
    const Fields* sub_menu = nullptr;
    bool next_step = false;
    for (const Fields& event : shown) {
      if (IsItemLine(event)) sub_menu = &event;
      if (event[0] == "text" && event.back() == kNextStepPrompt) next_step = true;
    }
    switch (stage_) {
      case kMainMenu:
        stage_ = kSubMenu;
        return Typed(std::to_string(chapter_));
      case kSubMenu:
        if (sub_menu == nullptr) return {};  // the main menu again: no chapter
        item_line = sub_menu->back();
        items = CountItems(item_line);
        if (item_ == 0) return {};
        stage_ = kSection;
        return Typed(std::to_string(item_));
      case kSection:
        if (sub_menu != nullptr && sub_menu->back() == item_line) {
          back_at_sub_menu = true;
          return {};
        }
        if (!next_step) return Typed(habits_.answer);
        if (++problems_ < habits_.problems_per_stage) return Typed("2");
        problems_ = 0;
        return Typed("1");
    }
    return {};
  }

 private:
  enum Stage { kMainMenu, kSubMenu, kSection };

  static std::vector<std::string> Typed(const std::string& number) {
    std::vector<std::string> keys;
    for (char c : number) keys.emplace_back(1, c);
    keys.emplace_back("\r");
    return keys;
  }

  int chapter_, item_;
  PupilHabits habits_;
  Stage stage_ = kMainMenu;
  int answers_ = 0;
  int problems_ = 0;
};

}  // namespace

SectionVisit VisitSection(const lesson::ProgramDefinition& program, int chapter, int item,
                          const PupilHabits& habits) {
  // The session keeps the pupil for as long as it may poll.
  auto pupil = std::make_shared<Pupil>(chapter, item, habits);
  platform::HeadlessOptions options;
  options.time = habits.time;
  options.more_keys = [pupil] { return pupil->Answer(); };
  SectionVisit visit;
  visit.session = std::make_unique<lesson::HeadlessSession>(program, options);
  pupil->session = visit.session.get();
  visit.session->Start();
  visit.item_line = pupil->item_line;
  visit.items = pupil->items;
  visit.back_at_sub_menu = pupil->back_at_sub_menu;
  return visit;
}

}  // namespace testing_support
