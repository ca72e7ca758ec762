// The stroke-order lookup over arbitrary index and record files, shipped and user.

#include "tesvik/index/StrokeFiles.h"
#include "tesvik/index/StrokeSearch.h"
#include "tests/fuzz/FuzzFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputPieces input({data, size});
    tesvik::StrokeQuery query;
    query.count = input.byte() % 70;
    query.tolerance = input.byte() & 1;
    query.strokes = fuzz::strokeDigits(input, 10);

    const auto& dir = fuzz::scratchDirectory();
    fuzz::writeFile(dir / tesvik::ShippedStrokeIndexFileName, input.piece(6));
    fuzz::writeFile(dir / tesvik::ShippedStrokeRecordFileName, input.piece(17));
    fuzz::writeFile(dir / tesvik::UserStrokeIndexFileName, input.piece(6));
    fuzz::writeFile(dir / tesvik::UserStrokeRecordFileName, input.rest());

    const auto found = tesvik::searchByStrokes(dir, dir, query);
    if (found) (void)tesvik::visibleCandidates(found.value(), true);
    return 0;
}
