#include "pelorin/truetype/FontFileReplacement.h"

namespace pelorin::truetype {

TrueTypeResult<platform::FileReplacement> BeginFontFile(const std::filesystem::path& path) {
    auto file = platform::FileReplacement::begin(path);
    if (!file) {
        return TrueTypeResult<platform::FileReplacement>::failure(
            MakeError(TrueTypeErrorKind::CannotCreate, file.error().describe()));
    }
    return std::move(*file);
}

TrueTypeStatus CommitFontFile(platform::FileReplacement& file, std::span<const uint8_t> bytes) {
    auto written = file.write(bytes);
    if (written) written = file.commit();
    if (!written) return TrueTypeStatus::failure(MakeError(TrueTypeErrorKind::WriteFailed, written.error().describe()));
    return {};
}

}  // namespace pelorin::truetype
