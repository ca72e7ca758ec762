#pragma once

// Outlines as FreeType loads them, for comparing with ours in the
// integration tests (header only, so it stays out of the library).

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <filesystem>
#include <optional>
#include <vector>

#include "pelorin/truetype/GlyphOutline.h"

namespace pelorin::truetype::testing {

class FreeTypeFace {
public:
    FreeTypeFace(const std::filesystem::path& path, long faceIndex) {
        if (FT_Init_FreeType(&library_) == 0) FT_New_Face(library_, path.c_str(), faceIndex, &face_);
    }
    ~FreeTypeFace() {
        if (face_) FT_Done_Face(face_);
        if (library_) FT_Done_FreeType(library_);
    }
    FreeTypeFace(const FreeTypeFace&) = delete;
    FreeTypeFace& operator=(const FreeTypeFace&) = delete;

    FT_Face face() const { return face_; }
    bool ok() const { return face_ != nullptr; }

    // The glyph's points in font units, unhinted, contour by contour.
    std::optional<std::vector<Contour>> Outline(unsigned glyphIndex) const {
        if (FT_Load_Glyph(face_, glyphIndex, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING) != 0) return std::nullopt;
        const FT_Outline& o = face_->glyph->outline;
        std::vector<Contour> contours;
        int first = 0;
        for (int c = 0; c < o.n_contours; ++c) {
            Contour contour;
            for (int p = first; p <= o.contours[c]; ++p) {
                contour.push_back({static_cast<int32_t>(o.points[p].x), static_cast<int32_t>(o.points[p].y),
                                   (FT_CURVE_TAG(o.tags[p]) == FT_CURVE_TAG_ON)});
            }
            contours.push_back(std::move(contour));
            first = o.contours[c] + 1;
        }
        return contours;
    }

    // Number of set pixels when the glyph is rendered at sizePx.
    int InkedPixels(unsigned glyphIndex, unsigned sizePx) const {
        if (FT_Set_Pixel_Sizes(face_, 0, sizePx) != 0) return -1;
        if (FT_Load_Glyph(face_, glyphIndex, FT_LOAD_RENDER | FT_LOAD_NO_HINTING) != 0) return -1;
        const FT_Bitmap& b = face_->glyph->bitmap;
        int inked = 0;
        for (unsigned row = 0; row < b.rows; ++row) {
            for (unsigned col = 0; col < b.width; ++col) inked += b.buffer[row * b.pitch + col] > 127;
        }
        return inked;
    }

private:
    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
};

}  // namespace pelorin::truetype::testing
