#pragma once

#include <string>

namespace pelorin {

enum class PfiErrorCode {
    CannotOpen,   // the file cannot be read
    BadLibrary,   // header or index do not describe a usable library
    NotFound,     // no index entry carries the code
    Malformed,    // the glyph record does not decode
    BadArgument,  // the caller asked for something impossible
    CannotWrite,  // a library file cannot be written
};

// An error of the PFI reader, the outline conversion or the writer. `detail`
// says what exactly was wrong, for the command line and for tests; the texts
// the user sees come from PfiMessages.h.
struct PfiError {
    PfiErrorCode code = PfiErrorCode::BadArgument;
    std::string detail;
};

}  // namespace pelorin
