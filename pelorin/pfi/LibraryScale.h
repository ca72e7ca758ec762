#pragma once

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace pelorin {

// Library units to font units, as the conversion scales: with s = font em /
// library em and b = -trunc(0.15 library em), x' = trunc(x s + 0.5) and
// y' = trunc(s (y + b) + 0.5), cutting toward zero (so negative values are
// not rounded to nearest). A library y of 0.15 em lands on the baseline.
class LibraryScale {
public:
    LibraryScale(std::uint16_t libraryEm, std::uint16_t fontEm)
        : scale_(static_cast<double>(fontEm) / libraryEm),
          baseline_(-static_cast<std::int32_t>(std::trunc(0.15 * libraryEm))) {}

    std::int32_t X(std::int32_t x) const { return Cut(x * scale_); }
    std::int32_t Y(std::int32_t y) const { return Cut(scale_ * (y + baseline_)); }

    // The library coordinate that X (or Y) maps to `font`, or the nearest
    // one when none maps to it exactly (possible only when the library em
    // is the smaller).
    std::int32_t LibraryX(std::int32_t font) const {
        return Inverse(font, 0, [this](std::int32_t v) { return X(v); });
    }
    std::int32_t LibraryY(std::int32_t font) const {
        return Inverse(font, -baseline_, [this](std::int32_t v) { return Y(v); });
    }

private:
    static std::int32_t Cut(double v) { return static_cast<std::int32_t>(std::trunc(v + 0.5)); }

    // Solves trunc(u s + 0.5) = font for u, then shifts by `offset`.
    template <class Forward>
    std::int32_t Inverse(std::int32_t font, std::int32_t offset, Forward forward) const {
        const double u = font > 0 ? std::ceil((font - 0.5) / scale_) : font < 0 ? std::floor((font - 0.5) / scale_) : 0;
        const auto guess = static_cast<std::int32_t>(u) + offset;
        std::int32_t best = guess;
        std::int64_t bestError = -1;
        for (std::int32_t candidate : {guess, guess - 1, guess + 1}) {
            const std::int64_t error = std::llabs(std::int64_t{forward(candidate)} - font);
            if (bestError < 0 || error < bestError) {
                best = candidate;
                bestError = error;
            }
        }
        return best;
    }

    double scale_;
    std::int32_t baseline_;
};

}  // namespace pelorin
