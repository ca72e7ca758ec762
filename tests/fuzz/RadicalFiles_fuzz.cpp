// The radical directory and radical lookup over arbitrary radical files.

#include "tesvik/index/RadicalCharSearch.h"
#include "tesvik/index/RadicalFileNames.h"
#include "tesvik/index/RadicalGrid.h"
#include "tesvik/index/RadicalSearch.h"
#include "tesvik/index/RadicalSelection.h"
#include "tests/fuzz/FuzzFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputPieces input({data, size});
    tesvik::RadicalQuery radicalQuery;
    radicalQuery.strokes = fuzz::strokeDigits(input, 22);
    radicalQuery.count = std::to_string(input.byte() % 30);
    tesvik::RadicalCharQuery charQuery;
    charQuery.remaining = input.byte() % 40;
    charQuery.strokes = fuzz::strokeDigits(input, 4);

    const auto& dir = fuzz::scratchDirectory();
    fuzz::writeFile(dir / tesvik::RadicalTableFileName, input.piece(34));
    fuzz::writeFile(dir / tesvik::ShippedRadicalIndexFileName, input.piece(8));
    fuzz::writeFile(dir / tesvik::ShippedRadicalRecordFileName, input.piece(11));
    fuzz::writeFile(dir / tesvik::UserRadicalIndexFileName, input.piece(8));
    fuzz::writeFile(dir / tesvik::UserRadicalRecordFileName, input.rest());

    tesvik::CurrentRadical current;
    for (const auto& candidate : tesvik::searchRadicals(dir, radicalQuery)) {
        tesvik::confirmRadical(current, candidate, tesvik::KeyAliasing::UpperCasedAndAliased);
        const auto found = tesvik::searchByRadical(dir, dir, current.key, charQuery);
        if (found) (void)tesvik::radicalGridItems(current, charQuery, found.value());
        break;
    }
    return 0;
}
