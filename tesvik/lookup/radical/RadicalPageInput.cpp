#include "tesvik/lookup/radical/RadicalPageInput.h"

#include <algorithm>

namespace tesvik::lookup {
namespace {

constexpr std::size_t kMaxRadicalCharStrokes = 4;
constexpr unsigned kSaturatedRemaining = 999;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t firstNonDigit(std::string_view text) {
    return static_cast<std::size_t>(std::find_if_not(text.begin(), text.end(), isDigit) - text.begin());
}

}  // namespace

Message radicalMessageWith(MessageId id, std::string_view argument) {
    std::string text(messageText(id));
    if (const auto at = text.find("%s"); at != std::string::npos) text.replace(at, 2, argument);
    return Message{id, std::move(text)};
}

lumenar::Result<RadicalFieldAction, RadicalFieldRefusal> checkRadicalCountField(std::string_view text) {
    using R = lumenar::Result<RadicalFieldAction, RadicalFieldRefusal>;
    if (text.empty()) return RadicalFieldAction::NoSearch;
    if (text.size() > 2) return R::failure({message(MessageId::TotalStrokesRange), 0});
    if (firstNonDigit(text) != text.size()) return R::failure({message(MessageId::EnterAnInteger), 0});
    return RadicalFieldAction::Search;
}

lumenar::Result<std::string, RadicalFieldRefusal> checkRadicalPinyinField(std::string_view text) {
    using R = lumenar::Result<std::string, RadicalFieldRefusal>;
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    const auto bad = std::find_if(lowered.begin(), lowered.end(), [](char c) { return c < 'a' || c > 'z'; });
    if (bad != lowered.end()) {
        return R::failure(
            {radicalMessageWith(MessageId::InvalidPinyin, lowered), static_cast<std::size_t>(bad - lowered.begin())});
    }
    return lowered;
}

lumenar::Status<Message> checkRadicalChosen(bool listHasSelection, const CurrentRadical& current) {
    if (listHasSelection || current.key) return {};
    return lumenar::Status<Message>::failure(message(MessageId::ChooseRadicalInList));
}

lumenar::Status<Message> appendRadicalCharStroke(std::string& strokes, char digit) {
    if (strokes.size() >= kMaxRadicalCharStrokes) {
        return lumenar::Status<Message>::failure(message(MessageId::FourStrokesOnly));
    }
    strokes.push_back(digit);
    return {};
}

lumenar::Result<RadicalFieldAction, Message> checkRadicalCharStrokeCount(std::size_t glyphCount) {
    if (glyphCount == 0) return RadicalFieldAction::NoSearch;
    if (glyphCount > kMaxRadicalCharStrokes) {
        return lumenar::Result<RadicalFieldAction, Message>::failure(message(MessageId::FourStrokesOnly));
    }
    return RadicalFieldAction::Search;
}

lumenar::Result<std::optional<unsigned>, RadicalFieldRefusal> checkRemainingField(std::string_view text) {
    using R = lumenar::Result<std::optional<unsigned>, RadicalFieldRefusal>;
    if (text.empty()) return std::optional<unsigned>{};
    const std::size_t bad = firstNonDigit(text);
    if (bad != text.size()) return R::failure({radicalMessageWith(MessageId::InvalidStrokeCount, text), bad});
    unsigned value = 0;
    for (char c : text) value = std::min(kSaturatedRemaining, value * 10 + static_cast<unsigned>(c - '0'));
    return std::optional<unsigned>{value};
}

}  // namespace tesvik::lookup
