// The step-table names Ostrel's sections are written with.
#pragma once

#include "lessonlib/chapter_frame.h"

namespace ostrel {

using lesson::AfterText;
using lesson::AtColumn;
using lesson::AtMargin;
using lesson::AtX;
using lesson::AtY;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kCaption;
using lesson::kKeepsLineEnd;
using lesson::kKeyFirst;
using lesson::OnLine;
using lesson::Program;

}  // namespace ostrel
