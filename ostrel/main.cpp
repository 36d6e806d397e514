#include "ostrel/ostrel.h"
#include "lessonlib/window_main.h"

int main() { return lesson::RunInWindow(ostrel::kOstrel); }
