#include "pelorin/truetype/CTTFMan.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <numeric>

#include "pelorin/truetype/BigEndian.h"
#include "pelorin/truetype/TableChecksum.h"

namespace pelorin::truetype {
namespace {

constexpr size_t kOffsetTableSize = 12;
constexpr size_t kRecordSize = 16;
constexpr size_t kCheckSumAdjustmentOffset = 8;

void PadTo4(std::vector<uint8_t>& out) {
    while (out.size() % 4 != 0) out.push_back(0);
}

}  // namespace

TrueTypeResult<std::vector<uint8_t>> ReadWholeFile(const std::filesystem::path& path) {
    using R = TrueTypeResult<std::vector<uint8_t>>;
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return R::failure(MakeError(TrueTypeErrorKind::CannotOpen, path.string() + ": " + std::strerror(errno)));
    const std::streamoff size = in.tellg();
    if (size < 0) return R::failure(MakeError(TrueTypeErrorKind::CannotOpen, path.string() + ": not a regular file"));
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) {
        return R::failure(MakeError(TrueTypeErrorKind::CannotOpen, path.string() + ": read error"));
    }
    return bytes;
}

CTTFMan CTTFMan::WithDirectory(std::vector<TableTag> directoryOrder) {
    CTTFMan font;
    for (TableTag tag : directoryOrder) font.tables_.push_back(TableEntry{tag, {}, false, 0});
    return font;
}

TrueTypeResult<CTTFMan> CTTFMan::Parse(std::span<const uint8_t> file) {
    using R = TrueTypeResult<CTTFMan>;
    const ByteView view(file);
    const auto version = view.U32(0);
    const auto numTables = view.U16(4);
    if (!version || !numTables) return R::failure(MakeError(TrueTypeErrorKind::NotTrueType, "file too short"));
    if (*version != kSfntVersion) {
        return R::failure(MakeError(TrueTypeErrorKind::NotTrueType, "sfnt version is not 0x00010000"));
    }
    if (!view.Has(kOffsetTableSize, kRecordSize * *numTables)) {
        return R::failure(MakeError(TrueTypeErrorKind::Malformed, "table directory runs past the end of the file"));
    }
    CTTFMan font;
    std::vector<std::pair<uint32_t, size_t>> byOffset;
    for (size_t i = 0; i < *numTables; ++i) {
        const size_t at = kOffsetTableSize + kRecordSize * i;
        const TableTag tag = *view.U32(at);
        const uint32_t offset = *view.U32(at + 8);
        const uint32_t length = *view.U32(at + 12);
        const auto data = view.Sub(offset, length);
        if (!data) {
            return R::failure(MakeError(TrueTypeErrorKind::Malformed, "table '" + TagText(tag) + "' lies outside the file"));
        }
        if (font.Find(tag)) {
            return R::failure(MakeError(TrueTypeErrorKind::Malformed, "table '" + TagText(tag) + "' listed twice"));
        }
        font.tables_.push_back(TableEntry{tag, {data->bytes().begin(), data->bytes().end()}, true, 0});
        byOffset.emplace_back(offset, i);
    }
    std::stable_sort(byOffset.begin(), byOffset.end());
    for (const auto& [offset, index] : byOffset) font.tables_[index].appendOrder = font.nextAppend_++;
    return font;
}

TrueTypeResult<CTTFMan> CTTFMan::OpenExisting(const std::filesystem::path& path) {
    auto bytes = ReadWholeFile(path);
    if (!bytes) return TrueTypeResult<CTTFMan>::failure(bytes.error());
    auto font = Parse(*bytes);
    if (!font) return TrueTypeResult<CTTFMan>::failure(MakeError(font.error().kind, path.string() + ": " + font.error().detail));
    return font;
}

const CTTFMan::TableEntry* CTTFMan::Find(TableTag tag) const {
    for (const auto& t : tables_) {
        if (t.tag == tag) return &t;
    }
    return nullptr;
}

CTTFMan::TableEntry* CTTFMan::Find(TableTag tag) {
    return const_cast<TableEntry*>(static_cast<const CTTFMan*>(this)->Find(tag));
}

bool CTTFMan::HasTable(TableTag tag) const {
    const TableEntry* t = Find(tag);
    return t && t->present;
}

size_t CTTFMan::TableLength(TableTag tag) const { return Table(tag).size(); }

std::span<const uint8_t> CTTFMan::Table(TableTag tag) const {
    const TableEntry* t = Find(tag);
    if (!t || !t->present) return {};
    return t->data;
}

std::vector<uint8_t>* CTTFMan::MutableTable(TableTag tag) {
    TableEntry* t = Find(tag);
    return t ? &t->data : nullptr;
}

size_t CTTFMan::ReadTable(TableTag tag, size_t offset, std::span<uint8_t> out) const {
    const auto table = Table(tag);
    if (offset >= table.size()) return 0;
    const size_t n = std::min(out.size(), table.size() - offset);
    std::copy_n(table.begin() + static_cast<std::ptrdiff_t>(offset), n, out.begin());
    return n;
}

