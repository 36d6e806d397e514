#include "ostrel/ostrel.h"

namespace ostrel {

const lesson::ProgramDefinition kOstrel{"Ostrel", ShowMainMenu, ApplyOstrelGlyphRules};

}  // namespace ostrel
