#include "pelorin/pfi/PelorinLanguage.h"

#include "platform/LocaleInEffect.h"

namespace pelorin {
namespace {

Language g_language = Language::SimplifiedChinese;

}  // namespace

Language languageOfLocale(std::string_view localeName) {
    // "language[_territory][.codeset][@modifier]"; a script may follow the
    // language ("zh_Hant_TW") in names that other systems pass on.
    const std::string_view name = localeName.substr(0, localeName.find_first_of(".@"));
    const auto underscore = name.find('_');
    if (name.substr(0, underscore) != "zh") return Language::English;
    const std::string_view rest = underscore == std::string_view::npos ? "" : name.substr(underscore + 1);
    for (std::string_view traditional : {"TW", "HK", "MO", "Hant"})
        if (rest == traditional || rest.starts_with(std::string(traditional) + "_"))
            return Language::TraditionalChinese;
    return Language::SimplifiedChinese;
}

Language messageLanguage(const platform::Environment& env) {
    const auto locale = platform::localeInEffect(env, "LC_MESSAGES");
    return locale ? languageOfLocale(*locale) : Language::English;
}

Language currentLanguage() { return g_language; }

void setCurrentLanguage(Language language) { g_language = language; }

}  // namespace pelorin
