#pragma once

#include "pelorin/pfi/PelorinLanguage.h"

namespace pelorin::cli {

// Speaks one language for the life of a test and restores the one before.
class LanguageScope {
public:
    explicit LanguageScope(Language language) : before_(currentLanguage()) { setCurrentLanguage(language); }
    ~LanguageScope() { setCurrentLanguage(before_); }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;

private:
    Language before_;
};

}  // namespace pelorin::cli
