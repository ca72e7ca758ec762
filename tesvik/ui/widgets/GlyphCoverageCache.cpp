#include "tesvik/ui/widgets/GlyphCoverageCache.h"

#include <map>

namespace tesvik::ui {

namespace {

struct Cache {
    std::optional<std::filesystem::path> configFile;
    std::map<QString, std::shared_ptr<const platform::GlyphCoverage>> byFamily;
};

Cache& cache() {
    static Cache instance;
    return instance;
}

}  // namespace

std::shared_ptr<const platform::GlyphCoverage> glyphCoverageOf(const QString& family) {
    Cache& c = cache();
    auto& entry = c.byFamily[family];
    if (!entry)
        entry = std::make_shared<const platform::GlyphCoverage>(
            platform::GlyphCoverage::forFamily(family.toStdString(), c.configFile));
    return entry;
}

void useFontConfigFile(std::optional<std::filesystem::path> file) {
    cache().configFile = std::move(file);
    cache().byFamily.clear();
}

}  // namespace tesvik::ui
