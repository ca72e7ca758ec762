#include "pelorin/truetype/CTTFMan.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <numeric>

#include "pelorin/truetype/BigEndian.h"
#include "pelorin/truetype/HeadTable.h"
#include "pelorin/truetype/HheaTable.h"
#include "pelorin/truetype/MaxpTable.h"
#include "pelorin/truetype/TableChecksum.h"
#include "pelorin/truetype/VheaTable.h"

namespace pelorin::truetype {
namespace {

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
    constexpr uint32_t kAccepted[] = {kTrueTypeVersion};
    auto directory = ParseTableDirectory(view, 0, kAccepted);
    if (!directory) return R::failure(directory.error());
    CTTFMan font;
    std::vector<std::pair<uint32_t, size_t>> byOffset;
    for (const DirectoryRecord& r : directory->records) {
        const auto data = std::span<const uint8_t>(file).subspan(r.offset, r.length);
        byOffset.emplace_back(r.offset, font.tables_.size());
        font.tables_.push_back(TableEntry{r.tag, {data.begin(), data.end()}, true, 0});
    }
    std::stable_sort(byOffset.begin(), byOffset.end());
    for (const auto& [offset, index] : byOffset) font.tables_[index].appendOrder = font.nextAppend_++;
    return font;
}

TrueTypeResult<CTTFMan> CTTFMan::OpenExisting(const std::filesystem::path& path) {
    auto bytes = ReadWholeFile(path);
    if (!bytes) return TrueTypeResult<CTTFMan>::failure(bytes.error());
    auto font = Parse(*bytes);
    if (!font)
        return TrueTypeResult<CTTFMan>::failure(
            MakeError(font.error().kind, path.string() + ": " + font.error().detail));
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
    return CopyBytesAt(Table(tag), offset, out);
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

void CTTFMan::Set(TableTag tag, Field<uint16_t> field, uint16_t value) {
    TableEntry* t = Find(tag);
    if (!t || !t->present) return;
    WriteField(std::span<uint8_t>(t->data), field, value);
}

void CTTFMan::SetNumberOfHMetrics(uint16_t value) { Set(tags::kHhea, HheaTable::numberOfHMetrics, value); }
void CTTFMan::SetNumOfLongVerMetrics(uint16_t value) { Set(tags::kVhea, VheaTable::numOfLongVerMetrics, value); }
void CTTFMan::SetNumGlyphs(uint16_t value) { Set(tags::kMaxp, MaxpTable::numGlyphs, value); }
void CTTFMan::SetMaxPoints(uint16_t value) { Set(tags::kMaxp, MaxpTable::maxPoints, value); }
void CTTFMan::SetMaxContours(uint16_t value) { Set(tags::kMaxp, MaxpTable::maxContours, value); }

std::vector<uint8_t> CTTFMan::Serialize() const {
    std::vector<size_t> dataOrder;
    for (size_t i = 0; i < tables_.size(); ++i) {
        if (tables_[i].present) dataOrder.push_back(i);
    }
    std::stable_sort(dataOrder.begin(), dataOrder.end(),
                     [&](size_t a, size_t b) { return tables_[a].appendOrder < tables_[b].appendOrder; });

    const auto numTables = static_cast<uint16_t>(dataOrder.size());
    std::vector<uint8_t> out(TableDirectorySize(numTables), 0);
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
        if (t.tag == tags::kHead && t.data.size() >= HeadTable::checkSumAdjustment.End()) {
            headOffset = r.offset;
            WriteField(std::span<uint8_t>(out).subspan(headOffset), HeadTable::checkSumAdjustment, 0u);
        }
        r.checkSum = TableChecksum(std::span<const uint8_t>(out).subspan(r.offset, r.length));
    }
    PadTo4(out);

    laidOut_.clear();
    for (size_t i = 0; i < tables_.size(); ++i) {
        if (tables_[i].present) laidOut_.push_back(records[i]);
    }
    WriteTableDirectory(out, laidOut_);
    if (headOffset != 0) {
        WriteField(std::span<uint8_t>(out).subspan(headOffset), HeadTable::checkSumAdjustment,
                   CheckSumAdjustmentFor(TableChecksum(out)));
    }
    return out;
}

}  // namespace pelorin::truetype
