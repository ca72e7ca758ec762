#include "tools/tesvik-query/TypeDelivery.h"

#include "tesvik/program/PickDelivery.h"

#include <chrono>

namespace tesvik::query {

namespace {

std::string utf8Of(const std::u32string& text) {
    std::string out;
    for (char32_t c : text) out += program::utf8Of(c);
    return out;
}

// The addon's word on commit `id`; nothing when none came in time.
std::optional<bool> waitForCommit(platform::InputMethodAddon& addon, platform::CommitId id, int waitMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    while (true) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline -
                                                                                 std::chrono::steady_clock::now());
        const platform::AddonEvents events = addon.takeEvents(static_cast<int>(std::max<long long>(left.count(), 0)));
        for (const platform::FinishedCommit& finished : events.finished) {
            if (finished.id == id) return finished.delivered;
        }
        if (left.count() <= 0) return std::nullopt;
    }
}

TypeOutcome copyInstead(const std::u32string& text, TypeRoutes& routes, MessageId why) {
    TypeOutcome outcome;
    outcome.notice = why;
    const auto copied = routes.copy(utf8Of(text));
    outcome.result = copied ? TypeResult::Copied : TypeResult::NotCopied;
    if (!copied) outcome.copyProblem = copied.error();
    return outcome;
}

}  // namespace

TypeOutcome typeText(const std::u32string& text, TypeRoutes& routes) {
    if (routes.addon != nullptr && routes.addon->present()) {
        const auto id = routes.addon->commit(utf8Of(text), program::kOwnProgramName);
        if (!id) return copyInstead(text, routes, MessageId::CopiedInputMethodUnreachable);
        if (waitForCommit(*routes.addon, *id, routes.commitWaitMs) == true)
            return {TypeResult::HandedToInputMethod, std::nullopt, {}};
        return copyInstead(text, routes, MessageId::CopiedCommitDropped);
    }
    if (routes.desktop == nullptr) return copyInstead(text, routes, MessageId::CopiedNoInputMethod);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!routes.desktop->typeCharacter(text[i]))
            return copyInstead(text.substr(i), routes, MessageId::CopiedTypingFailed);
    }
    return {TypeResult::TypedWithKeys, std::nullopt, {}};
}

}  // namespace tesvik::query
