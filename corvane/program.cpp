#include "corvane/corvane.h"
#include "lessonlib/formula.h"

namespace corvane {

const lesson::ProgramDefinition kCorvane{"Corvane", ShowMainMenu, lesson::ApplyStandardGlyphRules};

}  // namespace corvane
