#pragma once

// Glyphs rendered with FreeType and compared by their ink, for the
// integration tests that hold a font we wrote against a font nobody here wrote.

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <utility>
#include <vector>

namespace pelorin::truetype::testing {

class FreeType {
public:
    FreeType() { FT_Init_FreeType(&library_); }
    ~FreeType() { FT_Done_FreeType(library_); }
    FreeType(const FreeType&) = delete;
    FreeType& operator=(const FreeType&) = delete;
    FT_Library get() const { return library_; }

private:
    FT_Library library_ = nullptr;
};

// The ink of one rendered glyph: the pixels at least half covered, as
// (x, y) around the pen origin, sorted.
using GlyphInk = std::vector<std::pair<int, int>>;

// One face of a font file at one pixel size.
class Face {
public:
    Face(const FreeType& freeType, const std::filesystem::path& file, int index, int pixels) {
        if (FT_New_Face(freeType.get(), file.c_str(), index, &face_) == 0) FT_Set_Pixel_Sizes(face_, 0, pixels);
    }
    ~Face() {
        if (face_) FT_Done_Face(face_);
    }
    Face(const Face&) = delete;
    Face& operator=(const Face&) = delete;
    bool ok() const { return face_ != nullptr; }
    FT_Face get() const { return face_; }
    bool maps(FT_ULong code) const { return FT_Get_Char_Index(face_, code) != 0; }

    GlyphInk ink(FT_ULong code) const {
        GlyphInk pixels;
        if (FT_Load_Char(face_, code, FT_LOAD_RENDER | FT_LOAD_NO_HINTING) != 0) return pixels;
        const FT_Bitmap& bitmap = face_->glyph->bitmap;
        for (unsigned row = 0; row < bitmap.rows; ++row)
            for (unsigned col = 0; col < bitmap.width; ++col)
                if (bitmap.buffer[row * bitmap.pitch + col] >= 128)
                    pixels.emplace_back(face_->glyph->bitmap_left + static_cast<int>(col),
                                        face_->glyph->bitmap_top - static_cast<int>(row));
        std::sort(pixels.begin(), pixels.end());
        return pixels;
    }

private:
    FT_Face face_ = nullptr;
};

// Intersection over union of two glyphs' ink; two empty glyphs agree fully.
inline double intersectionOverUnion(const GlyphInk& a, const GlyphInk& b) {
    GlyphInk both;
    std::set_intersection(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(both));
    const std::size_t either = a.size() + b.size() - both.size();
    return either == 0 ? 1.0 : static_cast<double>(both.size()) / static_cast<double>(either);
}

}  // namespace pelorin::truetype::testing
