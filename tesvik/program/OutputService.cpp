#include "tesvik/program/OutputService.h"

#include "tesvik/program/ProfileRegistry.h"

#include <utility>

namespace tesvik::program {

std::optional<MessageId> deliveryNotice(const DeliveryOutcome& outcome) {
    if (!outcome.copiedInstead) return std::nullopt;
    switch (outcome.problem) {
        case DeliveryProblem::NoDesktop:
            return MessageId::CopiedNoDesktop;
        case DeliveryProblem::NoTarget:
            return MessageId::CopiedNoTarget;
        case DeliveryProblem::TargetNotActivated:
            return MessageId::CopiedTargetNotActivated;
        case DeliveryProblem::TypingFailed:
            return MessageId::CopiedTypingFailed;
        case DeliveryProblem::None:
            break;
    }
    return std::nullopt;
}

namespace {
constexpr bool isSurrogate(std::uint32_t v) { return v >= 0xD800 && v <= 0xDFFF; }
}  // namespace

std::optional<char32_t> scalarOfCandidate(chars::PackedChar value) {
    if (value == 0) return std::nullopt;
    if (value < 0x10000) {
        if (isSurrogate(value)) return std::nullopt;
        return static_cast<char32_t>(value);
    }
    if (value <= 0x10FFFF) return static_cast<char32_t>(value);
    const std::uint32_t high = value >> 16;
    const std::uint32_t low = value & 0xFFFF;
    if (high < 0xD800 || high > 0xDBFF || low < 0xDC00 || low > 0xDFFF) return std::nullopt;
    return static_cast<char32_t>(chars::scalarOfPackedPair(value));
}

std::string utf8Of(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

OutputService::OutputService(platform::TargetDesktop* desktop, platform::RegistryStore& store,
                             ClipboardWriter& clipboard, std::string application)
    : desktop_(desktop), store_(store), clipboard_(clipboard), application_(std::move(application)) {}

void OutputService::setOwnWindow(platform::WindowId mainWindow) {
    ownWindow_ = mainWindow;
    if (target_ == ownWindow_) target_ = 0;
}

void OutputService::trackForeground() {
    if (!desktop_) return;
    desktop_->processPendingWork();
    const platform::WindowId active = desktop_->activeWindow();
    if (active != 0 && active != ownWindow_) target_ = active;
}

DeliveryOutcome OutputService::deliver(chars::PackedChar value) {
    const std::optional<char32_t> scalar = scalarOfCandidate(value);
    if (!scalar) return {};
    if (!desktop_) return copyInstead(*scalar, DeliveryProblem::NoDesktop);
    // A target that no longer exists is none: its id may already name
    // another program's window.
    if (target_ == 0 || !desktop_->isWindow(target_)) {
        target_ = 0;
        return copyInstead(*scalar, DeliveryProblem::NoTarget);
    }
    if (!desktop_->activate(target_)) return copyInstead(*scalar, DeliveryProblem::TargetNotActivated);
    if (!desktop_->typeCharacter(*scalar)) return copyInstead(*scalar, DeliveryProblem::TypingFailed);
    DeliveryOutcome outcome;
    outcome.typed = true;
    outcome.hideMainWindow = hideAfterOutput();
    return outcome;
}

bool OutputService::activateTarget() {
    if (!desktop_ || target_ == 0 || !desktop_->isWindow(target_)) return false;
    return desktop_->activate(target_);
}

void OutputService::copy(chars::PackedChar value) {
    if (const std::optional<char32_t> scalar = scalarOfCandidate(value)) clipboard_.setText(utf8Of(*scalar));
}

// The main window stays up after a copy so that it can say why.
DeliveryOutcome OutputService::copyInstead(char32_t scalar, DeliveryProblem problem) {
    clipboard_.setText(utf8Of(scalar));
    DeliveryOutcome outcome;
    outcome.copiedInstead = true;
    outcome.problem = problem;
    return outcome;
}

bool OutputService::hideAfterOutput() const { return readProfileInt(store_, application_, ProfileValue::Hide, 1) != 0; }

}  // namespace tesvik::program
