#pragma once

#include "platform/XdgDirectories.h"

#include <string_view>

// The language Pelorin speaks: every text the user sees exists in simplified
// Chinese, traditional Chinese and English under one name.
namespace pelorin {

enum class Language {
    SimplifiedChinese,
    TraditionalChinese,
    English,
};

// The language of a locale name such as "zh_TW.UTF-8": Chinese of Taiwan,
// Hong Kong and Macao (or written in the Hant script) is traditional, any
// other Chinese simplified, everything else English.
Language languageOfLocale(std::string_view localeName);

// The language of the locale in effect for messages ($LC_ALL, else
// $LC_MESSAGES, else $LANG; the first one set). English when none is set.
Language messageLanguage(const platform::Environment& env);

// The language texts are shown in; simplified Chinese until a program
// chooses (once, at start, before any other thread runs).
Language currentLanguage();
void setCurrentLanguage(Language language);

// One text in the three languages; it reads as the current language's.
struct Texts {
    std::string_view simplified;
    std::string_view traditional;
    std::string_view english;

    std::string_view in(Language language) const {
        switch (language) {
            case Language::TraditionalChinese:
                return traditional;
            case Language::English:
                return english;
            case Language::SimplifiedChinese:
                break;
        }
        return simplified;
    }
    operator std::string_view() const { return in(currentLanguage()); }
};

}  // namespace pelorin
