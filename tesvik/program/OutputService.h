#pragma once
// The road of a picked character: the window of another program that was
// active last becomes the target; delivery activates it and types the
// character there, or, where typing is impossible, puts the character on
// the clipboard instead.
#include "platform/RegistryStore.h"
#include "platform/TargetDesktop.h"
#include "tesvik/chars/PackedChar.h"
#include "tesvik/messages/Messages.h"

#include <optional>
#include <string>

namespace tesvik::program {

class ClipboardWriter {
public:
    virtual ~ClipboardWriter() = default;
    virtual void setText(const std::string& utf8) = 0;
};

// Why a character was copied instead of typed.
enum class DeliveryProblem {
    None,
    NoDesktop,           // no X display: typing into other programs is impossible
    NoTarget,            // no other program's window was active since the start, or it is gone
    TargetNotActivated,  // the target did not become active with the focus in time
    TypingFailed,        // the character could not be typed (no spare key)
};

struct DeliveryOutcome {
    bool typed = false;
    bool copiedInstead = false;
    bool hideMainWindow = false;
    DeliveryProblem problem = DeliveryProblem::None;

    bool operator==(const DeliveryOutcome&) const = default;
};

// What the main window says about an outcome; nothing when the character
// was typed.
std::optional<MessageId> deliveryNotice(const DeliveryOutcome& outcome);

// The Unicode scalar of a candidate value: a packed surrogate pair, a BMP
// code unit, or a supplementary scalar as some lists carry it. Nothing for
// 0, a lone surrogate or a value that is none of these.
std::optional<char32_t> scalarOfCandidate(chars::PackedChar value);

std::string utf8Of(char32_t scalar);

class OutputService {
public:
    // `desktop` null: typing is impossible, delivery copies. The registry
    // holds the profile value Hide of `application`.
    OutputService(platform::TargetDesktop* desktop, platform::RegistryStore& store, ClipboardWriter& clipboard,
                  std::string application = "Tesvik");

    void setOwnWindow(platform::WindowId mainWindow);
    // Every 250 ms: the active window, when it is not the main window,
    // becomes the target. Also runs the desktop's pending work.
    void trackForeground();
    platform::WindowId target() const { return target_; }

    // Activates the target and types the character there; the outcome says
    // whether the main window hides (registry value Hide, default 1).
    DeliveryOutcome deliver(chars::PackedChar value);
    // The character as UTF-8 text on the clipboard.
    void copy(chars::PackedChar value);
    void copyText(const std::string& utf8) { clipboard_.setText(utf8); }

    // Typing into other programs is possible (there is a desktop).
    bool canType() const { return desktop_ != nullptr; }
    // Activates the target, as delivery does, without typing; false when
    // there is none or it did not become active.
    bool activateTarget();
    // Registry value Hide, default 1.
    bool hideAfterOutput() const;

private:
    DeliveryOutcome copyInstead(char32_t scalar, DeliveryProblem problem);

    platform::TargetDesktop* desktop_;
    platform::RegistryStore& store_;
    ClipboardWriter& clipboard_;
    std::string application_;
    platform::WindowId ownWindow_ = 0;
    platform::WindowId target_ = 0;
};

}  // namespace tesvik::program
