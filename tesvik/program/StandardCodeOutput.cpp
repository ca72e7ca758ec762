#include "tesvik/program/StandardCodeOutput.h"

#include "tesvik/chars/PuaTables.h"

namespace tesvik::program {

chars::PackedChar standardCodeOf(chars::PackedChar value) {
    // Register characters are BMP code units; packed pairs are never looked up.
    if (value > 0xFFFF) return value;
    const auto standard = chars::standardOfPua(value, chars::registerStandardMap());
    return standard ? chars::packCodePoint(*standard) : value;
}

}  // namespace tesvik::program
