#pragma once
// Which road a picked character takes, chosen at each pick: the input
// method's addon when it runs (any session), else typing through the
// desktop (X11), else the clipboard. When the addon takes it and Tesvik
// cannot hand the focus back itself (Wayland, or no target that could be
// activated), the main window hides, waits until it has lost the focus and
// only then commits, so that the character reaches the program the
// compositor gave the focus back to.
#include "platform/InputMethodAddon.h"
#include "tesvik/chars/PackedChar.h"
#include "tesvik/messages/Messages.h"
#include "tesvik/program/OutputService.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tesvik::program {

enum class DeliveryRoute { InputMethod, KeyTyping, Clipboard };

DeliveryRoute chooseDeliveryRoute(bool addonPresent, bool keyTypingPossible);

// The program name the addon never commits to.
inline constexpr const char* kOwnProgramName = "tesvik";

struct PickOutcome {
    DeliveryRoute route = DeliveryRoute::Clipboard;
    bool hideMainWindow = false;
    // Hide, wait until the main window has lost the focus, then call
    // commitWaiting().
    bool commitAfterFocusLoss = false;
    // What the status line says; nothing when the input method took it.
    std::optional<MessageId> notice;

    bool operator==(const PickOutcome&) const = default;
};

class PickDelivery {
public:
    // `addon` null: there is no session bus.
    PickDelivery(OutputService& output, platform::InputMethodAddon* addon);

    // Nothing at all for a value that names no character.
    std::optional<PickOutcome> pick(chars::PackedChar value);
    // Commits what waits for the focus to go; a notice when it could not.
    std::optional<MessageId> commitWaiting();
    bool hasWaiting() const { return !waiting_.empty(); }
    // The addon's word on a commit: a dropped one goes to the clipboard.
    std::optional<MessageId> finish(const platform::FinishedCommit& finished);

private:
    std::optional<MessageId> commitNow(const std::string& text);

    OutputService& output_;
    platform::InputMethodAddon* addon_;
    std::vector<std::string> waiting_;
    std::map<platform::CommitId, std::string> handedOver_;
};

}  // namespace tesvik::program
