#include "varnick/varnick.h"

namespace varnick {

const lesson::ProgramDefinition kVarnick{"Varnick", ShowMainMenu, nullptr};

}  // namespace varnick
