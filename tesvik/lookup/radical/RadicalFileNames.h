#pragma once

// The radical-side files. The shipped ones lie in the data directory, the
// user's own ones in the user directory (the two may be the same).

#include <filesystem>

namespace tesvik::lookup {

inline constexpr const char* RadicalTableFileName = "newmb.dat";
inline constexpr const char* ShippedRadicalIndexFileName = "bs64-gb18030.idx";
inline constexpr const char* ShippedRadicalRecordFileName = "charmb614-gb18030.dat";
inline constexpr const char* UserRadicalTableFileName = "buzibuzishoumb.txt";
inline constexpr const char* UserRadicalIndexFileName = "buzibushou64.idx";
inline constexpr const char* UserRadicalRecordFileName = "buzicharmb614.dat";

// One radical-key index with its companion record file.
struct RadicalIndexPair {
    std::filesystem::path index;
    std::filesystem::path records;
};

inline RadicalIndexPair shippedRadicalPair(const std::filesystem::path& dataDir) {
    return {dataDir / ShippedRadicalIndexFileName, dataDir / ShippedRadicalRecordFileName};
}

inline RadicalIndexPair userRadicalPair(const std::filesystem::path& userDir) {
    return {userDir / UserRadicalIndexFileName, userDir / UserRadicalRecordFileName};
}

}  // namespace tesvik::lookup
