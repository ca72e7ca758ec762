#pragma once
// How `type` delivers text, by the routes Tesvik's picks take: the input
// method's addon when it runs, else typing through the X11 desktop, else
// the clipboard.
#include "common/Result.h"
#include "platform/InputMethodAddon.h"
#include "platform/TargetDesktop.h"
#include "tesvik/messages/Messages.h"

#include <functional>
#include <optional>
#include <string>

namespace tesvik::query {

struct TypeRoutes {
    platform::InputMethodAddon* addon = nullptr;  // null: no session bus
    platform::TargetDesktop* desktop = nullptr;   // null: no X11 typing
    std::function<lumenar::Status<std::string>(const std::string& utf8)> copy;
    // How long to wait for the addon's word on the commit: it keeps a
    // commit for the next focused field for 10 s.
    int commitWaitMs = 11000;
};

enum class TypeResult { HandedToInputMethod, TypedWithKeys, Copied, NotCopied };

struct TypeOutcome {
    TypeResult result = TypeResult::NotCopied;
    std::optional<MessageId> notice;  // why it went to the clipboard
    std::string copyProblem;          // why the clipboard did not take it

    bool operator==(const TypeOutcome&) const = default;
};

TypeOutcome typeText(const std::u32string& text, TypeRoutes& routes);

}  // namespace tesvik::query
