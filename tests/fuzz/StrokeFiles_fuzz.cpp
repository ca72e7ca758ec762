// The stroke-order lookup over arbitrary index and record files, shipped and user.

#include "tests/fuzz/FuzzFiles.h"
#include "tesvik/lookup/stroke/StrokeFiles.h"
#include "tesvik/lookup/stroke/StrokeSearch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputPieces input({data, size});
    tesvik::lookup::StrokeQuery query;
    query.count = input.byte() % 70;
    query.tolerance = input.byte() & 1;
    query.strokes = fuzz::strokeDigits(input, 10);

    const auto& dir = fuzz::scratchDirectory();
    fuzz::writeFile(dir / tesvik::lookup::kShippedStrokeIndexFileName, input.piece(6));
    fuzz::writeFile(dir / tesvik::lookup::kShippedStrokeRecordFileName, input.piece(17));
    fuzz::writeFile(dir / tesvik::lookup::kUserStrokeIndexFileName, input.piece(6));
    fuzz::writeFile(dir / tesvik::lookup::kUserStrokeRecordFileName, input.rest());

    const auto found = tesvik::lookup::searchByStrokes(dir, dir, query);
    if (found) (void)tesvik::lookup::visibleCandidates(found.value(), true);
    return 0;
}
