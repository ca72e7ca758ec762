#pragma once

// Free CJK fonts from Debian used by the integration tests.

#include <cmath>
#include <filesystem>
#include <vector>

#include "pelorin/truetype/GlyphOutline.h"

namespace pelorin::truetype::testing {

inline const std::filesystem::path kUkai = "/usr/share/fonts/truetype/arphic/ukai.ttc";
inline const std::filesystem::path kZenHei = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc";

// The contours scaled from one em to another, rounded to whole units.
inline std::vector<Contour> Rescaled(std::vector<Contour> contours, int fromEm, int toEm) {
    for (Contour& c : contours) {
        for (OutlinePoint& p : c) {
            p.x = static_cast<int32_t>(std::lround(p.x * static_cast<double>(toEm) / fromEm));
            p.y = static_cast<int32_t>(std::lround(p.y * static_cast<double>(toEm) / fromEm));
        }
    }
    return contours;
}

}  // namespace pelorin::truetype::testing
