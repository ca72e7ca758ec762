#pragma once
// A CharacterOutput for tests: records every request in order.
#include "tesvik/shell/CharacterOutput.h"

#include <vector>

namespace tesvik::testing {

struct OutputRequest {
    enum class Kind { Output, Copy };
    Kind kind;
    PackedChar value;
    bool operator==(const OutputRequest&) const = default;
};

class RecordingOutput : public CharacterOutput {
public:
    void outputCharacter(PackedChar value) override { requests.push_back({OutputRequest::Kind::Output, value}); }
    void copyCharacter(PackedChar value) override { requests.push_back({OutputRequest::Kind::Copy, value}); }
    std::vector<OutputRequest> requests;
};

inline OutputRequest outputOf(PackedChar v) { return {OutputRequest::Kind::Output, v}; }
inline OutputRequest copyOf(PackedChar v) { return {OutputRequest::Kind::Copy, v}; }

}  // namespace tesvik::testing
