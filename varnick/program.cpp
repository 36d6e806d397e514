#include "varnick/varnick.h"

namespace varnick {

const lesson::ProgramDefinition kVarnick{"Varnick", ShowMainMenu, ApplyVarnickGlyphRules};

}  // namespace varnick
