#include <exception>

#include "lessonlib/screen.h"
#include "platform/errors.h"
#include "platform/text_ops.h"

namespace lesson {

using platform::PfVAL;

void SeedRandomFromClock(Program& p) {
  const std::string clock = p.rt.PfTIME24();  // "hh:mm:ss"
  const float hours = PfVAL(platform::PfLEFT24(clock, 2));
  const float minutes = PfVAL(platform::PfMID24(clock, 4, 2));
  const float seconds = PfVAL(platform::PfRIGHT24(clock, 2));
  p.rt.PaRandomize(platform::RoundToInt(hours + minutes + seconds));
}

void RunFrom(Program& p, Jump place) {
  for (;;) place = place.target(p);
}

void StartProgram(Program& p) {
  // The error trap: any runtime error from here on ends on the runtime-error screen.
  try {
    p.rt.FE_SETMAPMODE(1);
    p.rt.FE_MAXIMIZEWINDOW();
    p.rt.FE_SETFONTNAME("ｺﾞｼｯｸ");
    p.rt.FE_SETFONTSIZE(16);
    p.rt.FE_SETDRAWWIDTH(3);
    SeedRandomFromClock(p);
    p.text.TextColour = 4;
    p.input.FieldX = 1056;
    p.input.FieldY = 648;
    p.TitleText = p.definition.title;
    p.work = LessonWork{};
    RunFrom(p, Jump{p.definition.main_menu});
  } catch (const platform::RuntimeError& error) {
    ShowRuntimeError(p, error.line(), error.number());
  } catch (const std::exception&) {
    // Anything else that fails inside the program is reported the same way.
    ShowRuntimeError(p, 0, 51);
  }
}

}  // namespace lesson
