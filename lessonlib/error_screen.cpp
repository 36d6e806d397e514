#include "lessonlib/screen.h"
#include "platform/text_ops.h"

namespace lesson {

void ShowRuntimeError(Program& p, int line, int number) {
  p.rt.PsCLS(0);
  const std::string message = platform::PfSTR244(static_cast<float>(line)) + "," +
                              platform::PfSTR244(static_cast<float>(number)) +
                              "エラーが発生しました。マウスで×をクリックして下さい。";
  p.rt.PsSYMBOL40(message, 288, 432, 1, 1, 13);
  p.rt.NoteRuntimeError(line, number);
  p.rt.NoteWait("ShowRuntimeError");
  // Keys change nothing; the run ends when the window is closed.
  for (;;) p.rt.PfINKEY24();
}

}  // namespace lesson
