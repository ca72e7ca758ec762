#include "platform/SystemCodePage.h"

#include "platform/LocaleInEffect.h"

#include <string>

namespace platform {

std::uint16_t codePageOfLocale(std::string_view localeName) {
    // "language[_territory][.codeset][@modifier]"
    const auto cut = localeName.find_first_of(".@");
    const std::string_view name = localeName.substr(0, cut);
    const auto underscore = name.find('_');
    const std::string_view language = name.substr(0, underscore);
    const std::string_view territory = underscore == std::string_view::npos ? "" : name.substr(underscore + 1);

    if (language == "zh") return (territory == "TW" || territory == "HK" || territory == "MO") ? 950 : 936;
    if (language == "ja") return 932;
    if (language == "ko") return 1361;
    return 0;
}

std::uint16_t systemCodePage(const Environment& env) {
    const auto locale = localeInEffect(env, "LC_CTYPE");
    return locale ? codePageOfLocale(*locale) : 0;
}

}  // namespace platform
