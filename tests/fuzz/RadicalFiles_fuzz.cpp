// The radical directory and radical lookup over arbitrary radical files.

#include "tests/fuzz/FuzzFiles.h"
#include "tesvik/lookup/radical/RadicalCharSearch.h"
#include "tesvik/lookup/radical/RadicalFileNames.h"
#include "tesvik/lookup/radical/RadicalGrid.h"
#include "tesvik/lookup/radical/RadicalSearch.h"
#include "tesvik/lookup/radical/RadicalSelection.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputPieces input({data, size});
    tesvik::lookup::RadicalQuery radicalQuery;
    radicalQuery.strokes = fuzz::strokeDigits(input, 22);
    radicalQuery.count = std::to_string(input.byte() % 30);
    tesvik::lookup::RadicalCharQuery charQuery;
    charQuery.remaining = input.byte() % 40;
    charQuery.strokes = fuzz::strokeDigits(input, 4);

    const auto& dir = fuzz::scratchDirectory();
    fuzz::writeFile(dir / tesvik::lookup::RadicalTableFileName, input.piece(34));
    fuzz::writeFile(dir / tesvik::lookup::ShippedRadicalIndexFileName, input.piece(8));
    fuzz::writeFile(dir / tesvik::lookup::ShippedRadicalRecordFileName, input.piece(11));
    fuzz::writeFile(dir / tesvik::lookup::UserRadicalIndexFileName, input.piece(8));
    fuzz::writeFile(dir / tesvik::lookup::UserRadicalRecordFileName, input.rest());

    tesvik::lookup::CurrentRadical current;
    for (const auto& candidate : tesvik::lookup::searchRadicals(dir, radicalQuery)) {
        tesvik::lookup::confirmRadical(current, candidate, tesvik::lookup::KeyAliasing::UpperCasedAndAliased);
        const auto found = tesvik::lookup::searchByRadical(dir, dir, current.key, charQuery);
        (void)tesvik::lookup::radicalGridItems(current, charQuery, found.kept);
        break;
    }
    return 0;
}
