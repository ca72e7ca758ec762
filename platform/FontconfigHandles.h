#pragma once
// Owning handles for fontconfig's objects, each released by its own
// destroy function.
#include <fontconfig/fontconfig.h>

#include <memory>

namespace platform::fontconfig {

template <class T, void (*Destroy)(T*)>
struct Releaser {
    void operator()(T* object) const { Destroy(object); }
};

using ConfigPtr = std::unique_ptr<FcConfig, Releaser<FcConfig, FcConfigDestroy>>;
using PatternPtr = std::unique_ptr<FcPattern, Releaser<FcPattern, FcPatternDestroy>>;
using FontSetPtr = std::unique_ptr<FcFontSet, Releaser<FcFontSet, FcFontSetDestroy>>;
using ObjectSetPtr = std::unique_ptr<FcObjectSet, Releaser<FcObjectSet, FcObjectSetDestroy>>;
using CharSetPtr = std::unique_ptr<FcCharSet, Releaser<FcCharSet, FcCharSetDestroy>>;

}  // namespace platform::fontconfig
