#include "varnick/varnick.h"
#include "lessonlib/window_main.h"

int main() { return lesson::RunInWindow(varnick::kVarnick); }
