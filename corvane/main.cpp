#include "corvane/corvane.h"
#include "lessonlib/window_main.h"

int main() { return lesson::RunInWindow(corvane::kCorvane); }
