// The surrogate-pair list loader over arbitrary bytes.

#include <string_view>

#include "tesvik/shell/SurrogateList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    (void)tesvik::parseSurrogateList(bytes);
    (void)tesvik::surrogateRecordCount(bytes);
    return 0;
}
