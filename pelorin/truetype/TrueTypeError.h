#pragma once

#include <string>

#include "common/Result.h"

namespace pelorin::truetype {

enum class TrueTypeErrorKind {
    CannotCreate,  // the output file could not be created beside its final path
    CannotOpen,    // the input file could not be opened or read
    WriteFailed,   // writing or renaming the finished file failed
    NotTrueType,   // not a TrueType file (wrong sfnt version or collection tag)
    Malformed,     // a table is missing, truncated or inconsistent
    Unsupported,   // well-formed, but a shape this writer does not handle
    NotFound,      // no glyph for the code asked for
};

struct TrueTypeError {
    TrueTypeErrorKind kind{};
    std::string detail;  // the path or table concerned and what was wrong, for people
};

template <class T>
using TrueTypeResult = lumenar::Result<T, TrueTypeError>;
using TrueTypeStatus = lumenar::Status<TrueTypeError>;

inline TrueTypeError MakeError(TrueTypeErrorKind kind, std::string detail) { return {kind, std::move(detail)}; }

}  // namespace pelorin::truetype
