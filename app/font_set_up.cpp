#include "font_set_up.h"

#include <fontconfig/fontconfig.h>

namespace vorpo {

// Fontconfig loads its default configuration once per process and is safe to call from any
// thread: should the toolkit ask before this is done, it loads one of its own and the spare is
// dropped.
FontSetUp::FontSetUp() : reader_([] { FcInit(); }) {}

}  // namespace vorpo
