#pragma once
// A CharacterOutput for tests: records every request in order.
#include "tesvik/program/CharacterOutput.h"

#include <string>
#include <vector>

namespace tesvik::program::testing {

struct OutputRequest {
    enum class Kind { Output, Copy };
    Kind kind;
    chars::PackedChar value;
    bool operator==(const OutputRequest&) const = default;
};

class RecordingOutput : public CharacterOutput {
public:
    void outputCharacter(chars::PackedChar value) override { requests.push_back({OutputRequest::Kind::Output, value}); }
    void copyCharacter(chars::PackedChar value) override { requests.push_back({OutputRequest::Kind::Copy, value}); }
    void copyText(const std::string& utf8) override { copiedTexts.push_back(utf8); }
    std::vector<OutputRequest> requests;
    std::vector<std::string> copiedTexts;
};

inline OutputRequest outputOf(chars::PackedChar v) { return {OutputRequest::Kind::Output, v}; }
inline OutputRequest copyOf(chars::PackedChar v) { return {OutputRequest::Kind::Copy, v}; }

}  // namespace tesvik::program::testing
