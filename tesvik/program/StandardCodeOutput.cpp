#include "tesvik/program/StandardCodeOutput.h"

#include "tesvik/chars/CopyFormats.h"

namespace tesvik::program {

chars::PackedChar standardCodeOf(chars::PackedChar value) { return chars::standardTwinOf(value).value_or(value); }

}  // namespace tesvik::program
