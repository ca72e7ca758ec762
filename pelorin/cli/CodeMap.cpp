#include "pelorin/cli/CodeMap.h"

#include "pelorin/cli/CliMessages.h"
#include "pelorin/cli/NumberText.h"
#include "pelorin/fonts/FontMessages.h"

#include <fstream>
#include <optional>
#include <set>
#include <sstream>

namespace pelorin::cli {
lumenar::Result<std::vector<CodeMapping>, std::string> parseCodeMap(const std::string& text) {
    using R = lumenar::Result<std::vector<CodeMapping>, std::string>;
    std::vector<CodeMapping> rows;
    std::set<std::uint16_t> seen;
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line.front() == '#') continue;
        std::istringstream fields(line);
        std::string first, second;
        fields >> first >> second;
        const auto library = parseNumber<std::uint32_t>(first, 16);
        const auto source = parseNumber<std::uint32_t>(second, 16);
        const std::string where = fonts::text(message::kLineBefore, std::to_string(number), message::kLineAfter);
        if (!library || !source) return R::failure(fonts::text(where, message::kWantsCodeAndCodePoint));
        if (*library > 0xFFFF) return R::failure(fonts::text(where, message::kLibraryCode, first, message::kAboveFFFF));
        if (*source > 0x10FFFF)
            return R::failure(fonts::text(where, message::kCodePoint, second, message::kAbove10FFFF));
        if (!seen.insert(static_cast<std::uint16_t>(*library)).second)
            return R::failure(fonts::text(where, message::kLibraryCode, first, message::kCodeGivenTwice));
        rows.push_back({static_cast<std::uint16_t>(*library), *source});
    }
    return rows;
}

lumenar::Result<std::vector<CodeMapping>, std::string> readCodeMap(const std::string& path) {
    using R = lumenar::Result<std::vector<CodeMapping>, std::string>;
    std::ifstream file(path, std::ios::binary);
    if (!file) return R::failure(fonts::text(path, message::kCannotBeRead));
    std::ostringstream text;
    text << file.rdbuf();
    auto rows = parseCodeMap(text.str());
    if (!rows) return R::failure(fonts::text(path, message::kMapError, rows.error()));
    return rows;
}

}  // namespace pelorin::cli