size_t CTTFMan::WriteTableInPlace(TableTag tag, size_t offset, std::span<const uint8_t> bytes) {
    TableEntry* t = Find(tag);
    if (!t || !t->present || offset >= t->data.size()) return 0;
    const size_t n = std::min(bytes.size(), t->data.size() - offset);
    std::copy_n(bytes.begin(), n, t->data.begin() + static_cast<std::ptrdiff_t>(offset));
    return n;
}

bool CTTFMan::AppendTable(TableTag tag, std::vector<uint8_t> data) {
    TableEntry* t = Find(tag);
    if (!t) return false;
    t->data = std::move(data);
    t->present = true;
    t->appendOrder = nextAppend_++;
    return true;
}

void CTTFMan::RemoveTable(TableTag tag) {
    std::erase_if(tables_, [tag](const TableEntry& t) { return t.tag == tag; });
}

std::vector<TableTag> CTTFMan::DirectoryOrder() const {
    std::vector<TableTag> order;
    for (const auto& t : tables_) {
        if (t.present) order.push_back(t.tag);
    }
    return order;
}

uint16_t CTTFMan::FieldU16(TableTag tag, size_t offset) const { return ByteView(Table(tag)).U16(offset).value_or(0); }

void CTTFMan::SetFieldU16(TableTag tag, size_t offset, uint16_t value) {
    TableEntry* t = Find(tag);
    if (!t || !t->present || offset + 2 > t->data.size()) return;
    PutU16(t->data, offset, value);
}

uint16_t CTTFMan::UnitsPerEm() const { return FieldU16(tags::kHead, 18); }
int16_t CTTFMan::Ascender() const { return static_cast<int16_t>(FieldU16(tags::kHhea, 4)); }
uint16_t CTTFMan::NumberOfHMetrics() const { return FieldU16(tags::kHhea, 34); }
uint16_t CTTFMan::NumOfLongVerMetrics() const { return FieldU16(tags::kVhea, 34); }
uint16_t CTTFMan::NumGlyphs() const { return FieldU16(tags::kMaxp, 4); }
uint16_t CTTFMan::MaxPoints() const { return FieldU16(tags::kMaxp, 6); }
uint16_t CTTFMan::MaxContours() const { return FieldU16(tags::kMaxp, 8); }
void CTTFMan::SetNumberOfHMetrics(uint16_t value) { SetFieldU16(tags::kHhea, 34, value); }
void CTTFMan::SetNumOfLongVerMetrics(uint16_t value) { SetFieldU16(tags::kVhea, 34, value); }
void CTTFMan::SetNumGlyphs(uint16_t value) { SetFieldU16(tags::kMaxp, 4, value); }
void CTTFMan::SetMaxPoints(uint16_t value) { SetFieldU16(tags::kMaxp, 6, value); }
void CTTFMan::SetMaxContours(uint16_t value) { SetFieldU16(tags::kMaxp, 8, value); }

std::vector<uint8_t> CTTFMan::Serialize() const {
    std::vector<size_t> dataOrder;
    for (size_t i = 0; i < tables_.size(); ++i) {
        if (tables_[i].present) dataOrder.push_back(i);
    }
    std::stable_sort(dataOrder.begin(), dataOrder.end(),
                     [&](size_t a, size_t b) { return tables_[a].appendOrder < tables_[b].appendOrder; });

    const auto numTables = static_cast<uint16_t>(dataOrder.size());
    std::vector<uint8_t> out(kOffsetTableSize + kRecordSize * numTables, 0);
    std::vector<DirectoryRecord> records(tables_.size());
    size_t headOffset = 0;
    for (size_t index : dataOrder) {
        const TableEntry& t = tables_[index];
        PadTo4(out);
        DirectoryRecord& r = records[index];
        r.tag = t.tag;
        r.offset = static_cast<uint32_t>(out.size());
        r.length = static_cast<uint32_t>(t.data.size());
        out.insert(out.end(), t.data.begin(), t.data.end());
        if (t.tag == tags::kHead && t.data.size() >= kCheckSumAdjustmentOffset + 4) {
            headOffset = r.offset;
            PutU32(out, r.offset + kCheckSumAdjustmentOffset, 0);
        }
        r.checkSum = TableChecksum(std::span<const uint8_t>(out).subspan(r.offset, r.length));
    }
    PadTo4(out);

    PutU32(out, 0, kSfntVersion);
    PutU16(out, 4, numTables);
    const SearchFields search = SearchFieldsFor(numTables, kRecordSize);
    PutU16(out, 6, search.searchRange);
    PutU16(out, 8, search.entrySelector);
    PutU16(out, 10, search.rangeShift);
    laidOut_.clear();
    size_t at = kOffsetTableSize;
    for (size_t i = 0; i < tables_.size(); ++i) {
        if (!tables_[i].present) continue;
        const DirectoryRecord& r = records[i];
        PutU32(out, at, r.tag);
        PutU32(out, at + 4, r.checkSum);
        PutU32(out, at + 8, r.offset);
        PutU32(out, at + 12, r.length);
        laidOut_.push_back(r);
        at += kRecordSize;
    }
    if (headOffset != 0) PutU32(out, headOffset + kCheckSumAdjustmentOffset, CheckSumAdjustmentFor(TableChecksum(out)));
    return out;
}

}  // namespace pelorin::truetype
