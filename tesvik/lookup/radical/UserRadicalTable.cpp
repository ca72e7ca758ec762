#include "tesvik/lookup/radical/UserRadicalTable.h"

#include <algorithm>

#include "tesvik/lookup/radical/RadicalFileNames.h"
#include "tesvik/lookup/radical/UserRadicalRegeneration.h"

namespace tesvik::lookup {
namespace {

std::array<char, 2> twoDigits(unsigned n) {
    n %= 100;
    return {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}

std::size_t wholeRows(std::span<const std::uint8_t> table) { return table.size() / kUserRadicalRowSize; }

UserRadicalRow rowAt(std::span<const std::uint8_t> table, std::size_t n) {
    return decodeUserRadicalRow(table.subspan(n * kUserRadicalRowSize).first<kUserRadicalRowSize>());
}

}  // namespace

UserRadicalRow userRadicalRowOf(const UserRadicalEntry& entry) {
    UserRadicalRow row;
    row.character = entry.code;
    row.marker = '0';
    row.key = entry.key;
    row.remaining = twoDigits(entry.remaining);
    row.strokes.fill('0');
    std::copy_n(entry.strokes.begin(), std::min(entry.strokes.size(), row.strokes.size()), row.strokes.begin());
    return row;
}

std::optional<std::size_t> findUserRadicalRow(std::span<const std::uint8_t> table, std::uint16_t code) {
    for (std::size_t n = 0; n < wholeRows(table); ++n) {
        if ((rowAt(table, n).character & 0xFFFF) == code) return n;
    }
    return std::nullopt;
}

std::vector<std::uint8_t> insertUserRadicalRow(std::span<const std::uint8_t> table, const UserRadicalEntry& entry) {
    const UserRadicalRow row = userRadicalRowOf(entry);
    const std::string placeBy = userRadicalInsertText(row.key, row.remaining, entry.strokes);
    std::size_t at = 0;
    while (at < wholeRows(table) && rowAt(table, at).sortText() <= placeBy) ++at;
    const auto offset = static_cast<std::ptrdiff_t>(at * kUserRadicalRowSize);
    const auto bytes = encodeUserRadicalRow(row);
    std::vector<std::uint8_t> out(table.begin(), table.begin() + offset);
    out.insert(out.end(), bytes.begin(), bytes.end());
    out.insert(out.end(), table.begin() + offset, table.end());
    return out;
}

std::vector<std::uint8_t> removeUserRadicalRow(std::span<const std::uint8_t> table, std::size_t row) {
    std::vector<std::uint8_t> out(table.begin(), table.end());
    if (row >= wholeRows(table)) return out;
    const auto offset = static_cast<std::ptrdiff_t>(row * kUserRadicalRowSize);
    out.erase(out.begin() + offset, out.begin() + offset + static_cast<std::ptrdiff_t>(kUserRadicalRowSize));
    return out;
}

UserTableEdit addRadicalEntry(const std::filesystem::path& userDir, const UserRadicalEntry& entry) {
    const UserTableFiles files = userRadicalTableFiles(userDir);
    const auto table = openUserTable(files.table, TableUse::Adding);
    if (!table) return refusedEdit(table.error());
    if (findUserRadicalRow(*table, entry.code)) {
        return refusedEdit({message(MessageId::CodeAlreadyExists, "UNICODE: " + entry.codeText)});
    }
    return storeUserTable(files, insertUserRadicalRow(*table, entry), message(MessageId::RadicalCharAdded));
}

UserTableEdit modifyRadicalEntry(const std::filesystem::path& userDir, const UserRadicalEntry& entry,
                                 const ConfirmQuestion& confirm) {
    const UserTableFiles files = userRadicalTableFiles(userDir);
    const auto table = openUserTable(files.table, TableUse::Changing);
    if (!table) return refusedEdit(table.error());
    const auto row = findUserRadicalRow(*table, entry.code);
    if (!row) return refusedEdit({message(MessageId::ModifyCodeNotFound)});
    if (!confirm(message(MessageId::ModifyQuestion), message(MessageId::ChangeQuestionCaption))) {
        return std::optional<Message>{};
    }
    const auto changed = insertUserRadicalRow(removeUserRadicalRow(*table, *row), entry);
    return storeUserTable(files, changed, message(MessageId::StrokeCharModified));
}

UserTableEdit deleteRadicalEntry(const std::filesystem::path& userDir, std::uint16_t code,
                                 const ConfirmQuestion& confirm) {
    const UserTableFiles files = userRadicalTableFiles(userDir);
    const auto table = openUserTable(files.table, TableUse::Changing);
    if (!table) return refusedEdit(table.error());
    const auto row = findUserRadicalRow(*table, code);
    if (!row) return refusedEdit({message(MessageId::DeleteCodeNotFound)});
    if (!confirm(message(MessageId::DeleteQuestion), message(MessageId::ChangeQuestionCaption))) {
        return std::optional<Message>{};
    }
    return storeUserTable(files, removeUserRadicalRow(*table, *row), message(MessageId::StrokeCharDeleted));
}

}  // namespace tesvik::lookup
