#include "tesvik/program/PickDelivery.h"

#include <utility>

namespace tesvik::program {

DeliveryRoute chooseDeliveryRoute(bool addonPresent, bool keyTypingPossible) {
    if (addonPresent) return DeliveryRoute::InputMethod;
    if (keyTypingPossible) return DeliveryRoute::KeyTyping;
    return DeliveryRoute::Clipboard;
}

PickDelivery::PickDelivery(OutputService& output, platform::InputMethodAddon* addon)
    : output_(output), addon_(addon) {}

std::optional<PickOutcome> PickDelivery::pick(chars::PackedChar value) {
    const std::optional<char32_t> scalar = scalarOfCandidate(value);
    if (!scalar) return std::nullopt;
    const bool addonPresent = addon_ != nullptr && addon_->present();
    PickOutcome outcome;
    outcome.route = chooseDeliveryRoute(addonPresent, output_.canType());
    if (outcome.route == DeliveryRoute::InputMethod) {
        const std::string text = utf8Of(*scalar);
        if (output_.activateTarget()) {
            outcome.notice = commitNow(text);
            // A copy instead keeps the window up to say so, as the other routes do.
            outcome.hideMainWindow = !outcome.notice && output_.hideAfterOutput();
        } else {
            waiting_.push_back(text);
            outcome.hideMainWindow = true;
            outcome.commitAfterFocusLoss = true;
        }
        return outcome;
    }
    const DeliveryOutcome delivered = output_.deliver(value);
    outcome.hideMainWindow = delivered.hideMainWindow;
    if (delivered.typed) {
        outcome.notice = MessageId::TypedWithoutInputMethod;
    } else {
        outcome.route = DeliveryRoute::Clipboard;
        outcome.notice = delivered.problem == DeliveryProblem::NoDesktop ? MessageId::CopiedNoInputMethod
                                                                         : deliveryNotice(delivered);
    }
    return outcome;
}

std::optional<MessageId> PickDelivery::commitWaiting() {
    std::optional<MessageId> notice;
    for (const std::string& text : std::exchange(waiting_, {})) {
        if (auto problem = commitNow(text)) notice = problem;
    }
    return notice;
}

std::optional<MessageId> PickDelivery::commitNow(const std::string& text) {
    auto id = addon_->commit(text, kOwnProgramName);
    if (!id) {
        output_.copyText(text);
        return MessageId::CopiedInputMethodUnreachable;
    }
    handedOver_[*id] = text;
    return std::nullopt;
}

std::optional<MessageId> PickDelivery::finish(const platform::FinishedCommit& finished) {
    const auto it = handedOver_.find(finished.id);
    if (it == handedOver_.end()) return std::nullopt;  // another client's commit
    const std::string text = std::move(it->second);
    handedOver_.erase(it);
    if (finished.delivered) return std::nullopt;
    output_.copyText(text);
    return MessageId::CopiedCommitDropped;
}

}  // namespace tesvik::program
