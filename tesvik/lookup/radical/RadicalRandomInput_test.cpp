// Random bytes in every radical-side file: the readers and searches must use
// only whole records inside the files, never crash, read out of bounds or
// loop. Fixed seed, so a failure repeats.

#include <gtest/gtest.h>

#include <random>

#include "common/testing/ScratchDirectory.h"
#include "tesvik/lookup/radical/RadicalCharSearch.h"
#include "tesvik/lookup/radical/RadicalFileReaders.h"
#include "tesvik/lookup/radical/RadicalFixtures_testing.h"
#include "tesvik/lookup/radical/RadicalSearch.h"
#include "tesvik/lookup/radical/UserRadicalRegeneration.h"
#include "tesvik/lookup/radical/UserRadicalTable.h"

namespace tesvik::lookup {
namespace {

using namespace fixtures;

class RandomFiles {
public:
    explicit RandomFiles(std::uint32_t seed) : random_(seed) {}

    // Modulo bias does not matter here; speed in the sanitizer build does.
    std::size_t below(std::size_t n) { return random_() % n; }

    std::vector<std::uint8_t> bytes(std::size_t maxLength) {
        std::vector<std::uint8_t> out(below(maxLength + 1));
        for (auto& b : out) b = static_cast<std::uint8_t>(random_());
        return out;
    }

    // Characters the files and queries use, so that matches do happen.
    char fieldChar() { return "0123456789ABfendshui"[below(20)]; }

    std::string text(std::size_t maxLength) {
        std::string out(below(maxLength + 1), ' ');
        for (char& c : out) c = fieldChar();
        return out;
    }

    // An index of plausible keys whose record numbers often run past the end.
    std::vector<std::uint8_t> index(std::size_t maxEntries) {
        std::vector<RadicalIndexEntry> entries(below(maxEntries + 1));
        for (auto& e : entries) {
            e.key = radicalKey(text(4) + "    ");
            e.firstRecord =
                below(4) == 0 ? static_cast<std::uint32_t>(random_()) : static_cast<std::uint32_t>(below(40));
        }
        auto out = radicalIndexBytes(entries);
        out.resize(out.size() + below(kRadicalIndexEntrySize), 0x30);
        return out;
    }

    // Records whose plain bytes come from the field characters.
    std::vector<std::uint8_t> scrambledRecords(std::size_t maxLength) {
        std::vector<std::uint8_t> out(below(maxLength + 1));
        for (auto& b : out) b = scrambleByte(static_cast<std::uint8_t>(fieldChar()));
        return out;
    }

private:
    std::mt19937 random_;
};

TEST(RadicalRandomInput, ReadersAndSearchesStayInsideTheFiles) {
    RandomFiles random(20261210);
    lumenar::testing::ScratchDirectory dir;
    const auto shipped = shippedRadicalPair(dir.path());
    const auto user = userRadicalPair(dir.path());
    for (int iteration = 0; iteration < 1200; ++iteration) {
        const bool plausible = random.below(2) == 0;
        writeBytes(dir.path() / RadicalTableFileName, plausible ? random.scrambledRecords(400) : random.bytes(400));
        writeBytes(shipped.index, plausible ? random.index(8) : random.bytes(70));
        writeBytes(shipped.records, plausible ? random.scrambledRecords(300) : random.bytes(300));
        writeBytes(user.index, random.index(4));
        writeBytes(user.records, random.scrambledRecords(120));
        if (random.below(10) == 0) std::filesystem::remove(random.below(2) ? shipped.records : user.index);

        const RadicalQuery radicalQuery{random.text(3), random.text(2), random.text(3)};
        const auto radicals = searchRadicals(dir.path(), radicalQuery);
        EXPECT_LE(radicals.size(),
                  std::filesystem::file_size(dir.path() / RadicalTableFileName) / kRadicalTableRecordSize);

        const RadicalCharQuery charQuery{static_cast<unsigned>(random.below(15)), random.text(2), random.below(2) == 0};
        const auto found = searchByRadical(dir.path(), dir.path(), radicalKey(random.text(4) + "    "), charQuery);
        const std::size_t wholeRecords =
            (std::filesystem::exists(shipped.records) ? std::filesystem::file_size(shipped.records) : 0) /
                kRadicalRecordSize +
            (std::filesystem::exists(user.records) ? std::filesystem::file_size(user.records) : 0) / kRadicalRecordSize;
        EXPECT_LE(found.kept.size(), wholeRecords);
    }
}

TEST(RadicalRandomInput, TableEditsAndRegenerationKeepWholeRows) {
    RandomFiles random(7);
    lumenar::testing::ScratchDirectory dir;
    const auto tablePath = dir.path() / UserRadicalTableFileName;
    const ConfirmQuestion yes = [](const Message&, const Message&) { return true; };
    for (int iteration = 0; iteration < 600; ++iteration) {
        const auto before = random.bytes(200);
        writeBytes(tablePath, before);
        const auto code = static_cast<std::uint16_t>(0xE000 + random.below(16));
        const UserRadicalEntry entry{code, "E000", radicalKey(random.text(4) + "    "),
                                     static_cast<unsigned>(random.below(100)), random.text(4)};
        const bool done = random.below(3) == 0   ? addRadicalEntry(dir.path(), entry).ok()
                          : random.below(2) == 0 ? modifyRadicalEntry(dir.path(), entry, yes).ok()
                                                 : deleteRadicalEntry(dir.path(), code, yes).ok();
        const auto after = readBytes(tablePath);
        if (done) {
            EXPECT_EQ(after.size() % kUserRadicalRowSize, before.size() % kUserRadicalRowSize);
            const auto records = readBytes(dir.path() / UserRadicalRecordFileName);
            EXPECT_EQ(records.size(), after.size() / kUserRadicalRowSize * kRadicalRecordSize);
        } else {
            EXPECT_EQ(after, before);
        }
    }
}

}  // namespace
}  // namespace tesvik::lookup
