// The surrogate-pair list loader over arbitrary bytes.

#include <string_view>

#include "tesvik/program/SurrogateList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    (void)tesvik::program::parseSurrogateList(bytes);
    (void)tesvik::program::surrogateRecordCount(bytes);
    return 0;
}
