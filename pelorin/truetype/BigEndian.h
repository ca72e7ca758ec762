#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace pelorin::truetype {

// Bounds-checked big-endian reads over bytes that came from outside: every
// read names its offset and yields nothing when it would leave the span.
class ByteView {
public:
    ByteView() = default;
    explicit ByteView(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    size_t size() const { return bytes_.size(); }
    bool empty() const { return bytes_.empty(); }
    std::span<const uint8_t> bytes() const { return bytes_; }

    bool Has(size_t offset, size_t length) const { return offset <= bytes_.size() && length <= bytes_.size() - offset; }
    std::optional<uint8_t> U8(size_t offset) const {
        if (!Has(offset, 1)) return std::nullopt;
        return bytes_[offset];
    }
    std::optional<uint16_t> U16(size_t offset) const {
        if (!Has(offset, 2)) return std::nullopt;
        return static_cast<uint16_t>(bytes_[offset] << 8 | bytes_[offset + 1]);
    }
    std::optional<int16_t> I16(size_t offset) const {
        auto v = U16(offset);
        if (!v) return std::nullopt;
        return static_cast<int16_t>(*v);
    }
    std::optional<uint32_t> U32(size_t offset) const {
        if (!Has(offset, 4)) return std::nullopt;
        return static_cast<uint32_t>(bytes_[offset]) << 24 | static_cast<uint32_t>(bytes_[offset + 1]) << 16 |
               static_cast<uint32_t>(bytes_[offset + 2]) << 8 | bytes_[offset + 3];
    }
    // The sub-range [offset, offset + length), or nothing when it does not fit.
    std::optional<ByteView> Sub(size_t offset, size_t length) const {
        if (!Has(offset, length)) return std::nullopt;
        return ByteView(bytes_.subspan(offset, length));
    }

private:
    std::span<const uint8_t> bytes_;
};

// Copies the bytes of `from` that start at offset into out, as many as both
// hold; 0 when offset is not inside `from`.
inline size_t CopyBytesAt(std::span<const uint8_t> from, size_t offset, std::span<uint8_t> out) {
    if (offset >= from.size()) return 0;
    const size_t n = std::min(out.size(), from.size() - offset);
    std::copy_n(from.begin() + static_cast<std::ptrdiff_t>(offset), n, out.begin());
    return n;
}

// Writers for buffers we build ourselves.
inline void AppendU8(std::vector<uint8_t>& out, uint8_t v) { out.push_back(v); }
inline void AppendU16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v >> 8));
    out.push_back(static_cast<uint8_t>(v));
}
inline void AppendI16(std::vector<uint8_t>& out, int16_t v) { AppendU16(out, static_cast<uint16_t>(v)); }
inline void AppendU32(std::vector<uint8_t>& out, uint32_t v) {
    AppendU16(out, static_cast<uint16_t>(v >> 16));
    AppendU16(out, static_cast<uint16_t>(v));
}
inline void PutU16(std::span<uint8_t> out, size_t offset, uint16_t v) {
    out[offset] = static_cast<uint8_t>(v >> 8);
    out[offset + 1] = static_cast<uint8_t>(v);
}
inline void PutU32(std::span<uint8_t> out, size_t offset, uint32_t v) {
    PutU16(out, offset, static_cast<uint16_t>(v >> 16));
    PutU16(out, offset + 2, static_cast<uint16_t>(v));
}
inline uint16_t GetU16(std::span<const uint8_t> in, size_t offset) {
    return static_cast<uint16_t>(in[offset] << 8 | in[offset + 1]);
}
inline uint32_t GetU32(std::span<const uint8_t> in, size_t offset) {
    return static_cast<uint32_t>(GetU16(in, offset)) << 16 | GetU16(in, offset + 2);
}

}  // namespace pelorin::truetype
